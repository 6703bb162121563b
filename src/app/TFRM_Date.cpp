// The perpetual-calendar window: caption, 339 × 319 outer size, white, centred, system
// menu only.
#include "app/TFRM_Date.h"

#include "app/ProgramFonts.h"
#include "app/SecondaryWindow.h"

TFRM_Date::TFRM_Date(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TFRM_Date"));
    setWindowTitle(QStringLiteral("春和日历"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFont(qinghe::WindowFont());
    qinghe::PaintWhite(this);
    qinghe::SetOuterSizeCentred(this, QSize(339, 319));
}
