// The four pillars: the almanac's examples, births around a 节 moment placed by table JQ, the
// fixed ranges when JQ cannot answer, the 23:00 hour, and the readings of the cycle tables.
#include <gtest/gtest.h>

#include <set>

#include "calendar/CycleReadings.h"
#include "calendar/Sexagenary.h"
#include "calendar/SolarAstronomy.h"
#include "refdata/ReferenceDb.h"
#include "refdata/TestFixture.h"

namespace qinghe {
namespace {

std::string Text(const FourPillars& p) {
    return p.Year.Text() + " " + p.Month.Text() + " " + p.Day.Text() + " " + p.Hour.Text();
}

// The twelve 节 of a year from the project's astronomy, as table JQ holds them.
JieMoments ExactJie(int year) {
    JieMoments m{};
    for (int i = 0; i < 12; ++i) m[i] = RoundedToSecond(astro::ExactSolarTermMoment(year, 2 * i));
    return m;
}

TEST(GanZhi, NumbersCountFromJiaAndZi) {
    EXPECT_EQ(StemText(1), "甲");
    EXPECT_EQ(StemText(0), "癸");
    EXPECT_EQ(BranchText(1), "子");
    EXPECT_EQ(BranchText(0), "亥");
    EXPECT_EQ(StemText(10), "");
    EXPECT_EQ((GanZhi{1, 1}.Text()), "甲子");
    EXPECT_EQ(StemNumber("壬"), 9);
    EXPECT_EQ(BranchNumber("戌"), 11);
    EXPECT_EQ(BranchNumber("甲"), -1);
    EXPECT_EQ(CycleIndex({1, 1}), 0);
    EXPECT_EQ(CycleIndex({0, 0}), 59);  // 癸亥
    EXPECT_EQ(CycleIndex({1, 2}), -1);  // 甲丑 does not occur
    for (int i = 0; i < 60; ++i) EXPECT_EQ(CycleIndex(GanZhiOfCycleIndex(i)), i);
}

struct DayCase {
    CivilDate date;
    const char* pillar;
};

class DayPillars : public ::testing::TestWithParam<DayCase> {};

TEST_P(DayPillars, FollowTheRunningDayCycle) {
    EXPECT_EQ(DayPillar(GetParam().date).Text(), GetParam().pillar) << DateText(GetParam().date);
}

// 2000-01-01 戊午 and 1984-02-02 丙寅 are the almanac's examples; 1949-10-01 甲子 and
// 2021-02-03 壬午 are as printed in the 中国天文年历 day tables.
INSTANTIATE_TEST_SUITE_P(Almanac, DayPillars,
                         ::testing::Values(DayCase{{2000, 1, 1}, "戊午"},
                                           DayCase{{1984, 2, 2}, "丙寅"},
                                           DayCase{{1949, 10, 1}, "甲子"},
                                           DayCase{{2021, 2, 3}, "壬午"},
                                           DayCase{{2021, 2, 4}, "癸未"}));

TEST(DayPillar, AdvancesOnePlaceEveryDay) {
    int previous = CycleIndex(DayPillar({1899, 12, 31}));
    for (int d = DaysFromCivil(1900, 1, 1); d <= DaysFromCivil(2100, 12, 31); ++d) {
        const int index = CycleIndex(DayPillar(CivilFromDays(d)));
        ASSERT_EQ(index, (previous + 1) % 60) << DateText(CivilFromDays(d));
        previous = index;
    }
}

TEST(HourPillar, HoursFollowTheBranchOfTheirDoubleHour) {
    const CivilDate jiaDay{1949, 10, 1};  // 甲子 day
    EXPECT_EQ(HourPillar(jiaDay, 0).Text(), "甲子");
    EXPECT_EQ(HourPillar(jiaDay, 1).Text(), "乙丑");
    EXPECT_EQ(HourPillar(jiaDay, 2).Text(), "乙丑");
    EXPECT_EQ(HourPillar(jiaDay, 3).Text(), "丙寅");
    EXPECT_EQ(HourPillar(jiaDay, 21).Text(), "乙亥");
    EXPECT_EQ(HourPillar(jiaDay, 22).Text(), "乙亥");
}

TEST(HourPillar, ElevenAtNightIsTheZiHourOfTheNextDay) {
    // A 甲 day at 23:30 is in the 子 hour of the following 乙 day: 丙子, not 甲子.
    EXPECT_EQ(HourPillar({1949, 10, 1}, 23).Text(), "丙子");
    EXPECT_EQ(HourPillar({1949, 10, 2}, 0).Text(), "丙子");
    // Across a month and a year end too.
    EXPECT_EQ(HourPillar({1999, 12, 31}, 23).Text(), HourPillar({2000, 1, 1}, 0).Text());
}

struct BirthCase {
    const char* name;
    CivilDate date;
    int hour, minute;
    const char* pillars;  // year month day hour
};

class PillarsFromExactJie : public ::testing::TestWithParam<BirthCase> {};

TEST_P(PillarsFromExactJie, YearAndMonthTurnAtTheJieMoment) {
    const BirthCase& c = GetParam();
    EXPECT_EQ(Text(PillarsOf(c.date, c.hour, c.minute, ExactJie(c.date.year), false)), c.pillars)
        << DateText(c.date) << " " << c.hour << ":" << c.minute;
}

INSTANTIATE_TEST_SUITE_P(
    Births, PillarsFromExactJie,
    ::testing::Values(
        // 立春 2021 at 22:58: after it the year is 辛丑 and the month 庚寅.
        BirthCase{"AfterLichun2021", {2021, 2, 3}, 23, 30, "辛丑 庚寅 壬午 壬子"},
        BirthCase{"BeforeLichun2021", {2021, 2, 3}, 22, 0, "庚子 己丑 壬午 辛亥"},
        // 立春 1990 at 10:14.
        BirthCase{"BeforeLichun1990", {1990, 2, 4}, 8, 0, "己巳 丁丑 庚子 庚辰"},
        BirthCase{"AfterLichun1990", {1990, 2, 4}, 11, 0, "庚午 戊寅 庚子 壬午"},
        BirthCase{"MidYear1984", {1984, 6, 1}, 12, 0, "甲子 己巳 丙寅 甲午"},
        BirthCase{"JanuaryStillInTheJiaYear", {1985, 1, 10}, 12, 0, "甲子 丁丑 己酉 庚午"},
        BirthCase{"BeforeXiaohanIsTheZiMonth", {2021, 1, 2}, 12, 0, "庚子 戊子 庚戌 壬午"},
        // 惊蛰 2021 on 5 March at 16:54: the 卯 month starts then, not on the 6th.
        BirthCase{"AfterJingzhe2021", {2021, 3, 5}, 18, 0, "辛丑 辛卯 壬子 己酉"},
        BirthCase{"AfterDaxue2021", {2021, 12, 7}, 12, 0, "辛丑 庚子 己丑 庚午"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PillarsOf, WithoutTheTableTheFixedRangesApply) {
    // The fixed ranges start the year on 4 February whatever the 立春 moment.
    EXPECT_EQ(Text(PillarsOf({2021, 2, 3}, 23, 30, std::nullopt, false)), "庚子 己丑 壬午 壬子");
    // With the flag from IsBeforeJieMoment the code moves back a day.
    EXPECT_EQ(Text(PillarsOf({1990, 2, 4}, 8, 0, std::nullopt, true)), "己巳 丁丑 庚子 庚辰");
    EXPECT_EQ(Text(PillarsOf({1990, 2, 4}, 11, 0, std::nullopt, false)), "庚午 戊寅 庚子 壬午");
    // 5 March after the 惊蛰 moment keeps the 寅 month; the 卯 range starts on the 6th.
    EXPECT_EQ(PillarsOf({2021, 3, 5}, 18, 0, std::nullopt, false).Month.Text(), "庚寅");
    EXPECT_EQ(YearPillarFromCode(1984, 202).Text(), "癸亥");
    EXPECT_EQ(BirthDateCode({1990, 2, 4}, true), 203);
    EXPECT_EQ(BirthDateCode({1990, 2, 4}, false), 204);
}

TEST(MonthBranchFromCode, RangeEdges) {
    const std::pair<int, const char*> cases[] = {
        {101, "子"},  {105, "子"},  {106, "丑"},  {203, "丑"},  {204, "寅"},  {305, "寅"},
        {306, "卯"},  {404, "卯"},  {405, "辰"},  {504, "辰"},  {505, "巳"},  {605, "巳"},
        {606, "午"},  {706, "午"},  {707, "未"},  {807, "未"},  {808, "申"},  {907, "申"},
        {908, "酉"},  {1007, "酉"}, {1008, "戌"}, {1106, "戌"}, {1107, "亥"}, {1207, "亥"},
        {1208, "子"}, {1231, "子"}};
    for (const auto& [code, branch] : cases)
        EXPECT_EQ(BranchText(MonthBranchFromCode(code)), branch) << code;
}

TEST(MonthStem, FollowsTheYearStem) {
    EXPECT_EQ(StemText(MonthStem(1, 3)) + BranchText(3), "丙寅");  // 甲 year
    EXPECT_EQ(StemText(MonthStem(1, 0)) + BranchText(0), "乙亥");
    EXPECT_EQ(StemText(MonthStem(6, 3)) + BranchText(3), "丙寅");  // 己 year, like 甲
    EXPECT_EQ(StemText(MonthStem(7, 3)) + BranchText(3), "戊寅");  // 庚 year
}

class PillarsFromTheFile : public ::testing::Test {
  protected:
    void SetUp() override {
        m_saved = ProgramFolder();
        SetProgramFolder(m_fixture.path());
    }
    void TearDown() override {
        CloseReferenceConnections();
        SetProgramFolder(m_saved);
    }
    test::FixtureFolder m_fixture;
    std::string m_saved;
};

TEST_F(PillarsFromTheFile, ReadsTheJieMomentsOfTableJQ) {
    std::string sql = "INSERT INTO JQ VALUES ";
    const JieMoments jie = ExactJie(2021);
    for (int i = 0; i < 12; ++i)
        sql += std::string(i ? "," : "") + "(2021,'" + std::string(SolarTermName(2 * i)) + "','" +
               MomentText(jie[i]) + "')";
    m_fixture.Exec(kTgcode, sql + ";");
    EXPECT_EQ(Text(ComputePillars({2021, 2, 3}, 23, 30)), "辛丑 庚寅 壬午 壬子");
}

TEST_F(PillarsFromTheFile, MissingFileFallsBackToTheFixedRanges) {
    std::remove(m_fixture.File(kTgcode).c_str());
    CloseReferenceConnections();
    EXPECT_EQ(Text(ComputePillars({2021, 2, 3}, 23, 30)), "庚子 己丑 壬午 壬子");
    EXPECT_EQ(Text(ComputePillars({1990, 2, 4}, 8, 0)), "庚午 戊寅 庚子 庚辰");
}

TEST(CycleReadings, NayinOfTheSixtyPairs) {
    EXPECT_EQ(NayinOf({1, 1}), "海中金");  // 甲子
    EXPECT_EQ(NayinOf({2, 2}), "海中金");  // 乙丑
    EXPECT_EQ(NayinOf({7, 7}), "路旁土");  // 庚午
    EXPECT_EQ(NayinOf({9, 9}), "剑锋金");  // 壬申
    EXPECT_EQ(NayinOf({5, 1}), "霹雳火");  // 戊子
    EXPECT_EQ(NayinOf({0, 0}), "大海水");  // 癸亥
    EXPECT_EQ(NayinOf({1, 2}), "");
}

TEST(CycleReadings, EachDayStemSeesEveryTenGodOnce) {
    for (int day = 0; day < 10; ++day) {
        std::set<std::string> gods;
        for (int s = 0; s < 10; ++s) gods.insert(TenGodRule(day, s));
        EXPECT_EQ(gods.size(), 10u) << StemText(day);
    }
    EXPECT_EQ(TenGodRule(1, 1), "比肩");  // 甲 sees 甲
    EXPECT_EQ(TenGodRule(1, 7), "七杀");  // 甲 sees 庚
    EXPECT_EQ(TenGodRule(1, 8), "正官");  // 甲 sees 辛
    EXPECT_EQ(TenGodRule(1, 0), "正印");  // 甲 sees 癸
    EXPECT_EQ(TenGodRule(3, 5), "食神");  // 丙 sees 戊
    EXPECT_EQ(TenGodRule(0, 6), "七杀");  // 癸 sees 己
    EXPECT_EQ(TenGodRule(0, 3), "正财");  // 癸 sees 丙
    EXPECT_EQ(TenGodRule(8, 0), "食神");  // 辛 sees 癸
    EXPECT_EQ(TenGodRule(8, 9), "伤官");  // 辛 sees 壬
    EXPECT_EQ(TenGodRule(10, 1), "");
}

TEST(CycleReadings, ElementsOfStemsAndBranches) {
    EXPECT_EQ(StemElement(1), "木");
    EXPECT_EQ(StemElement(0), "水");
    EXPECT_EQ(BranchElement(0), "水");   // 亥
    EXPECT_EQ(BranchElement(11), "土");  // 戌
    EXPECT_EQ(BranchElement(6), "火");   // 巳
    int characters = 0;
    for (const ElementRow& row : StemBranchElementRows())
        characters += static_cast<int>(row.characters.size()) / 3;
    EXPECT_EQ(characters, 22);
}

}  // namespace
}  // namespace qinghe
