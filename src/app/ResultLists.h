// The result lists of the naming and poetry pages: keeping an entry in the list beside,
// copying a list to the clipboard (CR LF after every entry) and the name an entry stands
// for, the text before its first "(" ("张嘉禾(85分)" gives 张嘉禾).
#pragma once

#include <QString>
#include <optional>

class QListWidget;
class QPlainTextEdit;

namespace qinghe {

// Adds the selected entry of `from` to `to` unless `to` holds it already.
void KeepEntry(QListWidget* from, QListWidget* to);

// Puts the entries on the clipboard, staged in `memoSave` one per line, and says "复制成功！".
void CopyEntries(QListWidget* list, QPlainTextEdit* memoSave);

// The name of the list's current entry (empty when the entry has no "("); none when the list
// is empty or has no current entry.
std::optional<QString> CurrentEntryName(QListWidget* list);

}  // namespace qinghe
