// Readings on the built reference files and on small fixtures: ten gods, 纳音, elements and
// their count, the bone weight with its key rule, and the western sign boundaries.
#include <gtest/gtest.h>

#include <cstdio>

#include "base/Utf8.h"
#include "chart/ChartReadings.h"
#include "refdata/ReferenceDb.h"
#include "refdata/TestFixture.h"

namespace qinghe {
namespace {

class ChartReadingsTest : public ::testing::Test {
  protected:
    test::ScopedProgramFolder m_files{QINGHE_BIN_DIR};
};

TEST_F(ChartReadingsTest, TenGodsNayinAndElements) {
    // Ten gods from the day stem 丙; 纳音 of the sixty-cycle song (甲子乙丑海中金 …).
    EXPECT_EQ(TenGodOf("丙甲"), "偏印");
    EXPECT_EQ(TenGodOf("丙己"), "伤官");
    EXPECT_EQ(TenGodOf("甲庚"), "七杀");
    EXPECT_EQ(TenGodOf("丙丙"), "比肩");
    EXPECT_EQ(NayinOf("甲子"), "海中金");
    EXPECT_EQ(NayinOf("庚申"), "石榴木");
    EXPECT_EQ(NayinOf("癸亥"), "大海水");
    EXPECT_EQ(ElementOfCharacter("甲"), "木");
    EXPECT_EQ(ElementOfCharacter(" 午 "), "火");
    EXPECT_EQ(ElementOfCharacter("戌"), "土");
    EXPECT_EQ(ElementOfCharacter("申"), "金");
    EXPECT_EQ(ElementOfCharacter("子"), "水");
    EXPECT_EQ(PillarElementText("甲", "子", "己", "巳", "丙", "寅", "甲", "午"),
              "木水   土火   火木   木火");
}

TEST_F(ChartReadingsTest, MissingKeysGiveEmptyText) {
    EXPECT_EQ(TenGodOf("甲X"), "");
    EXPECT_EQ(NayinOf("甲丑"), "");
    EXPECT_EQ(ElementOfCharacter("龘"), "");
    // A quote in a key stays inside the quoted value.
    EXPECT_EQ(TenGodOf("甲'"), "");
    EXPECT_EQ(ElementOfCharacter("'"), "");
}

TEST(ChartReadingsWithoutFiles, LookUpsGiveEmptyTextAndBoneWeightThrows) {
    test::FixtureFolder fixture;
    const std::string saved = ProgramFolder();
    SetProgramFolder(fixture.path());
    CloseReferenceConnections();
    std::remove(fixture.File(kTgcode).c_str());
    std::remove(fixture.File(kDream).c_str());
    EXPECT_EQ(TenGodOf("甲庚"), "");
    EXPECT_EQ(NayinOf("甲子"), "");
    EXPECT_EQ(ElementOfCharacter("甲"), "");
    EXPECT_THROW(BoneWeight("1984", "5", "2", "12", BoneWeightPart::Weight), ReferenceDbError);
    CloseReferenceConnections();
    SetProgramFolder(saved);
}

TEST(ChartReadingsOnFixture, MissingWeightsAddNothingAndAMissingVerseGivesEmptyText) {
    test::FixtureFolder fixture;
    const std::string saved = ProgramFolder();
    SetProgramFolder(fixture.path());
    CloseReferenceConnections();
    fixture.Exec(
        kDream,
        "INSERT INTO chenggu1 VALUES ('2000', 1.2); INSERT INTO chenggu2 VALUES ('1', 0.6);"
        "INSERT INTO chenggu (weight, content, content2) VALUES ('18', ' 诗 ', ' 解 ');");
    // 1.2 + 0.6 and nothing for the day and hour: 1.8, key "18".
    EXPECT_EQ(BoneWeight("2000", "1", "9", "9", BoneWeightPart::Weight), "你的骨重为：1两8钱");
    EXPECT_EQ(BoneWeight("2000", "1", "9", "9", BoneWeightPart::Poem), "骨重诗评：诗");
    EXPECT_EQ(BoneWeight("2000", "1", "9", "9", BoneWeightPart::Comment), "骨重解评：解");
    EXPECT_EQ(BoneWeight("2000", "2", "9", "9", BoneWeightPart::Weight), "");
    CloseReferenceConnections();
    SetProgramFolder(saved);
}

// Weights of the bone-weight method (data/boneweight, sources in its README): 甲子 year 1.2,
// fifth month 0.5, third month 1.8, second day 1.0, 午 hour 1.0.
TEST_F(ChartReadingsTest, BoneWeightOfABirth) {
    EXPECT_EQ(BoneWeight("1984", "5", "2", "12", BoneWeightPart::Weight), "你的骨重为：3两7钱");
    EXPECT_EQ(BoneWeight("1984", "5", "2", "11", BoneWeightPart::Poem),
              "骨重诗评：此命般般事不成，弟兄少力自孤行，虽然祖业须微有，来得明时去不明。");
    EXPECT_EQ(BoneWeight("1984", "3", "2", "12", BoneWeightPart::Weight), "你的骨重为：5两");
    EXPECT_EQ(BoneWeight("1984", "3", "2", "12", BoneWeightPart::Poem),
              "骨重诗评：为利为名终日劳，中年福禄也多遭，老来自有财星照，不比前番目下高。");
    const std::string comment = BoneWeight("1984", "3", "2", "12", BoneWeightPart::Comment);
    EXPECT_EQ(comment.rfind("骨重解评：", 0), 0u);
    EXPECT_GT(comment.size(), std::string("骨重解评：").size() + 60);
    // 23:00 and 00:00 are both the 子 hour (1.6).
    EXPECT_EQ(BoneWeight("1984", "5", "2", "23", BoneWeightPart::Weight),
              BoneWeight("1984", "5", "2", "0", BoneWeightPart::Weight));
}

TEST(BoneWeightKey, FirstDigitAndTenths) {
    EXPECT_EQ(BoneWeightKey(42), "42");
    EXPECT_EQ(BoneWeightKey(50), "50");
    EXPECT_EQ(BoneWeightKey(21), "21");
    EXPECT_EQ(BoneWeightKey(71), "71");
    EXPECT_EQ(BoneWeightKey(5), "05");  // 0.5 两: "0.5" gives first digit 0, tenth 5
}

struct CountCase {
    const char* name;
    const char* text;
    const char* count;
};

class CountElementsTest : public ::testing::TestWithParam<CountCase> {};

TEST_P(CountElementsTest, CountsTheEightPlaces) {
    EXPECT_EQ(CountElements(GetParam().text), GetParam().count);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CountElementsTest,
    ::testing::Values(
        CountCase{"Example", "木火   土金   水木   火土",
                  "金:占1个, 木:占2个, 水:占1个, 火:占2个, 土:占2个"},
        CountCase{"AllFire", "火火   火火   火火   火火",
                  "金:占0个, 木:占0个, 水:占0个, 火:占8个, 土:占0个"},
        // An element the tables lack leaves a gap; the later pillars are still counted whole.
        CountCase{"OneMissing", "木   土金   水木   火土",
                  "金:占1个, 木:占2个, 水:占1个, 火:占1个, 土:占2个"},
        CountCase{"PillarMissing", "木火      水木   火土",
                  "金:占0个, 木:占2个, 水:占1个, 火:占2个, 土:占1个"},
        CountCase{"Empty", "", "金:占0个, 木:占0个, 水:占0个, 火:占0个, 土:占0个"}),
    [](const auto& info) { return std::string(info.param.name); });

struct SignCase {
    int year, month, day;
    const char* sign;
};

class WesternSignTest : public ::testing::TestWithParam<SignCase> {};

// The tropical sign dates as the Chinese almanacs print them; both ends of each range.
TEST_P(WesternSignTest, RangesAreInclusive) {
    const SignCase& c = GetParam();
    EXPECT_EQ(WesternSign({c.year, c.month, c.day}), c.sign)
        << c.year << "-" << c.month << "-" << c.day;
}

INSTANTIATE_TEST_SUITE_P(
    Dates, WesternSignTest,
    ::testing::Values(SignCase{2000, 12, 21, "射手座"}, SignCase{2000, 12, 22, "摩羯座"},
                      SignCase{2000, 12, 31, "摩羯座"}, SignCase{2001, 1, 1, "摩羯座"},
                      SignCase{2001, 1, 19, "摩羯座"}, SignCase{2001, 1, 20, "水瓶座"},
                      SignCase{2001, 2, 18, "水瓶座"}, SignCase{2000, 2, 29, "双鱼座"},
                      SignCase{2001, 3, 20, "双鱼座"}, SignCase{2001, 3, 21, "白羊座"},
                      SignCase{2001, 4, 21, "金牛座 "}, SignCase{2001, 5, 1, "金牛座 "},
                      SignCase{2001, 5, 20, "金牛座 "}, SignCase{2001, 5, 21, "双子座"},
                      SignCase{2001, 6, 21, "双子座"}, SignCase{2001, 6, 22, "巨蟹座"},
                      SignCase{2001, 7, 23, "狮子座"}, SignCase{2001, 8, 23, "处女座"},
                      SignCase{2001, 9, 23, "天秤座"}, SignCase{2001, 10, 23, "天蝎座"},
                      SignCase{2001, 11, 21, "天蝎座"}, SignCase{2001, 11, 22, "射手座"},
                      SignCase{2001, 2, 30, ""}));

}  // namespace
}  // namespace qinghe
