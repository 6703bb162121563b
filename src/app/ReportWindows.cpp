// The dialog remembers the name it proposed or the user chose last, as a property, so the
// next save proposes from it.
#include "app/ReportWindows.h"

#include <QBoxLayout>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/Controls.h"
#include "app/ShowInfo.h"
#include "base/ReportFile.h"
#include "base/Utf8.h"

namespace qinghe {

ReportPageControls BuildReportPage(QWidget* page, const ReportPageNames& n) {
    ReportPageControls c;
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(6, 6, 6, 6);
    column->setSpacing(4);
    c.birth = std::make_unique<BirthBoxes>(page, n.boxes);
    auto* nameRow = NewRow(column);
    nameRow->addWidget(NewLabel(page, "姓氏"));
    c.surname = NewEdit(page, n.surname, 10, 5);
    nameRow->addWidget(c.surname);
    nameRow->addWidget(NewLabel(page, "名字"));
    c.givenName = NewEdit(page, n.givenName, 10, 5);
    nameRow->addWidget(c.givenName);
    c.birth->AddSexTo(nameRow);
    nameRow->addStretch(1);
    c.run = NewButton(page, n.runName, n.runCaption);
    c.save = NewButton(page, n.saveName, "保存");
    nameRow->addWidget(c.run);
    nameRow->addWidget(c.save);
    auto* dateRow = NewRow(column);
    dateRow->addWidget(NewLabel(page, "出生时间"));
    c.birth->AddDateTo(dateRow);
    dateRow->addStretch(1);
    c.memo = AsReport(NewMemo(page, n.memo, true));
    c.memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    column->addWidget(c.memo, 1);
    return c;
}

QFileDialog* NewReportSaveDialog(QWidget* parent) {
    auto* dialog = new QFileDialog(parent, QStringLiteral("保存"));
    dialog->setObjectName(QStringLiteral("SaveDialog1"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setNameFilter(QStringLiteral("文本文件 (*.txt)"));
    return dialog;
}

void SaveReportWithDialog(QFileDialog* dialog, const QString& fullName,
                          const std::vector<std::string>& lines) {
    bool empty = true;
    for (const std::string& line : lines) empty = empty && Trim(line).empty();
    if (empty) return;
    dialog->setWindowTitle(QStringLiteral("保存"));
    // Replacing a file is the user's choice of name; the write itself never damages it.
    dialog->setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog->setOption(QFileDialog::DontUseNativeDialog, true);
    const QString last = dialog->property("qinghe_lastProposed").toString();
    const QString proposed =
        QString::fromStdString(ProposedReportFileName(fullName.toStdString(), last.toStdString()));
    dialog->setProperty("qinghe_lastProposed", proposed);
    dialog->selectFile(proposed);
    if (dialog->exec() != QDialog::Accepted) return;
    const QStringList chosen = dialog->selectedFiles();
    if (chosen.isEmpty() || chosen.first().isEmpty()) return;
    dialog->setProperty("qinghe_lastProposed", chosen.first());
    try {
        SaveReportLines(ReportFilePath(chosen.first().toStdString()), lines);
    } catch (const ReportSaveError& e) {
        ShowInfo(QString::fromStdString(e.what()));
    }
}

std::vector<std::string> TextLines(const QString& text) {
    std::vector<std::string> lines;
    for (const QString& line : text.split(QLatin1Char('\n'))) lines.push_back(line.toStdString());
    return lines;
}

}  // namespace qinghe
