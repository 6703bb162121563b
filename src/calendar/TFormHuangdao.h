// The almanac window "黄道吉日": three editable boxes for the day (set to today on opening),
// "测算" and "关闭", the overview line, the day's entry and a fixed glossary of almanac terms.
// Shown modally; the main window destroys the previous instance at every opening.
#pragma once

#include <QDate>
#include <QDialog>

#include "refdata/ReferenceDb.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;

class TFormHuangdao : public QDialog {
    Q_OBJECT
  public:
    explicit TFormHuangdao(QWidget* parent = nullptr);

    // The window's clock: today. Tests fix it.
    static void SetToday(QDate today);

    // The query component on TalBirth.dll (its connection string, set at creation).
    std::string ADOQuery1;

  public slots:
    void RzBitBtn1Click();  // "测算"

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FormShow();

    QComboBox* m_year = nullptr;        // SYear
    QComboBox* m_month = nullptr;       // SMonth
    QComboBox* m_day = nullptr;         // Sday
    QLabel* m_overview = nullptr;       // Label1
    QPlainTextEdit* m_entry = nullptr;  // Memo1
    bool m_shown = false;
};
