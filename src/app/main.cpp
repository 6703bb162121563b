// Program start: application title, the main window, the message loop.
#include <QApplication>
#include <QScreen>

#include "app/TFrmIndex.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("青禾生辰八字取名软件"));
    TFrmIndex window;
    window.move(window.screen()->availableGeometry().center() - window.rect().center());
    window.show();
    return QApplication::exec();
}
