// The main window: frame, pages and their controls, page switching, secondary windows and
// the quit sequence. Controls carry their names as objectName; the work behind the
// generation, report, list and poem controls lives in the handlers their subsystems fill.
#include "app/TFrmIndex.h"

#include <QAction>
#include <QBoxLayout>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <cstdlib>
#include <filesystem>

#include "app/ProgramFonts.h"
#include "app/SecondaryWindow.h"
#include "app/TFrm_NanNv.h"
#include "calendar/TFRM_Date.h"
#include "calendar/TFormHuangdao.h"
#include "generation/TMythread.h"

namespace {

const QString kChosenPoemsCaption =
    QStringLiteral("已选诗词(根据诗词内容或自己输入文字自动匹配取名)");

std::function<void()>& ProcessEndHook() {
    static std::function<void()> hook;
    return hook;
}

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QPushButton* Button(QWidget* parent, const char* name, const char* caption) {
    auto* b = new QPushButton(Text(caption), parent);
    b->setObjectName(Text(name));
    b->setAutoDefault(false);
    return b;
}

QLabel* Label(QWidget* parent, const char* text) {
    return new QLabel(Text(text), parent);
}

// An edit of at most `maxChars` characters, wide enough to show `shownChars` Chinese
// characters in the current font.
QLineEdit* Edit(QWidget* parent, const char* name, int maxChars, int shownChars,
                const char* text = "") {
    auto* e = new QLineEdit(Text(text), parent);
    e->setObjectName(Text(name));
    e->setMaxLength(maxChars);
    const int wide = e->fontMetrics().horizontalAdvance(QString(shownChars, QChar(0x4E2D)));
    e->setMinimumWidth(wide + 12);
    e->setMaximumWidth(wide + 12);
    return e;
}

QCheckBox* Check(QWidget* parent, const char* name, const char* caption, bool checked) {
    auto* c = new QCheckBox(Text(caption), parent);
    c->setObjectName(Text(name));
    c->setChecked(checked);
    return c;
}

QListWidget* List(QWidget* parent, const char* name) {
    auto* l = new QListWidget(parent);
    l->setObjectName(Text(name));
    // Result lists grow to a hundred thousand names: one line height for all keeps adding
    // rows from re-measuring every row.
    l->setUniformItemSizes(true);
    l->setLayoutMode(QListView::Batched);
    return l;
}

QPlainTextEdit* Memo(QWidget* parent, const char* name, bool readOnly) {
    auto* m = new QPlainTextEdit(parent);
    m->setObjectName(Text(name));
    m->setReadOnly(readOnly);
    m->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    return m;
}

QHBoxLayout* Row(QBoxLayout* parent) {
    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    parent->addLayout(row);
    return row;
}

// The five element boxes 金 木 水 火 土 named jinN, muN, shuiN, huoN, tuN.
void AddElementBoxes(QWidget* parent, QBoxLayout* row, const char* caption, int n) {
    row->addWidget(Label(parent, caption));
    const std::pair<const char*, const char*> elements[] = {
        {"jin", "金"}, {"mu", "木"}, {"shui", "水"}, {"huo", "火"}, {"tu", "土"}};
    for (const auto& [pinyin, character] : elements) {
        const QByteArray name = QByteArray(pinyin) + QByteArray::number(n);
        row->addWidget(Check(parent, name.constData(), character, false));
    }
}

// A side panel of two tabs, each a list over two buttons.
struct ListTab {
    const char* caption;
    const char* list;
    const char* button1Name;
    const char* button1;
    const char* button2Name;
    const char* button2;
};

QTabWidget* ListTabs(QWidget* parent, const char* name, const ListTab (&tabs)[2]) {
    auto* control = new QTabWidget(parent);
    control->setObjectName(Text(name));
    for (const ListTab& t : tabs) {
        auto* page = new QWidget(control);
        auto* column = new QVBoxLayout(page);
        column->setContentsMargins(2, 2, 2, 2);
        column->addWidget(List(page, t.list), 1);
        auto* buttons = Row(column);
        buttons->addWidget(Button(page, t.button1Name, t.button1));
        buttons->addWidget(Button(page, t.button2Name, t.button2));
        control->addTab(page, Text(t.caption));
    }
    return control;
}

// Generated names and the chart and name reports: monospaced, a Chinese character two
// ASCII widths.
template <typename T>
T* AsReport(T* area) {
    area->setFont(qinghe::ReportFont());
    return area;
}

// The strip of the name-analysis and chart pages: surname, given name and birth boxes over
// the page's report.
struct ReportPageNames {
    const char* surname;
    const char* givenName;
    qinghe::BirthBoxNames boxes;
    const char* runName;
    const char* runCaption;
    const char* saveName;
    const char* memo;
};
QWidget* BuildReportPage(const ReportPageNames& n, std::unique_ptr<qinghe::BirthBoxes>& boxes,
                         QPlainTextEdit*& memo) {
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(6, 6, 6, 6);
    column->setSpacing(4);
    boxes = std::make_unique<qinghe::BirthBoxes>(page, n.boxes);
    auto* nameRow = Row(column);
    nameRow->addWidget(Label(page, "姓氏"));
    nameRow->addWidget(Edit(page, n.surname, 10, 5));
    nameRow->addWidget(Label(page, "名字"));
    nameRow->addWidget(Edit(page, n.givenName, 10, 5));
    boxes->AddSexTo(nameRow);
    nameRow->addStretch(1);
    nameRow->addWidget(Button(page, n.runName, n.runCaption));
    nameRow->addWidget(Button(page, n.saveName, "保存"));
    auto* dateRow = Row(column);
    dateRow->addWidget(Label(page, "出生时间"));
    boxes->AddDateTo(dateRow);
    dateRow->addStretch(1);
    memo = AsReport(Memo(page, n.memo, true));
    column->addWidget(memo, 1);
    return page;
}

const char* const kAboutText =
    "青禾生辰八字取名软件\n"
    "\n"
    "青禾是一个帮助父母和起名者挑选、比较中文名字的桌面参考工具。输入姓氏、性别和出生时间，"
    "它按传统姓名学（笔画、五格、三才、八十一数理）和生辰八字（年、月、日、时四柱及其五行、"
    "十神、纳音、大运）列出候选名字，写出名字分析和八字分析报告；另有万年历、黄道吉日、"
    "取名知识和生男生女表。\n"
    "\n"
    "这些方法来自民间传统和文化习俗，不是科学预测。软件给出的分数和说法只供参考，"
    "一个名字好不好，最终由您和家人自己判断。\n"
    "\n"
    "数据来源：汉字的笔画、部首、拼音和繁体字形取自 Unicode 联盟的 Unihan 数据库"
    "（Unicode 许可协议）；简繁对照参考 OpenCC 的字表（Apache 许可证 2.0）；"
    "农历、节气和干支由程序按公开的历法与天文算法计算。各项释义、文章和说明文字"
    "都由本项目自行编写。\n"
    "\n"
    "软件只读取安装目录里的数据文件，不联网，不收集、不上传任何信息。";

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
    auto addPage = [this](QWidget* page, const char* name) {
        page->setObjectName(Text(name));
        m_pages->addWidget(page);
    };
    addPage(BuildNamingPage(), "TabSheet1");
    addPage(BuildNameAnalysisPage(), "TabSheet3");
    addPage(BuildChartPage(), "TabSheet2");
    addPage(BuildPoetryPage(), "TabSheet6");
    addPage(BuildKnowledgePage(), "TabSheet9");
    addPage(BuildAboutPage(), "TabSheet8");
    setCentralWidget(m_pages);
    BuildBuffers();

    qinghe::SetOuterSizeCentred(this, QSize(800, 579));
    FormCreate();
}

TFrmIndex::~TFrmIndex() {
    // A window that goes away (tests, never the quit sequence) lets its worker finish first.
    if (GenerationThread) {
        GenerationThread->Stop();
        GenerationThread->wait();
    }
    delete GenerationThread;
}

void TFrmIndex::SetProcessEndHook(std::function<void()> hook) {
    ProcessEndHook() = std::move(hook);
}

// ---- Frame ----------------------------------------------------------------------------

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
        if (menu == nullptr || menu->title() != Text(item.menu))
            menu = menuBar()->addMenu(Text(item.menu));
        QAction* action = menu->addAction(Text(item.caption));
        action->setObjectName(Text(item.name));
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
        button->setObjectName(Text(t.name));
        button->setText(Text(t.caption));
        button->setIcon(QIcon(Text(t.icon)));
        button->setIconSize(QSize(48, 48));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setAutoRaise(true);
        button->setMinimumSize(64, buttonHeight);
        connect(button, &QToolButton::clicked, this, t.handler);
        bar->addWidget(button);
    }
    addToolBar(Qt::TopToolBarArea, bar);
}

// ---- Pages ----------------------------------------------------------------------------

QWidget* TFrmIndex::BuildNamingPage() {
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(6, 4, 6, 6);
    column->setSpacing(4);

    m_birth1 = std::make_unique<qinghe::BirthBoxes>(
        page,
        qinghe::BirthBoxNames{"CBsex", "ComDate", "SYear", "SMonth", "Sday", "Shour", "CBFen"});
    auto* basic = new QGroupBox(QStringLiteral("基本信息"), page);
    auto* basicRows = new QVBoxLayout(basic);
    basicRows->setContentsMargins(6, 2, 6, 4);
    basicRows->setSpacing(4);
    auto* birthRow = Row(basicRows);
    birthRow->addWidget(Label(page, "姓氏"));
    auto* xing = Edit(page, "Xing", 10, 5);
    birthRow->addWidget(xing);
    m_birth1->AddSexTo(birthRow);
    birthRow->addSpacing(8);
    m_birth1->AddDateTo(birthRow);
    birthRow->addStretch(1);

    auto* formRow = Row(basicRows);
    formRow->addWidget(Label(page, "名字"));
    auto* xingshi = qinghe::NewFixedList(page, "CBXingshi", {Text("双字名"), Text("单字名")});
    formRow->addWidget(xingshi);
    formRow->addSpacing(8);
    formRow->addWidget(Label(page, "固定为"));
    auto* gudingzi = Edit(page, "Gudingzi", 1, 1);
    formRow->addWidget(gudingzi);
    auto* dijizi = qinghe::NewFixedList(page, "CBdijizi", {Text("第二字"), Text("第三字")});
    formRow->addWidget(dijizi);
    formRow->addSpacing(8);
    formRow->addWidget(Label(page, "优选方案"));
    auto* code = qinghe::NewFixedList(page, "CBCode", {Text("电脑全自动")});
    code->setMinimumContentsLength(14);
    formRow->addWidget(code);
    formRow->addSpacing(8);
    auto* wuxing = Check(page, "CBwuxing", "五行喜用", false);
    formRow->addWidget(wuxing);
    // The elements the five-element option filters by, once a run has chosen them.
    auto* favoured = new QLabel(page);
    favoured->setObjectName(QStringLiteral("LabelFavoured"));
    formRow->addWidget(favoured);
    formRow->addStretch(1);

    auto* scoreRow = Row(basicRows);
    auto* feeXX = Check(page, "CBFeeXX", "只起", true);
    scoreRow->addWidget(feeXX);
    auto* zuidiFee = Edit(page, "ZuidiFee", 3, 2, "70");
    scoreRow->addWidget(zuidiFee);
    scoreRow->addWidget(Label(page, "分以上名字"));
    scoreRow->addSpacing(12);
    scoreRow->addWidget(Check(page, "CBInitFee", "自动挑选", true));
    auto* sorcss = Edit(page, "Sorcss", 3, 2, "70");
    scoreRow->addWidget(sorcss);
    scoreRow->addWidget(Label(page, "分以上名字"));
    scoreRow->addSpacing(12);
    scoreRow->addWidget(Label(page, "提示：双击高分名字列表查看详细分析"));
    scoreRow->addStretch(1);

    auto* elementRow = Row(basicRows);
    AddElementBoxes(page, elementRow, "第一字五行包括", 1);
    elementRow->addSpacing(12);
    AddElementBoxes(page, elementRow, "第二字五行包括", 2);
    elementRow->addStretch(1);

    auto* modeRow = Row(basicRows);
    auto* classic = new QRadioButton(Text("经典模式起名"), page);
    classic->setObjectName(QStringLiteral("RzRadioButton6"));
    classic->setChecked(true);
    auto* list = new QRadioButton(Text("列表模式起名"), page);
    list->setObjectName(QStringLiteral("RzRadioButton7"));
    auto* idiom = new QRadioButton(Text("成语模式起名"), page);
    idiom->setObjectName(QStringLiteral("RzRadioButton9"));
    for (QRadioButton* r : {classic, list, idiom}) modeRow->addWidget(r);
    modeRow->addSpacing(12);
    // Drops names with a bad sense or sound, tongue-twisters and everyday words.
    modeRow->addWidget(Check(page, "CBGuolv", "过滤不雅名字", true));
    modeRow->addStretch(1);
    auto* start = Button(page, "RzBitBtn5", "马上起名");
    auto* stop = Button(page, "RzBitBtn2", "停止起名");
    auto* quit = Button(page, "RzBitBtn4", "关闭软件");
    for (QPushButton* b : {start, stop, quit}) modeRow->addWidget(b);
    column->addWidget(basic);

    auto* results = new QHBoxLayout;
    results->setSpacing(6);
    auto* memoSuccess = AsReport(new QTextEdit(page));
    memoSuccess->setObjectName(QStringLiteral("MemoSuccess"));
    memoSuccess->setReadOnly(true);
    memoSuccess->setLineWrapMode(QTextEdit::NoWrap);
    memoSuccess->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memoSuccess->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    results->addWidget(memoSuccess, 1);

    m_grid = new QTableWidget(0, 9, page);
    m_grid->setObjectName(QStringLiteral("RzStringGrid1"));
    m_grid->verticalHeader()->hide();
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    const int widths[9] = {36, 61, 61, 130, 58, 73, 90, 56, 30};
    for (int c = 0; c < 9; ++c) m_grid->setColumnWidth(c, widths[c]);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->verticalHeader()->setDefaultSectionSize(
        std::max(18, m_grid->fontMetrics().height() + 4));
    m_grid->hide();
    results->addWidget(m_grid, 1);

    const ListTab tabs[2] = {
        {"高分名字", "ListBox1", "BtnFuzhi", "复制高分", "RzBitBtn24", "添加到已选"},
        {"已选名字", "ListBox2", "RzBitBtn29", "复制已选", "RzBitBtn30", "清空已选"}};
    auto* side = ListTabs(page, "RzPageControl2", tabs);
    side->setFixedWidth(side->fontMetrics().horizontalAdvance(QString(15, QChar(0x4E2D))));
    results->addWidget(side);
    column->addLayout(results, 1);

    OnExit(xing, &TFrmIndex::XingExit);
    OnExit(gudingzi, &TFrmIndex::GudingziExit);
    OnExit(zuidiFee, &TFrmIndex::ZuidiFeeExit);
    OnExit(sorcss, &TFrmIndex::SorcssExit);
    connect(xingshi, &QComboBox::activated, this, &TFrmIndex::CBXingshiClick);
    connect(m_birth1->sex, &QComboBox::activated, this, &TFrmIndex::CBsexClick);
    connect(dijizi, &QComboBox::activated, this, &TFrmIndex::CBdijiziClick);
    connect(feeXX, &QCheckBox::clicked, this, &TFrmIndex::CBFeeXXClick);
    connect(classic, &QRadioButton::clicked, this, &TFrmIndex::RzRadioButton6Click);
    connect(list, &QRadioButton::clicked, this, &TFrmIndex::RzRadioButton7Click);
    connect(idiom, &QRadioButton::clicked, this, &TFrmIndex::RzRadioButton7Click);
    connect(start, &QPushButton::clicked, this, &TFrmIndex::RzBitBtn5Click);
    connect(stop, &QPushButton::clicked, this, &TFrmIndex::RzBitBtn2Click);
    connect(quit, &QPushButton::clicked, this, &TFrmIndex::RzBitBtn4Click);
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, &TFrmIndex::RzStringGrid1DblClick);
    connect(side->findChild<QPushButton*>("BtnFuzhi"), &QPushButton::clicked, this,
            &TFrmIndex::BtnFuzhiClick);
    connect(side->findChild<QPushButton*>("RzBitBtn24"), &QPushButton::clicked, this,
            &TFrmIndex::RzBitBtn24Click);
    connect(side->findChild<QPushButton*>("RzBitBtn29"), &QPushButton::clicked, this,
            &TFrmIndex::RzBitBtn29Click);
    connect(side->findChild<QPushButton*>("RzBitBtn30"), &QPushButton::clicked, this,
            &TFrmIndex::RzBitBtn30Click);
    connect(side->findChild<QListWidget*>("ListBox1"), &QListWidget::itemDoubleClicked, this,
            &TFrmIndex::ListBox1DblClick);
    connect(side->findChild<QListWidget*>("ListBox2"), &QListWidget::itemDoubleClicked, this,
            &TFrmIndex::ListBox1DblClick);
    return page;
}

QWidget* TFrmIndex::BuildNameAnalysisPage() {
    QPlainTextEdit* memo = nullptr;
    QWidget* page = BuildReportPage({"Xing3", "NameB3",
                                     qinghe::BirthBoxNames{"CBsex3", "ComDate3", "SYear3",
                                                           "SMonth3", "Sday3", "Shour3", "CBFen3"},
                                     "ButtonName", "详细分析", "BitBtnsave", "RzMemo1"},
                                    m_birth3, memo);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    connect(page->findChild<QPushButton*>("ButtonName"), &QPushButton::clicked, this,
            &TFrmIndex::ButtonNameClick);
    connect(page->findChild<QPushButton*>("BitBtnsave"), &QPushButton::clicked, this,
            &TFrmIndex::BitBtnsaveClick);
    return page;
}

QWidget* TFrmIndex::BuildChartPage() {
    QPlainTextEdit* memo = nullptr;
    QWidget* page = BuildReportPage({"Xing2", "NameB2",
                                     qinghe::BirthBoxNames{"CBsex2", "ComDate2", "SYear2",
                                                           "SMonth2", "Sday2", "Shour2", "CBFen2"},
                                     "RzButton2", "分析", "RzBitBtn8", "Memo1"},
                                    m_birth2, memo);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    connect(page->findChild<QPushButton*>("RzButton2"), &QPushButton::clicked, this,
            &TFrmIndex::RzButton2Click);
    connect(page->findChild<QPushButton*>("RzBitBtn8"), &QPushButton::clicked, this,
            &TFrmIndex::RzBitBtn8Click);
    return page;
}

QWidget* TFrmIndex::BuildPoetryPage() {
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(6, 4, 6, 6);
    column->setSpacing(4);
    m_birth5 = std::make_unique<qinghe::BirthBoxes>(
        page, qinghe::BirthBoxNames{"CBsex5", "CBDate5", "SYear5", "SMonth5", "Sday5", "Shour5",
                                    "CBFen5"});

    auto* nameRow = Row(column);
    nameRow->addWidget(Label(page, "姓氏"));
    nameRow->addWidget(Edit(page, "Xing5", 2, 2));
    m_birth5->AddSexTo(nameRow);
    nameRow->addWidget(Label(page, "名字"));
    nameRow->addWidget(qinghe::NewFixedList(page, "CBXingshi5", {Text("双字名"), Text("单字名")}));
    nameRow->addSpacing(8);
    m_birth5->AddDateTo(nameRow);
    nameRow->addStretch(1);

    auto* optionRow = Row(column);
    optionRow->addWidget(Check(page, "CBSGBZ", "五行喜用", false));
    optionRow->addSpacing(8);
    AddElementBoxes(page, optionRow, "第一字五行包括", 3);
    optionRow->addSpacing(8);
    AddElementBoxes(page, optionRow, "第二字五行包括", 4);
    optionRow->addStretch(1);

    auto* buttonRow = Row(column);
    auto* generate = Button(page, "RzBitBtn33", "马上起名");
    auto* stop = Button(page, "RzBitBtn31", "停止起名");
    auto* refresh = Button(page, "RzBitBtn32", "刷新诗词");
    auto* back = Button(page, "RzBitBtn34", "返回起名");
    for (QPushButton* b : {generate, stop, refresh, back}) buttonRow->addWidget(b);
    buttonRow->addSpacing(12);
    buttonRow->addWidget(Label(page, "提示：双击名字列表查看详细分析"));
    buttonRow->addStretch(1);

    auto* middle = new QHBoxLayout;
    middle->setSpacing(6);
    m_poemTabs = new QTabWidget(page);
    m_poemTabs->setObjectName(QStringLiteral("RzPageControl4"));
    auto* poems = new QWidget(m_poemTabs);
    poems->setObjectName(QStringLiteral("RzTabSheet3"));
    auto* poemColumn = new QVBoxLayout(poems);
    poemColumn->setContentsMargins(2, 2, 2, 2);
    poemColumn->setSpacing(4);
    auto* searchRow = Row(poemColumn);
    searchRow->addWidget(Label(poems, "快速查找"));
    auto* search = Edit(poems, "EditTiaojian", 10, 6);
    searchRow->addWidget(search);
    auto* find = Button(poems, "RzBitBtn41", "查找");
    auto* all = Button(poems, "RzBitBtn42", "显示所有");
    searchRow->addWidget(find);
    searchRow->addWidget(all);
    searchRow->addStretch(1);
    auto* add = Button(poems, "RzBitBtn40", "添加到已选");
    auto* clear = Button(poems, "RzBitBtn39", "清空已选");
    searchRow->addWidget(add);
    searchRow->addWidget(clear);
    auto* browser = new QHBoxLayout;
    browser->setSpacing(4);
    auto* tree = new QTreeWidget(poems);
    tree->setObjectName(QStringLiteral("TreeViewInit"));
    tree->setHeaderHidden(true);
    tree->setExpandsOnDoubleClick(false);
    tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto* titles = new QTreeWidget(poems);
    titles->setObjectName(QStringLiteral("RzTreeView1"));
    titles->setHeaderHidden(true);
    titles->setRootIsDecorated(false);
    titles->setEditTriggers(QAbstractItemView::NoEditTriggers);
    titles->setSortingEnabled(true);
    titles->sortByColumn(0, Qt::AscendingOrder);
    const int treeWidth = tree->fontMetrics().horizontalAdvance(QString(9, QChar(0x4E2D)));
    tree->setFixedWidth(treeWidth);
    titles->setFixedWidth(treeWidth);
    browser->addWidget(tree);
    browser->addWidget(titles);
    browser->addWidget(Memo(poems, "MemoSgnr", true), 1);
    poemColumn->addLayout(browser, 1);
    m_poemTabs->addTab(poems, Text("诗词列表"));

    m_chosenPoemsTab = new QWidget(m_poemTabs);
    m_chosenPoemsTab->setObjectName(QStringLiteral("RzTabSheet4"));
    auto* chosenColumn = new QVBoxLayout(m_chosenPoemsTab);
    chosenColumn->setContentsMargins(2, 2, 2, 2);
    chosenColumn->addWidget(Memo(m_chosenPoemsTab, "MemoYixuan", false));
    m_poemTabs->addTab(m_chosenPoemsTab, Text("已选诗词"));
    middle->addWidget(m_poemTabs, 1);

    const ListTab tabs[2] = {
        {"名字列表", "ListBox3", "RzBitBtn35", "复制名字", "RzBitBtn36", "添加到已选"},
        {"已选名字", "ListBox4", "RzBitBtn37", "复制已选", "RzBitBtn38", "清空已选"}};
    auto* side = ListTabs(page, "RzPageControl3", tabs);
    side->setFixedWidth(side->fontMetrics().horizontalAdvance(QString(15, QChar(0x4E2D))));
    middle->addWidget(side);
    column->addLayout(middle, 1);

    OnExit(search, &TFrmIndex::XingExit);
    connect(m_birth5->sex, &QComboBox::activated, this, &TFrmIndex::CBsexClick);
    connect(generate, &QPushButton::clicked, this, &TFrmIndex::RzBitBtn33Click);
    connect(stop, &QPushButton::clicked, this, &TFrmIndex::RzBitBtn2Click);
    connect(refresh, &QPushButton::clicked, this, &TFrmIndex::RzBitBtn32Click);
    connect(back, &QPushButton::clicked, this, &TFrmIndex::RzBitBtn34Click);
    connect(find, &QPushButton::clicked, this, &TFrmIndex::RzBitBtn41Click);
    connect(all, &QPushButton::clicked, this, &TFrmIndex::RzBitBtn32Click);
    connect(add, &QPushButton::clicked, this, &TFrmIndex::RzBitBtn40Click);
    connect(clear, &QPushButton::clicked, this, &TFrmIndex::RzBitBtn39Click);
    connect(tree, &QTreeWidget::itemClicked, this, &TFrmIndex::TreeViewInitClick);
    connect(titles, &QTreeWidget::itemClicked, this, &TFrmIndex::RzTreeView1Click);
    connect(side->findChild<QPushButton*>("RzBitBtn35"), &QPushButton::clicked, this,
            &TFrmIndex::RzBitBtn35Click);
    connect(side->findChild<QPushButton*>("RzBitBtn36"), &QPushButton::clicked, this,
            &TFrmIndex::RzBitBtn36Click);
    connect(side->findChild<QPushButton*>("RzBitBtn37"), &QPushButton::clicked, this,
            &TFrmIndex::RzBitBtn37Click);
    connect(side->findChild<QPushButton*>("RzBitBtn38"), &QPushButton::clicked, this,
            &TFrmIndex::RzBitBtn38Click);
    connect(side->findChild<QListWidget*>("ListBox3"), &QListWidget::itemDoubleClicked, this,
            &TFrmIndex::ListBox3DblClick);
    connect(side->findChild<QListWidget*>("ListBox4"), &QListWidget::itemDoubleClicked, this,
            &TFrmIndex::ListBox4DblClick);
    return page;
}

QWidget* TFrmIndex::BuildKnowledgePage() {
    // Caption and article code (Cid) of each button, top to bottom. 姓氏来源 has no article
    // of its own and shows that of 三才参数.
    struct Article {
        const char* name;
        const char* caption;
        const char* code;
    };
    const Article articles[] = {
        {"RzBitBtn6", "姓名起名原理", "a1"},
        {"RzBitBtn9", "什么是八字", "a2"},
        {"RzBitBtn10", "八字与起名的重要性", "a6"},
        {"RzBitBtn11", "吉祥宝宝起名方法", "a7"},
        {"RzBitBtn12", "姓名学与取名", "XM001"},
        {"RzBitBtn13", "姓名与命运", "XM002"},
        {"RzBitBtn17", "五行与数字", "XM003"},
        {"RzBitBtn28", "姓名与性格", "XM010"},
        {"RzBitBtn18", "姓名字划计算方法", "XM004"},
        {"RzBitBtn19", "常用汉字繁体字笔画数", "XM005"},
        {"RzBitBtn20", "数理暗示因素", "XM006"},
        {"RzBitBtn21", "五格剖象法", "XM007"},
        {"RzBitBtn22", "81数理运势诱导", "XM008"},
        {"RzBitBtn25", "天、人、地格三才配置", "XM009"},
        {"RzBitBtn26", "五格数理", "XM016"},
        {"RzBitBtn27", "三才参数", "XM017"},
        {"RzBitBtn23", "姓氏来源", "XM017"},
    };
    auto* page = new QWidget;
    auto* row = new QHBoxLayout(page);
    row->setContentsMargins(6, 6, 6, 6);
    row->setSpacing(6);
    auto* scroll = new QScrollArea(page);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidgetResizable(true);
    auto* buttons = new QWidget(scroll);
    auto* buttonColumn = new QVBoxLayout(buttons);
    buttonColumn->setContentsMargins(0, 0, 0, 0);
    buttonColumn->setSpacing(2);
    for (const Article& a : articles) {
        QPushButton* b = Button(buttons, a.name, a.caption);
        b->setProperty("Cid", Text(a.code));
        connect(b, &QPushButton::clicked, this, &TFrmIndex::RzBitBtn6Click);
        buttonColumn->addWidget(b);
    }
    buttonColumn->addStretch(1);
    scroll->setWidget(buttons);
    // Room for the scroll bar, which appears when the window is too low for all buttons.
    scroll->setFixedWidth(buttons->sizeHint().width() +
                          scroll->verticalScrollBar()->sizeHint().width() + 2);
    row->addWidget(scroll);
    row->addWidget(Memo(page, "MemoBk", true), 1);
    return page;
}

QWidget* TFrmIndex::BuildAboutPage() {
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(6, 6, 6, 6);
    QPlainTextEdit* about = Memo(page, "RzMemo3", true);
    about->setPlainText(Text(kAboutText));
    column->addWidget(about);
    return page;
}

void TFrmIndex::BuildBuffers() {
    // Never seen: staging for the clipboard, the chart report's assembly buffer, the idiom
    // list and the record numbers shown by list and idiom modes.
    auto* memoSave = Memo(this, "MemoSave", false);
    auto* rebazi = AsReport(new QTextEdit(this));
    rebazi->setObjectName(QStringLiteral("REbazi"));
    auto* chengyu = Memo(this, "MemoChengyu", false);
    auto* cbName = new QComboBox(this);
    cbName->setObjectName(QStringLiteral("CBName"));
    for (QWidget* w : std::initializer_list<QWidget*>{memoSave, rebazi, chengyu, cbName}) w->hide();
}

QFileDialog* TFrmIndex::SaveDialog1() {
    // Built at the first save rather than with the window: it is the costliest control and
    // not needed to show the window.
    if (m_saveDialog == nullptr) {
        m_saveDialog = new QFileDialog(this, QStringLiteral("保存"));
        m_saveDialog->setObjectName(QStringLiteral("SaveDialog1"));
        m_saveDialog->setAcceptMode(QFileDialog::AcceptSave);
        m_saveDialog->setNameFilter(QStringLiteral("文本文件 (*.txt)"));
    }
    return m_saveDialog;
}

void TFrmIndex::OnExit(QWidget* edit, void (TFrmIndex::*handler)()) {
    m_exitHandlers.emplace_back(edit, handler);
    edit->installEventFilter(this);
}

bool TFrmIndex::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        for (const auto& [edit, handler] : m_exitHandlers)
            if (edit == watched) (this->*handler)();
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- Window events ------------------------------------------------------------------------

void TFrmIndex::FormCreate() {
    ADOTem.connectionString = qinghe::ReferenceConnectionString(qinghe::kRedoviv);
    ADOTem.commandTimeout = 60;
    ADOFenxi.connectionString = qinghe::ReferenceConnectionString(qinghe::kRedoviv);

    m_pages->setCurrentIndex(kNamingPage);
    findChild<QTabWidget*>(QStringLiteral("RzPageControl2"))->setCurrentIndex(0);
    findChild<QTabWidget*>(QStringLiteral("RzPageControl3"))->setCurrentIndex(0);
    m_poemTabs->setCurrentIndex(0);

    GridPageSize = 500;
    m_grid->setRowCount(GridPageSize);
}

void TFrmIndex::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TFrmIndex::FormShow() {
    // Dates read from text always use "yyyy-mm-dd" with "-" (ParseDate); the process
    // has no other date setting to make here.
    m_grid->setHorizontalHeaderLabels({Text("编号"), Text("名称"), Text("繁体字"), Text("拼音"),
                                       Text("五行"), Text("笔画"), Text("五格"), Text("三才"),
                                       Text("分数")});
}

void TFrmIndex::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

void TFrmIndex::FormClose() {
    QuitSequence();
}

void TFrmIndex::RzBitBtn4Click() {
    QuitSequence();
}

void TFrmIndex::QuitSequence() {
    if (m_quitting) return;  // closing the window from the quit button runs FormClose too
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
    RzBitBtn32Click();
    m_poemTabs->setTabVisible(0, true);
    m_poemTabs->setCurrentIndex(0);
    m_poemTabs->setTabText(m_poemTabs->indexOf(m_chosenPoemsTab), kChosenPoemsCaption);
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

// ---- Handlers whose work the generation, report, list and poem code supplies ----------

void TFrmIndex::RzRadioButton7Click() {}
void TFrmIndex::RzBitBtn32Click() {}
void TFrmIndex::RzBitBtn41Click() {}
void TFrmIndex::TreeViewInitClick() {}
void TFrmIndex::RzTreeView1Click() {}
void TFrmIndex::RzBitBtn40Click() {}
void TFrmIndex::RzBitBtn39Click() {}
void TFrmIndex::RzBitBtn33Click() {}
void TFrmIndex::RzBitBtn6Click() {}
