// Solar-term names, the mean-year formula and the look-ups of table JQ. The mean-year constants
// (a tropical year of 31556925974.7 ms, 小寒 1900 at 1900-01-06 02:05) are the almanac's own.
#include "calendar/SolarTerms.h"

#include <cmath>
#include <cstdio>

#include "refdata/ReferenceDb.h"

namespace qinghe {

const std::array<int, 24> SolarTermOffsets = {
    0,      21208,  42467,  63836,  85337,  107014, 128867, 150921, 173149, 195551, 218072, 240693,
    263343, 285989, 308563, 331033, 353350, 375494, 397447, 419210, 440795, 462224, 483532, 504758,
};

namespace {

constexpr std::string_view kTermNames[24] = {
    "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至",
    "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至",
};

}  // namespace

std::string_view SolarTermName(int n) {
    return n >= 0 && n < 24 ? kTermNames[n] : "";
}

int SolarTermNumber(std::string_view name) {
    for (int n = 0; n < 24; ++n)
        if (kTermNames[n] == name) return n;
    return -1;
}

Moment SolarTermMoment(int year, int n) {
    static const Moment start = MomentOf({1900, 1, 6}, 2, 5);
    const double offset = (year - 1900) * 31556925974.7 + SolarTermOffsets.at(n) * 60000.0;
    // nearbyint under the default rounding mode rounds halves to even.
    return {start.ms + static_cast<std::int64_t>(std::nearbyint(offset))};
}

std::string SolarTermOfDate(const CivilDate& date) {
    if (date.month < 1 || date.month > 12) return {};
    for (int n : {2 * date.month - 2, 2 * date.month - 1})
        if (DateOf(SolarTermMoment(date.year, n)) == date) return std::string(kTermNames[n]);
    return {};
}

bool IsJieTerm(std::string_view name) {
    const int n = SolarTermNumber(name);
    return n >= 0 && n % 2 == 0;
}

bool IsBeforeJieMoment(int year, Moment birth) {
    try {
        char sql[512];
        std::snprintf(
            sql, sizeof sql,
            "select top 1 SJ from JQ where YearA = %d  and JQ in "
            "('立春','惊蛰','清明','立夏','芒种','小暑','立秋','白露','寒露','立冬','大雪',"
            "'小寒') and FORMAT(SJ,'yyyy-mm-dd') = '%s'",
            year, DateText(DateOf(birth)).c_str());
        RefQuery q(ReferenceDb(kTgcode).ConnectionString(), sql);
        if (q.RecordCount() != 1) return false;
        Moment jie;
        if (!ParseMoment(q.AsText(0), jie)) return false;
        return birth < jie;
    } catch (const ReferenceDbError&) {
        return false;
    } catch (const ConversionError&) {
        return false;
    }
}

std::optional<JieMoments> JieMomentsFromTable(int year) {
    try {
        RefQuery q(ReferenceDb(kTgcode).ConnectionString(),
                   "select JQ, SJ from JQ where YearA = " + std::to_string(year));
        JieMoments moments{};
        std::array<bool, 12> found{};
        for (q.First(); !q.Eof(); q.Next()) {
            const int n = SolarTermNumber(q.AsText(0));
            if (n < 0 || n % 2 != 0) continue;
            if (!ParseMoment(q.AsText(1), moments[static_cast<std::size_t>(n / 2)]))
                return std::nullopt;
            found[static_cast<std::size_t>(n / 2)] = true;
        }
        for (bool f : found)
            if (!f) return std::nullopt;
        return moments;
    } catch (const ReferenceDbError&) {
        return std::nullopt;
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

}  // namespace qinghe
