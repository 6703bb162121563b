// The poetry page's layout and its result lists; the poem browser's controls wait for the
// poem collection.
#include "generation/PoetryPage.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

#include "app/PageHost.h"
#include "app/ResultLists.h"
#include "numerology/TFrmNameMain.h"

PoetryPage::PoetryPage(qinghe::PageHost& host) : m_host(host) {
    using namespace qinghe;
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(6, 4, 6, 6);
    column->setSpacing(4);
    m_birth = std::make_unique<BirthBoxes>(
        this, BirthBoxNames{"CBsex5", "CBDate5", "SYear5", "SMonth5", "Sday5", "Shour5", "CBFen5"});

    auto* nameRow = NewRow(column);
    nameRow->addWidget(NewLabel(this, "姓氏"));
    m_surname = NewEdit(this, "Xing5", 2, 2);
    nameRow->addWidget(m_surname);
    m_birth->AddSexTo(nameRow);
    nameRow->addWidget(NewLabel(this, "名字"));
    nameRow->addWidget(
        NewFixedList(this, "CBXingshi5", {QStringLiteral("双字名"), QStringLiteral("单字名")}));
    nameRow->addSpacing(8);
    m_birth->AddDateTo(nameRow);
    nameRow->addStretch(1);

    auto* optionRow = NewRow(column);
    optionRow->addWidget(NewCheck(this, "CBSGBZ", "五行喜用", false));
    optionRow->addSpacing(8);
    AddElementBoxes(this, optionRow, "第一字五行包括", 3);
    optionRow->addSpacing(8);
    AddElementBoxes(this, optionRow, "第二字五行包括", 4);
    optionRow->addStretch(1);

    auto* buttonRow = NewRow(column);
    auto* generate = NewButton(this, "RzBitBtn33", "马上起名");
    auto* stop = NewButton(this, "RzBitBtn31", "停止起名");
    auto* refresh = NewButton(this, "RzBitBtn32", "刷新诗词");
    auto* back = NewButton(this, "RzBitBtn34", "返回起名");
    for (QPushButton* b : {generate, stop, refresh, back}) buttonRow->addWidget(b);
    buttonRow->addSpacing(12);
    buttonRow->addWidget(NewLabel(this, "提示：双击名字列表查看详细分析"));
    buttonRow->addStretch(1);

    auto* middle = new QHBoxLayout;
    middle->setSpacing(6);
    m_poemTabs = new QTabWidget(this);
    m_poemTabs->setObjectName(QStringLiteral("RzPageControl4"));
    auto* poems = new QWidget(m_poemTabs);
    poems->setObjectName(QStringLiteral("RzTabSheet3"));
    auto* poemColumn = new QVBoxLayout(poems);
    poemColumn->setContentsMargins(2, 2, 2, 2);
    poemColumn->setSpacing(4);
    auto* searchRow = NewRow(poemColumn);
    searchRow->addWidget(NewLabel(poems, "快速查找"));
    auto* search = NewEdit(poems, "EditTiaojian", 10, 6);
    searchRow->addWidget(search);
    auto* find = NewButton(poems, "RzBitBtn41", "查找");
    auto* all = NewButton(poems, "RzBitBtn42", "显示所有");
    searchRow->addWidget(find);
    searchRow->addWidget(all);
    searchRow->addStretch(1);
    auto* add = NewButton(poems, "RzBitBtn40", "添加到已选");
    auto* clear = NewButton(poems, "RzBitBtn39", "清空已选");
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
    browser->addWidget(NewMemo(poems, "MemoSgnr", true), 1);
    poemColumn->addLayout(browser, 1);
    m_poemTabs->addTab(poems, QStringLiteral("诗词列表"));

    m_chosenPoemsTab = new QWidget(m_poemTabs);
    m_chosenPoemsTab->setObjectName(QStringLiteral("RzTabSheet4"));
    auto* chosenColumn = new QVBoxLayout(m_chosenPoemsTab);
    chosenColumn->setContentsMargins(2, 2, 2, 2);
    chosenColumn->addWidget(NewMemo(m_chosenPoemsTab, "MemoYixuan", false));
    m_poemTabs->addTab(m_chosenPoemsTab, QStringLiteral("已选诗词"));
    middle->addWidget(m_poemTabs, 1);

    const ListTab tabs[2] = {
        {"名字列表", "ListBox3", "RzBitBtn35", "复制名字", "RzBitBtn36", "添加到已选"},
        {"已选名字", "ListBox4", "RzBitBtn37", "复制已选", "RzBitBtn38", "清空已选"}};
    m_lists = NewListTabs(this, "RzPageControl3", tabs);
    middle->addWidget(m_lists.tabs);
    column->addLayout(middle, 1);

    // The poem collection and poetry generation come later.
    for (QWidget* w : {static_cast<QWidget*>(generate), static_cast<QWidget*>(refresh),
                       static_cast<QWidget*>(find), static_cast<QWidget*>(all),
                       static_cast<QWidget*>(add), static_cast<QWidget*>(clear)})
        MarkNotBuiltYet(w);

    OnExit(search, [this] { emit searchLeft(); });
    connect(m_birth->sex, &QComboBox::activated, this, &PoetryPage::sexChanged);
    connect(stop, &QPushButton::clicked, this, &PoetryPage::stopRequested);
    connect(back, &QPushButton::clicked, this, &PoetryPage::namingPageRequested);
    connect(m_lists.buttons[0][0], &QPushButton::clicked, this, &PoetryPage::RzBitBtn35Click);
    connect(m_lists.buttons[0][1], &QPushButton::clicked, this, &PoetryPage::RzBitBtn36Click);
    connect(m_lists.buttons[1][0], &QPushButton::clicked, this, &PoetryPage::RzBitBtn37Click);
    connect(m_lists.buttons[1][1], &QPushButton::clicked, this, &PoetryPage::RzBitBtn38Click);
    connect(m_lists.lists[0], &QListWidget::itemDoubleClicked, this, &PoetryPage::ListBox3DblClick);
    connect(m_lists.lists[1], &QListWidget::itemDoubleClicked, this, &PoetryPage::ListBox4DblClick);

    m_lists.tabs->setCurrentIndex(0);
    m_poemTabs->setCurrentIndex(0);
}

PoetryPage::~PoetryPage() = default;

void PoetryPage::ShowPoemList() {
    m_poemTabs->setTabVisible(0, true);
    m_poemTabs->setCurrentIndex(0);
    m_poemTabs->setTabText(m_poemTabs->indexOf(m_chosenPoemsTab),
                           QStringLiteral("已选诗词(根据诗词内容或自己输入文字自动匹配取名)"));
}

void PoetryPage::RzBitBtn35Click() {
    qinghe::CopyEntries(m_lists.lists[0], m_host.MemoSave());
}
void PoetryPage::RzBitBtn36Click() {
    qinghe::KeepEntry(m_lists.lists[0], m_lists.lists[1]);
}
void PoetryPage::RzBitBtn37Click() {
    qinghe::CopyEntries(m_lists.lists[1], m_host.MemoSave());
}
void PoetryPage::RzBitBtn38Click() {
    m_lists.lists[1]->clear();
}

void PoetryPage::AnalyseEntry(QListWidget* list) {
    if (const auto name = qinghe::CurrentEntryName(list))
        qinghe::OpenNameAnalysis(this, m_surname->text(), *name, *m_birth);
}
void PoetryPage::ListBox3DblClick() {
    AnalyseEntry(m_lists.lists[0]);
}
void PoetryPage::ListBox4DblClick() {
    AnalyseEntry(m_lists.lists[1]);
}
