// Reading the birth boxes into a birth moment, and the hour number of an hour item. The hour
// items and their numbers are the program's own list (one item per clock hour, 0 to 23,
// labelled with the branch of its double hour).
#include <gtest/gtest.h>

#include <string>

#include "base/Errors.h"
#include "chart/BirthMoment.h"

using qinghe::BirthInput;
using qinghe::ConversionError;
using qinghe::HourOfHourText;

TEST(HourOfHourText, BothZiItemsKeepTheirOwnHour) {
    EXPECT_EQ(HourOfHourText("子 0"), 0);
    EXPECT_EQ(HourOfHourText("子 23"), 23);
    BirthInput b;
    b.hourText = "子 23";
    EXPECT_EQ(b.hour(), 23);
}

TEST(HourOfHourText, EveryItemGivesItsPositionInTheList) {
    for (int h = 0; h < 24; ++h) EXPECT_EQ(HourOfHourText(qinghe::kHourItems[h]), h) << h;
}

TEST(HourOfHourText, TheBranchIsNotChecked) {
    EXPECT_EQ(HourOfHourText("午 5"), 5);
    EXPECT_EQ(HourOfHourText("x 7"), 7);
    EXPECT_EQ(HourOfHourText("丑 01"), 1);
}

struct BadHour {
    const char* text;
    const char* message;
};

class HourOfHourTextRefuses : public testing::TestWithParam<BadHour> {};

TEST_P(HourOfHourTextRefuses, WithAConversionError) {
    try {
        HourOfHourText(GetParam().text);
        FAIL() << "accepted '" << GetParam().text << "'";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, HourOfHourTextRefuses,
    testing::Values(BadHour{"", "'' is not a valid integer value"},
                    BadHour{"23", "'' is not a valid integer value"},  // typed without branch
                    BadHour{"子", "'' is not a valid integer value"},
                    BadHour{"子 ", "'' is not a valid integer value"},
                    BadHour{"子23", "'' is not a valid integer value"},
                    BadHour{"子 123", "'123' is not a valid integer value"},
                    BadHour{"子 2a", "'2a' is not a valid integer value"},
                    BadHour{"子 -1", "'-1' is not a valid integer value"},
                    BadHour{"子  1", "' 1' is not a valid integer value"},
                    BadHour{"子 1 ", "'1 ' is not a valid integer value"},
                    BadHour{"子 ２", "'２' is not a valid integer value"}));

namespace {

BirthInput Boxes(const char* year, const char* month, const char* day, const char* minute,
                 int calendarKind = 0) {
    BirthInput in;
    in.sex = "女";
    in.calendarKind = calendarKind;
    in.year = year;
    in.month = month;
    in.day = day;
    in.hourText = "午 12";
    in.minute = minute;
    return in;
}

}  // namespace

TEST(ReadBirthMoment, TypedValuesOutOfTheBoxes) {
    const qinghe::BirthMoment m = qinghe::ReadBirthMoment(Boxes(" 1984", "6 ", "1", "05"));
    EXPECT_EQ(m.date, (qinghe::CivilDate{1984, 6, 1}));
    EXPECT_EQ(m.calendar, qinghe::CalendarKind::Gregorian);
    EXPECT_EQ(m.hour, 12);
    EXPECT_EQ(m.Minute(), 5);
    EXPECT_EQ(m.minuteText, "05");  // shown as typed
    EXPECT_FALSE(m.male);
}

TEST(ReadBirthMoment, ALunarDateIsConvertedOnce) {
    // Lunar 1984-05-02 is 1984-06-01 (Hong Kong Observatory calendar).
    const qinghe::BirthMoment m = qinghe::ReadBirthMoment(Boxes("1984", "5", "2", "0", 1));
    EXPECT_EQ(m.date, (qinghe::CivilDate{1984, 6, 1}));
    EXPECT_EQ(m.calendar, qinghe::CalendarKind::Lunar);
}

TEST(ReadBirthMoment, AMinuteThatIsNoNumberIsRefusedOnlyWhereItIsUsed) {
    const qinghe::BirthMoment m = qinghe::ReadBirthMoment(Boxes("1984", "6", "1", "x"));
    EXPECT_FALSE(m.minute.has_value());
    EXPECT_EQ(m.minuteText, "x");
    try {
        m.Minute();
        FAIL() << "accepted";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'x' is not a valid integer value");
    }
}
