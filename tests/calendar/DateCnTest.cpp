// The calendar window's day annotations: the tables' telling rows, one lunar calendar with
// the rest of the program on every day 1901-2050, festivals, terms, animals and star signs.
#include <gtest/gtest.h>

#include "calendar/DateCn.h"
#include "calendar/LunarCalendar.h"

namespace qinghe {
namespace {

std::array<std::uint8_t, 4> Entry(int year) {
    return CalendarLunarTable()[static_cast<std::size_t>(year - kCalendarFirstYear)];
}

std::array<std::uint8_t, 12> Terms(int year) {
    std::array<std::uint8_t, 12> out{};
    for (int m = 0; m < 12; ++m)
        out[static_cast<std::size_t>(m)] =
            CalendarTermTable()[static_cast<std::size_t>((year - kCalendarFirstYear) * 12 + m)];
    return out;
}

TEST(DateCn, TellingRowsOfTheTables) {
    // The published rows; 1984, 2000 and 2050 lie outside the four months the old table had
    // swapped.
    EXPECT_EQ(Entry(1901), (std::array<std::uint8_t, 4>{0x0B, 0x52, 0xBA, 0x00}));
    EXPECT_EQ(Entry(1984), (std::array<std::uint8_t, 4>{0x1D, 0xEC, 0x96, 0x0A}));
    EXPECT_EQ(Entry(2000), (std::array<std::uint8_t, 4>{0x19, 0xB2, 0x5B, 0x00}));
    // 2050: the last two length bits describe months of 2051, which no date of 2050 reaches;
    // the published row has 29 days for the 15th month, the lunar calendar 30.
    std::array<std::uint8_t, 4> e2050 = Entry(2050);
    e2050[2] &= 0xFC;
    EXPECT_EQ(e2050, (std::array<std::uint8_t, 4>{0x88, 0x2A, 0xD8, 0x03}));
    using T = std::array<std::uint8_t, 12>;
    EXPECT_EQ(Terms(1901),
              (T{0x96, 0xB4, 0x96, 0xA6, 0x97, 0x97, 0x78, 0x79, 0x79, 0x69, 0x78, 0x77}));
    EXPECT_EQ(Terms(1984),
              (T{0x96, 0xB4, 0xA5, 0xB5, 0xA6, 0xA6, 0x87, 0x88, 0x88, 0x78, 0x87, 0x87}));
    EXPECT_EQ(Terms(2000),
              (T{0x96, 0xB4, 0xA5, 0xB5, 0xA6, 0xA6, 0x87, 0x88, 0x88, 0x78, 0x87, 0x86}));
    // 2050: 白露 falls on 2050-09-07 at 18:00 China Standard Time (the exact moment of
    // `qinghe-cli terms 2050`), so September is 88; the published row's 78 put it on the 8th.
    EXPECT_EQ(Terms(2050),
              (T{0xA5, 0xC3, 0xA5, 0xB5, 0xA6, 0xA6, 0x87, 0x88, 0x88, 0x78, 0x87, 0x87}));
    EXPECT_EQ(CalendarSolarTerm({2050, 9, 7}), "白露");
}

// One lunar calendar in the whole program: the window's code is the lunar date of SolarToLunar
// on every day of its range (the old table's swapped months are gone).
TEST(DateCn, EveryDayAgreesWithTheLunarCalendar) {
    int differing = 0;
    for (int day = DaysFromCivil(1901, 1, 1); day <= DaysFromCivil(2050, 12, 31); ++day) {
        const CivilDate d = CivilFromDays(day);
        const LunarDate l = SolarToLunar(d);
        const int expected = l.IsLeap ? -(l.Month * 100 + l.Day) : l.Month * 100 + l.Day;
        if (CalendarLunarCode(d) != expected && ++differing <= 5)
            ADD_FAILURE() << DateText(d) << ": " << CalendarLunarCode(d) << " vs " << expected;
    }
    EXPECT_EQ(differing, 0);
    EXPECT_EQ(CalendarLunarCode({2013, 6, 8}), 501);  // 五月初一, not the old table's 430
    EXPECT_EQ(CalendarLunarCode({1900, 12, 31}), 0);
    EXPECT_EQ(CalendarLunarCode({2051, 1, 1}), 0);
    EXPECT_EQ(CalendarMonthText({2051, 1, 1}), "");
}

TEST(DateCn, CodesTextsAndLunarFestivals) {
    EXPECT_EQ(CalendarLunarCode({1901, 1, 1}), 1111);
    EXPECT_EQ(CalendarLunarCode({2000, 2, 5}), 101);
    EXPECT_EQ(CalendarLunarFestival({2000, 2, 5}), "春节");
    EXPECT_EQ(CalendarLunarFestival({2000, 2, 4}), "除夕");
    EXPECT_EQ(CalendarLunarCode({2020, 5, 23}), -401);
    EXPECT_EQ(CalendarMonthText({2020, 5, 23}), "闰四");
    EXPECT_EQ(CalendarDayText({2020, 5, 23}), "初一");
    EXPECT_EQ(CalendarLunarFestival({2020, 5, 27}), "");  // day 5 of a leap month
    EXPECT_EQ(CalendarMonthText({2000, 2, 5}), "正月");
    EXPECT_EQ(CalendarLunarFestival({2024, 9, 17}), "中秋节");
}

TEST(DateCn, SolarFestivalsTermsAnimalsAndSigns) {
    EXPECT_EQ(CalendarSolarFestival(12, {2024, 5, 1}), "母亲节");  // second Sunday
    EXPECT_EQ(CalendarSolarFestival(5, {2024, 5, 1}), "");         // first Sunday
    EXPECT_EQ(CalendarSolarFestival(1, {2022, 5, 1}), "劳动节");   // a Sunday stays 劳动节
    EXPECT_EQ(CalendarSolarFestival(16, {2024, 6, 1}), "父亲节");
    EXPECT_EQ(CalendarSolarFestival(28, {2024, 11, 1}), "感恩节");
    EXPECT_EQ(CalendarSolarTerm({1901, 1, 6}), "小寒");
    EXPECT_EQ(CalendarSolarTerm({1901, 1, 21}), "大寒");
    EXPECT_EQ(CalendarSolarTerm({1901, 1, 7}), "");
    EXPECT_EQ(CalendarAnimalText({2000, 1, 15}), "卯兔");
    EXPECT_EQ(CalendarAnimalText({2000, 2, 15}), "辰龙");
    EXPECT_EQ(CalendarZodiacSign({2024, 8, 23}), "处女座");
    EXPECT_EQ(CalendarZodiacSign({2024, 8, 22}), "狮子座");
    EXPECT_EQ(CalendarZodiacSign({2024, 12, 22}), "摩羯座");
}

}  // namespace
}  // namespace qinghe
