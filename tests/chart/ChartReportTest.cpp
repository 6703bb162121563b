// The chart report on the built reference files: the worked example line by line, the checks
// and their messages, column starts measured in display cells, start ages 1 and 10, a lunar
// input, a backward chart's small luck and the bone-weight month of a birth before its 节.
#include <gtest/gtest.h>

#include <filesystem>

#include "base/Utf8.h"
#include "calendar/LunarCalendar.h"
#include "chart/ChartReadings.h"
#include "chart/ChartReport.h"
#include "refdata/ReferenceDb.h"
#include "refdata/TestFixture.h"

namespace qinghe {
namespace {

BirthInput Input(const std::string& date, int hour, const std::string& minute,
                 const std::string& sex, int calendarKind = 0) {
    BirthInput in;
    in.sex = sex;
    in.calendarKind = calendarKind;
    const std::size_t a = date.find('-'), b = date.find('-', a + 1);
    in.year = date.substr(0, a);
    in.month = date.substr(a + 1, b - a - 1);
    in.day = date.substr(b + 1);
    in.hourText = kHourItems[hour];
    in.minute = minute;
    return in;
}

std::string Blanks(int n) {
    return std::string(static_cast<std::size_t>(n), ' ');
}

class ChartReportTest : public ::testing::Test {
  protected:
    static std::vector<std::string> Report(const BirthInput& in, int now = 2026) {
        return ChartReportLines("张", "三", ReadBirthMoment(in), now);
    }
    test::ScopedProgramFolder m_files{QINGHE_BIN_DIR};
};

// The worked example of the report: a boy born 1984-06-01 at 12:00.
TEST_F(ChartReportTest, WorkedExampleLineByLine) {
    const std::vector<std::string> r = Report(Input("1984-6-1", 12, "00", "男"));
    ASSERT_EQ(r.size(), 66u);
    const std::string frame = "<" + std::string(81, '=') + ">";
    const std::string sep =
        "<" + std::string(23, '-') + "批八字内容分隔线" + std::string(29, '-') + ">";
    EXPECT_EQ(r[0], frame);
    EXPECT_EQ(r[1], "友情提示：");
    EXPECT_EQ(r[2], "首先非常感谢你的支持和使用，祝您万事如意，天天快乐！");
    EXPECT_EQ(r[3], frame);
    EXPECT_EQ(r[4], "姓名：张三");
    EXPECT_EQ(r[5], "年龄：42岁");
    EXPECT_EQ(r[6], "您出生公历：1984年06月01日12点00分");
    EXPECT_EQ(r[7], "农历：甲子(鼠年)五月初二");  // 1984-06-01 is lunar 5-2 (HKO calendar)
    EXPECT_EQ(r[8], "属相：鼠");
    EXPECT_EQ(r[9], "星座：双子座");
    EXPECT_EQ(r[10], sep);
    EXPECT_EQ(r[11], "胎元：庚申(石榴木)");
    EXPECT_EQ(r[12], "起运：2岁");
    EXPECT_EQ(r[13], "十神：偏印   伤官   日元   偏印");
    EXPECT_EQ(r[14], "八字：甲子   己巳   丙寅   甲午");
    EXPECT_EQ(r[15], "遁藏：癸正官 己伤官 甲偏印 己伤官");
    EXPECT_EQ(r[16], Blanks(13) + "丁劫财 丙比肩 丁劫财 ");
    EXPECT_EQ(r[17], Blanks(20) + "戊食神" + Blanks(8));
    EXPECT_EQ(r[18], "五行：木水   土火   火木   木火");
    EXPECT_EQ(r[19], "纳音：海中金 大林木 炉中火 沙中金");
    EXPECT_EQ(r[22], "大运：己巳   庚午   辛未   壬申   癸酉   甲戌   乙亥   丙子   丁丑   戊寅");
    EXPECT_EQ(r[23],
              Blanks(6) + "1-1岁   2岁   12岁   22岁   32岁   42岁   52岁   62岁   72岁   82岁");
    EXPECT_EQ(r[24], "始于：1984   1986   1996   2006   2016   2026   2036   2046   2056   2066");
    EXPECT_EQ(r[25], "");
    EXPECT_EQ(r[26], "流年：甲子   丙寅   丙子   丙戌   丙申   丙午   丙辰   丙寅   丙子   丙戌");
    EXPECT_EQ(r[27],
              Blanks(6) + "乙丑   丁卯   丁丑   丁亥   丁酉   丁未   丁巳   丁卯   丁丑   丁亥");
    EXPECT_EQ(r[28], Blanks(13) + "戊辰   戊寅   戊子   戊戌   戊申   戊午   戊辰   戊寅   戊子");
    EXPECT_EQ(r[36], "");
    EXPECT_EQ(r[37], "小运：甲午   丙申   丙午   丙辰   丙寅   丙子   丙戌   丙申   丙午   丙辰");
    EXPECT_EQ(r[38],
              Blanks(6) + "00岁   02岁   12岁   22岁   32岁   42岁   52岁   62岁   72岁   82岁");
    EXPECT_EQ(r[39],
              Blanks(6) + "乙未   丁酉   丁未   丁巳   丁卯   丁丑   丁亥   丁酉   丁未   丁巳");
    EXPECT_EQ(r[40],
              Blanks(6) + "01岁   03岁   13岁   23岁   33岁   43岁   53岁   63岁   73岁   83岁");
    EXPECT_EQ(r[57], "八字五行个数：金:占0个, 木:占3个, 水:占1个, 火:占3个, 土:占1个");
    EXPECT_EQ(r[58], sep);
    EXPECT_EQ(r[59], "袁天罡称骨算命：");
    // Lunar 1984 甲子 1.2 + fifth month 0.5 + second day 1.0 + 午 hour 1.0 = 3.7 两.
    EXPECT_EQ(r[60], "你的骨重为：3两7钱");
    EXPECT_EQ(r[61], "骨重诗评：此命般般事不成，弟兄少力自孤行，虽然祖业须微有，来得明时去不明。");
    EXPECT_EQ(r[62].rfind("骨重解评：", 0), 0u);
    EXPECT_EQ(r[63], sep);
    EXPECT_EQ(r[64], "");
    EXPECT_EQ(r[65], "<" + std::string(23, '-') + "以上内容只作参考" + std::string(29, '-') + ">");
    EXPECT_EQ(DisplayWidth(r[0]), 83);
    EXPECT_EQ(DisplayWidth(sep), 70);
}

// The display cell at which each run of non-blank text begins: "ab   cd" gives {0, 5}.
std::vector<int> ColumnStarts(std::string_view line) {
    std::vector<int> starts;
    int cell = 0;
    bool inBlank = true;
    for (const std::string& c : Utf8Chars(line)) {
        const bool blank = c == " ";
        if (!blank && inBlank) starts.push_back(cell);
        inBlank = blank;
        cell += DisplayWidth(c);
    }
    return starts;
}

TEST(ColumnStarts, InDisplayCells) {
    EXPECT_EQ(ColumnStarts("大运：己巳   庚午"), (std::vector<int>{0, 13}));
    EXPECT_EQ(ColumnStarts("      01岁   03岁 "), (std::vector<int>{6, 13}));
}

// Column starts in display cells, with a line's six-cell label counted as blanks: every
// column of the pillar, luck and table lines begins at 6 + 7k.
std::vector<int> Columns(const std::string& line) {
    static const char* const kLabels[] = {"遁藏：", "五行：", "纳音：", "十神：", "大运：",
                                          "始于：", "流年：", "小运：", "八字："};
    for (const char* label : kLabels)
        if (line.rfind(label, 0) == 0) return ColumnStarts(Blanks(6) + line.substr(9));
    return ColumnStarts(line);
}

std::vector<int> Grid(int first, int last) {
    std::vector<int> cells;
    for (int k = first; k <= last; ++k) cells.push_back(6 + 7 * k);
    return cells;
}

struct LayoutCase {
    const char* name;
    const char* date;
    int hour;
    const char* sex;
    int startAge;
};

class ReportLayoutTest : public ::testing::TestWithParam<LayoutCase> {
  protected:
    test::ScopedProgramFolder m_files{QINGHE_BIN_DIR};
};

TEST_P(ReportLayoutTest, ColumnsLineUpInDisplayCells) {
    const LayoutCase& c = GetParam();
    const std::vector<std::string> r =
        ChartReportLines("", "", ReadBirthMoment(Input(c.date, c.hour, "0", c.sex)), 2026);
    ASSERT_EQ(r.size(), 66u);
    EXPECT_EQ(r[12], "起运：" + std::to_string(c.startAge) + "岁");
    const int n = c.startAge;

    EXPECT_EQ(Columns(r[14]), Grid(0, 3));  // 八字
    EXPECT_EQ(Columns(r[15]), Grid(0, 3));  // first hidden stems
    for (int line : {16, 17}) {             // second and third hidden stems: some of the four
        for (int cell : Columns(r[line])) {
            EXPECT_EQ((cell - 6) % 7, 0) << "line " << line + 1 << " cell " << cell;
            EXPECT_LE(cell, 27);
        }
        EXPECT_EQ(DisplayWidth(r[line]), 34) << "line " << line + 1;
    }
    EXPECT_EQ(Columns(r[18]), Grid(0, 3));  // 五行
    for (int line : {20, 21, 22}) EXPECT_EQ(Columns(r[line]), Grid(0, 9)) << "line " << line + 1;
    EXPECT_EQ(Columns(r[24]), Grid(0, 9));  // 始于

    // Line 24: the ages from the third on stand over the luck pillars they start.
    const std::vector<int> ages = Columns(r[23]);
    ASSERT_EQ(ages.size(), 10u);
    for (std::size_t k = 2; k < 10 && n < 10; ++k) EXPECT_EQ(ages[k], 6 + 7 * static_cast<int>(k));

    for (int i = 0; i < 10; ++i) {
        const std::vector<int> expected = i < n ? Grid(0, 9) : Grid(1, 9);
        EXPECT_EQ(Columns(r[static_cast<std::size_t>(26 + i)]), expected) << "流年 row " << i;
        EXPECT_EQ(Columns(r[static_cast<std::size_t>(37 + 2 * i)]), expected) << "小运 row " << i;
        EXPECT_EQ(Columns(r[static_cast<std::size_t>(38 + 2 * i)]), expected) << "age row " << i;
        EXPECT_EQ(r[static_cast<std::size_t>(26 + i)].rfind(Blanks(13), 0) == 0, i >= n);
    }
}

INSTANTIATE_TEST_SUITE_P(Births, ReportLayoutTest,
                         ::testing::Values(LayoutCase{"Forward2", "1984-6-1", 12, "男", 2},
                                           LayoutCase{"Backward9", "1984-6-1", 12, "女", 9},
                                           // 芒种 1984-06-05 two days on.
                                           LayoutCase{"StartAge1", "1984-6-3", 8, "男", 1},
                                           // Born on 芒种 day 2000: 小暑 32 days on.
                                           LayoutCase{"StartAge10", "2000-6-5", 20, "男", 10},
                                           LayoutCase{"LeapYearFebruary", "2000-2-29", 0, "女", 9}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ChartReportTest, StartAgeOne) {
    const std::vector<std::string> r = Report(Input("1984-6-3", 8, "0", "男"));
    EXPECT_EQ(r[23], "      0-1岁   1岁   11岁   21岁   31岁   41岁   51岁   61岁   71岁   81岁");
    EXPECT_EQ(r[24], "始于：1984   1985   1995   2005   2015   2025   2035   2045   2055   2065");
    EXPECT_EQ(r[26].rfind("流年：甲子   乙丑   乙亥", 0), 0u);
    EXPECT_EQ(r[27].rfind(Blanks(13) + "丙寅   丙子", 0), 0u);
    EXPECT_EQ(r[38],
              Blanks(6) + "00岁   01岁   11岁   21岁   31岁   41岁   51岁   61岁   71岁   81岁");
    EXPECT_EQ(r[40], Blanks(13) + "02岁   12岁   22岁   32岁   42岁   52岁   62岁   72岁   82岁");
}

TEST_F(ChartReportTest, StartAgeTen) {
    const std::vector<std::string> r = Report(Input("2000-6-5", 20, "0", "男"));
    EXPECT_EQ(r[23],
              Blanks(6) + "1-9岁   10岁   20岁   30岁   40岁   50岁   60岁   70岁   80岁   90岁");
    EXPECT_EQ(r[24], "始于：2000   2010   2020   2030   2040   2050   2060   2070   2080   2090");
    for (int i = 0; i < 10; ++i) {
        EXPECT_NE(r[static_cast<std::size_t>(26 + i)].rfind(Blanks(13), 0), 0u);
        EXPECT_NE(r[static_cast<std::size_t>(37 + 2 * i)].rfind(Blanks(13), 0), 0u);
    }
    EXPECT_EQ(r[56].rfind(Blanks(6) + "09岁   19岁", 0), 0u);
}

TEST_F(ChartReportTest, JanuaryBeforeTheLunarNewYear) {
    // 1990-01-20 is lunar 1989-12-24 (己巳, the snake); the lunar new year was 1990-01-27.
    const std::vector<std::string> r = Report(Input("1990-1-20", 12, "0", "男"));
    EXPECT_EQ(r[7], "农历：己巳(蛇年)十二月廿四");
    EXPECT_EQ(r[8], "属相：蛇");
    EXPECT_EQ(r[9], "星座：水瓶座");
    EXPECT_EQ(r[24].rfind("始于：1990   ", 0), 0u);
    EXPECT_EQ(r[26].rfind("流年：己巳", 0), 0u);
}

TEST_F(ChartReportTest, BackwardSmallLuckStepsBackFromTheHourPillar) {
    // The girl of 1984-06-01 12:00 runs backward: 甲午, 癸巳, 壬辰, …
    const std::vector<std::string> r = Report(Input("1984-6-1", 12, "0", "女"));
    EXPECT_EQ(r[37].rfind("小运：甲午   ", 0), 0u);
    EXPECT_EQ(r[39].rfind(Blanks(6) + "癸巳   ", 0), 0u);
    EXPECT_EQ(r[41].rfind(Blanks(6) + "壬辰   ", 0), 0u);
    const BirthChart c = BirthChartOf(1984, 6, 1, 12, 0, "女");
    // Every pair stands above the age it belongs to (the columns line up, see the layout test).
    const auto words = [](const std::string& line) {
        std::vector<std::string> w;
        for (std::size_t at = 0; (at = line.find_first_not_of(' ', at)) != std::string::npos;) {
            const std::size_t end = std::min(line.find(' ', at), line.size());
            w.push_back(line.substr(at, end - at));
            at = end;
        }
        return w;
    };
    for (std::size_t i = 0; i < 10; ++i) {
        std::vector<std::string> pairs = words(r[37 + 2 * i]);
        const std::vector<std::string> ages = words(r[38 + 2 * i]);
        if (i == 0) pairs[0] = pairs[0].substr(std::string("小运：").size());
        ASSERT_EQ(pairs.size(), ages.size());
        for (std::size_t k = 0; k < ages.size(); ++k)
            EXPECT_EQ(pairs[k], SmallLuckPillar(c, std::stoi(ages[k]))) << ages[k];
    }
    EXPECT_EQ(SmallLuckPillar(c, 0), "甲午");
    EXPECT_EQ(SmallLuckPillar(c, 1), "癸巳");
    EXPECT_EQ(SmallLuckPillar(c, 13), "辛巳");
}

struct BoneMonthCase {
    const char* name;
    const char* date;
    int hour;
    const char* month;  // the bone-weight month key expected
    int lunarDay;
};

class BoneMonthTest : public ::testing::TestWithParam<BoneMonthCase> {
  protected:
    test::ScopedProgramFolder m_files{QINGHE_BIN_DIR};
};

// 惊蛰 1980-03-05 18:16 falls on lunar 1-19; 立秋 1984-08-07 16:17 on lunar 7-11.
TEST_P(BoneMonthTest, BirthBeforeItsJieTakesTheMonthBefore) {
    const BoneMonthCase& c = GetParam();
    const std::vector<std::string> r =
        ChartReportLines("", "", ReadBirthMoment(Input(c.date, c.hour, "0", "男")), 2026);
    const std::string year = c.date[0] == '1' && c.date[3] == '0' ? "1980" : "1984";
    EXPECT_EQ(r[60], BoneWeight(year, c.month, std::to_string(c.lunarDay), std::to_string(c.hour),
                                BoneWeightPart::Weight));
}

INSTANTIATE_TEST_SUITE_P(
    Births, BoneMonthTest,
    ::testing::Values(BoneMonthCase{"FirstMonthBeforeJie", "1980-3-5", 10, "12", 19},
                      BoneMonthCase{"FirstMonthAfterJie", "1980-3-5", 20, "1", 19},
                      BoneMonthCase{"SeventhMonthBeforeJie", "1984-8-7", 10, "6", 11},
                      BoneMonthCase{"SeventhMonthAfterJie", "1984-8-7", 17, "7", 11}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ChartReportTest, LunarInputPrintsItsGregorianDate) {
    // Lunar 1984-04-03 is 1984-05-03.
    const std::vector<std::string> r = Report(Input("1984-4-3", 12, "05", "男", 1));
    EXPECT_EQ(r[6], "您出生公历：1984年05月03日12点05分");
    EXPECT_EQ(r[7], "农历：甲子(鼠年)四月初三");
}

TEST_F(ChartReportTest, AgeCountsCalendarYearsAndMayBeNegative) {
    EXPECT_EQ(Report(Input("1984-12-31", 12, "0", "男"), 1985)[5], "年龄：1岁");
    EXPECT_EQ(Report(Input("2030-1-1", 12, "0", "男"), 2026)[5], "年龄：-4岁");
}

struct RefusedCase {
    const char* name;
    BirthInput input;
    const char* message;
};

class RefusedInputTest : public ::testing::TestWithParam<RefusedCase> {
  protected:
    test::ScopedProgramFolder m_files{QINGHE_BIN_DIR};
};

TEST_P(RefusedInputTest, NoLineIsWritten) {
    std::vector<std::string> lines;
    try {
        WriteChartReport("张", "三", ReadBirthMoment(GetParam().input), 2026, lines);
        ADD_FAILURE() << "accepted";
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), GetParam().message);
    }
    EXPECT_TRUE(lines.empty());
}

BirthInput With(BirthInput in, std::string BirthInput::*field, const std::string& value) {
    in.*field = value;
    return in;
}

const BirthInput kGood = Input("1984-6-1", 12, "0", "男");

INSTANTIATE_TEST_SUITE_P(
    Inputs, RefusedInputTest,
    ::testing::Values(
        RefusedCase{"EmptyYear", With(kGood, &BirthInput::year, " "), "请选择出生年!"},
        RefusedCase{"EmptyMonth", With(kGood, &BirthInput::month, ""), "请选择出生月!"},
        RefusedCase{"EmptyDay", With(kGood, &BirthInput::day, ""), "请选择出生日!"},
        RefusedCase{"EmptyHour", With(kGood, &BirthInput::hourText, ""), "请选择出生小时!"},
        RefusedCase{"YearCheckedFirst",
                    With(With(kGood, &BirthInput::year, ""), &BirthInput::hourText, ""),
                    "请选择出生年!"},
        RefusedCase{"ImpossibleGregorian", Input("2001-2-30", 12, "0", "男"),
                    "'2001-2-30' is not a valid date"},
        RefusedCase{"NotANumber", With(kGood, &BirthInput::year, "198x"),
                    "'198x-6-1' is not a valid date"},
        // Lunar 2020 has a first month of 29 days.
        RefusedCase{"MissingLunarDay", Input("2020-1-30", 12, "0", "男", 1),
                    "农历日期不存在，请检查输入!"},
        RefusedCase{"LunarMonth13", Input("2020-13-1", 12, "0", "男", 1),
                    "农历日期不存在，请检查输入!"},
        RefusedCase{"BeforeTheLunarCalendar", Input("1899-6-1", 12, "0", "男"),
                    "出生日期须在1900年1月31日至2100年12月31日之间!"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ChartReportTest, UnreadableHourIsRefusedBeforeAnyLine) {
    EXPECT_THROW(ReadBirthMoment(With(kGood, &BirthInput::hourText, "12")), ConversionError);
}

TEST_F(ChartReportTest, MinuteIsPrintedAsTyped) {
    EXPECT_EQ(Report(Input("1984-6-1", 0, "05", "男"))[6], "您出生公历：1984年06月01日0点05分");
    EXPECT_EQ(Report(Input("1984-6-1", 23, "7", "男"))[6], "您出生公历：1984年06月01日23点7分");
}

TEST_F(ChartReportTest, ReportReturnsTheChartItShows) {
    std::vector<std::string> lines;
    const BirthChart c = WriteChartReport(
        "张", "三", ReadBirthMoment(Input("1984-6-1", 12, "0", "女")), 2026, lines);
    EXPECT_EQ(c.Backward, 1);
    EXPECT_EQ(c.LuckStartAge, 9);
}

// Without dream.dll the bone weight cannot be read: the report stops after line 60, with the
// lines written so far kept, and the error is an engine error (which the window swallows).
TEST(ChartReportWithoutBoneWeights, StopsAtTheBoneWeight) {
    test::FixtureFolder fixture;
    const std::string saved = ProgramFolder();
    std::filesystem::copy_file(saved + "../bin/" + std::string(kTgcode), fixture.File(kTgcode),
                               std::filesystem::copy_options::overwrite_existing);
    std::filesystem::remove(fixture.File(kDream));
    SetProgramFolder(fixture.path());
    CloseReferenceConnections();
    std::vector<std::string> lines;
    EXPECT_THROW(WriteChartReport("张", "三", ReadBirthMoment(kGood), 2026, lines),
                 ReferenceDbError);
    EXPECT_EQ(lines.size(), 60u);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "袁天罡称骨算命：");
    CloseReferenceConnections();
    SetProgramFolder(saved);
}

TEST(ChartReportParts, YearPairsAndAgeLabels) {
    EXPECT_EQ(YearPairText(1984), "甲子");
    EXPECT_EQ(YearPairText(1989), "己巳");
    EXPECT_EQ(YearPairText(2043), "癸亥");
    EXPECT_EQ(AgeLabel(0), "00岁");
    EXPECT_EQ(AgeLabel(9), "09岁");
    EXPECT_EQ(AgeLabel(10), "10岁");
    EXPECT_EQ(LuckAgesLine(2),
              "      1-1岁   2岁   12岁   22岁   32岁   42岁   52岁   62岁   72岁   82岁");
}

}  // namespace
}  // namespace qinghe
