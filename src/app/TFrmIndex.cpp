// The frame builds the menu and toolbar, puts the six pages in the page stack, connects the
// pages that act on each other, opens the secondary windows and runs the quit sequence.
#include "app/TFrmIndex.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileDialog>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QToolBar>
#include <QToolButton>
#include <cstdlib>
#include <filesystem>

#include "app/AboutPage.h"
#include "app/Controls.h"
#include "app/KnowledgePage.h"
#include "app/ProgramFonts.h"
#include "app/ReportWindows.h"
#include "app/SecondaryWindow.h"
#include "app/ShowInfo.h"
#include "app/TFrm_NanNv.h"
#include "calendar/TFRM_Date.h"
#include "calendar/TFormHuangdao.h"
#include "chart/ChartPage.h"
#include "generation/NamingPage.h"
#include "generation/PoetryPage.h"
#include "numerology/NameAnalysisPage.h"
#include "refdata/Schema.h"

namespace {

std::function<void()>& ProcessEndHook() {
    static std::function<void()> hook;
    return hook;
}

}  // namespace

TFrmIndex::TFrmIndex(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("TFrmIndex"));
    setWindowTitle(QStringLiteral("青禾生辰八字取名软件"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(qinghe::WindowFont());
    qinghe::PaintWhite(this);

    BuildMenu();
    BuildToolbar();
    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(QStringLiteral("RzPageControl1"));
    // Pages are built before they join the stack, in the window font of the application.
    m_naming = new NamingPage(*this);
    m_nameAnalysis = new NameAnalysisPage(*this);
    m_chart = new ChartPage(*this);
    m_poetry = new PoetryPage(*this);
    const std::pair<QWidget*, const char*> pages[] = {
        {m_naming, "TabSheet1"}, {m_nameAnalysis, "TabSheet3"},    {m_chart, "TabSheet2"},
        {m_poetry, "TabSheet6"}, {new KnowledgePage, "TabSheet9"}, {new AboutPage, "TabSheet8"}};
    for (const auto& [page, name] : pages) {
        page->setObjectName(QString::fromLatin1(name));
        m_pages->addWidget(page);
    }
    setCentralWidget(m_pages);
    // Never seen: the staging area of every copy to the clipboard.
    m_memoSave = qinghe::NewMemo(this, "MemoSave", false);
    m_memoSave->hide();

    connect(m_naming, &NamingPage::quitRequested, this, &TFrmIndex::RzBitBtn4Click);
    connect(m_poetry, &PoetryPage::stopRequested, m_naming, &NamingPage::RzBitBtn2Click);
    connect(m_poetry, &PoetryPage::sexChanged, m_naming, &NamingPage::CBsexClick);
    connect(m_poetry, &PoetryPage::searchLeft, m_naming, &NamingPage::XingExit);
    connect(m_poetry, &PoetryPage::namingPageRequested, this, &TFrmIndex::RzBitBtn34Click);

    qinghe::SetOuterSizeCentred(this, QSize(800, 579));
    FormCreate();
}

TFrmIndex::~TFrmIndex() = default;

void TFrmIndex::SetProcessEndHook(std::function<void()> hook) {
    ProcessEndHook() = std::move(hook);
}

void TFrmIndex::BuildMenu() {
    struct Item {
        const char* menu;
        const char* name;
        const char* caption;
        void (TFrmIndex::*handler)();
    };
    const Item items[] = {
        {"系统(&S)", "dxBarButton5", "关闭软件", &TFrmIndex::RzBitBtn4Click},
        {"黄道(&D)", "dxBarButton291", "黄道吉日", &TFrmIndex::RzToolButton42Click},
        {"工具(&G)", "dxBarButton39", "生男生女", &TFrmIndex::dxBarButton39Click},
        {"工具(&G)", "dxBarButton43", "万年历法", &TFrmIndex::dxBarButton43Click},
        {"帮助(&H)", "dxBarButton45", "关于系统", &TFrmIndex::dxBarButton45Click},
    };
    QMenu* menu = nullptr;
    for (const Item& item : items) {
        if (menu == nullptr || menu->title() != QString::fromUtf8(item.menu))
            menu = menuBar()->addMenu(QString::fromUtf8(item.menu));
        QAction* action = menu->addAction(QString::fromUtf8(item.caption));
        action->setObjectName(QString::fromUtf8(item.name));
        connect(action, &QAction::triggered, this, item.handler);
    }
}

void TFrmIndex::BuildToolbar() {
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("ToolBar"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setContextMenuPolicy(Qt::PreventContextMenu);
    bar->setIconSize(QSize(48, 48));
    // 64 × 76 buttons in an 80-pixel strip, taller only when the caption's font needs it.
    const int buttonHeight = std::max(76, 48 + bar->fontMetrics().height() + 11);
    bar->setFixedHeight(buttonHeight + 4);
    bar->setStyleSheet(QStringLiteral(
        "QToolBar { border: none; border-bottom: 1px solid #c9d9c2; spacing: 6px; padding: 0px 8px;"
        " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #e4efdd); }"));
    struct Tool {
        const char* name;
        const char* caption;
        const char* icon;
        void (TFrmIndex::*handler)();
    };
    const Tool tools[] = {
        {"RzToolButton9", "宝宝取名", ":/icons/naming.svg", &TFrmIndex::RzToolButton9Click},
        {"RzToolButton10", "诗词取名", ":/icons/poetry.svg", &TFrmIndex::RzToolButton10Click},
        {"RzToolButton17", "名字分析", ":/icons/analysis.svg", &TFrmIndex::RzToolButton17Click},
        {"RzToolButton18", "八字分析", ":/icons/chart.svg", &TFrmIndex::RzToolButton18Click},
        {"RzToolButton1", "取名知识", ":/icons/knowledge.svg", &TFrmIndex::RzToolButton1Click},
    };
    for (const Tool& t : tools) {
        auto* button = new QToolButton(bar);
        button->setObjectName(QString::fromUtf8(t.name));
        button->setText(QString::fromUtf8(t.caption));
        button->setIcon(QIcon(QString::fromUtf8(t.icon)));
        button->setIconSize(QSize(48, 48));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setAutoRaise(true);
        button->setMinimumSize(64, buttonHeight);
        connect(button, &QToolButton::clicked, this, t.handler);
        bar->addWidget(button);
    }
    addToolBar(Qt::TopToolBarArea, bar);
}

QFileDialog* TFrmIndex::SaveDialog1() {
    // Built at the first save rather than with the window: it is the costliest control and
    // not needed to show the window.
    if (m_saveDialog == nullptr) m_saveDialog = qinghe::NewReportSaveDialog(this);
    return m_saveDialog;
}

// ---- Window events ------------------------------------------------------------------------

void TFrmIndex::FormCreate() {
    ADOTem.connectionString = qinghe::ReferenceConnectionString(qinghe::kRedoviv);
    ADOTem.commandTimeout = 60;
    ADOFenxi.connectionString = qinghe::ReferenceConnectionString(qinghe::kRedoviv);
    m_pages->setCurrentIndex(kNamingPage);
}

void TFrmIndex::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (event->spontaneous() || m_shown) return;
    m_shown = true;
    FormShow();
}

void TFrmIndex::FormShow() {
    // Without its reference files every stroke count and score would be silently wrong: say
    // which file is missing and how to get it back. The program still starts.
    const std::vector<std::string> unreadable = qinghe::UnreadableReferenceFiles();
    if (unreadable.empty()) return;
    QString files;
    for (const std::string& f : unreadable)
        files += (files.isEmpty() ? "" : "、") + QString::fromStdString(f);
    qinghe::ShowInfo(QStringLiteral("数据文件 %1 缺失或已损坏，笔画、评分和报告都会出错。"
                                    "请在程序的源代码目录运行 make 重新生成数据文件。")
                         .arg(files));
}

void TFrmIndex::closeEvent(QCloseEvent* event) {
    QuitSequence();
    event->accept();
}

void TFrmIndex::RzBitBtn4Click() {
    QuitSequence();
}

void TFrmIndex::QuitSequence() {
    if (m_quitting) return;  // the quit button closes the window, which quits again
    m_quitting = true;
    ADOTem.query.Close();
    ADOFenxi.query.Close();
    ADOFenxi.connectionString.clear();
    qinghe::CloseReferenceConnections();

    // Lock files the database engine of the reference files may have left; missing or busy
    // ones are skipped.
    const auto removeLocks = [](std::initializer_list<const char*> names) {
        for (const char* name : names) {
            std::error_code ignored;
            std::filesystem::remove(std::filesystem::path(qinghe::ProgramFolder()) / name, ignored);
        }
    };
    removeLocks({"Redoviv.ldb", "dream.ldb", "Tgcode.ldb", "TalBirth.ldb"});
    QCoreApplication::quit();
    removeLocks({"Redoviv.ldb", "dream.ldb"});

    // At once: a generation worker still running is cut off, nothing else is cleaned up.
    if (ProcessEndHook()) {
        ProcessEndHook()();
        m_quitting = false;
        return;
    }
    std::_Exit(0);
}

// ---- Page switching and secondary windows -----------------------------------------------

void TFrmIndex::ShowPage(Page page) {
    m_pages->setCurrentIndex(page);
}

void TFrmIndex::RzToolButton9Click() {
    ShowPage(kNamingPage);
}

void TFrmIndex::RzToolButton10Click() {
    ShowPage(kPoetryPage);
    m_poetry->ShowPoemList();
}

void TFrmIndex::RzToolButton17Click() {
    ShowPage(kNameAnalysisPage);
}

void TFrmIndex::RzToolButton18Click() {
    ShowPage(kChartPage);
}

void TFrmIndex::RzToolButton1Click() {
    ShowPage(kKnowledgePage);
}

void TFrmIndex::dxBarButton45Click() {
    ShowPage(kAboutPage);
}

void TFrmIndex::RzBitBtn34Click() {
    ShowPage(kNamingPage);
}

void TFrmIndex::RzToolButton42Click() {
    delete m_huangdao;
    m_huangdao = new TFormHuangdao(this);
    m_huangdao->exec();
}

void TFrmIndex::dxBarButton43Click() {
    delete m_calendar;
    m_calendar = new TFRM_Date(this);
    m_calendar->exec();
}

void TFrmIndex::dxBarButton39Click() {
    (new TFrm_NanNv(this))->show();
}
