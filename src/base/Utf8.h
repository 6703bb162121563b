// UTF-8 text helpers shared by every subsystem: splitting into characters, trimming, and
// the display width of a text (2 columns for a Chinese character or full-width mark, 1
// for ASCII), which every aligned report uses.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qinghe {

// The characters (code points) of a UTF-8 text, each as its own UTF-8 text. Invalid bytes
// come out one by one.
std::vector<std::string> Utf8Chars(std::string_view text);

std::size_t Utf8Length(std::string_view text);

// Decodes one code point at text[i] and advances i; returns U+FFFD for an invalid byte.
char32_t DecodeUtf8(std::string_view text, std::size_t& i);
std::string EncodeUtf8(char32_t c);

// Without leading and trailing blanks (ASCII white space and the full-width blank).
std::string Trim(std::string_view text);

// Display columns: 2 for East Asian wide and full-width characters, 1 otherwise.
int DisplayWidth(std::string_view text);

// A whole decimal number, "-" allowed in front, that fits an int; none for any other text
// (blanks included: trim first where they are allowed).
std::optional<int> ParseInt(std::string_view text);

}  // namespace qinghe
