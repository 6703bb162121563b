// The look-up of the almanac window: its checks, the query with the date literal as typed
// (a date that parses holds nothing but digits and dashes), and the lines of its row.
#include "calendar/Almanac.h"

#include "base/CivilDate.h"
#include "base/Errors.h"
#include "base/Utf8.h"
#include "refdata/ReferenceDb.h"

namespace qinghe {

std::optional<AlmanacEntry> AlmanacOf(std::string_view yearText, std::string_view monthText,
                                      std::string_view dayText) {
    const std::string year = Trim(yearText), month = Trim(monthText), day = Trim(dayText);
    if (year.empty()) throw InputRefused("请选择年!");
    if (month.empty()) throw InputRefused("请选择月!");
    if (day.empty()) throw InputRefused("请选择日!");
    const std::string date = year + "-" + month + "-" + day;
    try {
        ParseDate(date);
    } catch (const ConversionError&) {
        throw InputRefused("请选择有效的日期!");
    }
    RefQuery q(kTalBirth, "Select top 1 * from huangdao where gn = #" + date + "#");
    if (q.Eof()) return std::nullopt;
    const auto field = [&q](const char* name) { return Trim(q.AsText(name)); };
    AlmanacEntry e;
    e.overview = date + "  " + field("nn");
    e.lines = {
        "岁次:" + field("suici"), "每日胎神占方:" + field("tszf"), "五行:" + field("wuhang"),
        "冲:" + field("cong"),    "彭祖百忌:" + field("pzbj"),     "吉神宜趋:" + field("jsyq"),
        "宜:" + field("yi"),      "凶神宜忌:" + field("xsyq"),     "忌:" + field("ji")};
    return e;
}

}  // namespace qinghe
