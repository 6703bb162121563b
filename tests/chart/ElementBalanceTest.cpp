// Favoured elements of two charts whose balance is plain to read.
#include <gtest/gtest.h>

#include "chart/ElementBalance.h"

namespace qinghe {
namespace {

BirthChart Pillars(const char* year, const char* month, const char* day, const char* hour) {
    auto pillar = [](std::string_view p) {
        return GanZhi{StemNumber(p.substr(0, 3)), BranchNumber(p.substr(3, 3))};
    };
    BirthChart c;
    c.YearPillar = pillar(year);
    c.MonthPillar = pillar(month);
    c.DayPillar = pillar(day);
    c.HourPillar = pillar(hour);
    return c;
}

TEST(ElementBalance, FireDayMasterBornInSummerIsStrong) {
    // 甲子 己巳 丙寅 甲午 (1984-06-01 12:00): 丙 fire in the 巳 month, with wood around it.
    const ElementBalance b = BalanceOf(Pillars("甲子", "己巳", "丙寅", "甲午"));
    EXPECT_EQ(b.dayMaster, 1);
    EXPECT_EQ(b.weight, (std::array<int, 5>{3, 4, 1, 0, 1}));
    EXPECT_TRUE(b.strong);
    // Drain and restraint: metal (none in the chart) first, then earth (ties with water).
    EXPECT_EQ(b.favoured, "金土");
}

TEST(ElementBalance, WoodDayMasterBornInAutumnAmongMetalIsWeak) {
    const ElementBalance b = BalanceOf(Pillars("庚申", "乙酉", "甲申", "庚午"));
    EXPECT_EQ(b.dayMaster, 0);
    EXPECT_EQ(b.weight, (std::array<int, 5>{1, 1, 0, 7, 0}));
    EXPECT_FALSE(b.strong);
    EXPECT_EQ(b.favoured, "水木");
}

}  // namespace
}  // namespace qinghe
