// Numerology of a full name from its text: stroke look-ups feed the five grids, the
// three-talent grade and the scores. A surname or given name counts as one character when
// it is at most one character long, as two characters otherwise.
#pragma once

#include <string>
#include <string_view>

#include "numerology/FiveGrids.h"

namespace qinghe {

// The stroke counts of a name's characters as the grids use them (StrokeCount look-ups).
NameStrokes NameStrokesOf(std::string_view surname, std::string_view given);

int FiveGridNumber(std::string_view surname, std::string_view given, GridKind kind);
FiveGrids ComputeFiveGrids(std::string_view surname, std::string_view given);

// Points of a configuration by its grade in table `sancai`; -1 when it has no row.
// An engine error propagates (ReferenceDbError): the caller's report ends there.
double ThreeTalentScore(const std::string& config);

enum class NumberReadingField { yy = 0, jx = 1, as = 2, content = 3 };

// A column of table `81` for number n; " " (one blank) when the number has no row, empty
// for a field outside 0..3. An engine error propagates (ReferenceDbError).
std::string NumberReading(int n, int field);

// `zf` of table `zh` for the strokes of the four characters (empty text where absent);
// 0 when none matches or on an engine error.
int CombinationScore(std::string_view s1, std::string_view s2, std::string_view g1,
                     std::string_view g2);

// The stored combination score when there is one (not 0), otherwise the grid points plus
// the three-talent points.
double NameScore(std::string_view surname, std::string_view given);

}  // namespace qinghe
