// The chart page's "分析" under the offscreen platform, on the reference files the build wrote:
// the report lands in Memo1 through REbazi, checks go to the information box and leave the
// previous report in place.
#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include "app/ShowInfo.h"
#include "app/TFrmIndex.h"
#include "chart/ChartPage.h"
#include "refdata/ReferenceDb.h"

// The year and day pillars of the chart the page holds.
#define ASSERT_CURRENT_CHART(w, year, day)                                                \
    do {                                                                                  \
        const auto& chart = (w).Chart()->CurrentChart();                                  \
        QVERIFY(chart.has_value());                                                       \
        QCOMPARE(QString::fromStdString(chart->YearPillar.Text()), QStringLiteral(year)); \
        QCOMPARE(QString::fromStdString(chart->DayPillar.Text()), QStringLiteral(day));   \
    } while (false)

class ChartPageTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { qinghe::SetProgramFolder(qinghe::ProgramFolder() + "../bin/"); }
    void init() {
        m_shown.clear();
        qinghe::SetShowInfoHook([this](const QString& t) { m_shown << t; });
    }
    void cleanup() { qinghe::SetShowInfoHook({}); }

    void WritesTheReportIntoMemo1() {
        TFrmIndex w;
        Fill(w, "1984", "6", "1", "午 12", "0", "男");
        w.findChild<QLineEdit*>("Xing2")->setText(QStringLiteral(" 张 "));
        w.findChild<QLineEdit*>("NameB2")->setText(QStringLiteral("三"));
        Click(w);
        QVERIFY(m_shown.isEmpty());
        const QStringList lines = Memo(w).split('\n');
        QCOMPARE(lines.size(), 66);
        QCOMPARE(lines[4], QStringLiteral("姓名：张三"));
        QCOMPARE(lines[5], QStringLiteral("年龄：%1岁").arg(QDate::currentDate().year() - 1984));
        QCOMPARE(lines[14], QStringLiteral("八字：甲子   己巳   丙寅   甲午"));
        QCOMPARE(lines[12], QStringLiteral("起运：2岁"));
        QCOMPARE(w.findChild<QTextEdit*>("REbazi")->toPlainText(), Memo(w));
        // The page keeps the chart its report shows.
        ASSERT_CURRENT_CHART(w, "甲子", "丙寅");
    }

    void ChecksShowTheirMessageAndKeepTheReport_data() {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("hour");
        QTest::addColumn<int>("calendar");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty year") << ""
                                    << "6"
                                    << "1"
                                    << "午 12" << 0 << "请选择出生年!";
        QTest::newRow("empty month") << "1984"
                                     << " "
                                     << "1"
                                     << "午 12" << 0 << "请选择出生月!";
        QTest::newRow("empty day") << "1984"
                                   << "6"
                                   << ""
                                   << "午 12" << 0 << "请选择出生日!";
        QTest::newRow("empty hour") << "1984"
                                    << "6"
                                    << "1"
                                    << "" << 0 << "请选择出生小时!";
        QTest::newRow("31 April") << "2001"
                                  << "4"
                                  << "31"
                                  << "午 12" << 0 << "'2001-4-31' is not a valid date";
        QTest::newRow("missing lunar day") << "2020"
                                           << "1"
                                           << "30"
                                           << "午 12" << 1 << "农历日期不存在，请检查输入!";
        QTest::newRow("hour without its branch") << "1984"
                                                 << "6"
                                                 << "1"
                                                 << "12" << 0 << "'' is not a valid integer value";
    }
    void ChecksShowTheirMessageAndKeepTheReport() {
        QFETCH(QString, year);
        QFETCH(QString, month);
        QFETCH(QString, day);
        QFETCH(QString, hour);
        QFETCH(int, calendar);
        QFETCH(QString, message);
        TFrmIndex w;
        Fill(w, "1984", "6", "1", "午 12", "0", "男");
        Click(w);
        const QString before = Memo(w);
        QVERIFY(before.startsWith('<'));
        Fill(w, year, month, day, hour, "0", "女");
        w.findChild<QComboBox*>("ComDate2")->setCurrentIndex(calendar);
        Click(w);
        QCOMPARE(m_shown, QStringList{message});
        QCOMPARE(Memo(w), before);
        ASSERT_CURRENT_CHART(w, "甲子", "丙寅");  // the refused input leaves the chart as well
    }

    void LunarInputShowsItsGregorianDate() {
        TFrmIndex w;
        w.findChild<QComboBox*>("ComDate2")->setCurrentIndex(1);
        Fill(w, "1984", "4", "3", "午 12", "05", "男");
        Click(w);
        QVERIFY(m_shown.isEmpty());
        QCOMPARE(Memo(w).split('\n')[6], QStringLiteral("您出生公历：1984年05月03日12点05分"));
    }

    // A reference error in the bone weight ends the report without a word: REbazi keeps the
    // lines written up to it, Memo1 its previous report.
    void BoneWeightErrorIsSilent() {
        TFrmIndex w;
        Fill(w, "1984", "6", "1", "午 12", "0", "男");
        Click(w);
        const QString before = Memo(w);
        QTemporaryDir folder;
        QVERIFY(QFile::copy(QString::fromStdString(qinghe::ProgramFolder()) + "Tgcode.dll",
                            folder.filePath("Tgcode.dll")));
        const std::string saved = qinghe::ProgramFolder();
        qinghe::SetProgramFolder(folder.path().toStdString());
        Fill(w, "1990", "6", "1", "午 12", "0", "女");
        Click(w);
        qinghe::CloseReferenceConnections();
        qinghe::SetProgramFolder(saved);
        QVERIFY(m_shown.isEmpty());
        QCOMPARE(Memo(w), before);
        const QStringList partial = w.findChild<QTextEdit*>("REbazi")->toPlainText().split('\n');
        QCOMPARE(partial.size(), 60);
        QCOMPARE(partial.last(), QStringLiteral("袁天罡称骨算命："));
    }

  private:
    static void Fill(TFrmIndex& w, const QString& year, const QString& month, const QString& day,
                     const QString& hour, const QString& minute, const QString& sex) {
        w.findChild<QComboBox*>("SYear2")->setEditText(year);
        w.findChild<QComboBox*>("SMonth2")->setEditText(month);
        w.findChild<QComboBox*>("Sday2")->setEditText(day);
        w.findChild<QComboBox*>("Shour2")->setEditText(hour);
        w.findChild<QComboBox*>("CBFen2")->setEditText(minute);
        w.findChild<QComboBox*>("CBsex2")->setCurrentText(sex);
    }
    static void Click(TFrmIndex& w) { w.findChild<QPushButton*>("RzButton2")->click(); }
    static QString Memo(TFrmIndex& w) {
        return w.findChild<QPlainTextEdit*>("Memo1")->toPlainText();
    }
    QStringList m_shown;
};

QTEST_MAIN(ChartPageTest)
#include "ChartPageTest.moc"
