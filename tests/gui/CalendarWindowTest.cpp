// The perpetual-calendar window under the offscreen platform: the month grid's cells, texts
// and colours, the steppers and the remembered day, "今天", and the highlight.
#include <QLabel>
#include <QtTest>

#include "calendar/TFRM_Date.h"

namespace {

// The visible day-number labels by cell (1..37), in cell order.
QList<int> VisibleCells(TFRM_Date& w) {
    QList<int> cells;
    for (QLabel* l : w.findChildren<QLabel*>())
        if (l->property("cell").isValid() && l->isVisible() && l->font().pointSize() == 11)
            cells << l->property("cell").toInt();
    std::sort(cells.begin(), cells.end());
    return cells;
}

QLabel* Lunar(TFRM_Date& w, int day) {
    for (QLabel* l : w.findChildren<QLabel*>())
        if (l->property("day").toInt() == day && l->isVisible() && l->font().pointSize() != 11)
            return l;
    return nullptr;
}

QLabel* DayLabel(TFRM_Date& w, int day) {
    for (QLabel* l : w.findChildren<QLabel*>())
        if (l->property("day").toInt() == day && l->isVisible() && l->font().pointSize() == 11)
            return l;
    return nullptr;
}

}  // namespace

class CalendarWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { TFRM_Date::SetToday(QDate(2000, 2, 5)); }
    void cleanup() { TFRM_Date::SetToday(QDate()); }

    void OpensOnTodayWithItsTexts() {
        TFRM_Date w;
        w.show();
        QCOMPARE(w.findChild<QLabel*>("Label1")->text(), QStringLiteral("2000"));
        QCOMPARE(w.findChild<QLabel*>("Label17")->text(), QStringLiteral("2"));
        QCOMPARE(w.findChild<QLabel*>("Label21")->text(), QStringLiteral("辰龙"));
        QCOMPARE(w.findChild<QLabel*>("Label22")->text(), QStringLiteral("水瓶座"));
        QCOMPARE(VisibleCells(w).size(), 29);  // February 2000 has 29 days
        // 2000-02-05 is 春节 (in orange), not its month's first-day text 正月.
        QCOMPARE(Lunar(w, 5)->text(), QStringLiteral("春节"));
        QCOMPARE(Lunar(w, 5)->palette().color(QPalette::WindowText), QColor(255, 128, 0));
        QCOMPARE(Lunar(w, 4)->text(), QStringLiteral("除夕"));  // and not the term 立春
        QCOMPARE(Lunar(w, 6)->text(), QStringLiteral("初二"));
    }

    void ASaturdayFirstLongMonthUsesCells7To37() {
        TFRM_Date w;
        w.show();
        w.DrawMonth({2022, 10, 1});  // 1 October 2022 was a Saturday
        QList<int> expected;
        for (int k = 7; k <= 37; ++k) expected << k;
        QCOMPARE(VisibleCells(w), expected);
    }

    void ATermWinsOverAGregorianFestival() {
        TFRM_Date w;
        w.show();
        w.DrawMonth({2020, 6, 1});  // 21 June 2020: 父亲节 and 夏至
        QCOMPARE(Lunar(w, 21)->text(), QStringLiteral("夏至"));
        QCOMPARE(Lunar(w, 21)->palette().color(QPalette::WindowText), QColor(83, 83, 255));
        QCOMPARE(Lunar(w, 1)->text(), QStringLiteral("儿童节"));
    }

    void StepsKeepTheRememberedDayAndStopAtTheEnds() {
        TFRM_Date::SetToday(QDate(2001, 1, 31));
        TFRM_Date w;
        w.show();
        auto* month = w.findChild<UpDown*>("UpDown2");
        month->Step(1);
        QCOMPARE(w.SelectedDate(), (qinghe::CivilDate{2001, 2, 28}));
        month->Step(1);
        QCOMPARE(w.SelectedDate(), (qinghe::CivilDate{2001, 3, 31}));
        for (int i = 0; i < 12; ++i) month->Step(1);
        QCOMPARE(w.SelectedDate().month, 12);  // no wrap into January
        QCOMPARE(w.SelectedDate().year, 2001);
        auto* year = w.findChild<UpDown*>("UpDown1");
        year->SetPosition(2050);
        year->Step(1);
        QCOMPARE(year->Position(), 2050);
        year->SetPosition(1901);
        year->Step(-1);
        QCOMPARE(year->Position(), 1901);
    }

    void ClickingADayMovesTheHighlightOnly() {
        TFRM_Date w;
        w.show();
        QLabel* day = DayLabel(w, 20);
        QTest::mouseClick(day, Qt::LeftButton);
        QCOMPARE(w.SelectedDate(), (qinghe::CivilDate{2000, 2, 20}));
        QCOMPARE(w.findChild<QFrame*>("Shape2")->pos(), QPoint(day->x() - 1, day->y() + 1));
        QCOMPARE(w.findChild<QLabel*>("Label22")->text(), QStringLiteral("水瓶座"));  // stays
        // "今天" goes back to today's month and day.
        w.DrawMonth({1999, 7, 3});
        w.StaticText1Click();
        QCOMPARE(w.SelectedDate(), (qinghe::CivilDate{2000, 2, 5}));
        QCOMPARE(w.findChild<QLabel*>("Label16")->text(), QStringLiteral("2"));
    }
};

QTEST_MAIN(CalendarWindowTest)
#include "CalendarWindowTest.moc"
