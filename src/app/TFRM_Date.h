// The perpetual-calendar window "春和日历": shown modally; the main window destroys the
// previous instance and creates a fresh one at every opening.
#pragma once

#include <QDialog>

class TFRM_Date : public QDialog {
    Q_OBJECT
  public:
    explicit TFRM_Date(QWidget* parent = nullptr);
};
