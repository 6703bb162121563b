// The clipboard gets CR LF line ends, as the lists' texts are pasted into other programs.
#include "app/ResultLists.h"

#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QPlainTextEdit>

#include "app/ShowInfo.h"

namespace qinghe {

void KeepEntry(QListWidget* from, QListWidget* to) {
    if (from->count() == 0) return;
    const QListWidgetItem* item = from->currentItem();
    if (item == nullptr || !item->isSelected()) return;
    const QString entry = item->text();
    for (int i = 0; i < to->count(); ++i)
        if (to->item(i)->text() == entry) return;
    to->addItem(entry);
}

void CopyEntries(QListWidget* list, QPlainTextEdit* memoSave) {
    QStringList entries;
    for (int i = 0; i < list->count(); ++i) entries << list->item(i)->text();
    memoSave->setPlainText(entries.join('\n'));
    QString text;
    for (const QString& e : entries) text += e + QStringLiteral("\r\n");
    if (QClipboard* clipboard = QApplication::clipboard()) clipboard->setText(text);
    ShowInfo(QStringLiteral("复制成功！"));
}

std::optional<QString> CurrentEntryName(QListWidget* list) {
    if (list == nullptr || list->count() == 0) return std::nullopt;
    const QListWidgetItem* item = list->currentItem();
    if (item == nullptr) return std::nullopt;
    const QString entry = item->text();
    const qsizetype bracket = entry.indexOf(QLatin1Char('('));
    return bracket < 0 ? QString() : entry.left(bracket);
}

}  // namespace qinghe
