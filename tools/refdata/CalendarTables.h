// Fillers of the calendar tables of Tgcode.dll: JQ (exact solar-term moments 1900..2100),
// jiazi (the sixty pairs with their 纳音), Shishen (the hundred ten-god pairs) and hzwh
// (the elements of the stems and branches).
#pragma once

#include "RefDataBuilder.h"

namespace qinghe::refdata {

inline constexpr int kFirstTermYear = 1900;
inline constexpr int kLastTermYear = 2100;

void FillCalendarTables(BuildDb& db);

}  // namespace qinghe::refdata
