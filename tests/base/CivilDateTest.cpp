// The serial day number and the date and moment texts: a sweep over four centuries, the
// Gregorian leap rules, and date texts that must be refused.
#include <gtest/gtest.h>

#include "base/CivilDate.h"
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
