// The bazi analysis report of the chart page: 66 lines of fixed layout (personal data, the
// eight characters with ten gods, hidden stems, elements and 纳音, luck pillars, the tables of
// years of life and small luck, element count, bone weight), columns counted in display cells.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/CivilDate.h"
#include "chart/BirthChart.h"

namespace qinghe {

// The report lines for a person born at `birth`, ages counted to `nowYear`; returns the chart
// the report shows. Lines are appended to `lines` as they are written, so that after an
// exception the lines written so far remain. Throws InputRefused and ConversionError as
// BirthChartOf does, and ReferenceDbError when the bone-weight tables cannot be read.
BirthChart WriteChartReport(std::string_view surname, std::string_view givenName,
                            const BirthMoment& birth, int nowYear, std::vector<std::string>& lines);
std::vector<std::string> ChartReportLines(std::string_view surname, std::string_view givenName,
                                          const BirthMoment& birth, int nowYear);

// Parts of the report, each a pure function of its arguments.
std::string YearPairText(int year);                       // 1984 gives 甲子
std::string SmallLuckPillar(const BirthChart& c, int m);  // the 小运 pair of age m
std::string AgeLabel(int m);                              // 0 gives 00岁, 10 gives 10岁
std::string LuckAgesLine(int startAge);                   // line 24

}  // namespace qinghe
