// The four-pillar chart of one birth: pillars, conception pillar (胎元), direction and start of
// the ten-year luck pillars (大运) with their 纳音 and ten gods, and the hidden stems (遁藏).
// Rules of the almanac tradition; 节 dates and moments from table JQ (Tgcode.dll).
#pragma once

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

#include "base/CivilDate.h"
#include "base/Errors.h"
#include "calendar/Sexagenary.h"
#include "chart/BirthMoment.h"

namespace qinghe {

struct BirthChart {
    GanZhi YearPillar, MonthPillar, DayPillar, HourPillar;
    int BornBeforeJie = 0;         // -1 when the birth lies before the 节 of its day, else 0
    std::string ConceptionPillar;  // stem, branch and one trailing blank: "庚申 "
    int Backward = 0;              // 1: the luck pillars run backward (逆), 0: forward (顺)
    int LuckStartAge = 0;          // [1, 10]
    std::string LuckStartAgeText;
    std::array<GanZhi, 10> Luck{};  // the luck pillars, the first being the month pillar
    std::string LuckPillars;        // the ten pairs three blanks apart
    std::string LuckNayinLine;      // "纳音：" and each pair's 纳音 followed by one blank
    std::string LuckTenGodLine;     // "十神：" and each pair's ten god followed by three blanks
    std::array<std::string, 4> HiddenStems;  // year, month, day, hour
    bool ok() const { return !LuckPillars.empty(); }
};

// The hidden stems of a branch character ("午" gives "己丁"); empty text for another text.
std::string HiddenStemsOf(std::string_view branch);

// True for the yin stems 乙 丁 己 辛 癸.
bool IsYinStem(int stem);

// Days from a birth date to the first 节 after it (forward) or before it (backward), the birth
// date itself never counted; [1, 32]. The 节 dates are those of the true moments in table JQ,
// the mean-year dates where the table lacks a year.
int DaysToJie(const CivilDate& birth, bool backward);

// The chart of a Gregorian birth; sex "男" is male, any other text female. Throws InputRefused
// ("请检查输入数据是否出错！") for a day the month does not have in February, April, June,
// September or November, and ConversionError for any other impossible date or an hour or minute
// out of range.
BirthChart BirthChartOf(int year, int month, int day, int hour, int minute, std::string_view sex);

// The chart of a birth as the boxes gave it; throws as the function above.
BirthChart BirthChartOf(const BirthMoment& moment);

}  // namespace qinghe
