// Program start: application title and fonts, the main window, the message loop. The
// quit sequence of the main window ends the process.
#include <QApplication>

#include "app/ProgramFonts.h"
#include "app/TFrmIndex.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("青禾生辰八字取名软件"));
    QApplication::setFont(qinghe::WindowFont());
    TFrmIndex window;
    window.show();
    return QApplication::exec();
}
