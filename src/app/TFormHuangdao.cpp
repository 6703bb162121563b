// The almanac window: caption, 600 × 464 client area, centred, system menu only.
#include "app/TFormHuangdao.h"

#include "app/ProgramFonts.h"
#include "app/SecondaryWindow.h"

TFormHuangdao::TFormHuangdao(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TFormHuangdao"));
    setWindowTitle(QStringLiteral("黄道吉日"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFont(qinghe::WindowFont());
    qinghe::PaintWhite(this);
    resize(600, 464);
    qinghe::CentreOnScreen(this);
}
