// The sixty-cycle of stems and branches and the four pillars of a birth moment. Stems and
// branches are numbered from 1 (甲, 子) and reduced modulo 10 and 12, so 癸 = 0 and 亥 = 0.
// Pillar rules follow the almanac tradition: year from 立春, month from the 节, day from midnight.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/CivilDate.h"
#include "calendar/SolarTerms.h"

namespace qinghe {

std::string StemText(int stem);         // 0 癸, 1 甲, ..., 9 壬; empty outside 0..9
std::string BranchText(int branch);     // 0 亥, 1 子, ..., 11 戌; empty outside 0..11
int StemNumber(std::string_view ch);    // -1 for a text that is not a stem
int BranchNumber(std::string_view ch);  // -1 for a text that is not a branch

struct GanZhi {
    int Stem = 0;    // 0..9
    int Branch = 0;  // 0..11
    std::string Text() const { return StemText(Stem) + BranchText(Branch); }
    friend bool operator==(const GanZhi&, const GanZhi&) = default;
};

// Position 0..59 of a pair in the cycle starting at 甲子; -1 for a pair of mixed parity.
int CycleIndex(const GanZhi& g);
GanZhi GanZhiOfCycleIndex(int index);  // 0 甲子 .. 59 癸亥

// Birth date code: month * 100 + day, one less when the birth lies before the 节 of its day.
int BirthDateCode(const CivilDate& date, bool beforeJie);

// The fixed date ranges, for births that table JQ cannot place.
GanZhi YearPillarFromCode(int year, int code);
int MonthBranchFromCode(int code);

// Month stem from the year stem and the month branch (寅 month of a 甲 year is 丙寅).
int MonthStem(int yearStem, int monthBranch);

GanZhi DayPillar(const CivilDate& date);
// The hour pillar; 23:00-23:59 is the 子 hour of the following day's stem.
GanZhi HourPillar(const CivilDate& date, int hour);

struct FourPillars {
    GanZhi Year, Month, Day, Hour;
    friend bool operator==(const FourPillars&, const FourPillars&) = default;
};

// Pillars of a Gregorian birth moment. With the year's twelve 节 moments the year turns at the
// 立春 moment and the month at each 节 moment; without them (nullopt) the fixed ranges apply to
// the birth date code, with `beforeJie` as IsBeforeJieMoment gives it.
FourPillars PillarsOf(const CivilDate& date, int hour, int minute,
                      const std::optional<JieMoments>& jie, bool beforeJie);

// The same with the moments read from table JQ (Tgcode.dll).
FourPillars ComputePillars(const CivilDate& date, int hour, int minute);

}  // namespace qinghe
