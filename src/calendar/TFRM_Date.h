// The perpetual-calendar window "春和日历": one Gregorian month as 37 cells of Sunday-first
// weeks, each a day number over its lunar text (DateCn.h), the year's animal and the star
// sign of the selected day; year (1901-2050) and month steppers that stop at their ends,
// "今天", a remembered day number, a highlight box; it closes when it loses activation.
// Shown modally; the main window destroys the previous instance at every opening.
#pragma once

#include <QDate>
#include <QDialog>
#include <QToolButton>

#include "base/CivilDate.h"

class QLabel;
class QFrame;

// A pair of arrow buttons holding a position between two limits, as the window's steppers:
// an arrow at a limit does nothing (no wrap), and `clicked` follows every change.
class UpDown : public QWidget {
    Q_OBJECT
  public:
    UpDown(QWidget* parent, const char* name, int minimum, int maximum);
    int Position() const { return m_position; }
    void SetPosition(int position);
    void Step(int by);  // one arrow press

  signals:
    void clicked();

  private:
    int m_position, m_minimum, m_maximum;
};

class TFRM_Date : public QDialog {
    Q_OBJECT
  public:
    explicit TFRM_Date(QWidget* parent = nullptr);

    // The window's clock: today. Tests fix it.
    static void SetToday(QDate today);

    qinghe::CivilDate SelectedDate() const { return m_selected; }
    // Draws the month of `date` with that day selected.
    void DrawMonth(const qinghe::CivilDate& date);

  public slots:
    void Label17Click();      // the month number: shows the month stepper
    void Label1Click();       // the year: shows the year stepper
    void UpDown1Click();      // year stepped
    void UpDown2Click();      // month stepped
    void StaticText1Click();  // "今天"
    void DayClick(int cell);  // a day number or lunar text of a cell (1..37)

  protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormShow();
    void MoveHighlight(int cell, bool lunar);

    QLabel* m_days[37] = {};           // day numbers, cell 1 at index 0
    QLabel* m_lunar[37] = {};          // lunar texts
    QLabel* m_year = nullptr;          // Label1
    QLabel* m_month = nullptr;         // Label17
    QLabel* m_bigYear = nullptr;       // Label20
    QLabel* m_bigMonth = nullptr;      // Label16
    QLabel* m_animal = nullptr;        // Label21
    QLabel* m_sign = nullptr;          // Label22
    QFrame* m_highlight = nullptr;     // Shape2
    UpDown* m_yearStepper = nullptr;   // UpDown1
    UpDown* m_monthStepper = nullptr;  // UpDown2
    qinghe::CivilDate m_selected;
    int m_rememberedDay = 1;
};
