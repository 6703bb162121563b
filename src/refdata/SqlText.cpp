// Quoting of typed values for SQL texts.
#include "refdata/SqlText.h"

namespace qinghe {

std::string SqlQuote(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    out += '\'';
    for (char c : text) {
        if (c == '\'') out += '\'';
        out += c;
    }
    out += '\'';
    return out;
}

}  // namespace qinghe
