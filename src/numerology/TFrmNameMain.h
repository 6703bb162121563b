// The stand-alone name-analysis window "姓名分析": name, birth boxes, its report in RzMemo1,
// "保存" and "退出". The result lists open it through OpenNameAnalysis, a fresh modal window
// each time, destroyed when it closes.
#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/BirthBoxes.h"

class QFileDialog;
class QLineEdit;
class QTextEdit;

class TFrmNameMain : public QDialog {
    Q_OBJECT
  public:
    explicit TFrmNameMain(QWidget* parent = nullptr);
    ~TFrmNameMain() override;

    std::unique_ptr<qinghe::BirthBoxes>
        m_birth;  // Sex, ComDate, SYear, SMonth, Sday, Shour, RzComboBox8

    // The window's own save dialog, made at the first save.
    QFileDialog* SaveDialog1();

  public slots:
    void RzButton1Click();     // "姓名分析"
    void dxBarButton2Click();  // "保存"
    void dxBarButton5Click();  // "退出"

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FormShow();

    QLineEdit* m_surname = nullptr;
    QLineEdit* m_given = nullptr;
    QTextEdit* m_memo = nullptr;
    QPointer<QFileDialog> m_saveDialog;
    std::vector<std::string> m_lines;  // the report shown, as written
    QString m_lastFullName;            // surname + given name of the last analysis
    bool m_shown = false;
};

namespace qinghe {

// Creates a TFrmNameMain over `parent`, fills its boxes and shows it modally; returns when the
// window has closed.
void OpenNameAnalysis(QWidget* parent, const QString& surname, const QString& sex,
                      const QString& year, const QString& given, int calendarIndex,
                      const QString& minute, const QString& hour, const QString& day,
                      const QString& month);

// The save of a report: proposes a name by the report rules, asks with `dialog`, writes the
// lines (".txt" added when missing). Nothing happens for an empty report or a cancel; a failed
// write shows its reason with ShowInfo.
void SaveReportWithDialog(QFileDialog* dialog, const QString& fullName,
                          const std::vector<std::string>& lines);

// Runs `write`, one of the name reports, into `lines`. Refused input or a conversion error is
// shown and gives false; a reading table that cannot be read ends the report where it stands,
// without a word; another report error leaves its text in `error`, to show after the lines.
bool WriteNameReportLines(const std::function<void(std::vector<std::string>&)>& write,
                          std::vector<std::string>& lines, QString& error);

// The lines of a plain text, split at '\n'.
std::vector<std::string> TextLines(const QString& text);

// A QFileDialog set up as the reports' save dialog: title "保存", text files, no questions
// before replacing a file.
QFileDialog* NewReportSaveDialog(QWidget* parent);

}  // namespace qinghe
