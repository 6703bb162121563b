// Building SQL texts from typed values: every value the user typed goes between single
// quotes with inner quotes doubled, so no typed text can change the shape of a query.
#pragma once

#include <string>
#include <string_view>

namespace qinghe {

// 'text' with every ' doubled: O'Brien -> 'O''Brien'.
std::string SqlQuote(std::string_view text);

}  // namespace qinghe
