// Program start: application title and font, the main window, the message loop. The
// quit sequence of the main window ends the process.
#include <QApplication>

#include "app/ProgramStart.h"
#include "app/TFrmIndex.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    qinghe::SetUpApplication();
    TFrmIndex window;
    window.show();
    return QApplication::exec();
}
