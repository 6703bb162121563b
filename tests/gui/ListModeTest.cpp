// The naming page's list and idiom modes under the offscreen platform, on the reference files
// the build wrote: the grid shows what qinghe-cli prints for the same seed, "继续显示" brings
// the next page, and empty or failed runs say so.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTextEdit>
#include <QtTest>

#include "CliLines.h"
#include "app/ShowInfo.h"
#include "app/TFrmIndex.h"
#include "generation/NamingPage.h"
#include "refdata/ReferenceDb.h"

class ListModeTest : public QObject {
    Q_OBJECT
    static QStringList GridRows(TFrmIndex& w) {
        auto* grid = w.findChild<QTableWidget*>("RzStringGrid1");
        QStringList rows;
        for (int r = 0; r < grid->rowCount() && grid->item(r, 0); ++r) {
            QStringList cells;
            for (int c = 0; c < grid->columnCount(); ++c) cells << grid->item(r, c)->text();
            rows << cells.join('\t');
        }
        return rows;
    }
    // The page in list (or idiom) mode with a surname typed, its draws seeded.
    static void Prepare(TFrmIndex& w, const QString& surname, const char* mode = "RzRadioButton7") {
        w.show();
        w.findChild<QLineEdit*>("Xing")->setText(surname);
        w.Naming()->XingExit();
        w.findChild<QRadioButton*>(mode)->click();
        w.Naming()->SeedListDraws(5);
    }
    static QPushButton* More(TFrmIndex& w) { return w.findChild<QPushButton*>("RzBitBtn2"); }

  private slots:
    void initTestCase() { qinghe::SetProgramFolder(QINGHE_BIN_DIR); }
    void init() {
        m_shown.clear();
        qinghe::SetShowInfoHook([this](const QString& t) { m_shown << t; });
    }
    void cleanup() { qinghe::SetShowInfoHook({}); }

    void ModeButtonShowsTheGridAndMore() {
        TFrmIndex w;
        Prepare(w, QStringLiteral("张"));
        QVERIFY(w.findChild<QTableWidget*>("RzStringGrid1")->isVisible());
        QVERIFY(!w.findChild<QTextEdit*>("MemoSuccess")->isVisible());
        QCOMPARE(More(w)->text(), QStringLiteral("继续显示"));
        QCOMPARE(w.findChild<QLineEdit*>("ZuidiFee")->text(), QStringLiteral("70"));
        QStringList header;
        auto* grid = w.findChild<QTableWidget*>("RzStringGrid1");
        for (int c = 0; c < 9; ++c) header << grid->horizontalHeaderItem(c)->text();
        QCOMPARE(header.join(' '),
                 QStringLiteral("编号 名称 繁体字 拼音 五行 笔画 五格 三才 分数"));
    }

    void PagesAreTheCliPagesForTheSameSeed() {
        TFrmIndex w;
        Prepare(w, QStringLiteral("张"));
        w.findChild<QPushButton*>("RzBitBtn5")->click();
        QVERIFY(m_shown.isEmpty());
        const qinghe::ListRun* run = w.Naming()->ListRun();
        QVERIFY(run != nullptr);
        QVERIFY(run->ResultCount > 1000);
        QCOMPARE(GridRows(w),
                 CliLines({"generate", QStringLiteral("张"), "--mode", "list", "--seed", "5"}));
        QCOMPARE(w.findChild<QComboBox*>("CBName")->count(), 500);
        // Every shown name scores 70 or more: all are copied, without "分".
        auto* high = w.findChild<QListWidget*>("ListBox1");
        QCOMPARE(high->count(), 500);
        QVERIFY(high->item(0)->text().contains(QRegularExpression("^张..\\(\\d+\\)$")));
        QVERIFY(More(w)->isEnabled());
        More(w)->click();
        QCOMPARE(GridRows(w), CliLines({"generate", QStringLiteral("张"), "--mode", "list",
                                        "--seed", "5", "--page", "2"}));
        QCOMPARE(run->ShownCount, 1000);
    }

    void ASmallResultComesInOrderOnOnePage() {
        TFrmIndex w;
        Prepare(w, QStringLiteral("张"));
        w.findChild<QComboBox*>("CBXingshi")->setCurrentIndex(1);  // 单字名
        w.Naming()->CBXingshiClick();
        w.findChild<QPushButton*>("RzBitBtn5")->click();
        const qinghe::ListRun* run = w.Naming()->ListRun();
        QVERIFY(run != nullptr && run->ResultCount > 0 && run->ResultCount < 500);
        QCOMPARE(GridRows(w).size(), run->ResultCount);
        QCOMPARE(GridRows(w), CliLines({"generate", QStringLiteral("张"), "--mode", "list",
                                        "--form", QStringLiteral("单字名")}));
        QVERIFY(!More(w)->isEnabled());
    }

    void IdiomModeUsesTheIdiomList() {
        TFrmIndex w;
        Prepare(w, QStringLiteral("李"), "RzRadioButton9");
        QVERIFY(w.findChild<QPlainTextEdit*>("MemoChengyu")
                    ->toPlainText()
                    .startsWith(QStringLiteral("爱不释手\n")));
        w.findChild<QPushButton*>("RzBitBtn5")->click();
        QVERIFY(m_shown.isEmpty());
        QCOMPARE(GridRows(w),
                 CliLines({"generate", QStringLiteral("李"), "--mode", "idiom", "--seed", "5"}));
    }

    void NoNameAndFailuresSaySo() {
        TFrmIndex w;
        Prepare(w, QStringLiteral("张"));
        w.findChild<QLineEdit*>("Gudingzi")->setText(QStringLiteral("龘"));  // not offered
        w.findChild<QPushButton*>("RzBitBtn5")->click();
        QCOMPARE(m_shown, QStringList{QStringLiteral(
                              "没有符合要求的名字，请放宽限制条件(如：最低分数、固定文字、"
                              "更换模式等)。")});
        m_shown.clear();
        w.findChild<QLineEdit*>("Gudingzi")->clear();
        w.findChild<QLineEdit*>("ZuidiFee")->setText(QStringLiteral("七十"));
        w.findChild<QPushButton*>("RzBitBtn5")->click();
        QCOMPARE(m_shown,
                 QStringList{QStringLiteral("起名失败：'七十' is not a valid integer value")});
        // A surname with a blank around it: no run and no word; the last page stays.
        m_shown.clear();
        w.findChild<QLineEdit*>("ZuidiFee")->setText(QStringLiteral("70"));
        w.findChild<QPushButton*>("RzBitBtn5")->click();
        const QStringList page = GridRows(w);
        QCOMPARE(page.size(), 500);
        w.findChild<QLineEdit*>("Xing")->setText(QStringLiteral(" 张"));
        w.findChild<QPushButton*>("RzBitBtn5")->click();
        QVERIFY(m_shown.isEmpty());
        QCOMPARE(GridRows(w), page);
    }

  private:
    QStringList m_shown;
};

QTEST_MAIN(ListModeTest)
#include "ListModeTest.moc"
