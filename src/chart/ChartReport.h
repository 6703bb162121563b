// The bazi analysis report of the chart page: 66 lines of fixed layout (personal data, the
// eight characters with ten gods, hidden stems, elements and 纳音, luck pillars, the tables of
// years of life and small luck, element count, bone weight), columns counted in display cells.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/BirthInput.h"
#include "calendar/CivilDate.h"
#include "chart/BirthChart.h"

namespace qinghe {

// The Gregorian birth date of a page's boxes after the checks of the report, in this order:
// an empty year, month, day or hour box is refused ("请选择出生年!" ...); a Gregorian date is
// read by ParseDate (ConversionError); a lunar date that does not exist is refused
// ("农历日期不存在，请检查输入!"); a date outside the lunar calendar's range is refused.
CivilDate BirthDateOfInput(const BirthInput& input);

// The chart of a page's boxes: BirthDateOfInput, the hour item's number and the minute.
BirthChart BirthChartOfInput(const BirthInput& input);

// The report lines for a person born per `input`, ages counted to `nowYear`. Lines are appended
// to `lines` as they are written, so that after an exception the lines written so far remain.
// Throws InputRefused and ConversionError as BirthDateOfInput and BirthChartOf do, and
// ReferenceDbError when the bone-weight tables cannot be read.
void WriteChartReport(std::string_view surname, std::string_view givenName, const BirthInput& input,
                      int nowYear, std::vector<std::string>& lines);
std::vector<std::string> ChartReportLines(std::string_view surname, std::string_view givenName,
                                          const BirthInput& input, int nowYear);

// Parts of the report, each a pure function of its arguments.
std::string YearPairText(int year);                       // 1984 gives 甲子
std::string SmallLuckPillar(const BirthChart& c, int m);  // the 小运 pair of age m
std::string AgeLabel(int m);                              // 0 gives 00岁, 10 gives 10岁
std::string LuckAgesLine(int startAge);                   // line 24

}  // namespace qinghe
