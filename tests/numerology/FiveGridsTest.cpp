// Five grids, luck classes, scores and the three-talent grade.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>

#include "numerology/FiveGrids.h"

namespace qinghe {
namespace {

NameStrokes Strokes(int s1, std::optional<int> s2, int g1, std::optional<int> g2) {
    NameStrokes s;
    s.s1 = s1, s.s2 = s2, s.g1 = g1, s.g2 = g2;
    return s;
}

TEST(FiveGrids, WangXiaoMing) {
    // 王 4, 小 3, 明 8: the worked example of naming books.
    EXPECT_EQ(FiveGridsOf(Strokes(4, std::nullopt, 3, 8)), (FiveGrids{5, 11, 7, 15, 9}));
}

TEST(FiveGrids, EachFormOfName) {
    // 张 11 + 伟 11: single + single, 外格 is always 2.
    EXPECT_EQ(FiveGridsOf(Strokes(11, std::nullopt, 11, std::nullopt)),
              (FiveGrids{12, 12, 22, 22, 2}));
    // 欧阳 15 17 + 明 8: two-character surname, single given name.
    EXPECT_EQ(FiveGridsOf(Strokes(15, 17, 8, std::nullopt)), (FiveGrids{32, 9, 25, 40, 16}));
    // 诸葛 16 15 + 明 8 亮 9: both two characters, 外格 = 总格 - 人格.
    EXPECT_EQ(FiveGridsOf(Strokes(16, 15, 8, 9)), (FiveGrids{31, 17, 23, 48, 25}));
}

TEST(FiveGrids, MissingCharacterCountsZero) {
    EXPECT_EQ(FiveGridNumber(Strokes(0, std::nullopt, 8, std::nullopt), GridKind::Heaven), 1);
}

TEST(FiveGrids, NumbersAbove80Fold) {
    EXPECT_EQ(FoldGridNumber(80), 80);
    EXPECT_EQ(FoldGridNumber(81), 1);
    EXPECT_EQ(FoldGridNumber(160), 80);
    EXPECT_EQ(FoldGridNumber(161), 1);
    // 30 + 30 surname and 30 + 30 given name: 总格 120 folds to 40.
    EXPECT_EQ(FiveGridNumber(Strokes(30, 30, 30, 30), GridKind::Total), 40);
}

TEST(FiveGrids, ThreeCharacterGivenNameLooksUpTheRestAsOneText) {
    NameStrokes s = Strokes(7, std::nullopt, 5, 6);
    s.gRest = 0;  // the last two characters as one text are not in the table
    EXPECT_EQ(FiveGridNumber(s, GridKind::Earth), 11);
    EXPECT_EQ(FiveGridNumber(s, GridKind::Person), 12);
    EXPECT_EQ(FiveGridNumber(s, GridKind::Total), 12);
}

TEST(NumberElement, ByLastDigit) {
    const std::map<int, std::string> expected = {{1, "木"},  {2, "木"},  {13, "火"}, {24, "火"},
                                                 {35, "土"}, {46, "土"}, {57, "金"}, {68, "金"},
                                                 {79, "水"}, {80, "水"}, {0, "水"},  {-3, ""}};
    for (const auto& [n, e] : expected) EXPECT_EQ(NumberElement(n), e) << n;
    EXPECT_EQ(ThreeTalents(5, 7, 11), "土金木");
}

TEST(LuckClass, ListsHoldOneToEightyOneExactlyOnce) {
    std::map<LuckClass, int> counts;
    for (int n = 1; n <= 81; ++n) ++counts[LuckClassOf(n)];
    EXPECT_EQ(counts[LuckClass::Lucky], 32);
    EXPECT_EQ(counts[LuckClass::HalfLucky], 14);
    EXPECT_EQ(counts[LuckClass::Unlucky], 35);
    EXPECT_EQ(counts[LuckClass::None], 0);
    for (int n : {0, -1, 82, 100}) EXPECT_EQ(LuckClassOf(n), LuckClass::None) << n;
    // A number must match whole: 1 is lucky, 2 is not although "21" holds a 1.
    EXPECT_EQ(LuckClassOf(2), LuckClass::Unlucky);
    EXPECT_EQ(LuckClassOf(6), LuckClass::HalfLucky);
}

TEST(GridScore, ByClassAndKind) {
    EXPECT_EQ(GridScore(1, GridKind::Heaven), 10);
    EXPECT_EQ(GridScore(1, GridKind::Person), 30);
    EXPECT_EQ(GridScore(1, GridKind::Total), 20);
    EXPECT_EQ(GridScore(6, GridKind::Earth), 8.5);
    EXPECT_EQ(GridScore(6, GridKind::Person), 25.5);
    EXPECT_EQ(GridScore(6, GridKind::Total), 17);
    EXPECT_EQ(GridScore(2, GridKind::Outer), 7);
    EXPECT_EQ(GridScore(2, GridKind::Person), 21);
    EXPECT_EQ(GridScore(2, GridKind::Total), 14);
    EXPECT_EQ(GridScore(0, GridKind::Person), 0);
    EXPECT_EQ(GridScore(82, GridKind::Heaven), 0);
}

TEST(ThreeTalentGrade, FollowsTheWrittenRule) {
    // 木火土: 天木 generates 人火 +3, 人火 generates 地土 +2, 天木 overcomes 地土 -1: 4 -> 2.
    EXPECT_EQ(ThreeTalentGrade("木火土"), 2);
    // 金金金: all the same, 1 + 1 + 0 = 2 -> 3.
    EXPECT_EQ(ThreeTalentGrade("金金金"), 3);
    // 水火金: 天水 overcomes 人火 -3, 人火 overcomes 地金 -1, 地金 generates 天水 +1: -3 -> 6.
    EXPECT_EQ(ThreeTalentGrade("水火金"), 6);
    // 土金水: 土 generates 金 +3, 金 generates 水 +2, 土 overcomes 水 -1: 4 -> 2.
    EXPECT_EQ(ThreeTalentGrade("土金水"), 2);
    // 火水火: 水 overcomes 火 from below and above: 人水 overcomes 天火 -1, 人水 overcomes 地火 -1,
    // same 0: -2 -> 5.
    EXPECT_EQ(ThreeTalentGrade("火水火"), 5);
    EXPECT_EQ(ThreeTalentGrade("木火"), 0);
    EXPECT_EQ(ThreeTalentGrade("木火X"), 0);
}

TEST(ThreeTalentGrade, EveryGradeOccursAndPointsFollowIt) {
    // Counts per grade over all 125 configurations (computed independently when the rule
    // was written down).
    const char* e[] = {"木", "火", "土", "金", "水"};
    std::map<int, int> counts;
    for (auto t : e)
        for (auto r : e)
            for (auto d : e) ++counts[ThreeTalentGrade(std::string(t) + r + d)];
    EXPECT_EQ(counts,
              (std::map<int, int>{{1, 5}, {2, 35}, {3, 15}, {4, 20}, {5, 25}, {6, 20}, {7, 5}}));
    EXPECT_EQ(ThreeTalentPoints(1), 20);
    EXPECT_EQ(ThreeTalentPoints(4), 15);
    EXPECT_EQ(ThreeTalentPoints(7), 12);
    EXPECT_EQ(ThreeTalentPoints(0), -1);
    EXPECT_EQ(ThreeTalentPoints(8), -1);
}

TEST(NameScore, StaysWithinRangeInHalfPoints) {
    std::set<double> seen;
    for (int s1 = 1; s1 <= 30; ++s1)
        for (int g1 = 1; g1 <= 30; ++g1)
            for (int g2 = 1; g2 <= 30; ++g2) {
                const FiveGrids g = FiveGridsOf(Strokes(s1, std::nullopt, g1, g2));
                const double score = ComputedNameScore(
                    g,
                    ThreeTalentPoints(ThreeTalentGrade(ThreeTalents(g.Heaven, g.Person, g.Earth))));
                ASSERT_GE(score, 55);
                ASSERT_LE(score, 100);
                ASSERT_EQ(std::fmod(score * 2, 1.0), 0.0);
                seen.insert(score);
            }
    EXPECT_TRUE(seen.count(100));
}

TEST(ScoreText, ShortestDecimalForm) {
    EXPECT_EQ(ScoreText(85), "85");
    EXPECT_EQ(ScoreText(78.5), "78.5");
    EXPECT_EQ(ScoreText(100), "100");
}

}  // namespace
}  // namespace qinghe
