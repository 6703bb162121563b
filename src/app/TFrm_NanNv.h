// The boy-or-girl table window "生男生女": opened modeless from the main window's menu,
// one more window at each opening, each living until the user closes it.
#pragma once

#include <QString>
#include <QWidget>

// The table as the window shows it: the header "年龄 1月 … 12月", then one line per age
// from 18 to 45, the columns padded with blanks.
QString BoyOrGirlTableText();

class TFrm_NanNv : public QWidget {
    Q_OBJECT
  public:
    explicit TFrm_NanNv(QWidget* parent = nullptr);
};
