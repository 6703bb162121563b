// Steps of the chart: date check, pillars by the exact 节 moments, conception pillar, direction
// by the year stem and sex, start of luck by the days to the nearest 节 (three days a year),
// luck pillars stepping from the month pillar, and the hidden stems of four branches.
#include "chart/BirthChart.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "base/Utf8.h"
#include "calendar/LunarCalendar.h"
#include "calendar/SolarTerms.h"
#include "chart/ChartReadings.h"
#include "refdata/ReferenceDb.h"

namespace qinghe {
namespace {

int Mod(int a, int n) {
    return ((a % n) + n) % n;
}

// The 节 days of the years around a birth, from the true moments; nothing when table JQ lacks
// one of the years.
std::optional<std::vector<int>> JieDaysAround(int year) {
    std::vector<int> days;
    for (int y = year - 1; y <= year + 1; ++y) {
        const std::optional<JieMoments> moments = JieMomentsFromTable(y);
        if (!moments) return std::nullopt;
        for (const Moment& m : *moments) days.push_back(DayOf(m));
    }
    std::sort(days.begin(), days.end());
    return days;
}

// The mean-year search: the first day one to 32 days away whose mean-year term is a 节.
int DaysToMeanJie(int birthDay, bool backward) {
    for (int j = 1; j <= 32; ++j)
        if (IsJieTerm(Trim(SolarTermOfDate(CivilFromDays(backward ? birthDay - j : birthDay + j)))))
            return j;
    return 32;
}

void CheckDayOfMonth(int year, int month, int day) {
    const bool refused = (month == 2 && day > (IsLeapYear(year) ? 29 : 28)) ||
                         ((month == 4 || month == 6 || month == 9 || month == 11) && day > 30);
    if (refused) throw InputRefused("请检查输入数据是否出错！");
    if (!IsValidCivil(year, month, day))
        throw ConversionError("'" + std::to_string(year) + "-" + std::to_string(month) + "-" +
                              std::to_string(day) + "' is not a valid date");
}

}  // namespace

std::string HiddenStemsOf(std::string_view branch) {
    static constexpr struct {
        const char* branch;
        const char* stems;
    } kHidden[] = {{"子", "癸"},     {"丑", "癸辛己"}, {"寅", "甲丙戊"}, {"卯", "乙"},
                   {"辰", "乙戊癸"}, {"巳", "庚丙戊"}, {"午", "己丁"},   {"未", "乙己丁"},
                   {"申", "戊庚壬"}, {"酉", "辛"},     {"戌", "辛丁戊"}, {"亥", "壬甲"}};
    for (const auto& h : kHidden)
        if (branch == h.branch) return h.stems;
    return {};
}

bool IsYinStem(int stem) {
    // 甲 = 1 ... 癸 = 0: the yin stems 乙 丁 己 辛 癸 have even numbers.
    return Mod(stem, 2) == 0;
}

int DaysToJie(const CivilDate& birth, bool backward) {
    const int b = DaysFromCivil(birth);
    if (const std::optional<std::vector<int>> days = JieDaysAround(birth.year)) {
        if (backward) {
            const auto it = std::lower_bound(days->begin(), days->end(), b);
            if (it != days->begin() && b - *(it - 1) <= 32) return b - *(it - 1);
        } else {
            const auto it = std::upper_bound(days->begin(), days->end(), b);
            if (it != days->end() && *it - b <= 32) return *it - b;
        }
    }
    return DaysToMeanJie(b, backward);
}

BirthChart BirthChartOf(int year, int month, int day, int hour, int minute, std::string_view sex) {
    CheckDayOfMonth(year, month, day);
    if (hour < 0 || hour > 23)
        throw ConversionError("'" + std::to_string(hour) + "' is not a valid hour");
    if (minute < 0 || minute > 59)
        throw ConversionError("'" + std::to_string(minute) + "' is not a valid minute");
    const CivilDate date{year, month, day};

    BirthChart c;
    c.BornBeforeJie = IsBeforeJieMoment(year, MomentOf(date, hour, minute)) ? -1 : 0;
    const FourPillars p = ComputePillars(date, hour, minute);
    c.YearPillar = p.Year;
    c.MonthPillar = p.Month;
    c.DayPillar = p.Day;
    c.HourPillar = p.Hour;

    c.ConceptionPillar =
        GanZhi{Mod(p.Month.Stem + 1, 10), Mod(p.Month.Branch + 3, 12)}.Text() + " ";

    const bool male = sex == "男";
    c.Backward = male == IsYinStem(p.Year.Stem) ? 1 : 0;

    // Three days to the 节 make one year; 31 or 32 days would give 11, kept at the last age 10.
    const int j = DaysToJie(date, c.Backward == 1);
    c.LuckStartAge = std::min((j + 2) / 3, 10);
    c.LuckStartAgeText = std::to_string(c.LuckStartAge);

    const std::string dayStem = StemText(p.Day.Stem);
    c.LuckNayinLine = "纳音：";
    c.LuckTenGodLine = "十神：";
    for (int i = 0; i < 10; ++i) {
        const int step = c.Backward ? -i : i;
        const GanZhi g{Mod(p.Month.Stem + step, 10), Mod(p.Month.Branch + step, 12)};
        c.Luck[static_cast<std::size_t>(i)] = g;
        c.LuckPillars += g.Text() + "   ";
        c.LuckNayinLine += NayinOf(g.Text()) + " ";
        c.LuckTenGodLine += TenGodOf(dayStem + StemText(g.Stem)) + "   ";
    }
    c.LuckPillars = Trim(c.LuckPillars);

    // Year: the lunar year of the first 节 after the birth, whatever the direction; 1924 is 子.
    const CivilDate nextJie = CivilFromDays(DaysFromCivil(date) + DaysToJie(date, false));
    const LunarDate lunar = SolarToLunar(nextJie);
    // Past the lunar table's ends the 节 is 小寒 of early January, still in the lunar year before.
    const int lunarYear = lunar.ok() ? lunar.Year : nextJie.year - (nextJie.month == 1 ? 1 : 0);
    c.HiddenStems[0] = HiddenStemsOf(BranchText(Mod(lunarYear - 1924 + 1, 12)));
    // Month: by the Gregorian month number, January 丑 ... December 子.
    c.HiddenStems[1] = HiddenStemsOf(BranchText(Mod(month + 1, 12)));
    c.HiddenStems[2] = HiddenStemsOf(BranchText(p.Day.Branch));
    c.HiddenStems[3] = HiddenStemsOf(BranchText(p.Hour.Branch));
    return c;
}

BirthChart BirthChartOf(const BirthMoment& m) {
    return BirthChartOf(m.date.year, m.date.month, m.date.day, m.hour, m.Minute(),
                        m.male ? "男" : "女");
}

}  // namespace qinghe
