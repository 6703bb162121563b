// The name page's "详细分析" and "保存": the core writes the page report from the page's boxes
// into RzMemo1 line by line (a report cut short by a reference-file error keeps what was
// written), then the memo shows its first line; the save writes the memo's lines.
#include <QDate>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <string>
#include <vector>

#include "app/ShowInfo.h"
#include "app/TFrmIndex.h"
#include "numerology/NameReport.h"
#include "numerology/TFrmNameMain.h"
#include "refdata/Utf8.h"

namespace {

std::string TextOf(const QWidget* parent, const char* name) {
    return parent->findChild<QLineEdit*>(QString::fromLatin1(name))->text().toStdString();
}

}  // namespace

void TFrmIndex::ButtonNameClick() {
    std::vector<std::string> lines;
    QString error;
    const auto write = [&](std::vector<std::string>& out) {
        qinghe::WriteNamePageReport(TextOf(this, "Xing3"), TextOf(this, "NameB3"),
                                    m_birth3->Input(), QDate::currentDate().year(), out);
    };
    if (!qinghe::WriteNameReportLines(write, lines, error)) return;
    QStringList text;
    for (const std::string& line : lines) text << QString::fromStdString(line);
    auto* memo = findChild<QPlainTextEdit*>(QStringLiteral("RzMemo1"));
    memo->setPlainText(text.join(QLatin1Char('\n')));
    memo->moveCursor(QTextCursor::Start);
    memo->verticalScrollBar()->setValue(0);
    if (!error.isEmpty()) qinghe::ShowInfo(error);
}

void TFrmIndex::BitBtnsaveClick() {
    const QString fullName = QString::fromStdString(qinghe::Trim(TextOf(this, "Xing3")) +
                                                    qinghe::Trim(TextOf(this, "NameB3")));
    qinghe::SaveReportWithDialog(
        SaveDialog1(), fullName,
        qinghe::TextLines(findChild<QPlainTextEdit*>(QStringLiteral("RzMemo1"))->toPlainText()));
}

void TFrmIndex::RzBitBtn8Click() {
    const QString fullName =
        QString::fromStdString(qinghe::Trim(TextOf(this, "Xing2") + TextOf(this, "NameB2")));
    qinghe::SaveReportWithDialog(
        SaveDialog1(), fullName,
        qinghe::TextLines(findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))->toPlainText()));
}
