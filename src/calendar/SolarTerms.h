// The 24 solar terms of a Gregorian year, numbered 0 (小寒) to 23 (冬至): their names, the
// mean-year moments used for counting days to a term, and the exact 节 moments of table JQ
// (Tgcode.dll) that decide on which side of a 节 a birth falls. Moments are China Standard Time.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "base/CivilDate.h"

namespace qinghe {

// Minutes after the year's 小寒 in the mean year.
extern const std::array<int, 24> SolarTermOffsets;

// "小寒", "大寒", "立春", ... "冬至"; empty text outside 0..23.
std::string_view SolarTermName(int n);
// The term number of a name, or -1.
int SolarTermNumber(std::string_view name);

// Mean-year moment: 1900-01-06 02:05 plus (year - 1900) mean years of 31556925974.7 ms plus the
// term's offset, rounded to the millisecond (halves to even). Within a day of the true moment.
Moment SolarTermMoment(int year, int n);

// Name of the term whose mean-year moment falls on the date, or empty text.
std::string SolarTermOfDate(const CivilDate& date);

// True for the twelve 节 (立春 惊蛰 清明 立夏 芒种 小暑 立秋 白露 寒露 立冬 大雪 小寒).
bool IsJieTerm(std::string_view name);

// True when table JQ lists a 节 of `year` on the birth date and the birth is earlier than it;
// false on every failure (missing file, query error, no such row).
bool IsBeforeJieMoment(int year, Moment birth);

// The twelve 节 moments of a Gregorian year from table JQ, indexed by term number / 2
// (0 小寒, 1 立春, ..., 11 大雪); nothing when the file or any of the twelve rows is missing.
using JieMoments = std::array<Moment, 12>;
std::optional<JieMoments> JieMomentsFromTable(int year);

}  // namespace qinghe
