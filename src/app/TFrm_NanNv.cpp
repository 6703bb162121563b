// The boy-or-girl table window: caption, size (594 × 561, centred) and close button; the
// table of the mother's age 18 to 45 by month of conception in a memo, columns padded with
// blanks in the report font (a Chinese character two ASCII widths, so the columns line up),
// and the note under it.
#include "app/TFrm_NanNv.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>

#include "app/ProgramFonts.h"
#include "app/SecondaryWindow.h"
#include "base/Utf8.h"

namespace {

// Ages 18 to 45, one text per age, the sex of months 1 to 12 in order.
constexpr const char* kTable[28] = {
    "女男女男男男男男男男男男",  // 18
    "男女男女女男男男男男女女",  // 19
    "女男女男男男男男男女男男",  // 20
    "男女女女女女女女女女女女",  // 21
    "女男男女男女女男女女女女",  // 22
    "男男女男男女男女男男男女",  // 23
    "男女男男女男男女女女女女",  // 24
    "女男男女女男女男男男男男",  // 25
    "男女男女女男女男女女女女",  // 26
    "女男女男女女男男男男女男",  // 27
    "男女男女女女男男男男女女",  // 28
    "女男女女男男男男男男男女",  // 29
    "男女女女女女女女女女男男",  // 30
    "男女男女女女女女女女女男",  // 31
    "男女男女女女女女女女女男",  // 32
    "女男女男女女女男女女女男",  // 33
    "男女男女女女女女女女男男",  // 34
    "男男女男女女女男女女男男",  // 35
    "女男男女男女女女男男男男",  // 36
    "男女男男女男女男女男女男",  // 37
    "女男女男男女男女男女男女",  // 38
    "男女男男男女女男女男女女",  // 39
    "女男女男女男男女男女男女",  // 40
    "男女男女男女男男女男女男",  // 41
    "女男女男女男女男男女男女",  // 42
    "男女男女男女男女男男男男",  // 43
    "男男女男男男女男女男女女",  // 44
    "女男男女女女男女男女男男",  // 45
};

// `text` followed by blanks up to `cells` display cells.
std::string Padded(const std::string& text, int cells) {
    return text +
           std::string(static_cast<std::size_t>(std::max(0, cells - qinghe::DisplayWidth(text))),
                       ' ');
}

}  // namespace

QString BoyOrGirlTableText() {
    std::string text = Padded("年龄", 6);
    for (int m = 1; m <= 12; ++m) text += Padded(std::to_string(m) + "月", m < 12 ? 5 : 0);
    for (int age = 18; age <= 45; ++age) {
        std::string line = Padded(std::to_string(age), 6);
        const std::vector<std::string> months = qinghe::Utf8Chars(kTable[age - 18]);
        for (std::size_t m = 0; m < months.size(); ++m)
            line += Padded(months[m], m + 1 < months.size() ? 5 : 0);
        text += "\n" + line;
    }
    return QString::fromStdString(text);
}

TFrm_NanNv::TFrm_NanNv(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("TFrm_NanNv"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("生男生女"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(qinghe::WindowFont());
    auto* column = new QVBoxLayout(this);
    auto* table = new QPlainTextEdit(this);
    table->setObjectName(QStringLiteral("Memo1"));
    table->setReadOnly(true);
    table->setFont(qinghe::ReportFont());
    table->setLineWrapMode(QPlainTextEdit::NoWrap);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    table->setPlainText(BoyOrGirlTableText());
    column->addWidget(table, 1);
    auto* note = new QLabel(
        QStringLiteral("说明：此表年龄为母亲虚岁年龄，月份指怀孕月份，以农历为准。遇闰月，"
                       "上半月以上个月份计算，下半月以下个月份计算。"),
        this);
    note->setObjectName(QStringLiteral("Label1"));
    note->setWordWrap(true);
    column->addWidget(note);
    qinghe::SetOuterSizeCentred(this, QSize(594, 561));
}
