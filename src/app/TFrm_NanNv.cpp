// The boy-or-girl table window: caption, size (594 × 561, centred) and close button.
#include "app/TFrm_NanNv.h"

#include "app/ProgramFonts.h"
#include "app/SecondaryWindow.h"

TFrm_NanNv::TFrm_NanNv(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("TFrm_NanNv"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("生男生女"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(qinghe::WindowFont());
    qinghe::SetOuterSizeCentred(this, QSize(594, 561));
}
