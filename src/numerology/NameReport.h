// The numerology report of one full name, in the two forms the program shows: the name
// page's (with a short birth-chart section and the grid summary) and the analysis window's.
// Each is a list of lines; the rules of the grids, talents and scores live in NameNumerology.h.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "chart/BirthChart.h"
#include "chart/BirthMoment.h"
#include "numerology/FiveGrids.h"

namespace qinghe {

// The three-talent section's query on table `sancai2009` failed; the text is the engine's
// message, for the error box. The lines written before it remain.
class NameReportError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The figures both reports print: the five grids, the three-talent configuration and the
// score in its shortest decimal form. Throws ReferenceDbError as ThreeTalentScore does.
struct NameNumbers {
    FiveGrids grids;
    std::string config;
    std::string score;
};
NameNumbers NameNumbersOf(std::string_view surname, std::string_view given);

// The checks of both reports' names: an empty surname ("姓不能为空!"), then an empty given name
// ("名不能为空!"); InputRefused.
void CheckNames(std::string_view surname, std::string_view given);

// What a name report reads from its page, in the order its checks come: the names, then the
// birth boxes (ReadBirthMoment). Throws InputRefused and ConversionError.
BirthMoment ReadNameReportInput(std::string_view surname, std::string_view given,
                                const BirthInput& input);

// The page's report, ages counted to `nowYear`; returns the chart it shows. The names and the
// chart come first, so a refused input writes nothing (InputRefused, ConversionError). Lines
// are appended as they are written: a ReferenceDbError from the talent or number look-ups
// ends the report with the lines so far (the caller shows nothing), a NameReportError
// likewise (the caller says so).
BirthChart WriteNamePageReport(std::string_view surname, std::string_view given,
                               const BirthMoment& birth, int nowYear,
                               std::vector<std::string>& lines);
std::vector<std::string> NamePageReportLines(std::string_view surname, std::string_view given,
                                             const BirthMoment& birth, int nowYear);

// The analysis window's report: no chart section (so a minute that is no number is shown as
// typed), otherwise the same body. Same exceptions.
void WriteNameWindowReport(std::string_view surname, std::string_view given,
                           const BirthMoment& birth, int nowYear, std::vector<std::string>& lines);
std::vector<std::string> NameWindowReportLines(std::string_view surname, std::string_view given,
                                               const BirthMoment& birth, int nowYear);

}  // namespace qinghe
