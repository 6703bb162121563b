// The main window under the offscreen platform: frame, start page, page switching by
// toolbar and menu, secondary windows, birth boxes of the four pages, fonts, the
// information box and the quit sequence.
#include <sqlite3.h>

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

#include "app/ShowInfo.h"
#include "app/TFrmIndex.h"
#include "app/TFrm_NanNv.h"
#include "calendar/TFRM_Date.h"
#include "calendar/TFormHuangdao.h"
#include "chart/ChartPage.h"
#include "generation/NamingPage.h"
#include "generation/PoetryPage.h"
#include "numerology/NameAnalysisPage.h"
#include "refdata/ReferenceDb.h"
#include "refdata/Schema.h"

namespace {

QString PageOf(const TFrmIndex& w) {
    return w.findChild<QStackedWidget*>("RzPageControl1")->currentWidget()->objectName();
}

// Runs `open`, which shows a modal window; records that window and closes it.
QPointer<QWidget> OpenModal(const std::function<void()>& open, bool& wasModal) {
    QPointer<QWidget> seen;
    wasModal = false;
    QTimer::singleShot(0, [&] {
        seen = QApplication::activeModalWidget();
        wasModal = seen != nullptr && seen->isModal();
        if (seen) seen->close();
    });
    open();
    return seen;
}

QStringList Items(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
    return items;
}

QStringList Numbers(int from, int to) {
    QStringList items;
    for (int i = from; i <= to; ++i) items << QString::number(i);
    return items;
}

}  // namespace

class TFrmIndexTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { qinghe::SetProgramFolder(QINGHE_BIN_DIR); }
    void init() {
        m_ended = 0;
        TFrmIndex::SetProcessEndHook([this] { ++m_ended; });
    }
    void cleanup() {
        TFrmIndex::SetProcessEndHook({});
        qinghe::SetShowInfoHook({});
    }

    void FrameIsWhiteFixedCaptionWithoutMaximise() {
        TFrmIndex w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.windowTitle(), QStringLiteral("青禾生辰八字取名软件"));
        QCOMPARE(w.frameGeometry().size(), QSize(800, 579));  // offscreen: no frame
        QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(w.windowFlags() & Qt::WindowMinimizeButtonHint);
        QCOMPARE(w.palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(w.font().family(), QStringLiteral("Noto Serif CJK SC"));
        QCOMPARE(w.font().pixelSize(), 12);
        // Centred on the screen.
        const QPoint centre = w.screen()->availableGeometry().center();
        QVERIFY((w.frameGeometry().center() - centre).manhattanLength() <= 2);
    }

    // No page needs more room than the window's 800 × 579: nothing is cut off or pushed out.
    void EveryPageFitsTheWindow() {
        TFrmIndex w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* pages = w.findChild<QStackedWidget*>("RzPageControl1");
        for (int i = 0; i < pages->count(); ++i) {
            const QSize need = pages->widget(i)->minimumSizeHint();
            QVERIFY2(need.width() <= pages->width() && need.height() <= pages->height(),
                     qPrintable(QStringLiteral("%1 needs %2 x %3, has %4 x %5")
                                    .arg(pages->widget(i)->objectName())
                                    .arg(need.width())
                                    .arg(need.height())
                                    .arg(pages->width())
                                    .arg(pages->height())));
        }
    }

    void StartsOnTheNamingPageWithFirstTabsSelected() {
        TFrmIndex w;
        w.show();
        QCOMPARE(PageOf(w), QStringLiteral("TabSheet1"));
        for (const char* name : {"RzPageControl2", "RzPageControl3", "RzPageControl4"})
            QCOMPARE(w.findChild<QTabWidget*>(name)->currentIndex(), 0);
        QCOMPARE(w.findChild<QTabWidget*>("RzPageControl2")->tabText(0),
                 QStringLiteral("高分名字"));
        QCOMPARE(w.findChild<QTabWidget*>("RzPageControl3")->tabText(0),
                 QStringLiteral("名字列表"));
        QCOMPARE(w.findChild<QTabWidget*>("RzPageControl4")->tabText(0),
                 QStringLiteral("诗词列表"));
        // The page area has no tabs to see or click.
        QVERIFY(w.findChild<QTabWidget*>("RzPageControl1") == nullptr);
    }

    void ToolbarMenuAndPageButtonsSwitchPages_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("page");
        QTest::newRow("宝宝取名") << "RzToolButton9"
                                  << "宝宝取名"
                                  << "TabSheet1";
        QTest::newRow("诗词取名") << "RzToolButton10"
                                  << "诗词取名"
                                  << "TabSheet6";
        QTest::newRow("名字分析") << "RzToolButton17"
                                  << "名字分析"
                                  << "TabSheet3";
        QTest::newRow("八字分析") << "RzToolButton18"
                                  << "八字分析"
                                  << "TabSheet2";
        QTest::newRow("取名知识") << "RzToolButton1"
                                  << "取名知识"
                                  << "TabSheet9";
        QTest::newRow("关于系统") << "dxBarButton45"
                                  << "关于系统"
                                  << "TabSheet8";
        QTest::newRow("返回起名") << "RzBitBtn34"
                                  << "返回起名"
                                  << "TabSheet1";
    }
    void ToolbarMenuAndPageButtonsSwitchPages() {
        QFETCH(QString, control);
        QFETCH(QString, caption);
        QFETCH(QString, page);
        TFrmIndex w;
        w.show();
        // Start from a page other than the expected one.
        w.findChild<QStackedWidget*>("RzPageControl1")
            ->setCurrentIndex(page == "TabSheet8" ? 0 : TFrmIndex::kAboutPage);
        if (auto* tool = w.findChild<QToolButton*>(control)) {
            QCOMPARE(tool->text(), caption);
            QTest::mouseClick(tool, Qt::LeftButton);
        } else if (auto* action = w.findChild<QAction*>(control)) {
            QCOMPARE(action->text(), caption);
            action->trigger();
        } else {
            auto* button = w.findChild<QPushButton*>(control);
            QVERIFY(button != nullptr);
            QCOMPARE(button->text(), caption);
            QTest::mouseClick(button, Qt::LeftButton);
        }
        QCOMPARE(PageOf(w), page);
    }

    void ToolbarIsInTheCaptionOrderWithCrispPictures() {
        TFrmIndex w;
        w.show();
        auto* bar = w.findChild<QToolBar*>();
        QCOMPARE(bar->height(), 80);
        QStringList captions;
        for (QAction* a : bar->actions()) {
            auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(a));
            QVERIFY(button != nullptr);
            captions << button->text();
            QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
            QCOMPARE(button->iconSize(), QSize(48, 48));
            QVERIFY(button->width() >= 64 && button->height() >= 76);
            // Drawn from SVG: at 2× the picture has twice the pixels, not a scaled 48 × 48.
            const QPixmap x2 = button->icon().pixmap(QSize(48, 48), 2.0);
            QCOMPARE(x2.size(), QSize(96, 96));
            QCOMPARE(button->icon().availableSizes(), QList<QSize>{});  // scalable, no bitmaps
        }
        QCOMPARE(captions,
                 (QStringList{"宝宝取名", "诗词取名", "名字分析", "八字分析", "取名知识"}));
    }

    void MenuBarHasItsMenusInOrder() {
        TFrmIndex w;
        QStringList menus;
        for (QAction* a : w.menuBar()->actions()) menus << a->text();
        QCOMPARE(menus, (QStringList{"系统(&S)", "黄道(&D)", "工具(&G)", "帮助(&H)"}));
        const QList<QAction*> tools = w.menuBar()->actions()[2]->menu()->actions();
        QCOMPARE(tools.size(), 2);
        QCOMPARE(tools[0]->objectName(), QStringLiteral("dxBarButton39"));
        QCOMPARE(tools[0]->text(), QStringLiteral("生男生女"));
        QCOMPARE(tools[1]->objectName(), QStringLiteral("dxBarButton43"));
        QCOMPARE(tools[1]->text(), QStringLiteral("万年历法"));
    }

    void PoetryButtonShowsThePoemListAndNamesTheChosenTab() {
        TFrmIndex w;
        w.show();
        auto* poems = w.findChild<QTabWidget*>("RzPageControl4");
        poems->setCurrentIndex(1);
        poems->setTabVisible(0, false);
        QTest::mouseClick(w.findChild<QToolButton*>("RzToolButton10"), Qt::LeftButton);
        QCOMPARE(PageOf(w), QStringLiteral("TabSheet6"));
        QCOMPARE(poems->currentWidget()->objectName(), QStringLiteral("RzTabSheet3"));
        QVERIFY(poems->isTabVisible(0));
        QCOMPARE(poems->tabText(poems->indexOf(w.findChild<QWidget*>("RzTabSheet4"))),
                 QStringLiteral("已选诗词(根据诗词内容或自己输入文字自动匹配取名)"));
    }

    void ModalWindowsAreNewAtEveryOpening_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("outer");
        QTest::addColumn<QSize>("client");
        QTest::newRow("万年历法") << "dxBarButton43"
                                  << "TFRM_Date"
                                  << "春和日历" << QSize(339, 319) << QSize();
        QTest::newRow("黄道吉日") << "dxBarButton291"
                                  << "TFormHuangdao"
                                  << "黄道吉日" << QSize() << QSize(600, 464);
    }
    void ModalWindowsAreNewAtEveryOpening() {
        QFETCH(QString, action);
        QFETCH(QString, className);
        QFETCH(QString, caption);
        QFETCH(QSize, outer);
        QFETCH(QSize, client);
        TFrmIndex w;
        w.show();
        auto* open = w.findChild<QAction*>(action);
        bool modal = false;
        QPointer<QWidget> first = OpenModal([&] { open->trigger(); }, modal);
        QVERIFY(first != nullptr);
        QVERIFY(modal);
        QCOMPARE(QString(first->metaObject()->className()), className);
        QCOMPARE(first->windowTitle(), caption);
        if (outer.isValid()) QCOMPARE(first->frameGeometry().size(), outer);
        if (client.isValid()) QCOMPARE(first->size(), client);
        QPointer<QWidget> second = OpenModal([&] { open->trigger(); }, modal);
        QVERIFY(modal);
        QVERIFY(second != nullptr);
        QVERIFY(first.isNull());  // the earlier instance was destroyed
        QCOMPARE(w.findChildren<QDialog*>(className).size(), 1);
    }

    void EveryBoyOrGirlTableOpensOneMoreWindow() {
        TFrmIndex w;
        w.show();
        auto* open = w.findChild<QAction*>("dxBarButton39");
        open->trigger();
        open->trigger();
        const QList<TFrm_NanNv*> tables = w.findChildren<TFrm_NanNv*>();
        QCOMPARE(tables.size(), 2);
        for (TFrm_NanNv* t : tables) {
            QVERIFY(t->isVisible());
            QVERIFY(!t->isModal());
            QCOMPARE(t->windowTitle(), QStringLiteral("生男生女"));
            QCOMPARE(t->frameGeometry().size(), QSize(594, 561));
            QVERIFY(!(t->windowFlags() & Qt::WindowMaximizeButtonHint));
        }
        tables[0]->close();  // closing one leaves the other
        QTRY_COMPARE(w.findChildren<TFrm_NanNv*>().size(), 1);
    }

    void BirthBoxesHoldTheirItemsAndDefaults_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("names");  // surname, sex … minute
        QTest::addColumn<int>("surnameChars");
        QTest::newRow("naming") << "TabSheet1" << QStringList{"Xing",   "CBsex", "ComDate", "SYear",
                                                              "SMonth", "Sday",  "Shour",   "CBFen"}
                                << 10;
        QTest::newRow("name analysis")
            << "TabSheet3" << QStringList{"Xing3",   "CBsex3", "ComDate3", "SYear3",
                                          "SMonth3", "Sday3",  "Shour3",   "CBFen3"}
            << 10;
        QTest::newRow("chart") << "TabSheet2"
                               << QStringList{"Xing2",   "CBsex2", "ComDate2", "SYear2",
                                              "SMonth2", "Sday2",  "Shour2",   "CBFen2"}
                               << 10;
        QTest::newRow("poetry") << "TabSheet6"
                                << QStringList{"Xing5",   "CBsex5", "CBDate5", "SYear5",
                                               "SMonth5", "Sday5",  "Shour5",  "CBFen5"}
                                << 2;
    }
    void BirthBoxesHoldTheirItemsAndDefaults() {
        QFETCH(QString, page);
        QFETCH(QStringList, names);
        QFETCH(int, surnameChars);
        TFrmIndex w;
        auto* sheet = w.findChild<QWidget*>(page);
        auto* surname = sheet->findChild<QLineEdit*>(names[0]);
        QVERIFY(surname != nullptr);
        QCOMPARE(surname->maxLength(), surnameChars);
        QCOMPARE(surname->text(), QString());
        auto box = [&](int i) {
            auto* b = sheet->findChild<QComboBox*>(names[i]);
            if (b == nullptr) qFatal("no box %s", qPrintable(names[i]));
            return b;
        };
        const QStringList hours{"子 0",  "丑 1",  "丑 2",  "寅 3",  "寅 4",  "卯 5",
                                "卯 6",  "辰 7",  "辰 8",  "巳 9",  "巳 10", "午 11",
                                "午 12", "未 13", "未 14", "申 15", "申 16", "酉 17",
                                "酉 18", "戌 19", "戌 20", "亥 21", "亥 22", "子 23"};
        struct Expected {
            QStringList items;
            QString initial;
            bool editable;
        };
        const Expected expected[7] = {
            {{"男", "女"}, "男", false},         {{"公历", "农历"}, "公历", false},
            {Numbers(1900, 2030), "2020", true}, {Numbers(1, 12), "1", true},
            {Numbers(1, 31), "1", true},         {hours, "子 0", true},
            {Numbers(0, 59), "0", true}};
        for (int i = 0; i < 7; ++i) {
            QComboBox* b = box(i + 1);
            QCOMPARE(Items(b), expected[i].items);
            QCOMPARE(b->currentText(), expected[i].initial);
            QCOMPARE(b->isEditable(), expected[i].editable);
            if (b->isEditable()) QCOMPARE(b->insertPolicy(), QComboBox::NoInsert);
        }
        QCOMPARE(box(3)->count(), 131);
        QCOMPARE(box(3)->maxVisibleItems(), 30);
        QCOMPARE(box(2)->currentIndex(), 0);
    }

    void GivenNameBoxesTakeTenCharacters() {
        TFrmIndex w;
        for (const char* name : {"NameB3", "NameB2"}) {
            auto* edit = w.findChild<QLineEdit*>(name);
            QVERIFY(edit != nullptr);
            QCOMPARE(edit->maxLength(), 10);
            edit->setText(QStringLiteral("一二三四五六七八九十百"));
            QCOMPARE(edit->text(), QStringLiteral("一二三四五六七八九十"));
        }
    }

    void PagesKeepTheirOwnBoxes() {
        TFrmIndex w;
        w.findChild<QComboBox*>("SYear")->setEditText("1999");
        w.findChild<QComboBox*>("CBsex2")->setCurrentIndex(1);
        QCOMPARE(w.Naming()->Birth().Input().year, std::string("1999"));
        QCOMPARE(w.NameAnalysis()->Birth().Input().year, std::string("2020"));
        QCOMPARE(w.Chart()->Birth().Input().sex, std::string("女"));
        QCOMPARE(w.Poetry()->Birth().Input().sex, std::string("男"));
    }

    void BirthInputReadsTheHourNumberFromTheHourText() {
        TFrmIndex w;
        auto* hour = w.findChild<QComboBox*>("Shour2");
        hour->setCurrentIndex(23);
        QCOMPARE(hour->currentText(), QStringLiteral("子 23"));
        QCOMPARE(w.Chart()->Birth().Input().hour(), 23);
        hour->setCurrentIndex(0);
        QCOMPARE(w.Chart()->Birth().Input().hour(), 0);
        hour->setEditText(QStringLiteral("巳 9"));
        QCOMPARE(w.Chart()->Birth().Input().hour(), 9);
        QCOMPARE(w.Chart()->Birth().Input().hourText, std::string("巳 9"));
        hour->setEditText(QStringLiteral("九点"));
        QVERIFY_THROWS_EXCEPTION(qinghe::ConversionError, w.Chart()->Birth().Input().hour());
        // Typed text stays text: the list is not extended and the consumer checks it.
        auto* year = w.findChild<QComboBox*>("SYear2");
        year->setFocus();
        year->lineEdit()->selectAll();
        QTest::keyClicks(year->lineEdit(), "2100");
        QTest::keyClick(year->lineEdit(), Qt::Key_Return);
        QCOMPARE(w.Chart()->Birth().Input().year, std::string("2100"));
        QCOMPARE(year->count(), 131);
        w.findChild<QComboBox*>("ComDate2")->setCurrentIndex(1);
        QCOMPARE(w.Chart()->Birth().Input().calendarKind, 1);
    }

    void PagesHoldTheirNamedControls_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("caption");
        const auto row = [](const char* page, const char* name, const char* cls,
                            const char* caption = "") {
            QTest::addRow("%s", name) << page << name << cls << QString::fromUtf8(caption);
        };
        row("TabSheet1", "RzBitBtn5", "QPushButton", "马上起名");
        row("TabSheet1", "RzBitBtn2", "QPushButton", "停止起名");
        row("TabSheet1", "RzBitBtn4", "QPushButton", "关闭软件");
        row("TabSheet1", "MemoSuccess", "QTextEdit");
        row("TabSheet1", "RzStringGrid1", "QTableWidget");
        row("TabSheet1", "RzPageControl2", "QTabWidget");
        row("TabSheet1", "ListBox1", "QListWidget");
        row("TabSheet1", "ListBox2", "QListWidget");
        row("TabSheet1", "BtnFuzhi", "QPushButton", "复制高分");
        row("TabSheet1", "RzBitBtn24", "QPushButton", "添加到已选");
        row("TabSheet1", "RzBitBtn29", "QPushButton", "复制已选");
        row("TabSheet1", "RzBitBtn30", "QPushButton", "清空已选");
        row("TabSheet1", "CBXingshi", "QComboBox");
        row("TabSheet1", "Gudingzi", "QLineEdit");
        row("TabSheet1", "CBdijizi", "QComboBox");
        row("TabSheet1", "CBCode", "QComboBox");
        row("TabSheet1", "CBFeeXX", "QCheckBox", "只起");
        row("TabSheet1", "ZuidiFee", "QLineEdit");
        row("TabSheet1", "CBInitFee", "QCheckBox", "自动挑选");
        row("TabSheet1", "Sorcss", "QLineEdit");
        row("TabSheet1", "CBwuxing", "QCheckBox");
        row("TabSheet1", "RzRadioButton6", "QRadioButton", "经典模式起名");
        row("TabSheet1", "RzRadioButton7", "QRadioButton", "列表模式起名");
        row("TabSheet1", "RzRadioButton9", "QRadioButton", "成语模式起名");
        row("TabSheet1", "jin1", "QCheckBox", "金");
        row("TabSheet1", "tu2", "QCheckBox", "土");
        row("TabSheet3", "NameB3", "QLineEdit");
        row("TabSheet3", "ButtonName", "QPushButton", "详细分析");
        row("TabSheet3", "BitBtnsave", "QPushButton", "保存");
        row("TabSheet3", "RzMemo1", "QPlainTextEdit");
        row("TabSheet2", "NameB2", "QLineEdit");
        row("TabSheet2", "RzButton2", "QPushButton", "分析");
        row("TabSheet2", "RzBitBtn8", "QPushButton", "保存");
        row("TabSheet2", "Memo1", "QPlainTextEdit");
        row("TabSheet6", "CBXingshi5", "QComboBox");
        row("TabSheet6", "CBSGBZ", "QCheckBox");
        row("TabSheet6", "RzBitBtn33", "QPushButton", "马上起名");
        row("TabSheet6", "RzBitBtn31", "QPushButton", "停止起名");
        row("TabSheet6", "RzBitBtn32", "QPushButton", "刷新诗词");
        row("TabSheet6", "RzBitBtn34", "QPushButton", "返回起名");
        row("TabSheet6", "RzPageControl3", "QTabWidget");
        row("TabSheet6", "ListBox3", "QListWidget");
        row("TabSheet6", "ListBox4", "QListWidget");
        row("TabSheet6", "RzBitBtn35", "QPushButton", "复制名字");
        row("TabSheet6", "RzBitBtn36", "QPushButton", "添加到已选");
        row("TabSheet6", "RzBitBtn37", "QPushButton", "复制已选");
        row("TabSheet6", "RzBitBtn38", "QPushButton", "清空已选");
        row("TabSheet6", "RzPageControl4", "QTabWidget");
        row("TabSheet6", "RzTabSheet3", "QWidget");
        row("TabSheet6", "RzTabSheet4", "QWidget");
        row("TabSheet6", "TreeViewInit", "QTreeWidget");
        row("TabSheet6", "RzTreeView1", "QTreeWidget");
        row("TabSheet6", "MemoSgnr", "QPlainTextEdit");
        row("TabSheet6", "EditTiaojian", "QLineEdit");
        row("TabSheet6", "RzBitBtn41", "QPushButton", "查找");
        row("TabSheet6", "RzBitBtn42", "QPushButton", "显示所有");
        row("TabSheet6", "RzBitBtn40", "QPushButton", "添加到已选");
        row("TabSheet6", "RzBitBtn39", "QPushButton", "清空已选");
        row("TabSheet6", "MemoYixuan", "QPlainTextEdit");
        row("TabSheet6", "jin3", "QCheckBox", "金");
        row("TabSheet6", "tu4", "QCheckBox", "土");
        row("TabSheet9", "MemoBk", "QPlainTextEdit");
        row("TabSheet8", "RzMemo3", "QPlainTextEdit");
        row("TFrmIndex", "MemoSave", "QPlainTextEdit");
        row("TFrmIndex", "REbazi", "QTextEdit");
        row("TFrmIndex", "MemoChengyu", "QPlainTextEdit");
        row("TFrmIndex", "CBName", "QComboBox");
    }
    void PagesHoldTheirNamedControls() {
        QFETCH(QString, page);
        QFETCH(QString, name);
        QFETCH(QString, className);
        QFETCH(QString, caption);
        TFrmIndex w;
        QObject* scope =
            page == "TFrmIndex" ? static_cast<QObject*>(&w) : w.findChild<QWidget*>(page);
        QVERIFY(scope != nullptr);
        const QList<QWidget*> found = scope->findChildren<QWidget*>(name);
        QCOMPARE(found.size(), 1);
        QCOMPARE(QString(found[0]->metaObject()->className()), className);
        if (!caption.isEmpty()) QCOMPARE(found[0]->property("text").toString(), caption);
    }

    // Nothing visible does nothing when pressed: every button of the window is enabled.
    void EveryButtonIsEnabled() {
        TFrmIndex w;
        w.show();
        int knowledge = 0;
        for (QAbstractButton* b : w.findChildren<QAbstractButton*>()) {
            if (b->inherits("QToolBarExtension") || b->parent()->inherits("QTabBar")) continue;
            knowledge += b->property("Cid").isValid();
            QVERIFY2(b->isEnabled(), qPrintable(b->objectName()));
        }
        QCOMPARE(knowledge, 17);
    }

    void HiddenBuffersAndNamingDefaults() {
        TFrmIndex w;
        w.show();
        for (const char* name : {"MemoSave", "REbazi", "MemoChengyu", "CBName"})
            QVERIFY(!w.findChild<QWidget*>(name)->isVisible());
        QVERIFY(!w.findChild<QWidget*>("RzStringGrid1")->isVisible());
        QVERIFY(w.findChild<QWidget*>("MemoSuccess")->isVisible());
        QVERIFY(w.findChild<QTextEdit*>("MemoSuccess")->isReadOnly());
        QCOMPARE(w.findChild<QLineEdit*>("ZuidiFee")->text(), QStringLiteral("70"));
        QCOMPARE(w.findChild<QLineEdit*>("ZuidiFee")->maxLength(), 3);
        QCOMPARE(w.findChild<QLineEdit*>("Sorcss")->text(), QStringLiteral("70"));
        QCOMPARE(w.findChild<QLineEdit*>("EditTiaojian")->maxLength(), 10);
        QCOMPARE(w.findChild<QLineEdit*>("Gudingzi")->maxLength(), 1);
        QCOMPARE(Items(w.findChild<QComboBox*>("CBCode")), QStringList{"电脑全自动"});
        QCOMPARE(Items(w.findChild<QComboBox*>("CBXingshi")), (QStringList{"双字名", "单字名"}));
        QCOMPARE(Items(w.findChild<QComboBox*>("CBdijizi")), (QStringList{"第二字", "第三字"}));
        QVERIFY(w.findChild<QCheckBox*>("CBFeeXX")->isChecked());
        QVERIFY(w.findChild<QCheckBox*>("CBInitFee")->isChecked());
        QVERIFY(!w.findChild<QCheckBox*>("CBwuxing")->isChecked());
        QVERIFY(w.findChild<QRadioButton*>("RzRadioButton6")->isChecked());
        QCOMPARE(w.ADOTem.connectionString, qinghe::ReferenceConnectionString(qinghe::kRedoviv));
        QCOMPARE(w.ADOTem.commandTimeout, 60);
        QCOMPARE(w.ADOFenxi.connectionString, w.ADOTem.connectionString);
    }

    void SaveDialogIsTheWindowsOwnAndKeptBetweenSaves() {
        TFrmIndex w;
        QFileDialog* dialog = w.SaveDialog1();
        QCOMPARE(dialog->objectName(), QStringLiteral("SaveDialog1"));
        QCOMPARE(dialog->parent(), &w);
        QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
        QCOMPARE(dialog->nameFilters(), QStringList{"文本文件 (*.txt)"});
        QCOMPARE(w.SaveDialog1(), dialog);
    }

    void ResultGridHasAHeaderAndOnePageOfRows() {
        TFrmIndex w;
        w.show();
        auto* grid = w.findChild<QTableWidget*>("RzStringGrid1");
        QCOMPARE(w.Naming()->GridPageSize(), 500);
        QCOMPARE(grid->rowCount(), 500);  // plus the header row
        QCOMPARE(grid->columnCount(), 9);
        QStringList header;
        for (int c = 0; c < 9; ++c) header << grid->horizontalHeaderItem(c)->text();
        QCOMPARE(header, (QStringList{"编号", "名称", "繁体字", "拼音", "五行", "笔画", "五格",
                                      "三才", "分数"}));
        // The widths of the grid's design, widened where a column's longest text would be
        // cut: no text is cut.
        const int widths[9] = {36, 61, 61, 130, 58, 73, 90, 56, 30};
        const QStringList longest{"500",
                                  "欧阳欣怡",
                                  "歐陽禕嶼",
                                  "ōuyáng-shuāng-zhuàng",
                                  "土土土土",
                                  "15,17,14,17",
                                  "天32 人39 地29 总61 外22",
                                  "木木木",
                                  "100"};
        for (int c = 0; c < 9; ++c) {
            QVERIFY(grid->columnWidth(c) >= widths[c]);
            QVERIFY2(grid->columnWidth(c) > grid->fontMetrics().horizontalAdvance(longest[c]),
                     qPrintable(longest[c]));
        }
        QCOMPARE(grid->columnWidth(0), 36);
    }

    void KnowledgeButtonsCarryTheirArticleCodes() {
        TFrmIndex w;
        auto* page = w.findChild<QWidget*>("TabSheet9");
        const QList<QPushButton*> buttons = page->findChildren<QPushButton*>();
        QCOMPARE(buttons.size(), 17);
        QCOMPARE(buttons.first()->text(), QStringLiteral("姓名起名原理"));
        QCOMPARE(buttons.first()->property("Cid").toString(), QStringLiteral("a1"));
        QCOMPARE(buttons.last()->text(), QStringLiteral("姓氏来源"));
        // Its own article about surnames, not that of 三才参数 (XM017).
        QCOMPARE(buttons.last()->property("Cid").toString(), QStringLiteral("XM018"));
        QCOMPARE(page->findChild<QPushButton*>("RzBitBtn22")->property("Cid").toString(),
                 QStringLiteral("XM008"));
    }

    void AboutPageSaysWhatTheProgramIs() {
        TFrmIndex w;
        auto* about = w.findChild<QPlainTextEdit*>("RzMemo3");
        QVERIFY(about->isReadOnly());
        const QString text = about->toPlainText();
        QVERIFY(text.startsWith(QStringLiteral("青禾生辰八字取名软件")));
        QVERIFY(text.contains(QStringLiteral("只供参考")));
        QVERIFY(text.contains(QStringLiteral("Unihan")));
    }

    // A Chinese character, full-width punctuation included, is two ASCII widths.
    void ReportAreasLineUpTwoColumnsPerChineseCharacter() {
        TFrmIndex w;
        for (const char* name : {"MemoSuccess", "RzMemo1", "Memo1", "REbazi"}) {
            const QFont font = w.findChild<QWidget*>(name)->font();
            QCOMPARE(font.family(), QStringLiteral("Noto Sans Mono CJK SC"));
            const QFontMetricsF m(font);
            const qreal ascii = m.horizontalAdvance(QLatin1Char('a'));
            QVERIFY(ascii > 0);
            QCOMPARE(m.horizontalAdvance(QStringLiteral("0123456789")), 10 * ascii);
            QCOMPARE(m.horizontalAdvance(QStringLiteral("甲子")), 4 * ascii);
            QCOMPARE(m.horizontalAdvance(QStringLiteral("：")), 2 * ascii);
        }
    }

    void ShowInfoIsAModalInformationBoxWithOneButton() {
        QString title, text;
        int buttons = -1;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        bool modal = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            modal = box->isModal();
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = static_cast<int>(box->buttons().size());
            box->button(QMessageBox::Ok)->click();
        });
        qinghe::ShowInfo(QStringLiteral("请输入姓氏"));
        QVERIFY(modal);
        QCOMPARE(title, QStringLiteral("提示"));
        QCOMPARE(text, QStringLiteral("请输入姓氏"));
        QCOMPARE(icon, QMessageBox::Information);
        QCOMPARE(buttons, 1);
    }

    void ShowInfoCanBeRecordedInstead() {
        QStringList shown;
        qinghe::SetShowInfoHook([&](const QString& t) { shown << t; });
        qinghe::ShowInfo(QStringLiteral("复制成功！"));
        QCOMPARE(shown, QStringList{"复制成功！"});
    }

    void QuitDeletesTheLockFilesAndEnds_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("关闭软件 button") << "RzBitBtn4";
        QTest::newRow("关闭软件 menu") << "dxBarButton5";
        QTest::newRow("close box") << "close";
    }
    void QuitDeletesTheLockFilesAndEnds() {
        QFETCH(QString, how);
        QTemporaryDir dir;
        const std::string saved = qinghe::ProgramFolder();
        qinghe::SetProgramFolder(dir.path().toStdString() + "/");
        const QStringList locks{"Redoviv.ldb", "dream.ldb", "Tgcode.ldb", "TalBirth.ldb"};
        const QStringList kept{"Redoviv.dll", "TalFile.ldb", "other.txt"};
        for (const QString& f : locks + kept) {
            QFile file(dir.filePath(f));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QStringList shown;  // the folder lacks the reference files: the start says so
        qinghe::SetShowInfoHook([&](const QString& t) { shown << t; });
        {
            TFrmIndex w;
            w.show();
            QCOMPARE(shown.size(), 1);
            if (how == "close")
                w.close();
            else if (auto* a = w.findChild<QAction*>(how))
                a->trigger();
            else
                QTest::mouseClick(w.findChild<QPushButton*>(how), Qt::LeftButton);
            QCOMPARE(m_ended, 1);
            QVERIFY(w.ADOFenxi.connectionString.empty());
        }
        qinghe::SetProgramFolder(saved);
        for (const QString& f : locks) QVERIFY2(!QFile::exists(dir.filePath(f)), qPrintable(f));
        for (const QString& f : kept) QVERIFY2(QFile::exists(dir.filePath(f)), qPrintable(f));
    }

    // A lock file that cannot be deleted (here a non-empty folder of that name) is skipped;
    // the others go and the process still ends.
    void QuitSkipsALockFileItCannotDelete() {
        QTemporaryDir dir;
        const std::string saved = qinghe::ProgramFolder();
        qinghe::SetProgramFolder(dir.path().toStdString() + "/");
        QVERIFY(QDir(dir.path()).mkpath("dream.ldb/inside"));
        for (const char* f : {"Redoviv.ldb", "TalBirth.ldb"}) {
            QFile file(dir.filePath(f));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        TFrmIndex w;
        w.RzBitBtn4Click();
        qinghe::SetProgramFolder(saved);
        QCOMPARE(m_ended, 1);
        QVERIFY(QFileInfo(dir.filePath("dream.ldb")).isDir());
        QVERIFY(!QFile::exists(dir.filePath("Redoviv.ldb")));
        QVERIFY(!QFile::exists(dir.filePath("TalBirth.ldb")));
    }

    void QuitClosesTheWindowsQueries() {
        QTemporaryDir dir;
        const std::string saved = qinghe::ProgramFolder();
        qinghe::SetProgramFolder(dir.path().toStdString() + "/");
        {
            sqlite3* db = nullptr;
            QCOMPARE(sqlite3_open(dir.filePath("Redoviv.dll").toUtf8().constData(), &db),
                     SQLITE_OK);
            QCOMPARE(sqlite3_exec(db, "create table zh (zf integer)", nullptr, nullptr, nullptr),
                     SQLITE_OK);
            sqlite3_close(db);
        }
        TFrmIndex w;
        w.ADOTem.query.Open(w.ADOTem.connectionString, "select zf from zh");
        w.ADOFenxi.query.Open(w.ADOFenxi.connectionString, "select zf from zh");
        QVERIFY(w.ADOTem.query.Active() && w.ADOFenxi.query.Active());
        w.RzBitBtn4Click();
        qinghe::SetProgramFolder(saved);
        QVERIFY(!w.ADOTem.query.Active());
        QVERIFY(!w.ADOFenxi.query.Active());
        QVERIFY(w.ADOFenxi.connectionString.empty());
        QCOMPARE(m_ended, 1);
    }

    // Without a reference file every stroke count and score would be wrong without a word:
    // the start names the file and how to rebuild it, and the window still opens.
    void MissingOrDamagedReferenceFileIsNamedAtStart_data() {
        QTest::addColumn<bool>("damaged");
        QTest::newRow("missing") << false;
        QTest::newRow("empty file") << true;
    }
    void MissingOrDamagedReferenceFileIsNamedAtStart() {
        QFETCH(bool, damaged);
        QTemporaryDir dir;
        const std::string saved = qinghe::ProgramFolder();
        for (const std::string_view f : qinghe::ReferenceFiles())
            if (f != qinghe::kRedoviv)
                QVERIFY(QFile::copy(QString::fromStdString(saved + std::string(f)),
                                    dir.filePath(QString::fromUtf8(f.data(), f.size()))));
        if (damaged) {
            QFile empty(dir.filePath("Redoviv.dll"));
            QVERIFY(empty.open(QIODevice::WriteOnly));
        }
        qinghe::CloseReferenceConnections();
        qinghe::SetProgramFolder(dir.path().toStdString() + "/");
        QStringList shown;
        qinghe::SetShowInfoHook([&](const QString& t) { shown << t; });
        {
            TFrmIndex w;
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            w.hide();
            w.show();  // the check runs once
        }
        qinghe::CloseReferenceConnections();
        qinghe::SetProgramFolder(saved);
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown[0].contains("Redoviv.dll") && shown[0].contains("make"),
                 qPrintable(shown[0]));
        QVERIFY(!shown[0].contains("TalFile.dll"));
    }

    void QuitWithoutLockFilesStillEnds() {
        QTemporaryDir dir;
        const std::string saved = qinghe::ProgramFolder();
        qinghe::SetProgramFolder(dir.path().toStdString() + "/");
        TFrmIndex w;
        w.RzBitBtn4Click();
        qinghe::SetProgramFolder(saved);
        QCOMPARE(m_ended, 1);
    }

  private:
    int m_ended = 0;
};

QTEST_MAIN(TFrmIndexTest)
#include "TFrmIndexTest.moc"
