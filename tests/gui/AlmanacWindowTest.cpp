// The almanac window under the offscreen platform, on the reference files the build wrote:
// it opens on today's entry, its checks speak, a day without a row clears the entry and says
// so, and the glossary is the fixed one.
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "app/ShowInfo.h"
#include "calendar/TFormHuangdao.h"
#include "refdata/ReferenceDb.h"

class AlmanacWindowTest : public QObject {
    Q_OBJECT
    static void Type(TFormHuangdao& w, const QString& y, const QString& m, const QString& d) {
        w.findChild<QComboBox*>("SYear")->setEditText(y);
        w.findChild<QComboBox*>("SMonth")->setEditText(m);
        w.findChild<QComboBox*>("Sday")->setEditText(d);
        w.findChild<QPushButton*>("RzBitBtn1")->click();
    }
    static QString Entry(TFormHuangdao& w) {
        return w.findChild<QPlainTextEdit*>("Memo1")->toPlainText();
    }
    static QString Overview(TFormHuangdao& w) { return w.findChild<QLabel*>("Label1")->text(); }

  private slots:
    void initTestCase() { qinghe::SetProgramFolder(QINGHE_BIN_DIR); }
    void init() {
        m_shown.clear();
        qinghe::SetShowInfoHook([this](const QString& t) { m_shown << t; });
        TFormHuangdao::SetToday(QDate(2024, 2, 10));
    }
    void cleanup() {
        qinghe::SetShowInfoHook({});
        TFormHuangdao::SetToday(QDate());
    }

    void OpensOnTodaysEntry() {
        TFormHuangdao w;
        w.show();
        QCOMPARE(w.findChild<QComboBox*>("SYear")->currentText(), QStringLiteral("2024"));
        QCOMPARE(w.findChild<QComboBox*>("SMonth")->currentText(), QStringLiteral("02"));
        QCOMPARE(Overview(w), QStringLiteral("2024-02-10  农历甲辰(龙年)一月初一"));
        const QStringList lines = Entry(w).split('\n');
        QCOMPARE(lines.size(), 9);
        QCOMPARE(lines[0], QStringLiteral("岁次:甲辰年 丙寅月 甲辰日"));
        QVERIFY(lines[6].startsWith(QStringLiteral("宜:")));
        QVERIFY(m_shown.isEmpty());
        QVERIFY(w.ADOQuery1.find("TalBirth.dll") != std::string::npos);
    }

    void ChecksAndADayWithoutARow() {
        TFormHuangdao w;
        w.show();
        Type(w, "2024", "02", "30");
        QCOMPARE(m_shown, QStringList{QStringLiteral("请选择有效的日期!")});
        QVERIFY(!Entry(w).isEmpty());  // a refused input changes nothing
        Type(w, "2024", "02", "");
        QCOMPARE(m_shown.last(), QStringLiteral("请选择日!"));
        Type(w, "2024", "1", "05");
        QVERIFY(Overview(w).startsWith(QStringLiteral("2024-1-05  ")));
        // No row: the previous entry does not stay on screen as if it were this day's.
        m_shown.clear();
        Type(w, "1850", "01", "01");
        QCOMPARE(m_shown, QStringList{QStringLiteral("没有该日的黄历数据!")});
        QVERIFY(Entry(w).isEmpty());
        QVERIFY(Overview(w).isEmpty());
    }

    void TheGlossaryIsFixed() {
        TFormHuangdao w;
        const QStringList lines = w.findChild<QPlainTextEdit*>("Memo2")->toPlainText().split('\n');
        QCOMPARE(lines.size(), 34);
        QCOMPARE(lines[0], QStringLiteral("嫁娶 ：男娶女嫁，举行结婚大典的吉日 "));
        QCOMPARE(lines[12], QStringLiteral("今社会上多已滥用属阴宅择日时属阴宅须辨别之。 "));
        QCOMPARE(lines[33], QStringLiteral("挂匾 ：指悬挂招牌或各种匾额"));
    }

  private:
    QStringList m_shown;
};

QTEST_MAIN(AlmanacWindowTest)
#include "AlmanacWindowTest.moc"
