// What every report page and window shares: the strip of name and birth boxes over the
// report of the name-analysis and chart pages, the save dialog set up for reports, the save
// of a report's lines through it, and the lines of a memo's text.
#pragma once

#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "app/BirthBoxes.h"

class QFileDialog;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace qinghe {

// The objectNames of a report page's controls.
struct ReportPageNames {
    const char* surname;
    const char* givenName;
    BirthBoxNames boxes;
    const char* runName;
    const char* runCaption;
    const char* saveName;
    const char* memo;
};

struct ReportPageControls {
    QLineEdit* surname = nullptr;
    QLineEdit* givenName = nullptr;
    std::unique_ptr<BirthBoxes> birth;
    QPushButton* run = nullptr;
    QPushButton* save = nullptr;
    QPlainTextEdit* memo = nullptr;  // read-only, report font, wrapping at the width
};

// Lays out `page`: surname, given name, sex, the run and save buttons; the birth boxes; the
// report below.
ReportPageControls BuildReportPage(QWidget* page, const ReportPageNames& names);

// A QFileDialog set up as the reports' save dialog: objectName SaveDialog1, title "保存",
// text files.
QFileDialog* NewReportSaveDialog(QWidget* parent);

// The save of a report: proposes a name by the report rules, asks with `dialog`, writes the
// lines (".txt" added when missing; GB18030, CR LF, never damaging an existing file on
// failure). Nothing happens for an empty report or a cancel; a failed write shows its
// reason with ShowInfo. Replacing a file asks no question.
void SaveReportWithDialog(QFileDialog* dialog, const QString& fullName,
                          const std::vector<std::string>& lines);

// The lines of a plain text, split at '\n'.
std::vector<std::string> TextLines(const QString& text);

}  // namespace qinghe
