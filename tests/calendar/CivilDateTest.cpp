// The serial day number and the date and moment texts: a sweep over four centuries, the
// Gregorian leap rules, and date texts that must be refused.
#include <gtest/gtest.h>

#include "calendar/CivilDate.h"
#include "refdata/ReferenceDb.h"

namespace qinghe {
namespace {

TEST(DayNumber, EveryDayOfFourCenturiesRoundTripsAndFollowsTheDayBefore) {
    // 1600-01-01 .. 2400-12-31 covers both kinds of century year.
    CivilDate previous = CivilFromDays(DaysFromCivil(1599, 12, 31));
    for (int d = DaysFromCivil(1600, 1, 1); d <= DaysFromCivil(2400, 12, 31); ++d) {
        const CivilDate c = CivilFromDays(d);
        ASSERT_EQ(DaysFromCivil(c), d);
        const bool nextDay =
            c.year == previous.year && c.month == previous.month && c.day == previous.day + 1;
        const bool nextMonth =
            c.day == 1 && previous.day == DaysInMonth(previous.year, previous.month);
        ASSERT_TRUE(nextDay || nextMonth) << DateText(previous) << " then " << DateText(c);
        previous = c;
    }
    EXPECT_EQ(DaysFromCivil(1970, 1, 1), 0);
    EXPECT_EQ(DateText(CivilFromDays(-1)), "1969-12-31");
}

TEST(DayNumber, GregorianLeapYears) {
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
    EXPECT_EQ(DaysInMonth(1900, 2), 28);
    EXPECT_EQ(DaysInMonth(2024, 2), 29);
    EXPECT_EQ(DaysInMonth(2100, 2), 28);
    EXPECT_EQ(DaysInMonth(2021, 13), 0);
    EXPECT_EQ(DayOfYear({2000, 12, 31}), 366);
    EXPECT_EQ(DayOfYear({2021, 3, 1}), 60);
}

TEST(ParseDate, ReadsYearMonthDayJoinedByDashes) {
    EXPECT_EQ(ParseDate("2020-1-5"), (CivilDate{2020, 1, 5}));
    EXPECT_EQ(ParseDate("2020-01-05"), (CivilDate{2020, 1, 5}));
    EXPECT_EQ(ParseDate("2000-02-29"), (CivilDate{2000, 2, 29}));
}

class RefusedDateTexts : public ::testing::TestWithParam<const char*> {};

TEST_P(RefusedDateTexts, RaiseTheConversionError) {
    const std::string text = GetParam();
    try {
        ParseDate(text);
        FAIL() << "accepted '" << text << "'";
    } catch (const ConversionError& e) {
        EXPECT_EQ(std::string(e.what()), "'" + text + "' is not a valid date");
    }
}

INSTANTIATE_TEST_SUITE_P(Impossible, RefusedDateTexts,
                         ::testing::Values("", "2021-02-29", "1900-02-29", "2021-13-01",
                                           "2021-00-10", "2021-04-31", "2021-1-0", "2021/01/05",
                                           "2021-01-05 12:00", "20210105", "-2021-01-05",
                                           "2021-01-", "abcd-01-05", "12345-01-01"));

TEST(Moment, TextsToTheSecondAndBack) {
    Moment m;
    ASSERT_TRUE(ParseMoment("2021-02-03 22:58:47", m));
    EXPECT_EQ(MomentText(m), "2021-02-03 22:58:47");
    EXPECT_EQ(DateOf(m), (CivilDate{2021, 2, 3}));
    ASSERT_TRUE(ParseMoment("1900-01-06 02:04:04", m));  // before 1970
    EXPECT_EQ(MomentText(m), "1900-01-06 02:04:04");
    EXPECT_EQ(MomentText(RoundedToSecond({m.ms - 500})), "1900-01-06 02:04:04");
    EXPECT_EQ(MomentText(RoundedToSecond({m.ms - 501})), "1900-01-06 02:04:03");
    EXPECT_FALSE(ParseMoment("2021-02-03 24:00:00", m));
    EXPECT_FALSE(ParseMoment("2021-02-30 10:00:00", m));
    EXPECT_FALSE(ParseMoment("2021-02-03 10:00", m));
    EXPECT_FALSE(ParseMoment("2021-02-03T10:00:00", m));
}

}  // namespace
}  // namespace qinghe
