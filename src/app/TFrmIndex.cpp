// The main window.
#include "app/TFrmIndex.h"

#include <QPalette>

TFrmIndex::TFrmIndex(QWidget* parent) : QMainWindow(parent) {
    setObjectName("TFrmIndex");
    setWindowTitle(QStringLiteral("青禾生辰八字取名软件"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);
    resize(800, 579);
}
