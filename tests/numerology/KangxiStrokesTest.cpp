// Kangxi stroke and element rules on Unihan-shaped values.
#include <gtest/gtest.h>

#include "numerology/KangxiStrokes.h"

namespace qinghe {
namespace {

TEST(KangxiRadicalStrokes, FollowTheRadicalNumbers) {
    // Radical number -> strokes of its full form (Kangxi dictionary radical table).
    const std::pair<int, int> cases[] = {
        {1, 1},    {6, 1},    {7, 2},    {29, 2},   {30, 3},   {60, 3},   {61, 4},
        {64, 4},   {85, 4},   {94, 4},   {95, 5},   {96, 5},   {113, 5},  {117, 5},
        {118, 6},  {130, 6},  {140, 6},  {145, 6},  {146, 6},  {147, 7},  {162, 7},
        {163, 7},  {166, 7},  {167, 8},  {170, 8},  {175, 8},  {176, 9},  {186, 9},
        {187, 10}, {194, 10}, {195, 11}, {200, 11}, {201, 12}, {204, 12}, {205, 13},
        {208, 13}, {209, 14}, {210, 14}, {211, 15}, {212, 16}, {213, 16}, {214, 17}};
    for (const auto& [radical, strokes] : cases)
        EXPECT_EQ(KangxiRadicalStrokes(radical), strokes) << radical;
    EXPECT_EQ(KangxiRadicalStrokes(0), 0);
    EXPECT_EQ(KangxiRadicalStrokes(215), 0);
}

TEST(KangxiStrokeCount, RadicalInFullFormPlusResidual) {
    EXPECT_EQ(KangxiStrokeCount("57.8", 11), 11);          // 張
    EXPECT_EQ(KangxiStrokeCount("85.7", 10), 11);          // 海: 氵 as 水
    EXPECT_EQ(KangxiStrokeCount("170.8", 11), 16);         // 陳: 阝 as 阜
    EXPECT_EQ(KangxiStrokeCount("163.12", 14), 19);        // 鄭: 阝 as 邑
    EXPECT_EQ(KangxiStrokeCount("194.8", 17), 18);         // 魏: 鬼 counts 10
    EXPECT_EQ(KangxiStrokeCount("96.-1", 4), 4);           // 王 keeps its own count
    EXPECT_EQ(KangxiStrokeCount("96.0", 5), 5);            // 玉
    EXPECT_EQ(KangxiStrokeCount("120'.3", 6), 9);          // simplified radical mark ignored
    EXPECT_EQ(KangxiStrokeCount("140.9 140.10", 12), 15);  // the first value decides
    EXPECT_EQ(KangxiStrokeCount("", 5), 0);
    EXPECT_EQ(KangxiStrokeCount("x.3", 5), 0);
    EXPECT_EQ(KangxiStrokeCount("300.3", 5), 0);
    EXPECT_EQ(RadicalOf("57.8"), 57);
    EXPECT_EQ(RadicalOf("bad"), 0);
}

TEST(NumeralStrokes, CountByValue) {
    EXPECT_EQ(NumeralStrokes("一"), 1);
    EXPECT_EQ(NumeralStrokes("四"), 4);
    EXPECT_EQ(NumeralStrokes("五"), 5);
    EXPECT_EQ(NumeralStrokes("十"), 10);
    EXPECT_FALSE(NumeralStrokes("百").has_value());
}

TEST(Element, ByRadicalMeaning) {
    EXPECT_EQ(ElementByRadical(167), "金");
    EXPECT_EQ(ElementByRadical(75), "木");
    EXPECT_EQ(ElementByRadical(140), "木");
    EXPECT_EQ(ElementByRadical(85), "水");
    EXPECT_EQ(ElementByRadical(173), "水");
    EXPECT_EQ(ElementByRadical(86), "火");
    EXPECT_EQ(ElementByRadical(72), "火");
    EXPECT_EQ(ElementByRadical(112), "土");
    EXPECT_EQ(ElementByRadical(57), "");
}

TEST(Element, ByInitialSoundClass) {
    const std::pair<const char*, const char*> cases[] = {
        {"bǎo", "水"},   {"mǐn", "水"},  {"fāng", "水"}, {"dé", "火"}, {"lín", "火"},
        {"gāo", "木"},   {"jiā", "木"},  {"xīn", "木"},  {"zǐ", "金"}, {"sēn", "金"},
        {"zhāng", "金"}, {"chén", "金"}, {"shū", "金"},  {"rú", "金"}, {"hǎi", "土"},
        {"yǔ", "土"},    {"wén", "土"},  {"ān", "土"},   {"ōu", "土"}, {"ēn", "土"}};
    for (const auto& [pinyin, element] : cases)
        EXPECT_EQ(ElementByInitial(pinyin), element) << pinyin;
    EXPECT_EQ(ElementByInitial(""), "");
}

}  // namespace
}  // namespace qinghe
