// A birth as the chart, the reports and generation take it (BirthMoment), the texts of a
// page's birth boxes it is read from (BirthInput), and the one function that reads them:
// at the window or CLI edge, once, raising the program's messages and conversion errors.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/CivilDate.h"

namespace qinghe {

// What one page's birth boxes hold, as the texts the user chose or typed (UTF-8).
struct BirthInput {
    std::string sex;       // "男" or "女"
    int calendarKind = 0;  // 0 公历 (Gregorian), 1 农历 (lunar)
    std::string year, month, day;
    std::string hourText;  // "丑 1": branch character, blank, hour number
    std::string minute;

    // The hour number of hourText; throws ConversionError when it has another form.
    int hour() const;
};

enum class CalendarKind { Gregorian, Lunar };

struct BirthMoment {
    CalendarKind calendar = CalendarKind::Gregorian;  // the calendar the date was given in
    CivilDate date;             // Gregorian; a lunar date is converted, 1900-01-31 to 2100-12-31
    int hour = 0;               // of the hour item, 0..99; the chart refuses a day's hour past 23
    std::optional<int> minute;  // none when the box holds no number; the chart refuses 60 on
    std::string minuteText;     // as typed: the reports' birth lines show "05分" for "05"
    bool male = true;           // "男"; any other sex text is female

    // The minute, for the calculations that need it; throws ConversionError ("'x' is not a
    // valid integer value") when the box held no number. The name window's report shows the
    // minute only, so a text there is no error.
    int Minute() const;
};

// Reads the boxes, checking in this order: an empty year, month, day or hour box is refused
// ("请选择出生年!" ...); a Gregorian date is read by ParseDate (ConversionError); a lunar
// date that does not exist is refused ("农历日期不存在，请检查输入!"); a date outside the lunar
// calendar's range is refused; then the hour item is read (ConversionError).
// Throws InputRefused and ConversionError with the texts the user sees.
BirthMoment ReadBirthMoment(const BirthInput& input);

// The number after the branch character and the blank of an hour item: "子 0" gives 0,
// "丑 1" gives 1, "子 23" gives 23. The branch only orients the user and is not checked;
// the number must be one or two decimal digits closing the text. Any other text throws
// ConversionError ("'x' is not a valid integer value", x being the part after the blank).
int HourOfHourText(std::string_view hourText);

// A box's text as a whole number: blanks around it ignored, at most nine decimal digits;
// anything else throws ConversionError ("'x' is not a valid integer value").
int IntegerOfBoxText(std::string_view text);

// The twenty-four hour items of every hour box, "子 0" to "子 23": each hour of the day
// with the branch of the double hour it lies in (子 spans 23 to 1).
inline constexpr const char* kHourItems[24] = {
    "子 0",  "丑 1",  "丑 2",  "寅 3",  "寅 4",  "卯 5",  "卯 6",  "辰 7",
    "辰 8",  "巳 9",  "巳 10", "午 11", "午 12", "未 13", "未 14", "申 15",
    "申 16", "酉 17", "酉 18", "戌 19", "戌 20", "亥 21", "亥 22", "子 23"};

}  // namespace qinghe
