// Classic generation: the banded order, the combination entries, the query pieces, the
// rows of six, and whole runs on the reference files of the program's folder.
#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "base/Utf8.h"
#include "generation/ClassicGeneration.h"
#include "numerology/CharacterLookup.h"
#include "refdata/ReferenceDb.h"
#include "refdata/TestFixture.h"

namespace qinghe {
namespace {

std::vector<int> Banded(int rows, const BandOrder& order) {
    std::vector<int> out;
    ForEachBanded(
        rows, order, [] { return true; }, [&](int r) { out.push_back(r); });
    return out;
}

TEST(BandedOrder, WorkedExamples) {
    EXPECT_EQ(Banded(20, kChosenBands), (std::vector<int>{1, 3, 5, 7,  9,  11, 13, 15, 17, 2,
                                                          4, 6, 8, 10, 12, 14, 16, 18, 19, 20}));
    EXPECT_EQ(
        Banded(20, kAutomaticBands),
        (std::vector<int>{11, 17, 1, 3, 15, 5, 13, 7, 9, 12, 18, 2, 4, 16, 6, 14, 8, 10, 19, 20}));
    EXPECT_EQ(Banded(18, kChosenBands),
              (std::vector<int>{1, 3, 5, 7, 9, 11, 13, 15, 17, 2, 4, 6, 8, 10, 12, 14, 16, 18}));
    EXPECT_EQ(Banded(5, kAutomaticBands), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_TRUE(Banded(0, kChosenBands).empty());
}

TEST(BandedOrder, EveryRowOnceAndTheFlagIsAskedPerStep) {
    for (int rows : {1, 8, 9, 10, 17, 81, 100}) {
        const std::vector<int> order = Banded(rows, kAutomaticBands);
        EXPECT_EQ(std::set<int>(order.begin(), order.end()).size(), static_cast<std::size_t>(rows));
    }
    // Stopping after the first check lets exactly one step of nine through.
    int asked = 0, emitted = 0;
    ForEachBanded(
        40, kChosenBands, [&] { return asked++ == 0; }, [&](int) { ++emitted; });
    EXPECT_EQ(emitted, 9);
}

TEST(StrokeCombo, EntriesReadBack) {
    EXPECT_EQ((StrokeCombo{11, 7, 0, 10, 0, 85}.Text()), "7|10(85分)");
    EXPECT_EQ((StrokeCombo{12, 7, 0, 10, 6, 85}.Text()), "7|10-6(85分)");
    EXPECT_EQ((StrokeCombo{21, 4, 11, 10, 0, 85}.Text()), "4-11|10(85分)");
    EXPECT_EQ((StrokeCombo{22, 4, 11, 10, 6, 85}.Text()), "4-11|10-6(85分)");
    const auto one = ParseStrokeCombo("7|10(85分)", false);
    ASSERT_TRUE(one);
    EXPECT_EQ(one->s1, 10);
    EXPECT_EQ(one->s2, 0);
    EXPECT_EQ(one->score, 85);
    EXPECT_EQ(one->Suffix(), "(85分)");
    const auto pair = ParseStrokeCombo("4-11|10-6(85分)", true);
    ASSERT_TRUE(pair);
    EXPECT_EQ(pair->s1, 10);
    EXPECT_EQ(pair->s2, 6);
    const auto twoDigits = ParseStrokeCombo("11|8-12(9分)", true);
    ASSERT_TRUE(twoDigits);
    EXPECT_EQ(twoDigits->s2, 12);
    EXPECT_EQ(twoDigits->Suffix(), "(9分)");
    EXPECT_FALSE(ParseStrokeCombo(kAutomaticCombo, true));
    EXPECT_FALSE(ParseStrokeCombo("7|x(85分)", false));
    EXPECT_FALSE(ParseStrokeCombo("7|10(八十五分)", false));
    EXPECT_FALSE(ParseStrokeCombo("7|10-6(85分)", false));  // made for the other form
}

// A listed combination is read for the form of the run, as its text would be.
TEST(StrokeCombo, StrokesForTheRunsForm) {
    const StrokeCombo pair{12, 7, 0, 10, 6, 85};
    const auto strokes = StrokesOf(pair, true);
    ASSERT_TRUE(strokes);
    EXPECT_EQ(strokes->s1, 10);
    EXPECT_EQ(strokes->s2, 6);
    EXPECT_EQ(strokes->score, 85);
    EXPECT_FALSE(StrokesOf(pair, false));
    EXPECT_FALSE(StrokesOf(StrokeCombo{21, 4, 11, 10, 0, 85}, true));
    for (const StrokeCombo& c : {pair, StrokeCombo{21, 4, 11, 10, 0, 85}}) {
        const bool two = c.nameKind % 10 == 2;
        const auto read = ParseStrokeCombo(c.Text(), two);
        ASSERT_TRUE(read) << c.Text();
        EXPECT_EQ(read->s1, StrokesOf(c, two)->s1);
        EXPECT_EQ(read->s2, StrokesOf(c, two)->s2);
        EXPECT_EQ(read->score, StrokesOf(c, two)->score);
    }
}

TEST(SexClause, FourForms) {
    EXPECT_EQ(SexClause(true, true), " and (xb = '男' or nan = 1 or xb = '0' or xb = '1') ");
    EXPECT_EQ(SexClause(false, true), " and (xb = '女' or nv = 1 or xb = '0' or xb = '1') ");
    EXPECT_EQ(SexClause(true, false), " and (xb = '男' or nan = 1 or xb = '1') ");
    EXPECT_EQ(SexClause(false, false), " and (xb = '女' or nv = 1 or xb = '1' or xb = '0') ");
}

TEST(ClassicQuery, ChosenPairForABoy) {
    ClassicSettings s;
    s.surname = "张";
    const ComboStrokes combo{8, 11, 90};
    EXPECT_EQ(ClassicSelect(s, combo, false),
              "select '张' + a.zi + b.zi + '(90分)' as mz,(a.px + b.px + a.id) as px,a.nan + b.nan "
              "as you,a.wuhang as wuhang1,b.wuhang as wuhang2  from (select zi,px + 551 as "
              "px,id,nan,nv,wuhang from word where 1 = 1 and Aflag is null  and (xb = '男' or nan "
              "= 1 or xb = '1')  and bh = 8) a , (select zi,px + 5000 as px,id,nan,nv,wuhang from "
              "word where 1 = 1 and Aflag is null  and (xb = '男' or nan = 1 or xb = '1')  and nan "
              "= 1  and bh = 11) b");
    EXPECT_EQ(ClassicTail(true, {"火", "水"}),
              ") p where (wuhang1 = '火' and wuhang2 = '水') or (wuhang1 = '水' and wuhang2 = "
              "'火')  order by px");
    EXPECT_EQ(ClassicTail(true, {"水", ""}),
              ") p where wuhang1 = '水' or wuhang2 = '水' order by px");
    EXPECT_EQ(ClassicTail(true, {}), ") p where you > 0 order by px");
    EXPECT_EQ(ClassicTail(false, {"火", "土"}),
              ") p where wuhang1 = '火' or wuhang1 = '土'  order by px");
    EXPECT_EQ(ClassicTail(false, {}), ") p order by px");
}

TEST(ClassicQuery, FixedCharacterIsQuotedAndUsesItsOwnRow) {
    ClassicSettings s;
    s.surname = "O'张";
    s.boy = false;
    s.fixedChar = "明'";
    const std::string sql = ClassicSelect(s, {0, 6, 88}, true);
    EXPECT_NE(sql.find("select 'O''张' + a.zi + b.zi"), std::string::npos) << sql;
    EXPECT_NE(sql.find("select top 1 '明''' as zi,11 as px, 100 as id,nan,nv,wuhang from word "
                       "where 1 = 1  and zi = '明'''"),
              std::string::npos)
        << sql;
    // The second character keeps the one-character sex clause once a character is fixed.
    EXPECT_NE(sql.find("and (xb = '女' or nv = 1 or xb = '0' or xb = '1')  and nv = 1  and bh = 6"),
              std::string::npos)
        << sql;
}

TEST(ClassicNames, PaddedToSixteenCellsInRowsOfSix) {
    EXPECT_EQ(PadClassicName("张伟明(85分)"), "张伟明(85分)    ");
    EXPECT_EQ(PadClassicName("欧阳宇轩(98分)"), "欧阳宇轩(98分)  ");
    EXPECT_EQ(PadClassicName("张宇(9分)"), "张宇(9分)");  // 9 cells: left as it is
    EXPECT_EQ(PadClassicName("张伟明(100分)"), "张伟明(100分)   ");

    ClassicSettings s;
    s.highScoreText = "85";
    std::vector<std::string> rows, high;
    ClassicSink sink;
    sink.row = [&](const std::string& r) { rows.push_back(r); };
    sink.highScore = [&](const GeneratedName& n) { high.push_back(n.Text()); };
    ClassicEmitter e(s, sink);
    for (const GeneratedName& n : std::vector<GeneratedName>{{"张一", 84},
                                                             {"张二", 85},
                                                             {"张三", 100},
                                                             {"张四", 9},
                                                             {"张五", 90},
                                                             {"张六", 70},
                                                             {"张七", 86}})
        e.Emit(n);
    ASSERT_EQ(rows.size(), 1u);
    // Five names padded to 16 cells; "张四(9分)" has 9 cells and is not padded.
    EXPECT_EQ(DisplayWidth(rows[0]), 5 * 16 + 9);
    e.Finish();
    ASSERT_EQ(rows.size(), 2u);  // the last, incomplete row is shown too
    EXPECT_EQ(Trim(rows[1]), "张七(86分)");
    EXPECT_EQ(high,
              (std::vector<std::string>{"张二(85分)", "张三(100分)", "张五(90分)", "张七(86分)"}));
}

// Whole runs on the reference files of the program's folder.
class ClassicRun : public ::testing::Test {
  protected:
    ClassicSettings Settings(const std::string& surname, bool twoChar = true) {
        return AutomaticSettings(surname, true, twoChar);
    }
    std::vector<std::string> Run(const ClassicSettings& s, int stopAfter = -1) {
        std::vector<std::string> names;
        std::atomic<bool> flag{true};
        ClassicSink sink;
        sink.name = [&](const GeneratedName& n) {
            names.push_back(n.Text());
            if (static_cast<int>(names.size()) == stopAfter) flag = false;
        };
        RunClassicGeneration(s, flag, sink);
        return names;
    }
    test::ScopedProgramFolder m_folder{QINGHE_BIN_DIR};
};

TEST_F(ClassicRun, AutomaticDoubleNamesForZhang) {
    const ClassicSettings s = Settings("张");
    ASSERT_GE(s.combos.size(), 1u);
    EXPECT_LE(s.combos.size(), 20u);
    const std::vector<std::string> names = Run(s);
    ASSERT_GT(names.size(), 1000u);
    const std::regex form("张(.{3})(.{3})\\((\\d+)分\\)");  // two three-byte characters
    for (const std::string& n : names) {
        std::smatch m;
        ASSERT_TRUE(std::regex_match(n, m, form)) << n;
        ASSERT_GE(std::stoi(m[3]), 70) << n;
    }
}

TEST_F(ClassicRun, StopsWithinOneStepOfNine) {
    const std::vector<std::string> names = Run(Settings("张"), 5);
    EXPECT_GE(names.size(), 5u);
    EXPECT_LE(names.size(), 5u + 9u);
}

TEST_F(ClassicRun, FixedFirstCharacter) {
    ClassicSettings s;
    s.surname = "张";
    s.fixedChar = "子";
    ComboOptions o{"张", true, "子", true, 70};
    int kind = 0;
    s.combos = LoadStrokeCombos(o, kind).value();
    EXPECT_LE(s.combos.size(), 80u);
    EXPECT_GT(s.combos.size(), 19u);
    const std::vector<std::string> names = Run(s);
    ASSERT_FALSE(names.empty());
    for (const std::string& n : names) ASSERT_EQ(n.substr(3, 3), "子") << n;
}

TEST_F(ClassicRun, ElementsFilterTheGivenCharacters) {
    ClassicSettings s = Settings("张");
    std::string favoured = "水";
    s.elements = PrepareElements(favoured, "张");
    ASSERT_EQ(s.elements.e1, "水");
    for (const std::string& n : Run(s, 300)) {
        const std::vector<std::string> c = Utf8Chars(n);
        ASSERT_TRUE(CharElement(c[1]) == "水" || CharElement(c[2]) == "水") << n;
    }
    favoured = "水木";
    s.elements = PrepareElements(favoured, "张");
    for (const std::string& n : Run(s, 300)) {
        const std::vector<std::string> c = Utf8Chars(n);
        const std::set<std::string> pair{CharElement(c[1]), CharElement(c[2])};
        ASSERT_EQ(pair, (std::set<std::string>{"水", "木"})) << n;
    }
}

TEST_F(ClassicRun, SurnameElementsLeaveTheFavouredOnes) {
    std::string favoured = "金水";  // 张 is 金 here
    ASSERT_EQ(CharElement("张"), "金");
    const ElementChoice e = PrepareElements(favoured, "张");
    EXPECT_EQ(favoured, "水");
    EXPECT_EQ(e.e1, "水");
    EXPECT_EQ(e.e2, "");
}

TEST_F(ClassicRun, ChosenCombinationGivesItsStrokes) {
    ClassicSettings s = Settings("李", false);
    ASSERT_GE(s.combos.size(), 1u);
    s.automatic = false;
    s.chosen = StrokesOf(s.combos[0], false);
    const auto combo = s.chosen;
    ASSERT_TRUE(combo);
    const std::vector<std::string> names = Run(s);
    ASSERT_FALSE(names.empty());
    for (const std::string& n : names) {
        ASSERT_EQ(StrokeCount(Utf8Chars(n)[1]), combo->s1) << n;
        ASSERT_NE(n.find(combo->Suffix()), std::string::npos) << n;
    }
}

}  // namespace
}  // namespace qinghe
