// What the birth boxes of one page hold when an operation reads them: sex, calendar
// kind, and year, month, day, hour item and minute as the texts the user chose or typed.
// Texts are UTF-8; consumers convert them to numbers and check them where they need to.
#pragma once

#include <string>
#include <string_view>

namespace qinghe {

struct BirthInput {
    std::string sex;       // "男" or "女"
    int calendarKind = 0;  // 0 公历 (Gregorian), 1 农历 (lunar)
    std::string year, month, day;
    std::string hourText;  // "丑 1": branch character, blank, hour number
    std::string minute;

    // The hour number of hourText; throws ConversionError when it has another form.
    int hour() const;
};

// The number after the branch character and the blank of an hour item: "子 0" gives 0,
// "丑 1" gives 1, "子 23" gives 23. The branch only orients the user and is not checked;
// the number must be one or two decimal digits closing the text. Any other text throws
// ConversionError ("'x' is not a valid integer value", x being the part after the blank).
int HourOfHourText(std::string_view hourText);

// The twenty-four hour items of every hour box, "子 0" to "子 23": each hour of the day
// with the branch of the double hour it lies in (子 spans 23 to 1).
inline constexpr const char* kHourItems[24] = {
    "子 0",  "丑 1",  "丑 2",  "寅 3",  "寅 4",  "卯 5",  "卯 6",  "辰 7",
    "辰 8",  "巳 9",  "巳 10", "午 11", "午 12", "未 13", "未 14", "申 15",
    "申 16", "酉 17", "酉 18", "戌 19", "戌 20", "亥 21", "亥 22", "子 23"};

}  // namespace qinghe
