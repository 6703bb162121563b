// Stem and branch arithmetic and the pillar rules. The day count's constant 6015 puts
// 2000-01-01 on cycle day 55 (戊午), agreeing with the almanacs' running day cycle.
#include "calendar/Sexagenary.h"

namespace qinghe {
namespace {

constexpr std::string_view kStems[10] = {"癸", "甲", "乙", "丙", "丁",
                                         "戊", "己", "庚", "辛", "壬"};
constexpr std::string_view kBranches[12] = {"亥", "子", "丑", "寅", "卯", "辰",
                                            "巳", "午", "未", "申", "酉", "戌"};

int Mod(int n, int m) {
    return ((n % m) + m) % m;
}

// Month branches of the twelve 节 in term order: 小寒 丑, 立春 寅, ..., 大雪 子.
constexpr int kJieBranch[12] = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0, 1};

}  // namespace

std::string StemText(int stem) {
    return stem >= 0 && stem < 10 ? std::string(kStems[stem]) : std::string();
}

std::string BranchText(int branch) {
    return branch >= 0 && branch < 12 ? std::string(kBranches[branch]) : std::string();
}

int StemNumber(std::string_view ch) {
    for (int i = 0; i < 10; ++i)
        if (kStems[i] == ch) return i;
    return -1;
}

int BranchNumber(std::string_view ch) {
    for (int i = 0; i < 12; ++i)
        if (kBranches[i] == ch) return i;
    return -1;
}

int CycleIndex(const GanZhi& g) {
    const int s = Mod(g.Stem - 1, 10), b = Mod(g.Branch - 1, 12);  // 甲 = 0, 子 = 0
    if (s % 2 != b % 2) return -1;
    // The index i with i mod 10 = s and i mod 12 = b.
    for (int i = s; i < 60; i += 10)
        if (i % 12 == b) return i;
    return -1;
}

GanZhi GanZhiOfCycleIndex(int index) {
    const int i = Mod(index, 60);
    return {(i + 1) % 10, (i + 1) % 12};
}

int BirthDateCode(const CivilDate& date, bool beforeJie) {
    return date.month * 100 + date.day - (beforeJie ? 1 : 0);
}

GanZhi YearPillarFromCode(int year, int code) {
    const int y = code <= 203 ? year - 4 : year - 3;
    return {Mod(y, 10), Mod(y, 12)};
}

int MonthBranchFromCode(int code) {
    static constexpr struct {
        int firstCode;
        int branch;
    } kRanges[] = {{1208, 1}, {1107, 0}, {1008, 11}, {908, 10}, {808, 9}, {707, 8},
                   {606, 7},  {505, 6},  {405, 5},   {306, 4},  {204, 3}, {106, 2}};
    for (const auto& r : kRanges)
        if (code >= r.firstCode) return r.branch;
    return 1;  // 子 up to 105
}

int MonthStem(int yearStem, int monthBranch) {
    return monthBranch <= 2 ? Mod(2 * yearStem + monthBranch, 10)
                            : Mod(2 * yearStem + monthBranch + 8, 10);
}

GanZhi DayPillar(const CivilDate& date) {
    const int g = date.year - 1;
    const int base = 5 * g + g / 4 - g / 100 + g / 400;
    const int cycle = Mod(base + DayOfYear(date) + 6015, 60);
    return {cycle % 10, cycle % 12};
}

GanZhi HourPillar(const CivilDate& date, int hour) {
    const int branch = Mod((hour + 3) / 2, 12);
    // From 23:00 the 子 hour of the next day has begun: its stem follows the next day's stem,
    // while the day pillar itself still changes at midnight.
    const int dayStem = hour >= 23 ? (DayPillar(date).Stem + 1) % 10 : DayPillar(date).Stem;
    const int stem = branch == 0 ? Mod(2 * dayStem, 10) : Mod(2 * dayStem + branch + 8, 10);
    return {stem, branch};
}

FourPillars PillarsOf(const CivilDate& date, int hour, int minute,
                      const std::optional<JieMoments>& jie, bool beforeJie) {
    FourPillars p;
    int pillarYear = 0;
    int monthBranch = 0;
    if (jie) {
        const Moment birth = MomentOf(date, hour, minute);
        const JieMoments& m = *jie;
        pillarYear = birth >= m[1] ? date.year : date.year - 1;
        // Before 小寒 the month is still the 子 month begun at the previous year's 大雪.
        monthBranch = 1;
        for (int i = 11; i >= 0; --i) {
            if (birth >= m[static_cast<std::size_t>(i)]) {
                monthBranch = kJieBranch[i];
                break;
            }
        }
        p.Year = {Mod(pillarYear - 3, 10), Mod(pillarYear - 3, 12)};
    } else {
        const int code = BirthDateCode(date, beforeJie);
        p.Year = YearPillarFromCode(date.year, code);
        monthBranch = MonthBranchFromCode(code);
    }
    p.Month = {MonthStem(p.Year.Stem, monthBranch), monthBranch};
    p.Day = DayPillar(date);
    p.Hour = HourPillar(date, hour);
    return p;
}

FourPillars ComputePillars(const CivilDate& date, int hour, int minute) {
    const std::optional<JieMoments> jie = JieMomentsFromTable(date.year);
    const bool beforeJie = !jie && IsBeforeJieMoment(date.year, MomentOf(date, hour, minute));
    return PillarsOf(date, hour, minute, jie, beforeJie);
}

}  // namespace qinghe
