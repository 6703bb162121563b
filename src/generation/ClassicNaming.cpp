// The naming page's classic mode: rebuilding the combination list when the surname or an
// option changes, starting and stopping the worker, and showing what it produces.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>

#include "app/TFrmIndex.h"
#include "chart/ChartReport.h"
#include "chart/ElementBalance.h"
#include "generation/ClassicGeneration.h"
#include "generation/TMythread.h"
#include "refdata/Utf8.h"

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

void TFrmIndex::LoadStrokeCombos(const QString& surname) {
    qinghe::ComboOptions o;
    o.surname = Trimmed(surname);
    o.twoCharGiven = findChild<QComboBox*>("CBXingshi")->currentIndex() == 0;
    o.fixedChar = Trimmed(findChild<QLineEdit*>("Gudingzi")->text());
    o.fixedFirst = findChild<QComboBox*>("CBdijizi")->currentIndex() == 0;
    const QString minScore = findChild<QLineEdit*>("ZuidiFee")->text().trimmed();
    if (findChild<QCheckBox*>("CBFeeXX")->isChecked() && !minScore.isEmpty()) {
        bool ok = false;
        const int value = minScore.toInt(&ok);
        if (!ok) return;  // not a number: the list stays as it was
        o.minScore = value;
    }
    const std::vector<std::string> entries = qinghe::LoadStrokeCombos(o, NameKind);
    if (entries.empty()) return;
    auto* code = findChild<QComboBox*>("CBCode");
    code->clear();
    for (const std::string& e : entries) code->addItem(QString::fromStdString(e));
    code->setCurrentIndex(0);
}

void TFrmIndex::RebuildCombos() {
    const QString surname = findChild<QLineEdit*>("Xing")->text();
    if (!surname.trimmed().isEmpty()) LoadStrokeCombos(surname);
}

void TFrmIndex::XingExit() {
    RebuildCombos();
}
void TFrmIndex::CBXingshiClick() {
    RebuildCombos();
}
void TFrmIndex::CBsexClick() {
    RebuildCombos();
}
void TFrmIndex::CBdijiziClick() {
    RebuildCombos();
}
void TFrmIndex::CBFeeXXClick() {
    RebuildCombos();
}

void TFrmIndex::GudingziExit() {
    RebuildCombos();
    if (!findChild<QLineEdit*>("Gudingzi")->text().trimmed().isEmpty()) {
        auto* feeXX = findChild<QCheckBox*>("CBFeeXX");
        feeXX->setChecked(false);
        CBFeeXXClick();
    }
}

void TFrmIndex::ZuidiFeeExit() {
    auto* edit = findChild<QLineEdit*>("ZuidiFee");
    if (!edit->text().trimmed().isEmpty() && !IsInteger(edit->text())) edit->setText("70");
    RebuildCombos();
}

void TFrmIndex::SorcssExit() {
    auto* edit = findChild<QLineEdit*>("Sorcss");
    if (!edit->text().trimmed().isEmpty() && !IsInteger(edit->text())) edit->setText("70");
}

void TFrmIndex::RzRadioButton6Click() {
    findChild<QTableWidget*>("RzStringGrid1")->hide();
    findChild<QTextEdit*>("MemoSuccess")->show();
    auto* stop = findChild<QPushButton*>("RzBitBtn2");
    stop->setText(QStringLiteral("停止起名"));
    stop->setEnabled(true);
    findChild<QLineEdit*>("ZuidiFee")->setText("70");
    findChild<QComboBox*>("CBCode")->setEnabled(true);
}

void TFrmIndex::FillFavouredElements() {
    // Ticked element boxes decide, those for the first given character first.
    static const char* const kBoxes[][2] = {
        {"jin", "金"}, {"mu", "木"}, {"shui", "水"}, {"huo", "火"}, {"tu", "土"}};
    FavouredElements.clear();
    for (const char* group : {"1", "2"})
        for (const auto& [name, element] : kBoxes)
            if (auto* box = findChild<QCheckBox*>(QString(name) + group); box && box->isChecked())
                FavouredElements += element;
    if (!FavouredElements.empty()) return;
    // Otherwise the elements the birth chart of the page's boxes needs most.
    try {
        FavouredElements = qinghe::BalanceOf(qinghe::BirthChartOfInput(m_birth1->Input())).favoured;
    } catch (const std::exception&) {
        // Boxes that give no chart leave the option without elements.
    }
}

qinghe::ClassicSettings TFrmIndex::ClassicSnapshot() {
    qinghe::ClassicSettings s;
    s.surname = Trimmed(findChild<QLineEdit*>("Xing")->text());
    s.boy = m_birth1->sex->currentIndex() == 0;
    s.twoCharGiven = findChild<QComboBox*>("CBXingshi")->currentIndex() == 0;
    s.fixedChar = Trimmed(findChild<QLineEdit*>("Gudingzi")->text());
    s.fixedFirst = findChild<QComboBox*>("CBdijizi")->currentIndex() == 0;
    auto* code = findChild<QComboBox*>("CBCode");
    for (int i = 0; i < code->count(); ++i) s.combos.push_back(code->itemText(i).toStdString());
    s.chosenCombo = Trimmed(code->currentText());
    s.copyHighScores = findChild<QCheckBox*>("CBInitFee")->isChecked();
    s.highScoreText = findChild<QLineEdit*>("Sorcss")->text().toStdString();
    s.filterNames = findChild<QCheckBox*>("CBGuolv")->isChecked();
    auto* label = findChild<QLabel*>("LabelFavoured");
    if (findChild<QCheckBox*>("CBwuxing")->isChecked()) {
        FillFavouredElements();
        s.elements = qinghe::PrepareElements(FavouredElements, s.surname);
        QString shown;
        for (const std::string& e : qinghe::Utf8Chars(FavouredElements))
            shown += (shown.isEmpty() ? "" : " ") + QString::fromStdString(e);
        label->setText(QStringLiteral("喜用五行：") +
                       (shown.isEmpty() ? QStringLiteral("无") : shown));
    } else {
        label->clear();
    }
    return s;
}

void TFrmIndex::ShowClassicBatch(const qinghe::NameBatch& batch) {
    // Batches of a run that is no longer the current one are never shown.
    if (!GenerationThread || batch.run != GenerationThread->RunNumber()) return;
    if (!batch.rows.empty()) {
        // As plain text: the padding blanks keep the names in columns.
        QTextDocument* doc = findChild<QTextEdit*>("MemoSuccess")->document();
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
        for (const std::string& name : batch.highScores) names << QString::fromStdString(name);
        findChild<QListWidget*>("ListBox1")->addItems(names);
    }
    GenerationThread->BatchShown();
    if (!batch.last) return;
    m_classicRunShown = true;
    emit classicRunShown();
    if (m_classicStartPending) StartClassicRun();
}

void TFrmIndex::StartClassicRun() {
    m_classicStartPending = false;
    if (GenerationThread) GenerationThread->wait();  // it has handed over its last batch
    delete GenerationThread;
    findChild<QTextEdit*>("MemoSuccess")->clear();
    findChild<QListWidget*>("ListBox1")->clear();
    GenerationFlag = true;
    m_classicRunShown = false;
    GenerationThread = new TMythread(ClassicSnapshot(), ++m_classicRuns, GenerationFlag);
    connect(GenerationThread, &TMythread::batchReady, this, &TFrmIndex::ShowClassicBatch,
            Qt::QueuedConnection);
    GenerationThread->start();
}

void TFrmIndex::RzBitBtn5Click() {
    if (findChild<QRadioButton*>("RzRadioButton7")->isChecked() ||
        findChild<QRadioButton*>("RzRadioButton9")->isChecked())
        return;  // list and idiom modes
    // A new run waits for the earlier one to end in its own time, without blocking the
    // window: it starts when the earlier run's last batch is on screen.
    if (GenerationThread && !m_classicRunShown) {
        m_classicStartPending = true;
        return;
    }
    StartClassicRun();
}

void TFrmIndex::RzBitBtn2Click() {
    auto* stop = findChild<QPushButton*>("RzBitBtn2");
    if (stop->text() != QStringLiteral("停止起名")) return;  // list mode's next page
    stop->setEnabled(false);
    m_classicStartPending = false;
    if (GenerationThread)
        GenerationThread->Stop();  // clears GenerationFlag and wakes a waiting worker
    else
        GenerationFlag = false;
    // The button comes back after two seconds; the window stays responsive meanwhile.
    QTimer::singleShot(2000, stop, [stop] { stop->setEnabled(true); });
}
