// The main window: caption, size and the page area. Its pages, toolbar and menu are
// filled in by the subsystems that own them.
#pragma once

#include <QMainWindow>

class TFrmIndex : public QMainWindow {
    Q_OBJECT
public:
    explicit TFrmIndex(QWidget* parent = nullptr);
};
