// The almanac entry of a day (table huangdao of TalBirth.dll), read from the three boxes of
// the almanac window: the overview line and the nine entry lines.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qinghe {

struct AlmanacEntry {
    std::string overview;            // date text, two blanks, the lunar date
    std::vector<std::string> lines;  // "岁次:…" "每日胎神占方:…" … "忌:…"
};

// The entry of the date year-month-day as typed (2024-1-05). Refuses an empty box ("请选择年!",
// "请选择月!", "请选择日!") and a date that does not parse ("请选择有效的日期!") with
// InputRefused; none when the table has no row for the date. Throws ReferenceDbError when
// the file cannot be read.
std::optional<AlmanacEntry> AlmanacOf(std::string_view year, std::string_view month,
                                      std::string_view day);

}  // namespace qinghe
