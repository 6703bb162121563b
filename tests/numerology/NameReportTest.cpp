// The name reports on the built reference files: 王小明 line by line (strokes 王 4, 小 3, 明 8 as
// in the Kangxi dictionary), the checks and their order, lunar input, a single given name, the
// three-talent section present and absent, and the silent end when a reading table fails.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <stdexcept>

#include "chart/BirthChart.h"
#include "numerology/NameNumerology.h"
#include "numerology/NameReport.h"
#include "refdata/ReferenceDb.h"
#include "refdata/TestFixture.h"

namespace qinghe {
namespace {

BirthInput Input(const std::string& year, const std::string& month, const std::string& day,
                 int hour, const std::string& minute = "30", int calendarKind = 0) {
    BirthInput in;
    in.sex = "男";
    in.calendarKind = calendarKind;
    in.year = year;
    in.month = month;
    in.day = day;
    in.hourText = kHourItems[hour];
    in.minute = minute;
    return in;
}

const std::string kSep =
    "<" + std::string(23, '-') + "名字分析内容分隔线" + std::string(29, '-') + ">";

// The number readings of table 81 as the reference files hold them.
std::string Reading(int n, NumberReadingField f) {
    return NumberReading(n, static_cast<int>(f));
}

class NameReportTest : public ::testing::Test {
  protected:
    test::ScopedProgramFolder m_files{QINGHE_BIN_DIR};
};

// 王小明 born 1984-06-01 12:30, a boy. 天格 4+1 = 5 (土), 人格 4+3 = 7 (金), 地格 3+8 = 11 (木),
// 总格 15 (土), 外格 8+1 = 9 (水); configuration 土金木. The chart is that of the chart report's
// worked example (甲子 己巳 丙寅 甲午; lunar 1984-5-2 per the Hong Kong Observatory calendar).
TEST_F(NameReportTest, PageReportLineByLine) {
    const std::vector<std::string> r =
        NamePageReportLines("王", "小明", ReadBirthMoment(Input("1984", "6", "1", 12)), 2026);
    ASSERT_EQ(r.size(), 55u);
    const std::string frame = "<" + std::string(81, '=') + ">";
    EXPECT_EQ(r[0], frame);
    EXPECT_EQ(r[1], "友情提示：");
    EXPECT_EQ(r[2], "首先非常感谢你的支持和使用，祝您万事如意，天天快乐！");
    EXPECT_EQ(r[3], frame);
    EXPECT_EQ(r[4], "基本信息：");
    EXPECT_EQ(r[5], "年龄：42岁");
    EXPECT_EQ(r[6], "您出生公历：1984年06月01日12点30分");
    EXPECT_EQ(r[7], "农历：甲子(鼠年)五月初二");
    EXPECT_EQ(r[8], "属相：鼠");
    EXPECT_EQ(r[9], "星座：双子座");
    EXPECT_EQ(r[10], "十神：偏印   伤官   日元   偏印");
    EXPECT_EQ(r[11], "八字：甲子   己巳   丙寅   甲午");
    EXPECT_EQ(r[12], "五行：木水   土火   火木   木火");
    EXPECT_EQ(r[13], "纳音：海中金 大林木 炉中火 沙中金");
    EXPECT_EQ(r[14], "八字五行个数：金:占0个, 木:占3个, 水:占1个, 火:占3个, 土:占1个");
    EXPECT_EQ(r[15], "拼音:王(wáng)  小(xiǎo)  明(míng)  ");
    EXPECT_EQ(r[16], "五格：天格5(土)  人格7(金)  地格11(木)  总格15(土)  外格9(水)");
    EXPECT_EQ(r[17], "三才：天才5(土)  人才7(金)  地才1(木)");
    EXPECT_EQ(r[18], "");
    // Strokes 4-0-3-8 have a row in zh with zf 92.
    EXPECT_EQ(r[19], "王小明  综合评分： 92分");
    EXPECT_EQ(r[20], "");
    EXPECT_EQ(r[21], kSep);
    EXPECT_EQ(r[22], "【天格5的解析】：天格数是先祖留传下来的，其数理对人影响不大。");
    EXPECT_EQ(r[23], "福禄长寿：五行俱备，阴阳调和，福、禄、寿三者兼得。吉");
    EXPECT_EQ(r[24], "【人格7的解析】：人格数又称主运，是整个姓名的中心点，影响人的一生命运。");
    EXPECT_EQ(r[25], "七政之数：精力充沛，刚毅果断，能独当一面，成就可期。吉");
    EXPECT_EQ(r[26], "【地格11的解析】：地格数又称前运，影响人生（49岁）以前的命运。");
    EXPECT_EQ(r[27], "旱苗逢雨：枯木逢春，万象更新，渐进中重振家业。吉");
    EXPECT_EQ(r[28], "【总格15的解析】：总格又称后运，影响人生（50岁）以后的命运。 ");
    EXPECT_EQ(r[29], "福寿双全：福寿拱照，德高望重，能得上下信赖与提携。吉");
    EXPECT_EQ(r[30],
              "【外格9的解析】：外格又称变格，影响人的社交能力、智慧等，其数理不用重点去看。");
    EXPECT_EQ(r[31], "大成之数：大成之后转空，盛极而衰，多逢穷困与孤寂。凶");
    EXPECT_EQ(r[32], kSep);
    EXPECT_EQ(r[33],
              "【三才数理分析】：您的姓名三才配置为：土金木。它具有如下数理诱导力，据此会对人生产生"
              "一定的影响。");
    RefQuery q(kTalFile, "select * from sancai2009 where title = '土金木'");
    ASSERT_FALSE(q.Eof());
    EXPECT_EQ(r[34], q.AsText("yy"));
    EXPECT_EQ(r[35], "【对基础运的影响】：" + q.AsText("jcy") + q.AsText("jx1"));
    EXPECT_EQ(r[36], "【对成功运的影响】：" + q.AsText("cgy") + q.AsText("jx2"));
    EXPECT_EQ(r[37], "【对人际关系的影响】：" + q.AsText("rjgx") + q.AsText("jx3"));
    EXPECT_EQ(r[38], "【对性格的影响】：" + q.AsText("xg"));
    EXPECT_EQ(r[39], kSep);
    const char* grids[] = {"天格", "人格", "地格", "总格", "外格"};
    const int numbers[] = {5, 7, 11, 15, 9};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(r[40 + 2 * i],
                  std::string("【") + grids[i] + std::to_string(numbers[i]) + "数理暗示】：");
        EXPECT_EQ(r[41 + 2 * i], Reading(numbers[i], NumberReadingField::as));
        EXPECT_FALSE(r[41 + 2 * i].empty());
    }
    EXPECT_EQ(r[50], kSep);
    EXPECT_EQ(r[51], "");
    EXPECT_EQ(r[52], "【系统综合评分】: 92分");
    EXPECT_EQ(r[53], "");
    EXPECT_EQ(r[54],
              "<" + std::string(23, '-') + "以上分析内容只作参考" + std::string(27, '-') + ">");
}

TEST_F(NameReportTest, WindowReportLineByLine) {
    const std::vector<std::string> page =
        NamePageReportLines("王", "小明", ReadBirthMoment(Input("1984", "6", "1", 12)), 2026);
    const std::vector<std::string> r =
        NameWindowReportLines("王", "小明", ReadBirthMoment(Input("1984", "6", "1", 12)), 2026);
    ASSERT_EQ(r.size(), 43u);
    const std::string frame = "<" + std::string(81, '-') + ">";
    EXPECT_EQ(r[0], frame);
    EXPECT_EQ(r[1], "友情提示：");
    EXPECT_EQ(r[2], "首先非常感谢你的支持和使用，祝您万事如意，天天快乐！");
    EXPECT_EQ(r[3], frame);
    EXPECT_EQ(r[4], "王小明,您今年:42岁");
    EXPECT_EQ(r[5], "您出生公历: 1984年06月01日12点30分");
    EXPECT_EQ(r[6], "农历:甲子(鼠年)五月初二");
    EXPECT_EQ(r[7], "生肖:鼠");
    EXPECT_EQ(r[8], "星座:双子座");
    EXPECT_EQ(r[9], "综合评分: 92分");
    // From the separator to the number hints the body is the page's (its lines 22 to 51).
    for (std::size_t i = 10; i <= 39; ++i) EXPECT_EQ(r[i], page[i + 11]) << i;
    EXPECT_EQ(r[40], "【系统综合评分】: 92分");
    EXPECT_EQ(r[41], "");
    EXPECT_EQ(r[42],
              "<" + std::string(23, '-') + "以上分析内容只作参考" + std::string(29, '-') + ">");
}

// One-character surname and given name: 张 11, 三 3 give 外格 2; the pinyin line keeps the
// two blanks after the given name. Strokes 11-0-3-0 have a zh row with zf 74.
TEST_F(NameReportTest, SingleGivenName) {
    const std::vector<std::string> r =
        NamePageReportLines(" 张 ", " 三", ReadBirthMoment(Input("1990", "3", "15", 8)), 2026);
    EXPECT_EQ(r[15], "拼音:张(zhāng)  三(sān)  ");
    EXPECT_EQ(r[16], "五格：天格12(木)  人格14(火)  地格4(火)  总格14(火)  外格2(木)");
    EXPECT_EQ(r[17], "三才：天才2(木)  人才4(火)  地才4(火)");
    EXPECT_EQ(r[19], "张三  综合评分： 74分");
    EXPECT_EQ(r[r.size() - 3], "【系统综合评分】: 74分");
}

// Lunar 1990-1-1 is Gregorian 1990-01-27 (Hong Kong Observatory calendar).
TEST_F(NameReportTest, LunarInputPrintsTheGregorianDate) {
    const std::vector<std::string> r = NameWindowReportLines(
        "王", "小明", ReadBirthMoment(Input("1990", "1", "1", 0, "5", 1)), 2026);
    EXPECT_EQ(r[4], "王小明,您今年:36岁");
    EXPECT_EQ(r[5], "您出生公历: 1990年01月27日0点5分");
    EXPECT_EQ(r[6], "农历:庚午(马年)一月初一");
    EXPECT_EQ(r[7], "生肖:马");
}

TEST_F(NameReportTest, TwoRunsGiveTheSameReport) {
    const BirthInput in = Input("2001", "12", "31", 23);
    EXPECT_EQ(NamePageReportLines("欧阳", "明", ReadBirthMoment(in), 2026),
              NamePageReportLines("欧阳", "明", ReadBirthMoment(in), 2026));
}

struct Refusal {
    const char* surname;
    const char* given;
    BirthInput input;
    const char* message;    // empty: a conversion error
    bool pageOnly = false;  // the window prints the minute without reading it as a number
};

class NameReportRefusalTest : public NameReportTest,
                              public ::testing::WithParamInterface<Refusal> {};

TEST_P(NameReportRefusalTest, RefusedBeforeAnyLine) {
    const Refusal& c = GetParam();
    for (int window = 0; window < (c.pageOnly ? 1 : 2); ++window) {
        std::vector<std::string> lines;
        // As a window reads its page: the names and boxes once, then the report.
        const auto run = [&] {
            const BirthMoment birth = ReadNameReportInput(c.surname, c.given, c.input);
            if (window)
                WriteNameWindowReport(c.surname, c.given, birth, 2026, lines);
            else
                WriteNamePageReport(c.surname, c.given, birth, 2026, lines);
        };
        if (*c.message) {
            try {
                run();
                ADD_FAILURE() << "not refused";
            } catch (const InputRefused& e) {
                EXPECT_STREQ(e.what(), c.message);
            }
        } else {
            EXPECT_THROW(run(), ConversionError);
        }
        EXPECT_TRUE(lines.empty());
    }
}

BirthInput With(std::string BirthInput::*field, const std::string& value) {
    BirthInput in = Input("1984", "6", "1", 12);
    in.*field = value;
    return in;
}

INSTANTIATE_TEST_SUITE_P(
    Checks, NameReportRefusalTest,
    ::testing::Values(
        // The first failing check speaks, even when later boxes are empty too.
        Refusal{" ", "", With(&BirthInput::year, ""), "姓不能为空!"},
        Refusal{"王", "  ", With(&BirthInput::year, ""), "名不能为空!"},
        Refusal{"王", "明", With(&BirthInput::year, " "), "请选择出生年!"},
        Refusal{"王", "明", With(&BirthInput::month, ""), "请选择出生月!"},
        Refusal{"王", "明", With(&BirthInput::day, ""), "请选择出生日!"},
        Refusal{"王", "明", With(&BirthInput::hourText, ""), "请选择出生小时!"},
        // Lunar 2020 has a 29-day first month (Hong Kong Observatory calendar).
        Refusal{"王", "明", Input("2020", "1", "30", 12, "0", 1), "农历日期不存在，请检查输入!"},
        Refusal{"王", "明", Input("2001", "2", "30", 12), ""},
        Refusal{"王", "明", With(&BirthInput::minute, "x"), "", true}));

// A temporary program folder: the real files, TalFile.dll copied so a test can change it.
class ChangedTalFile : public ::testing::Test {
  protected:
    void SetUp() override {
        namespace fs = std::filesystem;
        std::string tmpl = (fs::temp_directory_path() / "qinghe-name-XXXXXX").string();
        ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
        m_dir = tmpl + "/";
        for (std::string_view f : {kRedoviv, kDream, kTgcode, kTalBirth})
            fs::create_symlink(fs::path(QINGHE_BIN_DIR) / f, m_dir + std::string(f));
        fs::copy_file(fs::path(QINGHE_BIN_DIR) / kTalFile, m_dir + std::string(kTalFile));
        m_files = std::make_unique<test::ScopedProgramFolder>(m_dir);
    }
    void TearDown() override {
        CloseReferenceConnections();
        m_files.reset();
        std::error_code ec;
        std::filesystem::remove_all(m_dir, ec);
    }
    void Exec(const std::string& sql) {
        CloseReferenceConnections();
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open((m_dir + std::string(kTalFile)).c_str(), &db), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
    }
    std::string m_dir;
    std::unique_ptr<test::ScopedProgramFolder> m_files;
};

// Without a sancai2009 row the section and its separator are left out: the hints follow the
// grid explanations after one separator.
TEST_F(ChangedTalFile, MissingConfigurationLeavesTheSectionOut) {
    Exec("delete from sancai2009 where title = '土金木'");
    const std::vector<std::string> r =
        NamePageReportLines("王", "小明", ReadBirthMoment(Input("1984", "6", "1", 12)), 2026);
    ASSERT_EQ(r.size(), 48u);
    EXPECT_EQ(r[31], Reading(9, NumberReadingField::yy) + Reading(9, NumberReadingField::jx));
    EXPECT_EQ(r[32], kSep);
    EXPECT_EQ(r[33], "【天格5数理暗示】：");
    const std::vector<std::string> w =
        NameWindowReportLines("王", "小明", ReadBirthMoment(Input("1984", "6", "1", 12)), 2026);
    ASSERT_EQ(w.size(), 36u);
    EXPECT_EQ(w[21], kSep);
    EXPECT_EQ(w[22], "【天格5数理暗示】：");
}

// A failing reading table ends the report where it was read; the lines so far remain.
TEST_F(ChangedTalFile, ReadingTableErrorEndsTheReport) {
    Exec("drop table \"81\"");
    std::vector<std::string> lines;
    EXPECT_THROW(WriteNamePageReport("王", "小明", ReadBirthMoment(Input("1984", "6", "1", 12)),
                                     2026, lines),
                 ReferenceDbError);
    ASSERT_EQ(lines.size(), 23u);
    EXPECT_EQ(lines[21], kSep);
    EXPECT_EQ(lines.back(), "【天格5的解析】：天格数是先祖留传下来的，其数理对人影响不大。");
}

TEST_F(ChangedTalFile, ThreeTalentQueryErrorIsReported) {
    Exec("drop table sancai2009");
    std::vector<std::string> lines;
    EXPECT_THROW(WriteNameWindowReport("王", "小明", ReadBirthMoment(Input("1984", "6", "1", 12)),
                                       2026, lines),
                 NameReportError);
    ASSERT_EQ(lines.size(), 21u);
    EXPECT_EQ(lines.back(),
              Reading(9, NumberReadingField::yy) + Reading(9, NumberReadingField::jx));
}

}  // namespace
}  // namespace qinghe
