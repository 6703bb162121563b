// The poetry page's layout and its result lists; the poem browser's controls wait for the
// poem collection.
#include "generation/PoetryPage.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

#include "app/PageHost.h"
#include "app/ResultLists.h"
#include "app/ShowInfo.h"
#include "generation/NamingPage.h"
#include "generation/PoetryGeneration.h"
#include "numerology/TFrmNameMain.h"
#include "refdata/ReferenceDb.h"

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
    m_form = NewFixedList(this, "CBXingshi5", {QStringLiteral("双字名"), QStringLiteral("单字名")});
    nameRow->addWidget(m_form);
    nameRow->addSpacing(8);
    m_birth->AddDateTo(nameRow);
    nameRow->addStretch(1);

    auto* optionRow = NewRow(column);
    m_wuxing = NewCheck(this, "CBSGBZ", "五行喜用", false);
    optionRow->addWidget(m_wuxing);
    optionRow->addSpacing(8);
    m_elements[0] = AddElementBoxes(this, optionRow, "第一字五行包括", 3);
    optionRow->addSpacing(8);
    m_elements[1] = AddElementBoxes(this, optionRow, "第二字五行包括", 4);
    optionRow->addSpacing(8);
    // Drops names with a bad sense or sound, tongue-twisters and everyday words.
    m_filter = NewCheck(this, "CBGuolv5", "过滤不雅名字", true);
    optionRow->addWidget(m_filter);
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
    m_search = NewEdit(poems, "EditTiaojian", 10, 6);
    searchRow->addWidget(m_search);
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
    m_tree = new QTreeWidget(poems);
    m_tree->setObjectName(QStringLiteral("TreeViewInit"));
    m_tree->setHeaderHidden(true);
    m_tree->setExpandsOnDoubleClick(false);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_titles = new QTreeWidget(poems);
    m_titles->setObjectName(QStringLiteral("RzTreeView1"));
    m_titles->setHeaderHidden(true);
    m_titles->setRootIsDecorated(false);
    m_titles->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_titles->setSortingEnabled(true);
    m_titles->sortByColumn(0, Qt::AscendingOrder);
    const int treeWidth = m_tree->fontMetrics().horizontalAdvance(QString(9, QChar(0x4E2D)));
    m_tree->setFixedWidth(treeWidth);
    m_titles->setFixedWidth(treeWidth);
    browser->addWidget(m_tree);
    browser->addWidget(m_titles);
    m_poem = NewMemo(poems, "MemoSgnr", true);
    browser->addWidget(m_poem, 1);
    poemColumn->addLayout(browser, 1);
    m_poemTabs->addTab(poems, QStringLiteral("诗词列表"));

    m_chosenPoemsTab = new QWidget(m_poemTabs);
    m_chosenPoemsTab->setObjectName(QStringLiteral("RzTabSheet4"));
    auto* chosenColumn = new QVBoxLayout(m_chosenPoemsTab);
    chosenColumn->setContentsMargins(2, 2, 2, 2);
    m_chosen = NewMemo(m_chosenPoemsTab, "MemoYixuan", false);
    chosenColumn->addWidget(m_chosen);
    m_poemTabs->addTab(m_chosenPoemsTab, QStringLiteral("已选诗词"));
    middle->addWidget(m_poemTabs, 1);

    const ListTab tabs[2] = {
        {"名字列表", "ListBox3", "RzBitBtn35", "复制名字", "RzBitBtn36", "添加到已选"},
        {"已选名字", "ListBox4", "RzBitBtn37", "复制已选", "RzBitBtn38", "清空已选"}};
    m_lists = NewListTabs(this, "RzPageControl3", tabs);
    middle->addWidget(m_lists.tabs);
    column->addLayout(middle, 1);

    OnExit(m_search, [this] { emit searchLeft(); });
    connect(generate, &QPushButton::clicked, this, &PoetryPage::RzBitBtn33Click);
    connect(refresh, &QPushButton::clicked, this, &PoetryPage::RzBitBtn32Click);
    connect(all, &QPushButton::clicked, this, &PoetryPage::RzBitBtn32Click);
    connect(find, &QPushButton::clicked, this, &PoetryPage::RzBitBtn41Click);
    connect(add, &QPushButton::clicked, this, &PoetryPage::RzBitBtn40Click);
    connect(clear, &QPushButton::clicked, this, &PoetryPage::RzBitBtn39Click);
    connect(m_tree, &QTreeWidget::itemClicked, this, &PoetryPage::TreeViewInitClick);
    connect(m_titles, &QTreeWidget::itemClicked, this, &PoetryPage::RzTreeView1Click);
    connect(stop, &QPushButton::clicked, this, &PoetryPage::StopGeneration);
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

// ---- The poem browser ------------------------------------------------------------------

void PoetryPage::LoadPoemTree(const QString& search) {
    m_tree->clear();
    try {
        for (const qinghe::PoemDynasty& d : qinghe::LoadPoemTree(search.toStdString())) {
            auto* dynasty = new QTreeWidgetItem(m_tree, {QString::fromStdString(d.name)});
            dynasty->setData(0, Qt::UserRole, 0);
            for (const qinghe::PoemAuthor& a : d.authors) {
                auto* author = new QTreeWidgetItem(dynasty, {QString::fromStdString(a.name)});
                author->setData(0, Qt::UserRole, a.number);
            }
        }
    } catch (const qinghe::ReferenceDbError&) {
        // A poem query that fails ends the action; what the tree holds stays.
    }
    m_titles->clear();
    m_poem->clear();
}

void PoetryPage::RzBitBtn32Click() {
    m_search->clear();
    LoadPoemTree({});
}

void PoetryPage::RzBitBtn41Click() {
    const QString search = m_search->text().trimmed();
    if (!search.isEmpty()) LoadPoemTree(search);
}

void PoetryPage::TreeViewInitClick() {
    QTreeWidgetItem* node = m_tree->currentItem();
    if (node == nullptr) return;
    node->setExpanded(true);
    m_titles->clear();
    try {
        const int author = node->data(0, Qt::UserRole).toInt();
        for (const qinghe::PoemTitle& t :
             qinghe::PoemTitles(author, m_search->text().trimmed().toStdString())) {
            auto* entry = new QTreeWidgetItem(m_titles, {QString::fromStdString(t.title)});
            entry->setData(0, Qt::UserRole, t.number);
        }
    } catch (const qinghe::ReferenceDbError&) {
    }
    m_poem->clear();
}

void PoetryPage::RzTreeView1Click() {
    const QTreeWidgetItem* entry = m_titles->currentItem();
    if (entry == nullptr) return;
    try {
        m_poem->setPlainText(
            QString::fromStdString(qinghe::PoemText(entry->data(0, Qt::UserRole).toInt())));
    } catch (const qinghe::ReferenceDbError&) {
    }
}

void PoetryPage::RzBitBtn40Click() {
    const QString poem = m_poem->toPlainText().trimmed();
    if (poem.isEmpty()) return;
    if (!m_chosen->toPlainText().isEmpty()) m_chosen->appendPlainText(QString());
    m_chosen->appendPlainText(poem);
}

void PoetryPage::RzBitBtn39Click() {
    m_chosen->clear();
}

// ---- Naming from the chosen text -------------------------------------------------------

void PoetryPage::RzBitBtn33Click() {
    const QString surname = m_surname->text().trimmed();
    if (surname.isEmpty()) {
        qinghe::ShowInfo(QStringLiteral("姓不能为空!"));
        m_surname->setFocus();
        return;
    }
    const QString text = m_chosen->toPlainText();
    if (text.trimmed().isEmpty()) {
        qinghe::ShowInfo(QStringLiteral("没有选择诗词，请查看已选诗词!"));
        return;
    }
    qinghe::PoetrySettings s;
    s.surname = surname.toStdString();
    s.boy = m_birth->sex->currentIndex() == 0;
    s.twoCharGiven = m_form->currentIndex() == 0;
    s.text = text.toStdString();
    s.filterNames = m_filter->isChecked();
    if (m_wuxing->isChecked()) {
        std::string favoured = qinghe::FavouredElementsOf(m_elements, *m_birth);
        s.elements = qinghe::PrepareElements(favoured, s.surname);
    }
    m_running = true;
    QListWidget* names = m_lists.lists[0];
    names->clear();
    int found = 0;
    try {
        found = qinghe::RunPoetryGeneration(s, m_running, [&](const qinghe::GeneratedName& n) {
            auto* item = new QListWidgetItem(QString::fromStdString(n.Text()), names);
            const std::string given = n.name.substr(s.surname.size());
            QStringList lines;
            for (const std::string& line : qinghe::SourceLines(s.text, given))
                lines << QString::fromStdString(line);
            item->setToolTip(lines.join('\n'));
            // "停止起名" takes effect during a long walk.
            if (names->count() % 100 == 0) QCoreApplication::processEvents();
        });
    } catch (const qinghe::ReferenceDbError&) {
        return;  // a failed or stopped query ends the generation without a word
    }
    if (found == 0 && m_running)
        qinghe::ShowInfo(
            QStringLiteral("提示：起名要符合多个条件，请添加更多诗词或文字内容方可起出更多名字！"),
            QStringLiteral("起名提示"));
}

void PoetryPage::ShowPoemList() {
    RzBitBtn32Click();
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
