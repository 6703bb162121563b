// Both reports share the grid explanations, the three-talent section and the number hints;
// the page adds the chart of the birth (computed before anything is written) and the summary
// lines. Look-ups go to TalFile.dll (`81`, `sancai`, `sancai2009`) and Redoviv.dll (`word`, `zh`).
#include "numerology/NameReport.h"

#include <cstdio>

#include "base/Utf8.h"
#include "calendar/LunarCalendar.h"
#include "chart/BirthChart.h"
#include "chart/ChartReadings.h"
#include "chart/ChartReport.h"
#include "numerology/CharacterLookup.h"
#include "numerology/NameNumerology.h"
#include "refdata/ReferenceDb.h"
#include "refdata/SqlText.h"

namespace qinghe {
namespace {

constexpr const char* kBlanks3 = "   ";
const std::string kPageFrame = "<" + std::string(81, '=') + ">";
const std::string kWindowFrame = "<" + std::string(81, '-') + ">";
const std::string kSeparator =
    "<" + std::string(23, '-') + "名字分析内容分隔线" + std::string(29, '-') + ">";
const std::string kPageClosing =
    "<" + std::string(23, '-') + "以上分析内容只作参考" + std::string(27, '-') + ">";
const std::string kWindowClosing =
    "<" + std::string(23, '-') + "以上分析内容只作参考" + std::string(29, '-') + ">";

std::string TwoDigits(int n) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

struct Birth {
    CivilDate date;
    std::string lunarText, animal, sign;
    int hour = 0;
    std::string minuteText;
};

Birth BirthOf(std::string_view surname, std::string_view given, const BirthMoment& birth) {
    CheckNames(surname, given);
    Birth b;
    b.date = birth.date;
    const LunarDate lunar = SolarToLunar(b.date);
    b.lunarText = LunarDateText(lunar);
    b.animal = LunarAnimal(lunar);
    b.sign = WesternSign(b.date);
    b.hour = birth.hour;
    b.minuteText = birth.minuteText;
    return b;
}

std::string BirthLineTail(const Birth& b) {
    return std::to_string(b.date.year) + "年" + TwoDigits(b.date.month) + "月" +
           TwoDigits(b.date.day) + "日" + std::to_string(b.hour) + "点" + b.minuteText + "分";
}

// From the grid explanations to the number hints; the separator before them is the caller's.
void WriteBody(const FiveGrids& g, const std::string& config, std::vector<std::string>& lines) {
    struct Grid {
        const char* name;
        int n;
        const char* heading;
    };
    const Grid grids[] = {
        {"天格", g.Heaven, "的解析】：天格数是先祖留传下来的，其数理对人影响不大。"},
        {"人格", g.Person, "的解析】：人格数又称主运，是整个姓名的中心点，影响人的一生命运。"},
        {"地格", g.Earth, "的解析】：地格数又称前运，影响人生（49岁）以前的命运。"},
        {"总格", g.Total, "的解析】：总格又称后运，影响人生（50岁）以后的命运。 "},
        {"外格", g.Outer, "的解析】：外格又称变格，影响人的社交能力、智慧等，其数理不用重点去看。"},
    };
    const int yy = static_cast<int>(NumberReadingField::yy);
    const int jx = static_cast<int>(NumberReadingField::jx);
    const int as = static_cast<int>(NumberReadingField::as);
    for (const Grid& grid : grids) {
        lines.push_back(std::string("【") + grid.name + std::to_string(grid.n) + grid.heading);
        lines.push_back(NumberReading(grid.n, yy) + NumberReading(grid.n, jx));
    }

    RefQuery q;
    try {
        q.Open(kTalFile, "Select top 1 * from sancai2009 where title = " + SqlQuote(config));
    } catch (const ReferenceDbError& e) {
        throw NameReportError(e.what());
    }
    if (!q.Eof()) {
        const auto col = [&q](const char* name) { return Trim(q.AsText(name)); };
        lines.push_back(kSeparator);
        lines.push_back("【三才数理分析】：您的姓名三才配置为：" + config +
                        "。它具有如下数理诱导力，据此会对人生产生一定的影响。");
        lines.push_back(col("yy"));
        lines.push_back("【对基础运的影响】：" + col("jcy") + col("jx1"));
        lines.push_back("【对成功运的影响】：" + col("cgy") + col("jx2"));
        lines.push_back("【对人际关系的影响】：" + col("rjgx") + col("jx3"));
        lines.push_back("【对性格的影响】：" + col("xg"));
    }
    lines.push_back(kSeparator);
    for (const Grid& grid : grids) {
        lines.push_back(std::string("【") + grid.name + std::to_string(grid.n) + "数理暗示】：");
        lines.push_back(NumberReading(grid.n, as));
    }
}

}  // namespace

NameNumbers NameNumbersOf(std::string_view surname, std::string_view given) {
    NameNumbers n;
    n.grids = ComputeFiveGrids(surname, given);
    n.config = ThreeTalents(n.grids.Heaven, n.grids.Person, n.grids.Earth);
    n.score = ScoreText(NameScore(surname, given));
    return n;
}

void CheckNames(std::string_view surname, std::string_view given) {
    if (Trim(surname).empty()) throw InputRefused("姓不能为空!");
    if (Trim(given).empty()) throw InputRefused("名不能为空!");
}

BirthMoment ReadNameReportInput(std::string_view surname, std::string_view given,
                                const BirthInput& input) {
    CheckNames(surname, given);
    return ReadBirthMoment(input);
}

BirthChart WriteNamePageReport(std::string_view surnameText, std::string_view givenText,
                               const BirthMoment& birth, int nowYear,
                               std::vector<std::string>& lines) {
    const std::string surname = Trim(surnameText), given = Trim(givenText);
    const Birth b = BirthOf(surname, given, birth);
    const BirthChart c = BirthChartOf(birth);
    const std::string ys = StemText(c.YearPillar.Stem), yb = BranchText(c.YearPillar.Branch),
                      ms = StemText(c.MonthPillar.Stem), mb = BranchText(c.MonthPillar.Branch),
                      ds = StemText(c.DayPillar.Stem), db = BranchText(c.DayPillar.Branch),
                      hs = StemText(c.HourPillar.Stem), hb = BranchText(c.HourPillar.Branch);

    lines.push_back(kPageFrame);
    lines.push_back("友情提示：");
    lines.push_back("首先非常感谢你的支持和使用，祝您万事如意，天天快乐！");
    lines.push_back(kPageFrame);
    lines.push_back("基本信息：");
    lines.push_back("年龄：" + std::to_string(nowYear - b.date.year) + "岁");
    lines.push_back("您出生公历：" + BirthLineTail(b));
    lines.push_back("农历：" + b.lunarText);
    lines.push_back("属相：" + b.animal);
    lines.push_back("星座：" + b.sign);
    lines.push_back("十神：" + TenGodOf(ds + ys) + kBlanks3 + TenGodOf(ds + ms) + kBlanks3 +
                    "日元" + kBlanks3 + TenGodOf(ds + hs));
    lines.push_back("八字：" + ys + yb + kBlanks3 + ms + mb + kBlanks3 + ds + db + kBlanks3 + hs +
                    hb);
    const std::string x = PillarElementText(ys, yb, ms, mb, ds, db, hs, hb);
    lines.push_back("五行：" + x);
    lines.push_back("纳音：" + NayinOf(ys + yb) + " " + NayinOf(ms + mb) + " " + NayinOf(ds + db) +
                    " " + NayinOf(hs + hb));
    lines.push_back("八字五行个数：" + CountElements(x));

    // Surname first, then given name: at most two characters of each.
    std::vector<std::string> chars;
    for (const std::string_view part : {std::string_view(surname), std::string_view(given)}) {
        const std::vector<std::string> cs = Utf8Chars(part);
        for (std::size_t i = 0; i < cs.size() && i < 2; ++i) chars.push_back(cs[i]);
    }
    std::string pinyin = "拼音:";
    for (std::size_t i = 0; i < chars.size(); ++i)
        pinyin += chars[i] + "(" + PinyinOf(chars[i]) + ")" + (i == 3 ? "" : "  ");
    lines.push_back(pinyin);

    const FiveGrids g = ComputeFiveGrids(surname, given);
    const auto grid = [](const char* name, int n) {
        return name + std::to_string(n) + "(" + NumberElement(n) + ")";
    };
    lines.push_back("五格：" + grid("天格", g.Heaven) + "  " + grid("人格", g.Person) + "  " +
                    grid("地格", g.Earth) + "  " + grid("总格", g.Total) + "  " +
                    grid("外格", g.Outer));
    const auto talent = [](const char* name, int n) {
        return name + std::to_string(n % 10) + "(" + NumberElement(n) + ")";
    };
    lines.push_back("三才：" + talent("天才", g.Heaven) + "  " + talent("人才", g.Person) + "  " +
                    talent("地才", g.Earth));
    lines.push_back("");
    const std::string score = ScoreText(NameScore(surname, given));
    lines.push_back(surname + given + "  综合评分： " + score + "分");
    lines.push_back("");
    lines.push_back(kSeparator);
    WriteBody(g, ThreeTalents(g.Heaven, g.Person, g.Earth), lines);
    lines.push_back(kSeparator);
    lines.push_back("");
    lines.push_back("【系统综合评分】: " + score + "分");
    lines.push_back("");
    lines.push_back(kPageClosing);
    return c;
}

std::vector<std::string> NamePageReportLines(std::string_view surname, std::string_view given,
                                             const BirthMoment& birth, int nowYear) {
    std::vector<std::string> lines;
    WriteNamePageReport(surname, given, birth, nowYear, lines);
    return lines;
}

void WriteNameWindowReport(std::string_view surnameText, std::string_view givenText,
                           const BirthMoment& birth, int nowYear, std::vector<std::string>& lines) {
    const std::string surname = Trim(surnameText), given = Trim(givenText);
    const Birth b = BirthOf(surname, given, birth);
    const FiveGrids g = ComputeFiveGrids(surname, given);

    lines.push_back(kWindowFrame);
    lines.push_back("友情提示：");
    lines.push_back("首先非常感谢你的支持和使用，祝您万事如意，天天快乐！");
    lines.push_back(kWindowFrame);
    lines.push_back(surname + given + ",您今年:" + std::to_string(nowYear - b.date.year) + "岁");
    lines.push_back("您出生公历: " + BirthLineTail(b));
    lines.push_back("农历:" + b.lunarText);
    lines.push_back("生肖:" + b.animal);
    lines.push_back("星座:" + b.sign);
    const std::string score = ScoreText(NameScore(surname, given));
    lines.push_back("综合评分: " + score + "分");
    lines.push_back(kSeparator);
    WriteBody(g, ThreeTalents(g.Heaven, g.Person, g.Earth), lines);
    lines.push_back(kSeparator);
    lines.push_back("【系统综合评分】: " + score + "分");
    lines.push_back("");
    lines.push_back(kWindowClosing);
}

std::vector<std::string> NameWindowReportLines(std::string_view surname, std::string_view given,
                                               const BirthMoment& birth, int nowYear) {
    std::vector<std::string> lines;
    WriteNameWindowReport(surname, given, birth, nowYear, lines);
    return lines;
}

}  // namespace qinghe
