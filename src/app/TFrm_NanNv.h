// The boy-or-girl table window "生男生女": opened modeless from the main window's menu,
// one more window at each opening, each living until the user closes it.
#pragma once

#include <QWidget>

class TFrm_NanNv : public QWidget {
    Q_OBJECT
  public:
    explicit TFrm_NanNv(QWidget* parent = nullptr);
};
