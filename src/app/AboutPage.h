// The about page "关于系统": what the program is, where its data come from, and that it
// reads only its own folder and sends nothing anywhere.
#pragma once

#include <QWidget>

class AboutPage : public QWidget {
    Q_OBJECT
  public:
    AboutPage();
};
