// Lunar conversions count days from the first day of each lunar year, found once from the
// anchor 1900-01-31 (first day of lunar 1900) by summing year lengths; LunarToSolar reaches
// the same days that counting from the other anchor, 2000-02-05, gives (the tests hold both).
#include "calendar/LunarCalendar.h"

#include <algorithm>
#include <bit>

namespace qinghe {

const std::array<std::uint16_t, 201> LunarYearTable = {
    0x4BD8, 0x4AE0, 0xA570, 0x54D5, 0xD260, 0xD950, 0x5554, 0x56AF, 0x9AD0, 0x55D2,  // 1900
    0x4AE0, 0xA5B6, 0xA4D0, 0xD250, 0xD295, 0xB54F, 0xD6A0, 0xADA2, 0x95B0, 0x4977,  // 1910
    0x497F, 0xA4B0, 0xB4B5, 0x6A50, 0x6D40, 0xAB54, 0x2B6F, 0x9570, 0x52F2, 0x4970,  // 1920
    0x6566, 0xD4A0, 0xEA50, 0x6A95, 0x5ADF, 0x2B60, 0x86E3, 0x92EF, 0xC8D7, 0xC95F,  // 1930
    0xD4A0, 0xD8A6, 0xB55F, 0x56A0, 0xA5B4, 0x25DF, 0x92D0, 0xD2B2, 0xA950, 0xB557,  // 1940
    0x6CA0, 0xB550, 0x5355, 0x4DAF, 0xA5B0, 0x4573, 0x52BF, 0xA9A8, 0xE950, 0x6AA0,  // 1950
    0xAEA6, 0xAB50, 0x4B60, 0xAAE4, 0xA570, 0x5260, 0xF263, 0xD950, 0x5B57, 0x56A0,  // 1960
    0x96D0, 0x4DD5, 0x4AD0, 0xA4D0, 0xD4D4, 0xD250, 0xD558, 0xB540, 0xB6A0, 0x95A6,  // 1970
    0x95BF, 0x49B0, 0xA974, 0xA4B0, 0xB27A, 0x6A50, 0x6D40, 0xAF46, 0xAB60, 0x9570,  // 1980
    0x4AF5, 0x4970, 0x64B0, 0x74A3, 0xEA50, 0x6B58, 0x5AC0, 0xAB60, 0x96D5, 0x92E0,  // 1990
    0xC960, 0xD954, 0xD4A0, 0xDA50, 0x7552, 0x56A0, 0xABB7, 0x25D0, 0x92D0, 0xCAB5,  // 2000
    0xA950, 0xB4A0, 0xBAA4, 0xAD50, 0x55D9, 0x4BA0, 0xA5B0, 0x5176, 0x52BF, 0xA930,  // 2010
    0x7954, 0x6AA0, 0xAD50, 0x5B52, 0x4B60, 0xA6E6, 0xA4E0, 0xD260, 0xEA65, 0xD530,  // 2020
    0x5AA0, 0x76A3, 0x96D0, 0x4AFB, 0x4AD0, 0xA4D0, 0xD0B6, 0xD25F, 0xD520, 0xDD45,  // 2030
    0xB5A0, 0x56D0, 0x55B2, 0x49B0, 0xA577, 0xA4B0, 0xAA50, 0xB255, 0x6D2F, 0xADA0,  // 2040
    0x4B63, 0x937F, 0x49F8, 0x4970, 0x64B0, 0x68A6, 0xEA5F, 0x6B20, 0xA6C4, 0xAAEF,  // 2050
    0x92E0, 0xD2E3, 0xC960, 0xD557, 0xD4A0, 0xDA50, 0x5D55, 0x56A0, 0xA6D0, 0x55D4,  // 2060
    0x52D0, 0xA9B8, 0xA950, 0xB4A0, 0xB6A6, 0xAD50, 0x55A0, 0xABA4, 0xA5B0, 0x52B0,  // 2070
    0xB273, 0x6930, 0x7337, 0x6AA0, 0xAD50, 0x4B55, 0x4B6F, 0xA570, 0x54E4, 0xD260,  // 2080
    0xE968, 0xD520, 0xDAA0, 0x6AA6, 0x56DF, 0x4AE0, 0xA9D4, 0xA4D0, 0xD150, 0xF252,  // 2090
    0xD520,                                                                          // 2100
};

namespace {

// Words outside the table read as 0 (no long months, no leap month), so no look-up can
// leave the table whatever year a caller passes.
unsigned Word(int year) {
    if (year < kFirstLunarYear || year > kLastLunarYear) return 0;
    return LunarYearTable[static_cast<std::size_t>(year - kFirstLunarYear)];
}

const CivilDate kLunar1900Start{1900, 1, 31};

// Serial day of the first day of each lunar year 1900..2101 (the last entry ends 2100).
const std::array<int, 202>& LunarNewYearDays() {
    static const std::array<int, 202> days = [] {
        std::array<int, 202> d{};
        d[0] = DaysFromCivil(kLunar1900Start);
        for (std::size_t i = 1; i < d.size(); ++i)
            d[i] = d[i - 1] + LunarYearDays(kFirstLunarYear + static_cast<int>(i) - 1);
        return d;
    }();
    return days;
}

constexpr const char* kDigits[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};
constexpr const char* kStems[] = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
constexpr const char* kBranches[] = {"子", "丑", "寅", "卯", "辰", "巳",
                                     "午", "未", "申", "酉", "戌", "亥"};
constexpr const char* kAnimals[] = {"鼠", "牛", "虎", "兔", "龙", "蛇",
                                    "马", "羊", "猴", "鸡", "狗", "猪"};

int Mod(int n, int m) {
    return ((n % m) + m) % m;
}

}  // namespace

int LunarYearDays(int year) {
    return 348 + std::popcount(Word(year) & 0xFFF0u) + LunarLeapDays(year);
}

int LunarLeapMonth(int year) {
    const int low = static_cast<int>(Word(year) & 0xFu);
    return low == 15 ? 0 : low;
}

int LunarLeapDays(int year) {
    if (LunarLeapMonth(year) == 0) return 0;
    return (Word(year + 1) & 0xFu) == 15 ? 30 : 29;
}

int LunarMonthDays(int year, int month) {
    const int shift = month <= 1 ? 0 : month - 1;
    if (shift > 15) return 29;
    return (Word(year) & (0x8000u >> shift)) ? 30 : 29;
}

LunarDate SolarToLunarDays(int serialDay) {
    const auto& starts = LunarNewYearDays();
    if (serialDay < starts[0] || serialDay > DaysFromCivil(2100, 12, 31)) return {};
    // The lunar year is the last one starting on or before the day.
    const auto it = std::upper_bound(starts.begin(), starts.end(), serialDay) - 1;
    const int year = kFirstLunarYear + static_cast<int>(it - starts.begin());
    int offset = serialDay - *it;
    const int leap = LunarLeapMonth(year);
    for (int month = 1; month <= 12; ++month) {
        const int days = LunarMonthDays(year, month);
        if (offset < days) return {year, month, offset + 1, false};
        offset -= days;
        if (month == leap) {
            const int leapDays = LunarLeapDays(year);
            if (offset < leapDays) return {year, month, offset + 1, true};
            offset -= leapDays;
        }
    }
    return {};  // unreachable: the year's months cover the days up to the next new year
}

LunarDate SolarToLunar(const CivilDate& date) {
    if (!IsValidCivil(date.year, date.month, date.day)) return {};
    return SolarToLunarDays(DaysFromCivil(date));
}

bool IsValidLunarDate(const LunarDate& d) {
    // Month and day below 1 are refused too: they would count backwards into another month.
    if (d.Year < 1901 || d.Year > 2099 || d.Month < 1 || d.Month > 12 || d.Day < 1 || d.Day > 30)
        return false;
    if (d.IsLeap) return d.Month == LunarLeapMonth(d.Year) && d.Day <= LunarLeapDays(d.Year);
    return d.Day <= LunarMonthDays(d.Year, d.Month);
}

CivilDate LunarToSolar(const LunarDate& d) {
    if (!IsValidLunarDate(d)) return {1, 1, 1};
    const int leap = LunarLeapMonth(d.Year);
    int offset = 0;
    for (int i = 1; i < d.Month; ++i) {
        offset += LunarMonthDays(d.Year, i);
        if (i == leap) offset += LunarLeapDays(d.Year);
    }
    offset += d.Day - 1;
    if (d.IsLeap) offset += LunarMonthDays(d.Year, d.Month);  // the ordinary month comes first
    return CivilFromDays(LunarNewYearDays()[static_cast<std::size_t>(d.Year - kFirstLunarYear)] +
                         offset);
}

std::string LunarDayName(int day) {
    if (day >= 1 && day <= 10) return std::string("初") + kDigits[day - 1];
    if (day >= 11 && day <= 19) return std::string("十") + kDigits[day - 11];
    if (day == 20) return "二十";
    if (day >= 21 && day <= 29) return std::string("廿") + kDigits[day - 21];
    if (day == 30) return "三十";
    return {};
}

std::string LunarMonthName(int month, bool leap) {
    std::string name = leap ? "闰" : "";
    if (month >= 1 && month <= 10)
        name += kDigits[month - 1];
    else if (month == 11)
        name += "十一";
    else if (month == 12)
        name += "十二";
    return name + "月";
}

std::string CycleYearText(int n) {
    return std::string(kStems[Mod(n, 10)]) + kBranches[Mod(n, 12)] + "(" + kAnimals[Mod(n, 12)] +
           "年)";
}

std::string LunarDateText(const LunarDate& d) {
    if (!d.ok()) return {};
    return CycleYearText(d.Year - 1864) + LunarMonthName(d.Month, d.IsLeap) + LunarDayName(d.Day);
}

std::string LunarAnimal(const LunarDate& d) {
    if (!d.ok()) return {};
    return kAnimals[Mod(d.Year - 1864, 12)];
}

}  // namespace qinghe
