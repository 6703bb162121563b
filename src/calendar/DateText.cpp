// Reading and writing dates as "yyyy-mm-dd" joined by "-". The separator and field order
// are the program's fixed date form; the machine's locale never enters.
#include "calendar/DateText.h"

#include <cstdio>

#include "refdata/ReferenceDb.h"

namespace qinghe {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Reads 1 to maxDigits decimal digits at text[pos]; false when there are none or more.
bool ReadNumber(std::string_view text, std::size_t& pos, int maxDigits, int& value) {
    const std::size_t start = pos;
    value = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        if (static_cast<int>(pos - start) == maxDigits) return false;
        value = value * 10 + (text[pos] - '0');
        ++pos;
    }
    return pos > start;
}

}  // namespace

std::chrono::year_month_day ParseDateText(std::string_view text) {
    const auto fail = [&] {
        return ConversionError("'" + std::string(text) + "' is not a valid date");
    };
    std::string_view t = text;
    while (!t.empty() && IsBlank(t.front())) t.remove_prefix(1);
    while (!t.empty() && IsBlank(t.back())) t.remove_suffix(1);

    std::size_t pos = 0;
    int y = 0, m = 0, d = 0;
    if (!ReadNumber(t, pos, 4, y) || pos >= t.size() || t[pos++] != '-') throw fail();
    if (!ReadNumber(t, pos, 2, m) || pos >= t.size() || t[pos++] != '-') throw fail();
    if (!ReadNumber(t, pos, 2, d) || pos != t.size()) throw fail();

    const std::chrono::year_month_day date{std::chrono::year{y},
                                           std::chrono::month{static_cast<unsigned>(m)},
                                           std::chrono::day{static_cast<unsigned>(d)}};
    if (y < 1 || !date.ok()) throw fail();
    return date;
}

std::string FormatDateText(std::chrono::year_month_day date) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return buf;
}

}  // namespace qinghe
