// Window and report fonts. Noto CJK comes from Debian's fonts-noto-cjk; without it the
// platform's fallback fonts render the text, only the report columns may then drift.
#include "app/ProgramFonts.h"

#include <QFontDatabase>

namespace qinghe {

namespace {
QFont Face(const QString& family, int pixels, QFont::StyleHint hint) {
    QFont font;
    if (QFontDatabase::hasFamily(family)) font.setFamily(family);
    font.setStyleHint(hint);
    font.setPixelSize(pixels);
    return font;
}
}  // namespace

QFont WindowFont() {
    return Face(QStringLiteral("Noto Serif CJK SC"), kWindowFontPixels, QFont::Serif);
}

QFont ReportFont() {
    QFont font =
        Face(QStringLiteral("Noto Sans Mono CJK SC"), kReportFontPixels, QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

}  // namespace qinghe
