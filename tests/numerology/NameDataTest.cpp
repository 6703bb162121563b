// The name tables as the build writes them into the program's folder: Kangxi counts of
// well-known characters, coverage of the character and combination tables, readings.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "base/Utf8.h"
#include "numerology/CharacterLookup.h"
#include "numerology/FiveGrids.h"
#include "refdata/ReferenceDb.h"
#include "refdata/TestFixture.h"

namespace qinghe {
namespace {

class NameData : public ::testing::Test {
  protected:
    static int Count(std::string_view file, const std::string& sql) {
        RefQuery q(file, sql);
        return static_cast<int>(q.AsInteger(0));
    }
    test::ScopedProgramFolder m_folder{QINGHE_BIN_DIR};
};

TEST_F(NameData, KangxiCountsOfWellKnownCharacters) {
    // Kangxi stroke counts (radical in full form plus residual strokes, 《康熙字典》) as the
    // stroke tables of 81-number naming books print them.
    const std::map<std::string, int> expected = {
        {"张", 11}, {"陈", 16}, {"刘", 15}, {"王", 4},  {"胡", 11}, {"郑", 19}, {"萧", 18},
        {"冯", 12}, {"钟", 17}, {"龚", 22}, {"李", 7},  {"杨", 13}, {"赵", 14}, {"黄", 12},
        {"周", 8},  {"吴", 7},  {"徐", 10}, {"孙", 10}, {"马", 10}, {"朱", 6},  {"林", 8},
        {"何", 7},  {"郭", 15}, {"高", 10}, {"罗", 20}, {"梁", 11}, {"谢", 17}, {"韩", 17},
        {"许", 11}, {"邓", 19}, {"董", 15}, {"潘", 16}, {"蔡", 17}, {"蒋", 17}, {"叶", 15},
        {"魏", 18}, {"吕", 7},  {"沈", 8},  {"卢", 16}, {"江", 7},  {"汪", 8},  {"欧", 15},
        {"阳", 17}, {"诸", 16}, {"葛", 15}, {"于", 3},  {"余", 7},  {"明", 8},  {"浩", 11},
        {"宇", 6},  {"轩", 10}, {"涵", 12}, {"杰", 12}, {"思", 9},  {"怡", 9},  {"琳", 13},
        {"玲", 10}, {"华", 14}, {"国", 11}, {"伟", 11}, {"丽", 19}, {"海", 11}, {"红", 9},
        {"东", 8},  {"陆", 16}, {"邦", 11}, {"芳", 10}, {"英", 11}, {"进", 15}, {"达", 16},
        {"远", 17}, {"朗", 11}, {"育", 10}, {"珍", 10}, {"扬", 13}, {"振", 11}, {"悦", 11},
        {"恒", 10}, {"礼", 18}, {"祥", 11}, {"福", 14}, {"裕", 13}, {"一", 1},  {"四", 4},
        {"五", 5},  {"六", 6},  {"七", 7},  {"八", 8},  {"九", 9},  {"十", 10}};
    for (const auto& [c, strokes] : expected) EXPECT_EQ(StrokeCount(c), strokes) << c;
    // Traditional input is found through `ft`.
    EXPECT_EQ(StrokeCount("張"), 11);
    EXPECT_EQ(StrokeCount("鄭"), 19);
    EXPECT_EQ(StrokeCount("㐀"), 0);
}

TEST_F(NameData, SurnameFormsAndReadings) {
    EXPECT_EQ(TraditionalOf("钟"), "鍾");
    EXPECT_EQ(TraditionalOf("于"), "于");
    EXPECT_EQ(TraditionalOf("后"), "后");
    EXPECT_EQ(TraditionalOf("张"), "張");
    EXPECT_EQ(PinyinOf("张"), "zhāng");
    EXPECT_EQ(PinyinOf("長"), "cháng");  // found through the traditional form of 长
    EXPECT_EQ(PinyinOf("㐀"), "");
    EXPECT_EQ(CharElement("鑫"), "金");
    EXPECT_EQ(CharElement("海"), "水");
    EXPECT_EQ(CharElement("林"), "木");
}

TEST_F(NameData, EveryCharacterHasStrokesReadingAndElement) {
    EXPECT_EQ(Count(kRedoviv, "select count(*) from word"), 8105);
    EXPECT_EQ(Count(kRedoviv, "select count(*) from word where bh is null or bh <= 0"), 0);
    EXPECT_EQ(Count(kRedoviv, "select count(*) from word where pinyin is null or pinyin = ''"), 0);
    EXPECT_EQ(
        Count(kRedoviv, "select count(*) from word where wuhang not in ('金','木','水','火','土')"),
        0);
    EXPECT_EQ(Count(kRedoviv, "select count(*) from word where ft is null or ft = ''"), 0);
}

TEST_F(NameData, ThePoolServesBothSexes) {
    // A few hundred well-used characters for each sex; a boy's character may lead a name
    // (xb 男 or 1, or nan 1), a girl's likewise (xb 女 or 1, or nv 1).
    const int pool = Count(kRedoviv, "select count(*) from word where aflag is null");
    EXPECT_GE(pool, 350);
    EXPECT_LE(pool, 1200);
    EXPECT_GE(Count(kRedoviv,
                    "select count(*) from word where aflag is null and "
                    "(xb = '男' or xb = '1' or nan = 1)"),
              220);
    EXPECT_GE(Count(kRedoviv,
                    "select count(*) from word where aflag is null and "
                    "(xb = '女' or xb = '1' or nv = 1)"),
              220);
    // Every pool character has a sex; a second-place flag only for a sex it suits.
    EXPECT_EQ(Count(kRedoviv,
                    "select count(*) from word where aflag is null and "
                    "xb not in ('男', '女', '1')"),
              0);
    EXPECT_EQ(Count(kRedoviv,
                    "select count(*) from word where aflag is null and "
                    "((xb = '女' and nan = 1) or (xb = '男' and nv = 1))"),
              0);
    // Ranks are unique among offered characters, so generation order is stable.
    EXPECT_EQ(pool, Count(kRedoviv,
                          "select count(*) from (select distinct px from word where "
                          "aflag is null)"));
    // Left out on review: dated, or odd in a baby's name today.
    EXPECT_EQ(Count(kRedoviv,
                    "select count(*) from word where aflag is null and zi in "
                    "('魄','宰','操','拙','考','碣','恤','辞','癸','垂','媚','草','丝',"
                    "'烟','莓','幽','烛','蝉','咸','缛','建','国','红','丽','娟','芳',"
                    "'淑','贞')"),
              0);
}

TEST_F(NameData, StrokesAndReadingsThatNamesUse) {
    // Kangxi counts: 鼎 is a radical of 13 strokes; 斗 as in 北斗 (not 鬥); 冲 as 沖 (not 衝).
    EXPECT_EQ(StrokeCount("鼎"), 13);
    EXPECT_EQ(StrokeCount("斗"), 4);
    EXPECT_EQ(StrokeCount("冲"), 8);
    EXPECT_EQ(TraditionalOf("冲"), "沖");
    // Radical variants keep their own count; the radicals in full count as the dictionary does.
    EXPECT_EQ(StrokeCount("王"), 4);
    EXPECT_EQ(StrokeCount("骨"), 10);
    // The reading a name uses comes first, with its tone.
    const std::pair<const char*, const char*> readings[] = {
        {"子", "zǐ"},   {"罗", "luó"},   {"卓", "zhuó"}, {"珩", "héng"}, {"绩", "jì"},
        {"茸", "róng"}, {"诤", "zhèng"}, {"乐", "lè"},   {"朝", "zhāo"}, {"曾", "zēng"}};
    for (const auto& [zi, pinyin] : readings) EXPECT_EQ(PinyinOf(zi), pinyin) << zi;
}

TEST_F(NameData, EveryCommonSurnameHasTwentyGoodDoubleNameCombinations) {
    for (int strokes = 2; strokes <= 30; ++strokes)
        EXPECT_GE(Count(kRedoviv, "select count(*) from zh where lx = 12 and zf >= 70 and bh11 = " +
                                      std::to_string(strokes)),
                  20)
            << strokes;
}

TEST_F(NameData, CombinationScoresAgreeWithTheNumerology) {
    RefQuery q(kRedoviv,
               "select top 2000 bh11,bh12,bh21,bh22,lx,zf,sc from zh where lx = 22 or lx = 11 "
               "order by bh11 desc");
    ASSERT_GT(q.RecordCount(), 0);
    for (; !q.Eof(); q.Next()) {
        NameStrokes s;
        s.s1 = static_cast<int>(q.AsInteger("bh11"));
        if (q.AsInteger("lx") >= 20) s.s2 = static_cast<int>(q.AsInteger("bh12"));
        s.g1 = static_cast<int>(q.AsInteger("bh21"));
        if (q.AsInteger("lx") % 10 == 2) s.g2 = static_cast<int>(q.AsInteger("bh22"));
        const FiveGrids g = FiveGridsOf(s);
        const std::string config = ThreeTalents(g.Heaven, g.Person, g.Earth);
        ASSERT_EQ(q.AsText("sc"), config);
        const double score = ComputedNameScore(g, ThreeTalentPoints(ThreeTalentGrade(config)));
        ASSERT_NEAR(q.AsInteger("zf"), score, 0.5);
    }
}

TEST_F(NameData, ReadingsAreCompleteDistinctAndMatchTheLuckClasses) {
    RefQuery n(kTalFile, "select num, jx, content from 81 order by num");
    ASSERT_EQ(n.RecordCount(), 81);
    std::set<std::string> contents;
    for (int i = 1; !n.Eof(); n.Next(), ++i) {
        EXPECT_EQ(n.AsInteger("num"), i);
        const LuckClass c = LuckClassOf(i);
        EXPECT_EQ(n.AsText("jx"), c == LuckClass::Lucky       ? "吉"
                                  : c == LuckClass::HalfLucky ? "半吉"
                                                              : "凶")
            << i;
        EXPECT_GE(Utf8Length(n.AsText("content")), 40u) << i;
        contents.insert(n.AsText("content"));
    }
    EXPECT_EQ(contents.size(), 81u);

    RefQuery s(
        kTalFile,
        "select a.title, a.yy, a.jx3, b.djc from sancai2009 a, sancai b where a.title = b.title");
    ASSERT_EQ(s.RecordCount(), 125);
    std::set<std::string> readings;
    for (; !s.Eof(); s.Next()) {
        EXPECT_GE(Utf8Length(s.AsText("yy")), 40u) << s.AsText("title");
        const int grade = static_cast<int>(s.AsInteger("djc"));
        EXPECT_EQ(grade, ThreeTalentGrade(s.AsText("title")));
        EXPECT_EQ(s.AsText("jx3"), grade <= 3   ? "（吉）"
                                   : grade <= 5 ? "（半吉）"
                                                : "（凶）")
            << s.AsText("title");
        readings.insert(s.AsText("yy"));
    }
    EXPECT_EQ(readings.size(), 125u);
}

}  // namespace
}  // namespace qinghe
