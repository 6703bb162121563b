// The traditional readings of the sixty-cycle that fill the reference tables jiazi, Shishen
// and hzwh: the 纳音 sound element of each pair, the ten god of a stem seen from the day
// stem, and the five element of each stem and branch. Rules of the almanac tradition.
#pragma once

#include <string>
#include <vector>

#include "calendar/Sexagenary.h"

namespace qinghe {

// "金" "木" "水" "火" "土" of a stem (0..9, 癸 = 0) or a branch (0..11, 亥 = 0).
std::string StemElement(int stem);
std::string BranchElement(int branch);

// The 纳音 of a pair ("海中金" for 甲子 and 乙丑); empty text for a pair of mixed parity.
std::string NayinOf(const GanZhi& pair);

// The ten god of `stem` seen from `dayStem`: 比肩 劫财 食神 伤官 偏财 正财 七杀 正官 偏印 正印,
// by the element relation of the two stems and whether their polarity agrees.
std::string TenGodRule(int dayStem, int stem);

// Rows of table hzwh: the characters of one element and that element.
struct ElementRow {
    std::string characters;
    std::string element;
};
std::vector<ElementRow> StemBranchElementRows();

}  // namespace qinghe
