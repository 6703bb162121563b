// The controls every page builds the same way: buttons, labels, one-line edits sized in
// Chinese characters, check boxes, result lists, memos, rows, the five element boxes and
// the side panel of two result lists. Each control gets its objectName at birth.
#pragma once

#include <QString>
#include <functional>

class QBoxLayout;
class QCheckBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QWidget;

namespace qinghe {

QPushButton* NewButton(QWidget* parent, const char* name, const char* caption);
QLabel* NewLabel(QWidget* parent, const char* text);
// An edit of at most `maxChars` characters, wide enough to show `shownChars` Chinese
// characters in the current font.
QLineEdit* NewEdit(QWidget* parent, const char* name, int maxChars, int shownChars,
                   const char* text = "");
QCheckBox* NewCheck(QWidget* parent, const char* name, const char* caption, bool checked);
QListWidget* NewResultList(QWidget* parent, const char* name);
QPlainTextEdit* NewMemo(QWidget* parent, const char* name, bool readOnly);
QHBoxLayout* NewRow(QBoxLayout* parent);

// Runs `handler` whenever `control` loses the focus (the controls' Exit events).
void OnExit(QWidget* control, std::function<void()> handler);

// A report area: the monospaced report font, in which a Chinese character is two ASCII
// widths.
template <typename T>
T* AsReport(T* area);

// The five element boxes 金 木 水 火 土 named jinN, muN, shuiN, huoN, tuN after a caption.
struct ElementBoxes {
    QCheckBox* boxes[5] = {};  // 金 木 水 火 土
};
ElementBoxes AddElementBoxes(QWidget* parent, QBoxLayout* row, const char* caption, int n);
inline constexpr const char* kElementNames[5] = {"金", "木", "水", "火", "土"};

// A side panel of two tabs, each a result list over two buttons.
struct ListTab {
    const char* caption;
    const char* list;
    const char* button1Name;
    const char* button1;
    const char* button2Name;
    const char* button2;
};
struct ListTabControls {
    QTabWidget* tabs = nullptr;
    QListWidget* lists[2] = {};
    QPushButton* buttons[2][2] = {};  // [tab][button]
};
ListTabControls NewListTabs(QWidget* parent, const char* name, const ListTab (&tabs)[2]);

}  // namespace qinghe
