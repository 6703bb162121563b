// The result lists of the naming and poetry pages: keeping an entry in the list beside, emptying
// it, copying a list to the clipboard (CR LF after every entry) and opening the analysis window
// for an entry, whose name is the text before its first "(".
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTableWidget>

#include "app/ShowInfo.h"
#include "app/TFrmIndex.h"
#include "numerology/TFrmNameMain.h"

namespace {

QListWidget* List(const QObject* w, const char* name) {
    return w->findChild<QListWidget*>(QString::fromLatin1(name));
}

void Keep(QListWidget* from, QListWidget* to) {
    if (from->count() == 0) return;
    const QListWidgetItem* item = from->currentItem();
    if (item == nullptr || !item->isSelected()) return;
    const QString entry = item->text();
    for (int i = 0; i < to->count(); ++i)
        if (to->item(i)->text() == entry) return;
    to->addItem(entry);
}

void Copy(const QObject* w, QListWidget* list) {
    QStringList entries;
    for (int i = 0; i < list->count(); ++i) entries << list->item(i)->text();
    w->findChild<QPlainTextEdit*>(QStringLiteral("MemoSave"))->setPlainText(entries.join('\n'));
    QString text;
    for (const QString& e : entries) text += e + QStringLiteral("\r\n");
    if (QClipboard* clipboard = QApplication::clipboard()) clipboard->setText(text);
    qinghe::ShowInfo(QStringLiteral("复制成功！"));
}

// Opens the analysis of `name` (surname and given name together) with one page's boxes.
void Analyse(TFrmIndex* w, const QString& name, const char* surnameBox,
             const qinghe::BirthBoxes& b) {
    const QString surname =
        w->findChild<QLineEdit*>(QString::fromLatin1(surnameBox))->text().trimmed();
    const QString given = name.mid(surname.size(), 10).trimmed();
    qinghe::OpenNameAnalysis(w, surname, b.sex->currentText().trimmed(), b.year->currentText(),
                             given, b.calendar->currentIndex(), b.minute->currentText(),
                             b.hour->currentText(), b.day->currentText(), b.month->currentText());
}

void AnalyseEntry(TFrmIndex* w, QListWidget* list, const char* surnameBox,
                  const qinghe::BirthBoxes& b) {
    if (list == nullptr || list->count() == 0) return;
    const QListWidgetItem* item = list->currentItem();
    if (item == nullptr) return;
    const QString entry = item->text();
    const qsizetype bracket = entry.indexOf(QLatin1Char('('));
    Analyse(w, bracket < 0 ? QString() : entry.left(bracket), surnameBox, b);
}

}  // namespace

void TFrmIndex::RzBitBtn24Click() {
    Keep(List(this, "ListBox1"), List(this, "ListBox2"));
}
void TFrmIndex::RzBitBtn36Click() {
    Keep(List(this, "ListBox3"), List(this, "ListBox4"));
}
void TFrmIndex::RzBitBtn30Click() {
    List(this, "ListBox2")->clear();
}
void TFrmIndex::RzBitBtn38Click() {
    List(this, "ListBox4")->clear();
}
void TFrmIndex::BtnFuzhiClick() {
    Copy(this, List(this, "ListBox1"));
}
void TFrmIndex::RzBitBtn29Click() {
    Copy(this, List(this, "ListBox2"));
}
void TFrmIndex::RzBitBtn35Click() {
    Copy(this, List(this, "ListBox3"));
}
void TFrmIndex::RzBitBtn37Click() {
    Copy(this, List(this, "ListBox4"));
}

void TFrmIndex::ListBox1DblClick() {
    // Both lists of the naming page come here; the one clicked is the sender.
    auto* list = qobject_cast<QListWidget*>(sender());
    AnalyseEntry(this, list ? list : List(this, "ListBox1"), "Xing", *m_birth1);
}

void TFrmIndex::ListBox3DblClick() {
    AnalyseEntry(this, List(this, "ListBox3"), "Xing5", *m_birth5);
}
void TFrmIndex::ListBox4DblClick() {
    AnalyseEntry(this, List(this, "ListBox4"), "Xing5", *m_birth5);
}

void TFrmIndex::RzStringGrid1DblClick() {
    if (m_grid == nullptr || m_grid->currentRow() < 0) return;
    const QTableWidgetItem* cell = m_grid->item(m_grid->currentRow(), 1);
    if (cell == nullptr || cell->text().trimmed().isEmpty()) return;
    Analyse(this, cell->text(), "Xing", *m_birth1);
}
