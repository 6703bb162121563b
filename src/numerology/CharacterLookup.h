// Look-ups of one character in the character table `word` of Redoviv.dll: Kangxi stroke
// count, first pinyin reading, five element and traditional form. A character is found by
// its simplified form first, then by its traditional form. Engine errors read as "not found".
#pragma once

#include <string>
#include <string_view>

namespace qinghe {

// Kangxi strokes, 0 when the character is not in the table.
int StrokeCount(std::string_view c);

// The first reading (the text before the first "、"), or empty text.
std::string PinyinOf(std::string_view c);

// 金 木 水 火 土, or empty text.
std::string CharElement(std::string_view c);

// The first character of the traditional form, or empty text.
std::string TraditionalOf(std::string_view c);

}  // namespace qinghe
