// Lunar conversions: the almanac's edge cases, Chinese New Year dates of the Hong Kong
// Observatory's Gregorian-Lunar Calendar Conversion Table, and a day-by-day sweep.
#include <gtest/gtest.h>

#include "calendar/LunarCalendar.h"

namespace qinghe {
namespace {

std::string Show(const LunarDate& d) {
    return std::to_string(d.Year) + "-" + std::to_string(d.Month) + "-" + std::to_string(d.Day) +
           (d.IsLeap ? " leap" : "");
}

struct SolarLunarCase {
    const char* name;
    CivilDate solar;
    LunarDate lunar;
};

class SolarToLunarCases : public ::testing::TestWithParam<SolarLunarCase> {};

TEST_P(SolarToLunarCases, ConvertsToTheListedLunarDate) {
    const SolarLunarCase& c = GetParam();
    EXPECT_EQ(Show(SolarToLunar(c.solar)), Show(c.lunar)) << DateText(c.solar);
}

INSTANTIATE_TEST_SUITE_P(
    Almanac, SolarToLunarCases,
    ::testing::Values(
        SolarLunarCase{"FirstDayOfTheTable", {1900, 1, 31}, {1900, 1, 1, false}},
        SolarLunarCase{"DayBeforeTheTable", {1900, 1, 30}, {}},
        SolarLunarCase{"DayAfterTheTable", {2101, 1, 1}, {}},
        SolarLunarCase{"LastDayOfTheTable", {2100, 12, 31}, {2100, 12, 1, false}},
        SolarLunarCase{"ImpossibleGregorianDate", {2021, 2, 30}, {}},
        SolarLunarCase{"NewYear2000", {2000, 2, 5}, {2000, 1, 1, false}},
        SolarLunarCase{"EveOfNewYear2000", {2000, 2, 4}, {1999, 12, 29, false}},
        SolarLunarCase{"LeapFourthMonthOf2020", {2020, 5, 23}, {2020, 4, 1, true}},
        SolarLunarCase{"LastDayOfTheLeapMonth2020", {2020, 6, 20}, {2020, 4, 29, true}},
        SolarLunarCase{"FifthMonthAfterTheLeap2020", {2020, 6, 21}, {2020, 5, 1, false}},
        SolarLunarCase{"LeapSecondMonthOf2023", {2023, 3, 22}, {2023, 2, 1, true}},
        SolarLunarCase{"ThirtiethDayOfLeapFourth1906", {1906, 6, 21}, {1906, 4, 30, true}},
        // Chinese New Year dates, Hong Kong Observatory conversion tables (exact day).
        SolarLunarCase{"NewYear1901", {1901, 2, 19}, {1901, 1, 1, false}},
        SolarLunarCase{"NewYear1949", {1949, 1, 29}, {1949, 1, 1, false}},
        SolarLunarCase{"NewYear1984", {1984, 2, 2}, {1984, 1, 1, false}},
        SolarLunarCase{"NewYear2021", {2021, 2, 12}, {2021, 1, 1, false}},
        SolarLunarCase{"NewYear2023", {2023, 1, 22}, {2023, 1, 1, false}},
        SolarLunarCase{"NewYear2024", {2024, 2, 10}, {2024, 1, 1, false}},
        SolarLunarCase{"NewYear2033", {2033, 1, 31}, {2033, 1, 1, false}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LunarToSolar, FindsTheDaysOfTheAlmanac) {
    EXPECT_EQ(LunarToSolar({2020, 4, 1, true}), (CivilDate{2020, 5, 23}));
    EXPECT_EQ(LunarToSolar({2020, 4, 1, false}), (CivilDate{2020, 4, 23}));
    // The second anchor: the first day of lunar 2000 is 2000-02-05.
    EXPECT_EQ(LunarToSolar({2000, 1, 1, false}), (CivilDate{2000, 2, 5}));
    EXPECT_EQ(LunarToSolar({1906, 4, 30, true}), (CivilDate{1906, 6, 21}));
}

struct InvalidLunarCase {
    const char* name;
    LunarDate lunar;
};

class InvalidLunarDates : public ::testing::TestWithParam<InvalidLunarCase> {};

TEST_P(InvalidLunarDates, GiveTheFirstDayOfYearOne) {
    const LunarDate& d = GetParam().lunar;
    EXPECT_FALSE(IsValidLunarDate(d));
    EXPECT_EQ(LunarToSolar(d), (CivilDate{1, 1, 1}));
}

INSTANTIATE_TEST_SUITE_P(
    Refused, InvalidLunarDates,
    ::testing::Values(InvalidLunarCase{"LeapMonthOf2020HasOnly29Days", {2020, 4, 30, true}},
                      InvalidLunarCase{"TwelfthMonthOf1999HasOnly29Days", {1999, 12, 30, false}},
                      InvalidLunarCase{"Year1900IsRefused", {1900, 5, 1, false}},
                      InvalidLunarCase{"Year2100IsRefused", {2100, 1, 1, false}},
                      InvalidLunarCase{"LeapFlagOnAnOrdinaryMonth", {2020, 5, 1, true}},
                      InvalidLunarCase{"LeapFlagInAYearWithoutLeap", {2021, 4, 1, true}},
                      InvalidLunarCase{"MonthThirteen", {2020, 13, 1, false}},
                      InvalidLunarCase{"DayThirtyOne", {2020, 1, 31, false}},
                      InvalidLunarCase{"MonthZero", {2020, 0, 1, false}},
                      InvalidLunarCase{"DayZero", {2020, 1, 0, false}},
                      InvalidLunarCase{"NegativeDay", {2020, 1, -5, false}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LunarYearTable, LeapMonthLengthsComeFromTheNextYearsWord) {
    EXPECT_EQ(LunarLeapMonth(1906), 4);
    EXPECT_EQ(LunarLeapDays(1906), 30);  // 1907's word ends in F
    EXPECT_EQ(LunarLeapMonth(1900), 8);
    EXPECT_EQ(LunarLeapDays(1900), 29);
    EXPECT_EQ(LunarLeapMonth(1907), 0);  // F means no leap month of its own
    EXPECT_EQ(LunarLeapDays(2021), 0);
}

TEST(LunarYearTable, YearLengths) {
    EXPECT_EQ(LunarYearDays(1900), 384);
    EXPECT_EQ(LunarYearDays(2020), 384);
    EXPECT_EQ(LunarYearDays(2021), 354);
    // Every year has 12 or 13 months of 29 or 30 days.
    for (int y = kFirstLunarYear; y <= kLastLunarYear; ++y) {
        const int days = LunarYearDays(y);
        if (LunarLeapMonth(y) == 0)
            EXPECT_TRUE(days >= 353 && days <= 355) << y << ": " << days;
        else
            EXPECT_TRUE(days >= 383 && days <= 385) << y << ": " << days;
    }
}

TEST(LunarYearTable, MonthOneOrLessReadsTheFirstMonthsBit) {
    EXPECT_EQ(LunarMonthDays(2021, 0), LunarMonthDays(2021, 1));
    EXPECT_EQ(LunarMonthDays(2021, -3), LunarMonthDays(2021, 1));
    EXPECT_EQ(LunarMonthDays(1800, 1), 29);  // outside the table: no long months
}

// Every day 1901-2099 converts to lunar and back to itself, and successive days step through
// the lunar calendar one day at a time (a new month starts on day 1 after a 29th or 30th).
TEST(LunarSweep, EveryDayRoundTripsAndFollowsItsPredecessor) {
    const int first = DaysFromCivil(1901, 1, 1), last = DaysFromCivil(2099, 12, 31);
    LunarDate previous = SolarToLunarDays(first - 1);
    int failures = 0;
    for (int day = first; day <= last && failures < 5; ++day) {
        const LunarDate d = SolarToLunarDays(day);
        const CivilDate back = LunarToSolar(d);
        if (DaysFromCivil(back) != day && d.Year > 1900) {
            ADD_FAILURE() << DateText(CivilFromDays(day)) << " -> " << Show(d) << " -> "
                          << DateText(back);
            ++failures;
        }
        const bool nextDay = d.Year == previous.Year && d.Month == previous.Month &&
                             d.IsLeap == previous.IsLeap && d.Day == previous.Day + 1;
        const bool newMonth = d.Day == 1 && (previous.Day == 29 || previous.Day == 30);
        if (!nextDay && !newMonth) {
            ADD_FAILURE() << Show(previous) << " then " << Show(d);
            ++failures;
        }
        previous = d;
    }
}

struct DayNameCase {
    int day;
    const char* text;
};

class LunarDayNames : public ::testing::TestWithParam<DayNameCase> {};

TEST_P(LunarDayNames, NameTheDay) {
    EXPECT_EQ(LunarDayName(GetParam().day), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(All, LunarDayNames,
                         ::testing::Values(DayNameCase{0, ""}, DayNameCase{1, "初一"},
                                           DayNameCase{10, "初十"}, DayNameCase{11, "十一"},
                                           DayNameCase{19, "十九"}, DayNameCase{20, "二十"},
                                           DayNameCase{21, "廿一"}, DayNameCase{29, "廿九"},
                                           DayNameCase{30, "三十"}, DayNameCase{31, ""},
                                           DayNameCase{-1, ""}));

TEST(LunarMonthName, NamesMonthsAndLeapMonths) {
    EXPECT_EQ(LunarMonthName(1, false), "一月");
    EXPECT_EQ(LunarMonthName(10, false), "十月");
    EXPECT_EQ(LunarMonthName(12, false), "十二月");
    EXPECT_EQ(LunarMonthName(4, true), "闰四月");
    EXPECT_EQ(LunarMonthName(11, true), "闰十一月");
    EXPECT_EQ(LunarMonthName(13, false), "月");
    EXPECT_EQ(LunarMonthName(0, false), "月");
}

TEST(CycleYearText, CountsFromTheJiaziYear1864) {
    EXPECT_EQ(CycleYearText(1984 - 1864), "甲子(鼠年)");
    EXPECT_EQ(CycleYearText(2000 - 1864), "庚辰(龙年)");
    EXPECT_EQ(CycleYearText(2021 - 1864), "辛丑(牛年)");
    EXPECT_EQ(CycleYearText(1900 - 1864), "庚子(鼠年)");
    EXPECT_EQ(CycleYearText(-1), "癸亥(猪年)");  // 1863
}

TEST(LunarDateText, ComposesYearMonthAndDayWithTheLunarYearsAnimal) {
    EXPECT_EQ(LunarDateText({1984, 1, 1, false}), "甲子(鼠年)一月初一");
    EXPECT_EQ(LunarDateText(SolarToLunar({2020, 5, 23})), "庚子(鼠年)闰四月初一");
    EXPECT_EQ(LunarDateText({}), "");
    // 2021-02-03 lies after 立春 but before the lunar new year: still the rat.
    EXPECT_EQ(LunarAnimal(SolarToLunar({2021, 2, 3})), "鼠");
    EXPECT_EQ(LunarAnimal(SolarToLunar({2021, 2, 12})), "牛");
}

}  // namespace
}  // namespace qinghe
