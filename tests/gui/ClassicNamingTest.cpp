// Classic generation from the naming page on the real reference files: the combination
// list, a run on the worker thread, stopping, the high-score list and a fixed character.
#include <QCheckBox>
#include <QElapsedTimer>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextEdit>
#include <QtTest>

#include "app/TFrmIndex.h"
#include "generation/TMythread.h"
#include "refdata/ReferenceDb.h"

class ClassicNamingTest : public QObject {
    Q_OBJECT
private:
    static QStringList Names(TFrmIndex& w) {
        const QString text = w.findChild<QTextEdit*>("MemoSuccess")->toPlainText();
        return text.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
    }
    static void Surname(TFrmIndex& w, const QString& s) {
        w.findChild<QLineEdit*>("Xing")->setText(s);
        w.XingExit();
    }

private slots:
    void initTestCase() { qinghe::SetProgramFolder(QINGHE_BIN_DIR); }

    void SurnameBuildsTheCombinationList() {
        TFrmIndex w;
        Surname(w, QStringLiteral("张"));
        auto* code = w.findChild<QComboBox*>("CBCode");
        QCOMPARE(code->itemText(0), QStringLiteral("电脑全自动"));
        QVERIFY(code->count() > 1);
        QVERIFY(code->count() <= 21);  // at most 20 for two-character given names
        QVERIFY(code->itemText(1).startsWith(QStringLiteral("11|")));
        QCOMPARE(w.NameKind, 12);
    }

    void RunStreamsNamesAndStops() {
        TFrmIndex w;
        w.show();
        Surname(w, QStringLiteral("张"));
        w.findChild<QLineEdit*>("Sorcss")->setText("90");
        w.RzBitBtn5Click();
        QTRY_VERIFY_WITH_TIMEOUT(Names(w).size() >= 12, 5000);
        const QRegularExpression form(QStringLiteral("^张..\\((\\d+)分\\)$"));
        for (const QString& n : Names(w)) {
            const auto m = form.match(n);
            QVERIFY2(m.hasMatch(), qPrintable(n));
            QVERIFY2(m.captured(1).toInt() >= 70, qPrintable(n));
        }
        auto* stop = w.findChild<QPushButton*>("RzBitBtn2");
        QElapsedTimer sinceStop;
        sinceStop.start();
        w.RzBitBtn2Click();
        QVERIFY(!stop->isEnabled());
        QVERIFY(!w.GenerationFlag);
        // The button comes back after two seconds, and the window answers meanwhile.
        QTRY_VERIFY_WITH_TIMEOUT(stop->isEnabled(), 4000);
        QVERIFY2(sinceStop.elapsed() >= 1900, qPrintable(QString::number(sinceStop.elapsed())));
        QTRY_VERIFY_WITH_TIMEOUT(w.GenerationThread->isFinished(), 5000);
        // The high-score list holds the names at or above 90, and only those.
        auto* high = w.findChild<QListWidget*>("ListBox1");
        QSet<QString> expected;
        for (const QString& n : Names(w))
            if (n.contains("100") || n.mid(n.indexOf('(') + 1, 2).toInt() >= 90) expected << n;
        QSet<QString> listed;
        for (int i = 0; i < high->count(); ++i) listed << high->item(i)->text();
        QCOMPARE(listed, expected);
    }

    void FixedCharacterComesFirst() {
        TFrmIndex w;
        w.show();
        w.findChild<QLineEdit*>("Gudingzi")->setText(QStringLiteral("子"));
        Surname(w, QStringLiteral("张"));
        w.GudingziExit();
        QVERIFY(!w.findChild<QCheckBox*>("CBFeeXX")->isChecked());
        QVERIFY(w.findChild<QComboBox*>("CBCode")->count() <= 81);
        w.RzBitBtn5Click();
        QTRY_VERIFY_WITH_TIMEOUT(w.GenerationThread->isFinished(), 10000);
        QTRY_VERIFY(!Names(w).isEmpty());
        for (const QString& n : Names(w)) QVERIFY2(n.mid(1, 1) == QStringLiteral("子"), qPrintable(n));
    }

    void TickedElementsFilterAndShow() {
        TFrmIndex w;
        w.show();
        Surname(w, QStringLiteral("张"));
        w.findChild<QCheckBox*>("CBwuxing")->setChecked(true);
        w.findChild<QCheckBox*>("shui1")->setChecked(true);
        w.findChild<QCheckBox*>("mu2")->setChecked(true);
        w.RzBitBtn5Click();
        QCOMPARE(w.findChild<QLabel*>("LabelFavoured")->text(), QStringLiteral("喜用五行：水 木"));
        QTRY_VERIFY_WITH_TIMEOUT(Names(w).size() >= 6, 5000);
        w.RzBitBtn2Click();
    }

    void WithoutTicksTheChartChoosesTheElements() {
        TFrmIndex w;
        w.show();
        Surname(w, QStringLiteral("张"));
        // Born 1984-06-01 12:00: strong fire, balanced by metal and earth; 张 is 金 in the
        // character table, so the option keeps 土.
        w.m_birth1->year->setCurrentText("1984");
        w.m_birth1->month->setCurrentText("6");
        w.m_birth1->day->setCurrentText("1");
        w.m_birth1->hour->setCurrentText(QStringLiteral("午 12"));
        w.findChild<QCheckBox*>("CBwuxing")->setChecked(true);
        w.RzBitBtn5Click();
        QCOMPARE(w.findChild<QLabel*>("LabelFavoured")->text(), QStringLiteral("喜用五行：土"));
        w.RzBitBtn2Click();
    }

    void SecondStartWaitsForTheFirstRun() {
        TFrmIndex w;
        w.show();
        Surname(w, QStringLiteral("李"));
        w.RzBitBtn5Click();
        TMythread* first = w.GenerationThread;
        w.RzBitBtn5Click();  // the first run is still going: the new one waits for it
        QTRY_VERIFY_WITH_TIMEOUT(w.GenerationThread != first, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(w.GenerationThread->isFinished(), 10000);
        QVERIFY(!Names(w).isEmpty());
    }
};

QTEST_MAIN(ClassicNamingTest)
#include "ClassicNamingTest.moc"
