// Program start. The machine's date settings are never changed: every date the program
// reads from text goes through ParseDate, whose form is fixed.
#include "app/ProgramStart.h"

#include <QApplication>

#include "app/ProgramFonts.h"

namespace qinghe {

void SetUpApplication() {
    QApplication::setApplicationName(QStringLiteral("青禾生辰八字取名软件"));
    QApplication::setFont(WindowFont());
}

}  // namespace qinghe
