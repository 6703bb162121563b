// The program's one date form, "yyyy-mm-dd" joined by "-": what it accepts, what it
// refuses, and the error text of a refusal. Valid days follow the proleptic Gregorian
// calendar (leap years: divisible by 4, except centuries not divisible by 400).
#include <gtest/gtest.h>

#include <string>

#include "base/CivilDate.h"
#include "refdata/ReferenceDb.h"

using qinghe::CivilDate;
using qinghe::ConversionError;
using qinghe::ParseDate;

struct GoodDate {
    const char* text;
    int y, m, d;
};

class DateTextReads : public testing::TestWithParam<GoodDate> {};

TEST_P(DateTextReads, TheDayItNames) {
    const GoodDate& c = GetParam();
    EXPECT_EQ(ParseDate(c.text), (CivilDate{c.y, c.m, c.d}));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DateTextReads,
    testing::Values(GoodDate{"2020-1-5", 2020, 1, 5}, GoodDate{"2020-01-05", 2020, 1, 5},
                    GoodDate{" 1984-12-31 ", 1984, 12, 31}, GoodDate{"2000-2-29", 2000, 2, 29},
                    GoodDate{"2024-02-29", 2024, 2, 29}, GoodDate{"1900-1-1", 1900, 1, 1},
                    GoodDate{"2030-12-31", 2030, 12, 31}, GoodDate{"9999-12-31", 9999, 12, 31},
                    GoodDate{"1-1-1", 1, 1, 1}));

class DateTextRefuses : public testing::TestWithParam<const char*> {};

TEST_P(DateTextRefuses, WithTheConversionErrorNamingTheText) {
    const std::string text = GetParam();
    try {
        ParseDate(text);
        FAIL() << "accepted '" << text << "'";
    } catch (const ConversionError& e) {
        EXPECT_EQ(std::string(e.what()), "'" + text + "' is not a valid date");
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, DateTextRefuses,
                         testing::Values("2020-2-30", "1900-2-29",  // 1900 is no leap year
                                         "2023-2-29", "2020-4-31", "2020-13-1", "2020-0-10",
                                         "2020-1-0", "0-1-1", "", "   ", "2020", "2020-1",
                                         "2020-1-", "-1-5", "2020/1/5", "2020.1.5", "2020-1-5-",
                                         "2020-1-5 3", "20201-1-5", "2020-001-5", "2020-1-005",
                                         "2020--1-5", "2020-+1-5", "2020-一-5", "二〇二〇-1-5",
                                         "2020 -1-5", "2021-01-05 12:00", "20210105", "abcd-01-05",
                                         "12345-01-01"));

TEST(DateText, EveryDayFrom1900To2100RoundTripsThroughItsText) {
    for (int day = qinghe::DaysFromCivil(1900, 1, 1); day <= qinghe::DaysFromCivil(2100, 12, 31);
         ++day) {
        const CivilDate d = qinghe::CivilFromDays(day);
        const std::string text = qinghe::DateText(d);
        ASSERT_EQ(ParseDate(text), d) << text;
    }
}

TEST(DateText, WritesFourDigitYearAndTwoDigitMonthAndDay) {
    EXPECT_EQ(qinghe::DateText({2020, 1, 5}), "2020-01-05");
    EXPECT_EQ(qinghe::DateText({987, 10, 31}), "0987-10-31");
}
