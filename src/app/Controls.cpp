// Sizes follow the window font: edits and panels are measured in Chinese characters, so
// they stay wide enough at any scale.
#include "app/Controls.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>

#include "app/ProgramFonts.h"

namespace qinghe {

QPushButton* NewButton(QWidget* parent, const char* name, const char* caption) {
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(QString::fromUtf8(name));
    b->setAutoDefault(false);
    return b;
}

QLabel* NewLabel(QWidget* parent, const char* text) {
    return new QLabel(QString::fromUtf8(text), parent);
}

QLineEdit* NewEdit(QWidget* parent, const char* name, int maxChars, int shownChars,
                   const char* text) {
    auto* e = new QLineEdit(QString::fromUtf8(text), parent);
    e->setObjectName(QString::fromUtf8(name));
    e->setMaxLength(maxChars);
    const int wide = e->fontMetrics().horizontalAdvance(QString(shownChars, QChar(0x4E2D)));
    e->setMinimumWidth(wide + 12);
    e->setMaximumWidth(wide + 12);
    return e;
}

QCheckBox* NewCheck(QWidget* parent, const char* name, const char* caption, bool checked) {
    auto* c = new QCheckBox(QString::fromUtf8(caption), parent);
    c->setObjectName(QString::fromUtf8(name));
    c->setChecked(checked);
    return c;
}

QListWidget* NewResultList(QWidget* parent, const char* name) {
    auto* l = new QListWidget(parent);
    l->setObjectName(QString::fromUtf8(name));
    // Result lists grow to a hundred thousand names: one line height for all keeps adding
    // rows from re-measuring every row.
    l->setUniformItemSizes(true);
    l->setLayoutMode(QListView::Batched);
    return l;
}

QPlainTextEdit* NewMemo(QWidget* parent, const char* name, bool readOnly) {
    auto* m = new QPlainTextEdit(parent);
    m->setObjectName(QString::fromUtf8(name));
    m->setReadOnly(readOnly);
    m->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    return m;
}

QHBoxLayout* NewRow(QBoxLayout* parent) {
    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    parent->addLayout(row);
    return row;
}

namespace {

class ExitFilter : public QObject {
  public:
    ExitFilter(QWidget* control, std::function<void()> handler)
        : QObject(control), m_handler(std::move(handler)) {
        control->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusOut) m_handler();
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<void()> m_handler;
};

}  // namespace

void OnExit(QWidget* control, std::function<void()> handler) {
    new ExitFilter(control, std::move(handler));
}

template <typename T>
T* AsReport(T* area) {
    area->setFont(ReportFont());
    return area;
}
template QPlainTextEdit* AsReport(QPlainTextEdit*);
template QTextEdit* AsReport(QTextEdit*);

ElementBoxes AddElementBoxes(QWidget* parent, QBoxLayout* row, const char* caption, int n) {
    row->addWidget(NewLabel(parent, caption));
    static const char* const kPinyin[5] = {"jin", "mu", "shui", "huo", "tu"};
    ElementBoxes e;
    for (int i = 0; i < 5; ++i) {
        const QByteArray name = QByteArray(kPinyin[i]) + QByteArray::number(n);
        e.boxes[i] = NewCheck(parent, name.constData(), kElementNames[i], false);
        row->addWidget(e.boxes[i]);
    }
    return e;
}

ListTabControls NewListTabs(QWidget* parent, const char* name, const ListTab (&tabs)[2]) {
    ListTabControls c;
    c.tabs = new QTabWidget(parent);
    c.tabs->setObjectName(QString::fromUtf8(name));
    for (int i = 0; i < 2; ++i) {
        const ListTab& t = tabs[i];
        auto* page = new QWidget(c.tabs);
        auto* column = new QVBoxLayout(page);
        column->setContentsMargins(2, 2, 2, 2);
        c.lists[i] = NewResultList(page, t.list);
        column->addWidget(c.lists[i], 1);
        auto* buttons = NewRow(column);
        c.buttons[i][0] = NewButton(page, t.button1Name, t.button1);
        c.buttons[i][1] = NewButton(page, t.button2Name, t.button2);
        buttons->addWidget(c.buttons[i][0]);
        buttons->addWidget(c.buttons[i][1]);
        c.tabs->addTab(page, QString::fromUtf8(t.caption));
    }
    c.tabs->setFixedWidth(c.tabs->fontMetrics().horizontalAdvance(QString(15, QChar(0x4E2D))));
    return c;
}

}  // namespace qinghe
