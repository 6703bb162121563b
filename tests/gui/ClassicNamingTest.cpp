// Classic generation from the naming page on the real reference files: the combination
// list, a run on the worker thread, stopping, the high-score list and a fixed character.
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTextDocument>
#include <QTextEdit>
#include <QtTest>

#include "CliLines.h"
#include "app/TFrmIndex.h"
#include "generation/NamingPage.h"
#include "generation/TMythread.h"
#include "refdata/ReferenceDb.h"

class ClassicNamingTest : public QObject {
    Q_OBJECT
  private:
    static QStringList Names(TFrmIndex& w) {
        const QString text = w.findChild<QTextEdit*>("MemoSuccess")->toPlainText();
        return text.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
    }
    static QStringList Items(QListWidget* list) {
        QStringList items;
        for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
        return items;
    }
    static void Surname(TFrmIndex& w, const QString& s) {
        w.findChild<QLineEdit*>("Xing")->setText(s);
        w.Naming()->XingExit();
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
        QCOMPARE(w.Naming()->NameKind(), 12);
        // Each entry carries its combination; the text is made from it.
        QVERIFY(!code->itemData(0).isValid());
        for (int i = 1; i < code->count(); ++i) {
            const auto combo = code->itemData(i).value<qinghe::StrokeCombo>();
            QCOMPARE(QString::fromStdString(combo.Text()), code->itemText(i));
            QCOMPARE(combo.x1, 11);
        }
    }

    void RunStreamsNamesAndStops() {
        TFrmIndex w;
        w.show();
        Surname(w, QStringLiteral("张"));
        w.findChild<QLineEdit*>("Sorcss")->setText("90");
        QSignalSpy shown(w.Naming(), &NamingPage::classicRunShown);
        w.Naming()->RzBitBtn5Click();
        // Stopped as soon as the first batch is on screen, well before the run's end.
        QSignalSpy arrived(w.findChild<QTextEdit*>("MemoSuccess")->document(),
                           &QTextDocument::contentsChanged);
        QVERIFY(arrived.wait(5000));
        QVERIFY(Names(w).size() >= 6);
        QCOMPARE(shown.count(), 0);
        auto* stop = w.findChild<QPushButton*>("RzBitBtn2");
        QElapsedTimer sinceStop;
        sinceStop.start();
        const qsizetype atStop = Names(w).size();
        w.Naming()->RzBitBtn2Click();
        QVERIFY(!stop->isEnabled());
        QVERIFY(!w.Naming()->GenerationFlag());
        QVERIFY(shown.wait(5000));
        QCOMPARE(shown.count(), 1);
        // At most one batch (about 200 names) arrives after the click.
        const QStringList names = Names(w);
        QVERIFY2(names.size() - atStop <= 205, qPrintable(QString::number(names.size() - atStop)));
        // The same names, in the same order, as the command line gives for the same input.
        QCOMPARE(names, CliLines({"generate", QStringLiteral("张"), "--sex", QStringLiteral("男"),
                                  "--form", QStringLiteral("双字名"), "--limit",
                                  QString::number(names.size())}));
        // The high-score list holds the names at or above 90, in their order, and only those.
        QStringList expected;
        for (const QString& n : names)
            if (n.contains("100") || n.mid(n.indexOf('(') + 1, 2).toInt() >= 90) expected << n;
        QVERIFY(!expected.isEmpty());
        QCOMPARE(Items(w.findChild<QListWidget*>("ListBox1")), expected);
        // The button comes back after two seconds, and the window answers meanwhile.
        QTRY_VERIFY_WITH_TIMEOUT(stop->isEnabled(), 4000);
        QVERIFY2(sinceStop.elapsed() >= 1900, qPrintable(QString::number(sinceStop.elapsed())));
    }

    void NewRunNeverShowsTheOldRunsNames() {
        TFrmIndex w;
        w.show();
        QSignalSpy shown(w.Naming(), &NamingPage::classicRunShown);
        Surname(w, QStringLiteral("张"));
        w.Naming()->RzBitBtn5Click();
        QSignalSpy arrived(w.findChild<QTextEdit*>("MemoSuccess")->document(),
                           &QTextDocument::contentsChanged);
        QVERIFY(arrived.wait(5000));
        w.Naming()->RzBitBtn2Click();
        // Started again at once, while the stopped run's last batches are still on their
        // way: the new run's lists begin empty and hold its own names only.
        Surname(w, QStringLiteral("李"));
        w.Naming()->RzBitBtn5Click();
        QTRY_VERIFY_WITH_TIMEOUT(shown.count() == 2, 10000);
        QVERIFY(Names(w).size() >= 30);
        for (const QString& n : Names(w))
            QVERIFY2(n.startsWith(QStringLiteral("李")), qPrintable(n));
        const QStringList high = Items(w.findChild<QListWidget*>("ListBox1"));
        QVERIFY(!high.isEmpty());
        for (const QString& n : high) QVERIFY2(n.startsWith(QStringLiteral("李")), qPrintable(n));
    }

    void FixedCharacterComesFirst() {
        TFrmIndex w;
        w.show();
        w.findChild<QLineEdit*>("Gudingzi")->setText(QStringLiteral("子"));
        Surname(w, QStringLiteral("张"));
        w.Naming()->GudingziExit();
        QVERIFY(!w.findChild<QCheckBox*>("CBFeeXX")->isChecked());
        QVERIFY(w.findChild<QComboBox*>("CBCode")->count() <= 81);
        QSignalSpy shown(w.Naming(), &NamingPage::classicRunShown);
        w.Naming()->RzBitBtn5Click();
        QVERIFY(shown.wait(20000));
        QVERIFY(!Names(w).isEmpty());
        for (const QString& n : Names(w))
            QVERIFY2(n.mid(1, 1) == QStringLiteral("子"), qPrintable(n));
    }

    void TickedElementsFilterAndShow() {
        TFrmIndex w;
        w.show();
        Surname(w, QStringLiteral("张"));
        w.findChild<QCheckBox*>("CBwuxing")->setChecked(true);
        w.findChild<QCheckBox*>("shui1")->setChecked(true);
        w.findChild<QCheckBox*>("mu2")->setChecked(true);
        w.Naming()->RzBitBtn5Click();
        QCOMPARE(w.findChild<QLabel*>("LabelFavoured")->text(), QStringLiteral("喜用五行：水 木"));
        QTRY_VERIFY_WITH_TIMEOUT(Names(w).size() >= 6, 5000);
        w.Naming()->RzBitBtn2Click();
    }

    void WithoutTicksTheChartChoosesTheElements() {
        TFrmIndex w;
        w.show();
        Surname(w, QStringLiteral("张"));
        // Born 1984-06-01 12:00: strong fire, balanced by metal and earth; 张 is 金 in the
        // character table, so the option keeps 土.
        w.Naming()->Birth().year->setCurrentText("1984");
        w.Naming()->Birth().month->setCurrentText("6");
        w.Naming()->Birth().day->setCurrentText("1");
        w.Naming()->Birth().hour->setCurrentText(QStringLiteral("午 12"));
        w.findChild<QCheckBox*>("CBwuxing")->setChecked(true);
        w.Naming()->RzBitBtn5Click();
        QCOMPARE(w.findChild<QLabel*>("LabelFavoured")->text(), QStringLiteral("喜用五行：土"));
        w.Naming()->RzBitBtn2Click();
    }

    void FilterBoxChoosesTheFilteredOrThePlainRun() {
        TFrmIndex w;
        w.show();
        Surname(w, QStringLiteral("王"));
        // The whole automatic run: a short one for 王, and one the filter thins.
        auto* code = w.findChild<QComboBox*>("CBCode");
        QCOMPARE(code->currentIndex(), 0);
        auto* filter = w.findChild<QCheckBox*>("CBGuolv");
        QVERIFY(filter->isChecked());  // on by default
        QSignalSpy shown(w.Naming(), &NamingPage::classicRunShown);
        QStringList runs[2];
        for (const bool on : {true, false}) {
            filter->setChecked(on);
            w.Naming()->RzBitBtn5Click();
            QVERIFY(shown.wait(20000));
            runs[on] = Names(w);
            QStringList args{"generate", QStringLiteral("王"), "--combo", code->currentText()};
            if (!on) args << "--no-filter";
            QCOMPARE(runs[on], CliLines(args));
        }
        QVERIFY(runs[true].size() < runs[false].size());
    }

    void SecondStartWaitsForTheFirstRun() {
        TFrmIndex w;
        w.show();
        Surname(w, QStringLiteral("张"));
        // One combination, a short run: the richest of the first five.
        auto* code = w.findChild<QComboBox*>("CBCode");
        QStringList expected;
        for (int i = 1; i <= 5 && i < code->count(); ++i) {
            const QStringList names =
                CliLines({"generate", QStringLiteral("张"), "--combo", code->itemText(i)});
            if (names.size() > expected.size()) {
                expected = names;
                code->setCurrentIndex(i);
            }
        }
        QSignalSpy shown(w.Naming(), &NamingPage::classicRunShown);
        w.Naming()->RzBitBtn5Click();
        const std::uint64_t first = w.Naming()->GenerationThread()->RunNumber();
        w.Naming()->RzBitBtn5Click();  // the first run is still going: the new one waits for it
        QCOMPARE(w.Naming()->GenerationThread()->RunNumber(), first);
        QVERIFY(shown.wait(20000));
        QCOMPARE(w.Naming()->GenerationThread()->RunNumber(), first + 1);
        QVERIFY(shown.wait(20000));
        // The second run is whole: the same names as the command line gives.
        QVERIFY(expected.size() > 100);
        QCOMPARE(Names(w), expected);
    }
};

QTEST_MAIN(ClassicNamingTest)
#include "ClassicNamingTest.moc"
