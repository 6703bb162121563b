// Reading and writing dates as text: year, month and day in decimal joined by "-"
// ("2020-1-5", "2020-01-05"), the one date form of the whole program. Years 1 to 9999 of
// the proleptic Gregorian calendar; a text naming no such day is a conversion error.
#pragma once

#include <chrono>
#include <string>
#include <string_view>

namespace qinghe {

// Reads "yyyy-mm-dd" with "-" between the parts; blanks around the whole text are ignored,
// months and days may have one or two digits. Throws ConversionError
// ("'2020-2-30' is not a valid date") for any other text or an impossible date.
std::chrono::year_month_day ParseDateText(std::string_view text);

// The same form written out: four-digit year, two-digit month and day ("2020-01-05").
std::string FormatDateText(std::chrono::year_month_day date);

}  // namespace qinghe
