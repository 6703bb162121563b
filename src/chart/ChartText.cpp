// Every character outside ASCII counts two cells: the report's characters are CJK ideographs
// and full-width punctuation, all of which were two bytes in the old code page.
#include "chart/ChartText.h"

#include <algorithm>

namespace qinghe::chart {
namespace {

// Bytes of the UTF-8 sequence that starts with lead byte c (1 for ASCII and stray bytes).
std::size_t SequenceLength(unsigned char c) {
    if (c >= 0xF0) return 4;
    if (c >= 0xE0) return 3;
    if (c >= 0xC0) return 2;
    return 1;
}

}  // namespace

std::vector<std::string> Characters(std::string_view text) {
    std::vector<std::string> chars;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n =
            std::min(SequenceLength(static_cast<unsigned char>(text[i])), text.size() - i);
        chars.emplace_back(text.substr(i, n));
        i += n;
    }
    return chars;
}

std::string TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

int DisplayCells(std::string_view text) {
    int cells = 0;
    for (const std::string& c : Characters(text)) cells += c.size() == 1 ? 1 : 2;
    return cells;
}

std::vector<int> ColumnStarts(std::string_view line) {
    std::vector<int> starts;
    int cell = 0;
    bool inBlank = true;
    for (const std::string& c : Characters(line)) {
        const bool blank = c == " ";
        if (!blank && inBlank) starts.push_back(cell);
        inBlank = blank;
        cell += c.size() == 1 ? 1 : 2;
    }
    return starts;
}

}  // namespace qinghe::chart
