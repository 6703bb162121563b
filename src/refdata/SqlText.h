// Building SQL texts from typed values: every value the user typed goes between single
// quotes with inner quotes doubled, so no typed text can change the shape of a query.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace qinghe {

// 'text' with every ' doubled: O'Brien -> 'O''Brien'.
std::string SqlQuote(std::string_view text);

// `text` with its placeholders %s and %d replaced by `values` in order, as they stand (the
// caller quotes typed text first); placeholders past the last value stay.
std::string Fill(std::string_view text, std::initializer_list<std::string> values);

}  // namespace qinghe
