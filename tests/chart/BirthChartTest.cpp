// The chart engine on the reference files the build wrote: the day check, worked charts of the
// almanac tradition, the mended start of luck (true 节 dates, 31-32 days giving age 10), the
// hidden stems, and a sweep of 1,200 births checked for the chart's own rules.
#include <gtest/gtest.h>

#include <set>

#include "calendar/LunarCalendar.h"
#include "calendar/SolarTerms.h"
#include "chart/BirthChart.h"
#include "chart/ChartReadings.h"
#include "refdata/ReferenceDb.h"
#include "refdata/TestFixture.h"

namespace qinghe {
namespace {

class BirthChartTest : public ::testing::Test {
  protected:
    test::ScopedProgramFolder m_files{QINGHE_BIN_DIR};
};

struct DayCheck {
    const char* name;
    int year, month, day;
    bool accepted;
};

class DayCheckTest : public ::testing::TestWithParam<DayCheck> {
  protected:
    test::ScopedProgramFolder m_files{QINGHE_BIN_DIR};
};

TEST_P(DayCheckTest, RefusesDaysTheMonthDoesNotHave) {
    const DayCheck& c = GetParam();
    try {
        BirthChartOf(c.year, c.month, c.day, 12, 0, "男");
        EXPECT_TRUE(c.accepted);
    } catch (const InputRefused& e) {
        EXPECT_FALSE(c.accepted);
        EXPECT_STREQ(e.what(), "请检查输入数据是否出错！");
    }
}

INSTANTIATE_TEST_SUITE_P(Dates, DayCheckTest,
                         ::testing::Values(DayCheck{"Feb29OfCommonYear", 2001, 2, 29, false},
                                           DayCheck{"Feb30OfLeapYear", 2000, 2, 30, false},
                                           DayCheck{"Feb29OfLeapYear", 2000, 2, 29, true},
                                           DayCheck{"Feb29Of1900", 1900, 2, 29, false},
                                           DayCheck{"April31", 2001, 4, 31, false},
                                           DayCheck{"November31", 2001, 11, 31, false},
                                           DayCheck{"January31", 2001, 1, 31, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(BirthChartTest, OtherImpossibleDatesAreConversionErrors) {
    EXPECT_THROW(BirthChartOf(2001, 1, 32, 12, 0, "男"), ConversionError);
    EXPECT_THROW(BirthChartOf(2001, 13, 1, 12, 0, "男"), ConversionError);
    EXPECT_THROW(BirthChartOf(2001, 1, 1, 24, 0, "男"), ConversionError);
    EXPECT_THROW(BirthChartOf(2001, 1, 1, 12, 60, "男"), ConversionError);
}

struct WorkedChart {
    const char* name;
    int year, month, day, hour, minute;
    const char* sex;
    const char* pillars;  // year month day hour
    int backward;
    int startAge;
    const char* luck;
    const char* conception;
    const char* hidden;  // year month day hour, "|" between
};

class WorkedChartTest : public ::testing::TestWithParam<WorkedChart> {
  protected:
    test::ScopedProgramFolder m_files{QINGHE_BIN_DIR};
};

// Start ages by the rule "three days to the 节 make one year", counted to the 节 dates of the
// almanac (Hong Kong Observatory tables: 芒种 1984-06-05, 立夏 1984-05-05, 大雪 1999-12-07,
// 小暑 2000-07-07, 立夏 1973-05-05). Hidden stems: 子 癸, 丑 癸辛己, 寅 甲丙戊, 巳 庚丙戊, 午 己丁.
TEST_P(WorkedChartTest, MatchesTheAlmanac) {
    const WorkedChart& w = GetParam();
    const BirthChart c = BirthChartOf(w.year, w.month, w.day, w.hour, w.minute, w.sex);
    EXPECT_EQ(c.YearPillar.Text() + " " + c.MonthPillar.Text() + " " + c.DayPillar.Text() + " " +
                  c.HourPillar.Text(),
              w.pillars);
    EXPECT_EQ(c.Backward, w.backward);
    EXPECT_EQ(c.LuckStartAge, w.startAge);
    EXPECT_EQ(c.LuckStartAgeText, std::to_string(w.startAge));
    if (*w.luck) {
        EXPECT_EQ(c.LuckPillars, w.luck);
    }
    EXPECT_EQ(c.ConceptionPillar, std::string(w.conception) + " ");
    EXPECT_EQ(
        c.HiddenStems[0] + "|" + c.HiddenStems[1] + "|" + c.HiddenStems[2] + "|" + c.HiddenStems[3],
        w.hidden);
}

INSTANTIATE_TEST_SUITE_P(
    Births, WorkedChartTest,
    ::testing::Values(
        WorkedChart{"Boy1984Forward", 1984, 6, 1, 12, 0, "男", "甲子 己巳 丙寅 甲午", 0, 2,
                    "己巳   庚午   辛未   壬申   癸酉   甲戌   乙亥   丙子   丁丑   戊寅", "庚申",
                    "癸|己丁|甲丙戊|己丁"},
        WorkedChart{"Girl1984Backward", 1984, 6, 1, 12, 0, "女", "甲子 己巳 丙寅 甲午", 1, 9,
                    "己巳   戊辰   丁卯   丙寅   乙丑   甲子   癸亥   壬戌   辛酉   庚申", "庚申",
                    "癸|己丁|甲丙戊|己丁"},
        WorkedChart{"AnyOtherSexTextIsFemale", 1984, 6, 1, 12, 0, "x", "甲子 己巳 丙寅 甲午", 1, 9,
                    "", "庚申", "癸|己丁|甲丙戊|己丁"},
        // 23:00 is the 子 hour of the next day (己未): 甲子, not 壬子.
        WorkedChart{"Boy2000At23Hours", 2000, 1, 1, 23, 0, "男", "己卯 丙子 戊午 甲子", 1, 9, "",
                    "丁卯", "乙|癸辛己|己丁|癸"},
        // Born on 芒种 day: the next 节 counted is 小暑, 32 days on: age 10 rather than 1.
        WorkedChart{"ThirtyTwoDaysGiveAgeTen", 2000, 6, 5, 20, 0, "男", "庚辰 壬午 甲午 甲戌", 0,
                    10, "", "癸酉", "乙戊癸|己丁|己丁|辛丁戊"},
        // 立夏 1973 fell on 05-05 (23:46); the mean-year formula puts it on 05-06, 16 days on
        // (age 6). The true date gives 15 days, age 5.
        WorkedChart{"TrueJieDate1973", 1973, 4, 20, 12, 0, "女", "癸丑 丙辰 丙戌 甲午", 0, 5, "",
                    "丁未", "癸辛己|乙戊癸|辛丁戊|己丁"},
        // Before 立春 1990 the year pillar is still 己巳, but the first 节 after the birth
        // (立春 1990-02-04) lies in lunar year 1990, 午. 小寒 1990-01-05 lies 15 days back.
        WorkedChart{"YearHiddenStemsFollowTheNextJie", 1990, 1, 20, 12, 0, "男",
                    "己巳 丁丑 乙酉 壬午", 1, 5, "", "戊辰", "己丁|癸辛己|辛|己丁"},
        // The month pillar is still 丑 on 02-02, the month hidden stems are February's 寅; 小寒
        // 1990-01-05 lies 28 days back.
        WorkedChart{"MonthHiddenStemsFollowTheCivilMonth", 1990, 2, 2, 12, 0, "男",
                    "己巳 丁丑 戊戌 戊午", 1, 10, "", "戊辰", "己丁|甲丙戊|辛丁戊|己丁"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BirthChartTest, YearHiddenStemsAtTheEndOfTheLunarTable) {
    // The first 节 after 2100-12-31 is 小寒 2101-01-05, still in lunar year 2100 (申).
    EXPECT_EQ(BirthChartOf(2100, 12, 31, 12, 0, "男").HiddenStems[0], "戊庚壬");
}

TEST_F(BirthChartTest, LuckLinesLayOutTheTenPairs) {
    const BirthChart c = BirthChartOf(1984, 6, 1, 12, 0, "男");
    // 纳音 of 己巳 … 戊寅 and the ten gods of their stems seen from the day stem 丙.
    EXPECT_EQ(c.LuckNayinLine,
              "纳音：大林木 路旁土 路旁土 剑锋金 剑锋金 山头火 山头火 涧下水 涧下水 城头土 ");
    EXPECT_EQ(c.LuckTenGodLine,
              "十神：伤官   偏财   正财   七杀   正官   偏印   正印   比肩   劫财   食神   ");
    EXPECT_EQ(c.BornBeforeJie, 0);
}

TEST_F(BirthChartTest, BornBeforeJieOnlyBeforeTheMomentOfTheDay) {
    // 惊蛰 1980 at 18:16 China Standard Time.
    EXPECT_EQ(BirthChartOf(1980, 3, 5, 10, 0, "男").BornBeforeJie, -1);
    EXPECT_EQ(BirthChartOf(1980, 3, 5, 20, 0, "男").BornBeforeJie, 0);
    EXPECT_EQ(BirthChartOf(1980, 3, 4, 10, 0, "男").BornBeforeJie, 0);
}

// Every 节 day 1899-2101 from table JQ, to count days independently of the engine's search.
std::set<int> AllJieDays() {
    std::set<int> days;
    for (int y = 1899; y <= 2101; ++y)
        if (const auto m = JieMomentsFromTable(y))
            for (const Moment& t : *m) days.insert(DayOf(t));
    return days;
}

int Mod(int a, int n) {
    return ((a % n) + n) % n;
}

TEST_F(BirthChartTest, SweepOfBirthsKeepsTheChartRules) {
    const std::set<int> jie = AllJieDays();
    ASSERT_GT(jie.size(), 2000u);
    int births = 0;
    // Every 59th day from 1901 to 2094 (so the day pillars vary too) at hours cycling through
    // the day: 1,200 births.
    for (int day = DaysFromCivil(1901, 1, 1); births < 1200; day += 59, ++births) {
        const CivilDate d = CivilFromDays(day);
        const int hour = births % 24, minute = (births * 7) % 60;
        const char* sex = births % 2 ? "男" : "女";
        SCOPED_TRACE(DateText(d) + " " + std::to_string(hour) + ":" + std::to_string(minute) + " " +
                     sex);
        const BirthChart c = BirthChartOf(d.year, d.month, d.day, hour, minute, sex);

        EXPECT_EQ(c.Luck[0], c.MonthPillar);
        const int step = c.Backward ? -1 : 1;
        for (std::size_t i = 1; i < 10; ++i) {
            EXPECT_EQ(c.Luck[i].Stem, Mod(c.Luck[i - 1].Stem + step, 10));
            EXPECT_EQ(c.Luck[i].Branch, Mod(c.Luck[i - 1].Branch + step, 12));
        }
        std::string pairs;
        for (const GanZhi& g : c.Luck) pairs += (pairs.empty() ? "" : "   ") + g.Text();
        EXPECT_EQ(c.LuckPillars, pairs);

        const GanZhi conception{Mod(c.MonthPillar.Stem + 1, 10), Mod(c.MonthPillar.Branch + 3, 12)};
        EXPECT_EQ(c.ConceptionPillar, conception.Text() + " ");
        const bool yinYear = c.YearPillar.Stem % 2 == 0;
        EXPECT_EQ(c.Backward, (std::string(sex) == "男") == yinYear ? 1 : 0);

        // Days to the nearest 节 the other side of the birth day, three to a year, at most 10.
        int j = 1;
        while (!jie.contains(c.Backward ? day - j : day + j)) ++j;
        EXPECT_LE(j, 32);
        EXPECT_EQ(c.LuckStartAge, std::min((j + 2) / 3, 10));
        EXPECT_GE(c.LuckStartAge, 1);

        EXPECT_EQ(c.HiddenStems[2], HiddenStemsOf(BranchText(c.DayPillar.Branch)));
        EXPECT_EQ(c.HiddenStems[3], HiddenStemsOf(BranchText(c.HourPillar.Branch)));
        if (HasFailure()) break;
    }
    EXPECT_EQ(births, 1200);
}

TEST(HiddenStems, OfEveryBranch) {
    // The traditional table of the stems hidden in each branch.
    const char* const expected[12][2] = {{"子", "癸"},   {"丑", "癸辛己"}, {"寅", "甲丙戊"},
                                         {"卯", "乙"},   {"辰", "乙戊癸"}, {"巳", "庚丙戊"},
                                         {"午", "己丁"}, {"未", "乙己丁"}, {"申", "戊庚壬"},
                                         {"酉", "辛"},   {"戌", "辛丁戊"}, {"亥", "壬甲"}};
    for (const auto& e : expected) EXPECT_EQ(HiddenStemsOf(e[0]), e[1]) << e[0];
    EXPECT_EQ(HiddenStemsOf("甲"), "");
}

}  // namespace
}  // namespace qinghe
