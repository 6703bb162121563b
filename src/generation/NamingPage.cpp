// The naming page builds its controls, rebuilds the combination list when the surname or
// an option changes, starts and stops the classic worker and shows what it streams.
#include "generation/NamingPage.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>

#include "app/PageHost.h"
#include "app/ResultLists.h"
#include "app/ShowInfo.h"
#include "base/Errors.h"
#include "base/Utf8.h"
#include "chart/BirthChart.h"
#include "chart/ElementBalance.h"
#include "generation/ClassicGeneration.h"
#include "generation/TMythread.h"
#include "numerology/TFrmNameMain.h"
#include "refdata/ReferenceDb.h"

namespace {

std::string Trimmed(const QString& text) {
    return qinghe::Trim(text.toStdString());
}

bool IsInteger(const QString& text) {
    bool ok = false;
    text.trimmed().toInt(&ok);
    return ok;
}

}  // namespace

NamingPage::NamingPage(qinghe::PageHost& host) : m_host(host) {
    using namespace qinghe;
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(6, 4, 6, 6);
    column->setSpacing(4);

    m_birth = std::make_unique<BirthBoxes>(
        this, BirthBoxNames{"CBsex", "ComDate", "SYear", "SMonth", "Sday", "Shour", "CBFen"});
    auto* basic = new QGroupBox(QStringLiteral("基本信息"), this);
    auto* basicRows = new QVBoxLayout(basic);
    basicRows->setContentsMargins(6, 2, 6, 4);
    basicRows->setSpacing(4);
    auto* birthRow = NewRow(basicRows);
    birthRow->addWidget(NewLabel(this, "姓氏"));
    m_surname = NewEdit(this, "Xing", 10, 5);
    birthRow->addWidget(m_surname);
    m_birth->AddSexTo(birthRow);
    birthRow->addSpacing(8);
    m_birth->AddDateTo(birthRow);
    birthRow->addStretch(1);

    auto* formRow = NewRow(basicRows);
    formRow->addWidget(NewLabel(this, "名字"));
    m_form = NewFixedList(this, "CBXingshi", {QStringLiteral("双字名"), QStringLiteral("单字名")});
    formRow->addWidget(m_form);
    formRow->addSpacing(8);
    formRow->addWidget(NewLabel(this, "固定为"));
    m_fixedChar = NewEdit(this, "Gudingzi", 1, 1);
    formRow->addWidget(m_fixedChar);
    m_fixedPlace =
        NewFixedList(this, "CBdijizi", {QStringLiteral("第二字"), QStringLiteral("第三字")});
    formRow->addWidget(m_fixedPlace);
    formRow->addSpacing(8);
    formRow->addWidget(NewLabel(this, "优选方案"));
    m_code = NewFixedList(this, "CBCode", {QStringLiteral("电脑全自动")});
    m_code->setMinimumContentsLength(14);
    formRow->addWidget(m_code);
    formRow->addSpacing(8);
    m_wuxing = NewCheck(this, "CBwuxing", "五行喜用", false);
    formRow->addWidget(m_wuxing);
    // The elements the five-element option filters by, once a run has chosen them.
    m_favoured = new QLabel(this);
    m_favoured->setObjectName(QStringLiteral("LabelFavoured"));
    formRow->addWidget(m_favoured);
    formRow->addStretch(1);

    auto* scoreRow = NewRow(basicRows);
    m_feeXX = NewCheck(this, "CBFeeXX", "只起", true);
    scoreRow->addWidget(m_feeXX);
    m_zuidiFee = NewEdit(this, "ZuidiFee", 3, 2, "70");
    scoreRow->addWidget(m_zuidiFee);
    scoreRow->addWidget(NewLabel(this, "分以上名字"));
    scoreRow->addSpacing(12);
    m_initFee = NewCheck(this, "CBInitFee", "自动挑选", true);
    scoreRow->addWidget(m_initFee);
    m_sorcss = NewEdit(this, "Sorcss", 3, 2, "70");
    scoreRow->addWidget(m_sorcss);
    scoreRow->addWidget(NewLabel(this, "分以上名字"));
    scoreRow->addSpacing(12);
    scoreRow->addWidget(NewLabel(this, "提示：双击高分名字列表查看详细分析"));
    scoreRow->addStretch(1);

    auto* elementRow = NewRow(basicRows);
    m_elements[0] = AddElementBoxes(this, elementRow, "第一字五行包括", 1);
    elementRow->addSpacing(12);
    m_elements[1] = AddElementBoxes(this, elementRow, "第二字五行包括", 2);
    elementRow->addStretch(1);

    auto* modeRow = NewRow(basicRows);
    m_classic = new QRadioButton(QStringLiteral("经典模式起名"), this);
    m_classic->setObjectName(QStringLiteral("RzRadioButton6"));
    m_classic->setChecked(true);
    m_listMode = new QRadioButton(QStringLiteral("列表模式起名"), this);
    m_listMode->setObjectName(QStringLiteral("RzRadioButton7"));
    m_idiomMode = new QRadioButton(QStringLiteral("成语模式起名"), this);
    m_idiomMode->setObjectName(QStringLiteral("RzRadioButton9"));
    for (QRadioButton* r : {m_classic, m_listMode, m_idiomMode}) modeRow->addWidget(r);
    modeRow->addSpacing(12);
    // Drops names with a bad sense or sound, tongue-twisters and everyday words.
    m_filter = NewCheck(this, "CBGuolv", "过滤不雅名字", true);
    modeRow->addWidget(m_filter);
    modeRow->addStretch(1);
    auto* start = NewButton(this, "RzBitBtn5", "马上起名");
    m_stop = NewButton(this, "RzBitBtn2", "停止起名");
    auto* quit = NewButton(this, "RzBitBtn4", "关闭软件");
    for (QPushButton* b : {start, m_stop, quit}) modeRow->addWidget(b);
    column->addWidget(basic);

    auto* results = new QHBoxLayout;
    results->setSpacing(6);
    m_memoSuccess = AsReport(new QTextEdit(this));
    m_memoSuccess->setObjectName(QStringLiteral("MemoSuccess"));
    m_memoSuccess->setReadOnly(true);
    m_memoSuccess->setLineWrapMode(QTextEdit::NoWrap);
    m_memoSuccess->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_memoSuccess->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    results->addWidget(m_memoSuccess, 1);

    m_grid = new QTableWidget(0, 9, this);
    m_grid->setObjectName(QStringLiteral("RzStringGrid1"));
    m_grid->verticalHeader()->hide();
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    // The columns' widths, each widened where its longest text would be cut in the font.
    const int widths[9] = {36, 61, 61, 130, 58, 73, 90, 56, 30};
    const char* const longest[9] = {"500",
                                    "欧阳欣怡",
                                    "歐陽禕嶼",
                                    "ōuyáng-shuāng-zhuàng",
                                    "土土土土",
                                    "15,17,14,17",
                                    "天32 人39 地29 总61 外22",
                                    "木木木",
                                    "100"};
    for (int c = 0; c < 9; ++c)
        m_grid->setColumnWidth(
            c,
            std::max(widths[c],
                     m_grid->fontMetrics().horizontalAdvance(QString::fromUtf8(longest[c])) + 12));
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->verticalHeader()->setDefaultSectionSize(
        std::max(18, m_grid->fontMetrics().height() + 4));
    m_grid->setHorizontalHeaderLabels(
        {QStringLiteral("编号"), QStringLiteral("名称"), QStringLiteral("繁体字"),
         QStringLiteral("拼音"), QStringLiteral("五行"), QStringLiteral("笔画"),
         QStringLiteral("五格"), QStringLiteral("三才"), QStringLiteral("分数")});
    m_grid->hide();
    results->addWidget(m_grid, 1);

    const ListTab tabs[2] = {
        {"高分名字", "ListBox1", "BtnFuzhi", "复制高分", "RzBitBtn24", "添加到已选"},
        {"已选名字", "ListBox2", "RzBitBtn29", "复制已选", "RzBitBtn30", "清空已选"}};
    m_lists = NewListTabs(this, "RzPageControl2", tabs);
    results->addWidget(m_lists.tabs);
    column->addLayout(results, 1);

    // Never seen: the idiom list and the record numbers shown by list and idiom modes.
    m_idioms = NewMemo(this, "MemoChengyu", false);
    m_shownRows = new QComboBox(this);
    m_shownRows->setObjectName(QStringLiteral("CBName"));
    m_idioms->hide();
    m_shownRows->hide();
    try {
        m_idioms->setPlainText(QString::fromStdString(LoadIdiomList()));
    } catch (const ReferenceDbError&) {
        // Without the reference file idiom mode finds nothing; the start says why.
    }

    OnExit(m_surname, [this] { XingExit(); });
    OnExit(m_fixedChar, [this] { GudingziExit(); });
    OnExit(m_zuidiFee, [this] { ZuidiFeeExit(); });
    OnExit(m_sorcss, [this] { SorcssExit(); });
    connect(m_form, &QComboBox::activated, this, &NamingPage::CBXingshiClick);
    connect(m_birth->sex, &QComboBox::activated, this, &NamingPage::CBsexClick);
    connect(m_fixedPlace, &QComboBox::activated, this, &NamingPage::CBdijiziClick);
    connect(m_feeXX, &QCheckBox::clicked, this, &NamingPage::CBFeeXXClick);
    connect(m_classic, &QRadioButton::clicked, this, &NamingPage::RzRadioButton6Click);
    connect(m_listMode, &QRadioButton::clicked, this, &NamingPage::RzRadioButton7Click);
    connect(m_idiomMode, &QRadioButton::clicked, this, &NamingPage::RzRadioButton7Click);
    connect(start, &QPushButton::clicked, this, &NamingPage::RzBitBtn5Click);
    connect(m_stop, &QPushButton::clicked, this, &NamingPage::RzBitBtn2Click);
    connect(quit, &QPushButton::clicked, this, &NamingPage::quitRequested);
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, &NamingPage::RzStringGrid1DblClick);
    connect(m_lists.buttons[0][0], &QPushButton::clicked, this, &NamingPage::BtnFuzhiClick);
    connect(m_lists.buttons[0][1], &QPushButton::clicked, this, &NamingPage::RzBitBtn24Click);
    connect(m_lists.buttons[1][0], &QPushButton::clicked, this, &NamingPage::RzBitBtn29Click);
    connect(m_lists.buttons[1][1], &QPushButton::clicked, this, &NamingPage::RzBitBtn30Click);
    for (QListWidget* list : m_lists.lists)
        connect(list, &QListWidget::itemDoubleClicked, this, &NamingPage::ListBox1DblClick);

    m_lists.tabs->setCurrentIndex(0);
    m_gridPageSize = 500;
    m_grid->setRowCount(m_gridPageSize);
}

NamingPage::~NamingPage() {
    // A page that goes away (tests, never the quit sequence) lets its worker finish first.
    if (m_generationThread) {
        m_generationThread->Stop();
        m_generationThread->wait();
    }
    delete m_generationThread;
}

// ---- The combination list -------------------------------------------------------------

void NamingPage::LoadStrokeCombos(const QString& surname) {
    qinghe::ComboOptions o;
    o.surname = Trimmed(surname);
    o.twoCharGiven = m_form->currentIndex() == 0;
    o.fixedChar = Trimmed(m_fixedChar->text());
    o.fixedFirst = m_fixedPlace->currentIndex() == 0;
    const QString minScore = m_zuidiFee->text().trimmed();
    if (m_feeXX->isChecked() && !minScore.isEmpty()) {
        bool ok = false;
        const int value = minScore.toInt(&ok);
        if (!ok) return;  // not a number: the list stays as it was
        o.minScore = value;
    }
    const auto combos = qinghe::LoadStrokeCombos(o, m_nameKind);
    if (!combos) return;  // an engine error keeps the list as it was
    m_code->clear();
    m_code->addItem(QString::fromUtf8(qinghe::kAutomaticCombo.data(),
                                      static_cast<qsizetype>(qinghe::kAutomaticCombo.size())));
    // Each entry shows its text and carries its combination.
    for (const qinghe::StrokeCombo& c : *combos)
        m_code->addItem(QString::fromStdString(c.Text()), QVariant::fromValue(c));
    m_code->setCurrentIndex(0);
}

void NamingPage::RebuildCombos() {
    const QString surname = m_surname->text();
    if (!surname.trimmed().isEmpty()) LoadStrokeCombos(surname);
}

void NamingPage::XingExit() {
    RebuildCombos();
}
void NamingPage::CBXingshiClick() {
    RebuildCombos();
}
void NamingPage::CBsexClick() {
    RebuildCombos();
}
void NamingPage::CBdijiziClick() {
    RebuildCombos();
}
void NamingPage::CBFeeXXClick() {
    RebuildCombos();
}

void NamingPage::GudingziExit() {
    RebuildCombos();
    if (!m_fixedChar->text().trimmed().isEmpty()) {
        m_feeXX->setChecked(false);
        CBFeeXXClick();
    }
}

void NamingPage::ZuidiFeeExit() {
    if (!m_zuidiFee->text().trimmed().isEmpty() && !IsInteger(m_zuidiFee->text()))
        m_zuidiFee->setText("70");
    RebuildCombos();
}

void NamingPage::SorcssExit() {
    if (!m_sorcss->text().trimmed().isEmpty() && !IsInteger(m_sorcss->text()))
        m_sorcss->setText("70");
}

void NamingPage::RzRadioButton6Click() {
    m_grid->hide();
    m_memoSuccess->show();
    m_stop->setText(QStringLiteral("停止起名"));
    m_stop->setEnabled(true);
    m_zuidiFee->setText("70");
    m_code->setEnabled(true);
}

// ---- Classic runs ---------------------------------------------------------------------

std::string qinghe::FavouredElementsOf(const ElementBoxes (&groups)[2], const BirthBoxes& boxes) {
    std::string favoured;
    for (const ElementBoxes& group : groups)
        for (int i = 0; i < 5; ++i)
            if (group.boxes[i]->isChecked()) favoured += kElementNames[i];
    if (!favoured.empty()) return favoured;
    try {
        return BalanceOf(BirthChartOf(ReadBirthMoment(boxes.Input()))).favoured;
    } catch (const InputRefused&) {
        // Boxes that give no chart leave the option without elements.
    } catch (const ConversionError&) {
    } catch (const ReferenceDbError&) {
    }
    return {};
}

void NamingPage::FillFavouredElements() {
    m_favouredElements = qinghe::FavouredElementsOf(m_elements, *m_birth);
}

qinghe::ClassicSettings NamingPage::ClassicSnapshot() {
    qinghe::ClassicSettings s;
    s.surname = Trimmed(m_surname->text());
    s.boy = m_birth->sex->currentIndex() == 0;
    s.twoCharGiven = m_form->currentIndex() == 0;
    s.fixedChar = Trimmed(m_fixedChar->text());
    s.fixedFirst = m_fixedPlace->currentIndex() == 0;
    for (int i = 1; i < m_code->count(); ++i)
        s.combos.push_back(m_code->itemData(i).value<qinghe::StrokeCombo>());
    s.automatic = m_code->currentIndex() <= 0;
    if (!s.automatic)
        s.chosen =
            qinghe::StrokesOf(m_code->currentData().value<qinghe::StrokeCombo>(), s.twoCharGiven);
    s.copyHighScores = m_initFee->isChecked();
    s.highScoreText = m_sorcss->text().toStdString();
    s.filterNames = m_filter->isChecked();
    if (m_wuxing->isChecked()) {
        FillFavouredElements();
        s.elements = qinghe::PrepareElements(m_favouredElements, s.surname);
        QString shown;
        for (const std::string& e : qinghe::Utf8Chars(m_favouredElements))
            shown += (shown.isEmpty() ? "" : " ") + QString::fromStdString(e);
        m_favoured->setText(QStringLiteral("喜用五行：") +
                            (shown.isEmpty() ? QStringLiteral("无") : shown));
    } else {
        m_favoured->clear();
    }
    return s;
}

void NamingPage::ShowClassicBatch(const qinghe::NameBatch& batch) {
    // Batches of a run that is no longer the current one are never shown.
    if (!m_generationThread || batch.run != m_generationThread->RunNumber()) return;
    if (!batch.rows.empty()) {
        // As plain text: the padding blanks keep the names in columns.
        QTextDocument* doc = m_memoSuccess->document();
        QTextCursor cursor(doc);
        cursor.beginEditBlock();
        cursor.movePosition(QTextCursor::End);
        for (const std::string& row : batch.rows) {
            if (!doc->isEmpty()) cursor.insertBlock();
            cursor.insertText(QString::fromStdString(row));
        }
        cursor.endEditBlock();
    }
    if (!batch.highScores.empty()) {
        QStringList names;
        for (const qinghe::GeneratedName& name : batch.highScores)
            names << QString::fromStdString(name.Text());
        m_lists.lists[0]->addItems(names);
    }
    m_generationThread->BatchShown();
    if (!batch.last) return;
    m_classicRunShown = true;
    emit classicRunShown();
    if (m_classicStartPending) StartClassicRun();
}

void NamingPage::StartClassicRun() {
    m_classicStartPending = false;
    if (m_generationThread) m_generationThread->wait();  // it has handed over its last batch
    delete m_generationThread;
    m_memoSuccess->clear();
    m_lists.lists[0]->clear();
    m_generationFlag = true;
    m_classicRunShown = false;
    m_generationThread = new TMythread(ClassicSnapshot(), ++m_classicRuns, m_generationFlag);
    connect(m_generationThread, &TMythread::batchReady, this, &NamingPage::ShowClassicBatch,
            Qt::QueuedConnection);
    m_generationThread->start();
}

void NamingPage::RzBitBtn5Click() {
    if (m_listMode->isChecked() || m_idiomMode->isChecked()) {
        RunListGeneration(m_idiomMode->isChecked() ? qinghe::ListMode::Idiom
                                                   : qinghe::ListMode::List);
        return;
    }
    // A new run waits for the earlier one to end in its own time, without blocking the
    // window: it starts when the earlier run's last batch is on screen.
    if (m_generationThread && !m_classicRunShown) {
        m_classicStartPending = true;
        return;
    }
    StartClassicRun();
}

void NamingPage::RzBitBtn2Click() {
    if (m_stop->text() != QStringLiteral("停止起名")) {  // list and idiom modes: "继续显示"
        ShowNextGridPage();
        return;
    }
    m_stop->setEnabled(false);
    m_classicStartPending = false;
    if (m_generationThread)
        m_generationThread->Stop();  // clears GenerationFlag and wakes a waiting worker
    else
        m_generationFlag = false;
    // The button comes back after two seconds; the window stays responsive meanwhile.
    QTimer::singleShot(2000, m_stop, [stop = m_stop] { stop->setEnabled(true); });
}

// ---- List and idiom modes -------------------------------------------------------------

void NamingPage::RzRadioButton7Click() {
    m_grid->show();
    m_memoSuccess->hide();
    m_stop->setText(QStringLiteral("继续显示"));
    m_zuidiFee->setText("70");
    m_code->setEnabled(true);
}

qinghe::ListSettings NamingPage::ListSnapshot(qinghe::ListMode mode) {
    qinghe::ListSettings s;
    s.mode = mode;
    s.surnameText = m_surname->text().toStdString();
    s.boy = m_birth->sex->currentIndex() == 0;
    s.twoCharGiven = m_form->currentIndex() == 0;
    s.fixedChar = Trimmed(m_fixedChar->text());
    s.fixedFirst = m_fixedPlace->currentIndex() == 0;
    if (m_code->currentIndex() > 0)
        s.chosen =
            qinghe::StrokesOf(m_code->currentData().value<qinghe::StrokeCombo>(), s.twoCharGiven);
    s.scoreFloorFromBox = m_feeXX->isChecked();
    s.minScoreText = m_zuidiFee->text().toStdString();
    s.filterNames = m_filter->isChecked();
    if (m_wuxing->isChecked()) {
        FillFavouredElements();
        s.elements = qinghe::PrepareListElements(m_favouredElements, Trimmed(m_surname->text()),
                                                 s.fixedChar);
    }
    if (mode == qinghe::ListMode::Idiom) s.idioms = m_idioms->toPlainText().toStdString();
    return s;
}

void NamingPage::RunListGeneration(qinghe::ListMode mode) {
    const qinghe::ListSettings s = ListSnapshot(mode);
    m_generationFlag = true;
    m_memoSuccess->clear();
    m_lists.lists[0]->clear();
    // A failed run says so, or it would look like an empty one; a surname of another length
    // than one or two characters ends it without a word.
    std::optional<qinghe::ListResult> result;
    try {
        result = qinghe::RunListGeneration(s);
    } catch (const qinghe::ConversionError& e) {
        qinghe::ShowInfo(QStringLiteral("起名失败：") + QString::fromStdString(e.what()));
        return;
    } catch (const qinghe::ReferenceDbError& e) {
        qinghe::ShowInfo(QStringLiteral("起名失败：") + QString::fromStdString(e.what()));
        return;
    }
    if (!result) return;
    m_list = std::move(result);
    m_stop->setEnabled(m_list->Run().ResultCount > m_gridPageSize);
    m_shownRows->clear();
    if (m_list->Run().ResultCount == 0) {
        qinghe::ShowInfo(QStringLiteral(
            "没有符合要求的名字，请放宽限制条件(如：最低分数、固定文字、更换模式等)。"));
        return;
    }
    ShowNextGridPage();
}

void NamingPage::ClearResultGrid() {
    for (int r = 0; r < m_gridPageSize; ++r)
        for (int c = 0; c < m_grid->columnCount(); ++c) delete m_grid->takeItem(r, c);
}

void NamingPage::ShowNextGridPage() {
    if (!m_list) return;
    ClearResultGrid();
    m_stop->setEnabled(false);
    const std::vector<qinghe::GridRow> page = m_list->NextPage(m_random);
    const bool copyHigh = m_initFee->isChecked();
    const std::string threshold = m_sorcss->text().toStdString();
    QStringList high;
    for (std::size_t r = 0; r < page.size(); ++r) {
        const qinghe::GridRow& row = page[r];
        for (std::size_t c = 0; c < row.cells.size(); ++c)
            m_grid->setItem(static_cast<int>(r), static_cast<int>(c),
                            new QTableWidgetItem(QString::fromStdString(row.cells[c])));
        try {
            if (copyHigh && qinghe::IsListHighScore(threshold, row))
                high << QString::fromStdString(qinghe::ListHighScoreText(row));
        } catch (const qinghe::ConversionError&) {
            // A threshold that is no number copies nothing.
        }
        m_shownRows->addItem(QString::number(row.resultRow));
    }
    m_lists.lists[0]->addItems(high);
    m_stop->setEnabled(!m_list->Exhausted());
}

// ---- The result lists -----------------------------------------------------------------

void NamingPage::RzBitBtn24Click() {
    qinghe::KeepEntry(m_lists.lists[0], m_lists.lists[1]);
}
void NamingPage::RzBitBtn30Click() {
    m_lists.lists[1]->clear();
}
void NamingPage::BtnFuzhiClick() {
    qinghe::CopyEntries(m_lists.lists[0], m_host.MemoSave());
}
void NamingPage::RzBitBtn29Click() {
    qinghe::CopyEntries(m_lists.lists[1], m_host.MemoSave());
}

void NamingPage::ListBox1DblClick() {
    // Both lists of the page come here; the one clicked is the sender.
    auto* list = qobject_cast<QListWidget*>(sender());
    if (const auto name = qinghe::CurrentEntryName(list ? list : m_lists.lists[0]))
        qinghe::OpenNameAnalysis(this, m_surname->text(), *name, *m_birth);
}

void NamingPage::RzStringGrid1DblClick() {
    if (m_grid->currentRow() < 0) return;
    const QTableWidgetItem* cell = m_grid->item(m_grid->currentRow(), 1);
    if (cell == nullptr || cell->text().trimmed().isEmpty()) return;
    qinghe::OpenNameAnalysis(this, m_surname->text(), cell->text(), *m_birth);
}
