// The almanac window "黄道吉日": shown modally; the main window destroys the previous
// instance and creates a fresh one at every opening.
#pragma once

#include <QDialog>

class TFormHuangdao : public QDialog {
    Q_OBJECT
  public:
    explicit TFormHuangdao(QWidget* parent = nullptr);
};
