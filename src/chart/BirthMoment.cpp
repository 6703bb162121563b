// Reading the birth boxes. The hour item is a branch character, one blank and the hour;
// only the hour is read, so "子 0" and "子 23" stay two different hours.
#include "chart/BirthMoment.h"

#include "base/Errors.h"
#include "base/Utf8.h"
#include "calendar/LunarCalendar.h"

namespace qinghe {

namespace {

// Bytes of the UTF-8 sequence that starts with lead byte c (1 for stray bytes).
std::size_t SequenceLength(unsigned char c) {
    if (c >= 0xF0) return 4;
    if (c >= 0xE0) return 3;
    if (c >= 0xC0) return 2;
    return 1;
}

CivilDate BirthDateOf(const BirthInput& input) {
    if (Trim(input.year).empty()) throw InputRefused("请选择出生年!");
    if (Trim(input.month).empty()) throw InputRefused("请选择出生月!");
    if (Trim(input.day).empty()) throw InputRefused("请选择出生日!");
    if (Trim(input.hourText).empty()) throw InputRefused("请选择出生小时!");
    CivilDate date;
    if (input.calendarKind == 0) {
        date = ParseDate(Trim(input.year) + "-" + Trim(input.month) + "-" + Trim(input.day));
    } else {
        // The boxes offer no leap month: a lunar input always names the ordinary month.
        const LunarDate lunar{IntegerOfBoxText(input.year), IntegerOfBoxText(input.month),
                              IntegerOfBoxText(input.day), false};
        if (!IsValidLunarDate(lunar)) throw InputRefused("农历日期不存在，请检查输入!");
        date = LunarToSolar(lunar);
    }
    // The lunar date, animal and years of life need a date the lunar calendar covers.
    if (!SolarToLunar(date).ok())
        throw InputRefused("出生日期须在1900年1月31日至2100年12月31日之间!");
    return date;
}

}  // namespace

int HourOfHourText(std::string_view hourText) {
    std::string_view number;
    if (!hourText.empty()) {
        const std::size_t branch = SequenceLength(static_cast<unsigned char>(hourText[0]));
        if (hourText.size() > branch && hourText[branch] == ' ')
            number = hourText.substr(branch + 1);
    }
    const bool digits = !number.empty() && number.size() <= 2 &&
                        number.find_first_not_of("0123456789") == std::string_view::npos;
    if (!digits) {
        throw ConversionError("'" + std::string(number) + "' is not a valid integer value");
    }
    int hour = 0;
    for (char c : number) hour = hour * 10 + (c - '0');
    return hour;
}

int BirthInput::hour() const {
    return HourOfHourText(hourText);
}

int IntegerOfBoxText(std::string_view text) {
    const std::string t = Trim(text);
    int value = 0;
    bool digits = !t.empty() && t.size() <= 9;
    for (std::size_t i = 0; digits && i < t.size(); ++i) {
        if (t[i] < '0' || t[i] > '9')
            digits = false;
        else
            value = value * 10 + (t[i] - '0');
    }
    if (!digits) throw ConversionError("'" + t + "' is not a valid integer value");
    return value;
}

int BirthMoment::Minute() const {
    return minute ? *minute : IntegerOfBoxText(minuteText);  // the latter throws the box's error
}

BirthMoment ReadBirthMoment(const BirthInput& input) {
    BirthMoment m;
    m.calendar = input.calendarKind == 0 ? CalendarKind::Gregorian : CalendarKind::Lunar;
    m.date = BirthDateOf(input);
    m.hour = input.hour();
    try {
        m.minute = IntegerOfBoxText(input.minute);
    } catch (const ConversionError&) {
        // Only the calculations that use the minute refuse it (Minute()).
    }
    m.minuteText = input.minute;
    m.male = Trim(input.sex) == "男";
    return m;
}

}  // namespace qinghe
