// Rules that turn Unihan data into the values name numerology uses: the Kangxi stroke
// count (radicals counted in their full forms: 氵 as 水 4, 艹 as 艸 6, 阝 as 阜 8 or 邑 7)
// and the five element of a character (by the meaning of its radical, otherwise by the
// sound class of its initial consonant).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qinghe {

// Strokes of Kangxi radical 1..214 as the Kangxi dictionary counts them; 0 outside.
int KangxiRadicalStrokes(int radical);

// The Kangxi count from a radical-stroke value such as "57.8" (kRSKangXi or kRSUnicode; the
// first of several values; a "'" after the radical number is ignored) and the character's
// own total strokes. A residual of 0 or less (the character is the radical or one of its
// variants, such as 王 "96.-1") keeps the total. Returns 0 when the value cannot be read.
int KangxiStrokeCount(std::string_view radicalStrokes, int totalStrokes);

// The numerals 一 to 十 count by their value in naming practice (四 4, 五 5 ... 十 10).
std::optional<int> NumeralStrokes(std::string_view c);

// 金 木 水 火 土 for the radicals whose meaning settles the element (金; 木 禾 竹 艸;
// 水 冫 雨; 火 日; 土 山 石); empty text otherwise.
std::string ElementByRadical(int radical);

// Element by the five-sound class of the initial of a pinyin reading (tone marks allowed):
// lips b p m f 水; tongue d t n l 火; molars g k j q x 木; teeth z c s zh ch sh r 金;
// throat h and readings without an initial 土. Empty for an empty reading.
std::string ElementByInitial(std::string_view pinyin);

// The radical number of a radical-stroke value ("57.8" -> 57), 0 when unreadable.
int RadicalOf(std::string_view radicalStrokes);

}  // namespace qinghe
