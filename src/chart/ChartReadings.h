// The readings printed beside a chart: ten god, 纳音, element of a stem or branch, the
// element text of the eight characters and its count, the bone weight (称骨) of a lunar birth
// and the western zodiac sign. Each look-up issues one query on Tgcode.dll or dream.dll.
#pragma once

#include <string>
#include <string_view>

#include "base/CivilDate.h"

namespace qinghe {

// The ten god of the second stem seen from the first ("甲庚" gives 七杀); empty text when
// table Shishen lacks the key or cannot be read.
std::string TenGodOf(std::string_view dayStemAndStem);

// The 纳音 of a stem-branch text ("甲子" gives 海中金); empty text on a missing row or an error.
std::string NayinOf(std::string_view pair);

// The element (金 木 水 火 土) of one character by table hzwh; empty text when no row lists it.
std::string ElementOfCharacter(std::string_view character);

// E(YS)E(YB)   E(MS)E(MB)   E(DS)E(DB)   E(HS)E(HB), three blanks between the pillars.
std::string PillarElementText(std::string_view ys, std::string_view yb, std::string_view ms,
                              std::string_view mb, std::string_view ds, std::string_view db,
                              std::string_view hs, std::string_view hb);

// "金:占n个, 木:占n个, 水:占n个, 火:占n个, 土:占n个" over the eight elements of an element
// text. An element the tables lack leaves its place empty; the others are still counted in
// their own pillar, so a gap never moves a later character into or out of the count.
std::string CountElements(std::string_view elementText);

enum class BoneWeightPart { Weight = 0, Poem = 1, Comment = 2 };

// The bone-weight reading of a lunar birth: keys are decimal texts of the lunar year, lunar
// month, lunar day and hour 0..23. Empty text when no verse has the total. Throws
// ReferenceDbError when dream.dll cannot be read, which ends the report that asked.
std::string BoneWeight(std::string_view yearKey, std::string_view monthKey, std::string_view dayKey,
                       std::string_view hourKey, BoneWeightPart part);

// The weight key of a total in tenths of a 两: 42 gives "42", 50 gives "50".
std::string BoneWeightKey(int tenths);

// The western zodiac sign of a Gregorian date ("金牛座 " carries a trailing blank); empty text
// for a date outside the calendar.
std::string WesternSign(const CivilDate& date);

}  // namespace qinghe
