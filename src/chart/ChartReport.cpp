// The report reads the boxes once, computes the chart after its personal lines and writes the
// tables in columns seven cells wide (a pair of four cells and three blanks). Years of life
// and small-luck ages count lunar years from the birth's lunar year.
#include "chart/ChartReport.h"

#include <cstdio>

#include "base/Utf8.h"
#include "calendar/LunarCalendar.h"
#include "chart/ChartReadings.h"
#include "refdata/ReferenceDb.h"

namespace qinghe {
namespace {

constexpr const char* kBlanks3 = "   ";
constexpr const char* kBlanks6 = "      ";
constexpr const char* kBlanks13 = "             ";

const std::string kFrame = "<" + std::string(81, '=') + ">";
const std::string kChartSeparator =
    "<" + std::string(23, '-') + "批八字内容分隔线" + std::string(29, '-') + ">";
const std::string kClosing =
    "<" + std::string(23, '-') + "以上内容只作参考" + std::string(29, '-') + ">";

int Mod(int a, int n) {
    return ((a % n) + n) % n;
}

std::string TwoDigits(int n) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

}  // namespace

std::string YearPairText(int year) {
    const std::vector<std::string> chars = Utf8Chars(CycleYearText(year - 1864));
    return chars.size() >= 2 ? chars[0] + chars[1] : std::string();
}

std::string SmallLuckPillar(const BirthChart& c, int m) {
    const int step = c.Backward ? -m : m;
    return GanZhi{Mod(c.HourPillar.Stem + step, 10), Mod(c.HourPillar.Branch + step, 12)}.Text();
}

std::string AgeLabel(int m) {
    return (m <= 9 ? "0" : "") + std::to_string(m) + "岁";
}

std::string LuckAgesLine(int n) {
    if (n == 1) return "      0-1岁   1岁   11岁   21岁   31岁   41岁   51岁   61岁   71岁   81岁";
    std::string line = std::string(kBlanks6) + "1-" + std::to_string(n - 1) + "岁";
    for (int k = 0; k <= 8; ++k) line += kBlanks3 + std::to_string(n + 10 * k) + "岁";
    return line;
}

BirthChart WriteChartReport(std::string_view surname, std::string_view givenName,
                            const BirthMoment& birth, int nowYear,
                            std::vector<std::string>& lines) {
    const std::string fullName = Trim(surname) + Trim(givenName);
    const CivilDate g = birth.date;
    const LunarDate lunar = SolarToLunar(g);
    const int ly = lunar.Year, lm = lunar.Month, ld = lunar.Day;
    const std::string y = std::to_string(g.year);

    lines.push_back(kFrame);
    lines.push_back("友情提示：");
    lines.push_back("首先非常感谢你的支持和使用，祝您万事如意，天天快乐！");
    lines.push_back(kFrame);
    lines.push_back("姓名：" + fullName);
    lines.push_back("年龄：" + std::to_string(nowYear - g.year) + "岁");
    const std::string h = std::to_string(birth.hour);
    lines.push_back("您出生公历：" + y + "年" + TwoDigits(g.month) + "月" + TwoDigits(g.day) +
                    "日" + h + "点" + birth.minuteText + "分");
    lines.push_back("农历：" + LunarDateText(lunar));
    lines.push_back("属相：" + LunarAnimal(lunar));
    lines.push_back("星座：" + WesternSign(g));
    lines.push_back(kChartSeparator);

    const BirthChart c = BirthChartOf(birth);
    const int n = c.LuckStartAge;
    const std::string ys = StemText(c.YearPillar.Stem), yb = BranchText(c.YearPillar.Branch),
                      ms = StemText(c.MonthPillar.Stem), mb = BranchText(c.MonthPillar.Branch),
                      ds = StemText(c.DayPillar.Stem), db = BranchText(c.DayPillar.Branch),
                      hs = StemText(c.HourPillar.Stem), hb = BranchText(c.HourPillar.Branch);
    const auto tg = [&](const std::string& stem) { return TenGodOf(ds + stem); };

    const std::string conception = Trim(c.ConceptionPillar);
    lines.push_back("胎元：" + conception + "(" + NayinOf(conception) + ")");
    lines.push_back("起运：" + c.LuckStartAgeText + "岁");
    lines.push_back("十神：" + tg(ys) + kBlanks3 + tg(ms) + kBlanks3 + "日元" + kBlanks3 + tg(hs));
    lines.push_back("八字：" + ys + yb + kBlanks3 + ms + mb + kBlanks3 + ds + db + kBlanks3 + hs +
                    hb);

    // Hidden stems: the k-th stem of each pillar, an entry being the stem and its ten god.
    std::vector<std::string> hidden[4];
    for (std::size_t p = 0; p < 4; ++p) hidden[p] = Utf8Chars(c.HiddenStems[p]);
    std::string first = "遁藏：";
    for (std::size_t p = 0; p < 4; ++p) {
        const std::string stem = hidden[p].empty() ? std::string() : hidden[p][0];
        first += (p ? " " : "") + stem + (stem.empty() ? std::string() : tg(stem));
    }
    lines.push_back(first);
    for (std::size_t k = 1; k <= 2; ++k) {
        std::string line = kBlanks6;
        for (std::size_t p = 0; p < 4; ++p)
            line += hidden[p].size() > k ? hidden[p][k] + tg(hidden[p][k]) + " " : "       ";
        lines.push_back(line);
    }

    const std::string elements = PillarElementText(ys, yb, ms, mb, ds, db, hs, hb);
    lines.push_back("五行：" + elements);
    lines.push_back("纳音：" + NayinOf(ys + yb) + " " + NayinOf(ms + mb) + " " + NayinOf(ds + db) +
                    " " + NayinOf(hs + hb));
    lines.push_back(c.LuckNayinLine);
    lines.push_back(c.LuckTenGodLine);
    lines.push_back("大运：" + c.LuckPillars);
    lines.push_back(LuckAgesLine(n));
    std::string starts = "始于：" + y;
    for (int k = 0; k <= 8; ++k) starts += kBlanks3 + std::to_string(g.year + n + 10 * k);
    lines.push_back(starts);
    lines.emplace_back();

    // Years of life: the first column the years before the luck starts, column k the k-th
    // decade of luck, starting at LY + N + 10(k - 1).
    for (int i = 0; i <= 9; ++i) {
        std::string line;
        if (i < n) {
            line = (i == 0 ? "流年：" : kBlanks6) + YearPairText(ly + i);
            for (int k = 0; k <= 8; ++k) line += kBlanks3 + YearPairText(ly + n + i + 10 * k);
        } else {
            line = kBlanks13 + YearPairText(ly + n + i);
            for (int k = 1; k <= 8; ++k) line += kBlanks3 + YearPairText(ly + n + i + 10 * k);
        }
        lines.push_back(line);
    }
    lines.emplace_back();

    // Small luck: each pair printed above the age it belongs to.
    for (int i = 0; i <= 9; ++i) {
        std::string pairs, ages;
        if (i < n) {
            pairs = (i == 0 ? "小运：" : kBlanks6) + SmallLuckPillar(c, i);
            ages = kBlanks6 + AgeLabel(i);
            for (int k = 0; k <= 8; ++k) {
                pairs += kBlanks3 + SmallLuckPillar(c, n + i + 10 * k);
                ages += kBlanks3 + AgeLabel(n + i + 10 * k);
            }
        } else {
            pairs = kBlanks13 + SmallLuckPillar(c, n + i);
            ages = kBlanks13 + AgeLabel(n + i);
            for (int k = 1; k <= 8; ++k) {
                pairs += kBlanks3 + SmallLuckPillar(c, n + i + 10 * k);
                ages += kBlanks3 + AgeLabel(n + i + 10 * k);
            }
        }
        lines.push_back(pairs);
        lines.push_back(ages);
    }

    lines.push_back("八字五行个数：" + CountElements(elements));
    lines.push_back(kChartSeparator);
    lines.push_back("袁天罡称骨算命：");
    // Born before the 节 of the birth day, the bone weight takes the month before.
    const std::string boneMonth =
        c.BornBeforeJie == 0 ? std::to_string(lm) : (lm == 1 ? "12" : std::to_string(lm - 1));
    for (BoneWeightPart part :
         {BoneWeightPart::Weight, BoneWeightPart::Poem, BoneWeightPart::Comment})
        lines.push_back(BoneWeight(std::to_string(ly), boneMonth, std::to_string(ld), h, part));
    lines.push_back(kChartSeparator);
    lines.emplace_back();
    lines.push_back(kClosing);
    return c;
}

std::vector<std::string> ChartReportLines(std::string_view surname, std::string_view givenName,
                                          const BirthMoment& birth, int nowYear) {
    std::vector<std::string> lines;
    WriteChartReport(surname, givenName, birth, nowYear, lines);
    return lines;
}

}  // namespace qinghe
