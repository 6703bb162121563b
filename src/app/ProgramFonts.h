// The program's two fonts: a Song-style face for windows and a monospaced face for
// report areas, in which a Chinese character is exactly two ASCII widths so that the
// reports' columns (counted 2 per Chinese character, 1 per ASCII character) line up.
#pragma once

#include <QFont>

namespace qinghe {

inline constexpr int kWindowFontPixels = 12;
inline constexpr int kReportFontPixels = 14;  // even, so ASCII is a whole 7 pixels

// Noto Serif CJK SC at 12 pixels when installed, else the platform's default family.
QFont WindowFont();
// Noto Sans Mono CJK SC (half-width Latin, full-width Han) when installed.
QFont ReportFont();

}  // namespace qinghe
