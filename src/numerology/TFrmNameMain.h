// The stand-alone name-analysis window "姓名分析": name, birth boxes, its report in RzMemo1,
// "保存" and "退出". The result lists open it through OpenNameAnalysis, a fresh modal window
// each time, destroyed when it closes. WriteNameReportLines runs a name report for this
// window and the name-analysis page alike.
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

    // Fills the names and the birth boxes as a result list hands them over; the hour item
    // is chosen from the list and typed as well, so that an hour the list lacks stays.
    void Prefill(const QString& surname, const QString& given, const QString& sex,
                 const QString& year, const QString& month, const QString& day, const QString& hour,
                 const QString& minute, int calendarIndex);

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

    std::unique_ptr<qinghe::BirthBoxes> m_birth;  // Sex, ComDate, SYear, SMonth, Sday, Shour,
                                                  // RzComboBox8
    QLineEdit* m_surname = nullptr;               // NameA
    QLineEdit* m_given = nullptr;                 // NameB
    QTextEdit* m_memo = nullptr;
    QPointer<QFileDialog> m_saveDialog;
    QString m_lastFullName;  // surname + given name of the last analysis
    bool m_shown = false;
};

namespace qinghe {

// Creates a TFrmNameMain over `parent`, fills its boxes and shows it modally; returns when the
// window has closed.
void OpenNameAnalysis(QWidget* parent, const QString& surname, const QString& sex,
                      const QString& year, const QString& given, int calendarIndex,
                      const QString& minute, const QString& hour, const QString& day,
                      const QString& month);
// The same for a result entry: `fullName` is surname and given name together, the surname
// is the page's surname text and the birth comes from the page's boxes.
void OpenNameAnalysis(QWidget* parent, const QString& surnameText, const QString& fullName,
                      const BirthBoxes& boxes);

// Runs `write`, one of the name reports, into `lines`. Refused input or a conversion error is
// shown and gives false; a reading table that cannot be read ends the report where it stands,
// without a word; another report error leaves its text in `error`, to show after the lines.
bool WriteNameReportLines(const std::function<void(std::vector<std::string>&)>& write,
                          std::vector<std::string>& lines, QString& error);

}  // namespace qinghe
