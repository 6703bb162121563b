// Text helpers of the chart reports: UTF-8 characters, blank trimming and display width, where
// a Chinese character or full-width mark takes two cells and ASCII one, as in the double-byte
// code page the report columns were laid out for.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qinghe::chart {

// The characters of a UTF-8 text, each as its own text.
std::vector<std::string> Characters(std::string_view text);

// Without leading and trailing ASCII blanks.
std::string TrimBlanks(std::string_view text);

// Display cells: 1 for a code point below U+0080 (and for a stray byte), 2 for any other.
int DisplayCells(std::string_view text);

// The display cell at which each run of non-blank text begins: "ab   cd" gives {0, 5}.
std::vector<int> ColumnStarts(std::string_view line);

}  // namespace qinghe::chart
