// The numerology report of one full name, in the two forms the program shows: the name
// page's (with a short birth-chart section and the grid summary) and the analysis window's.
// Each is a list of lines; the rules of the grids, talents and scores live in NameNumerology.h.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "app/BirthInput.h"
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

// The checks of both reports, in order: empty surname ("姓不能为空!"), empty given name
// ("名不能为空!"), then those of BirthDateOfInput (InputRefused, ConversionError).
void CheckNameInput(std::string_view surname, std::string_view given, const BirthInput& input);

// The page's report, ages counted to `nowYear`. All checks and the date and chart come first,
// so a refused input writes nothing (InputRefused, ConversionError). Lines are appended as they
// are written: a ReferenceDbError from the talent or number look-ups ends the report with the
// lines so far (the caller shows nothing), a NameReportError likewise (the caller says so).
void WriteNamePageReport(std::string_view surname, std::string_view given, const BirthInput& input,
                         int nowYear, std::vector<std::string>& lines);
std::vector<std::string> NamePageReportLines(std::string_view surname, std::string_view given,
                                             const BirthInput& input, int nowYear);

// The analysis window's report: no chart section, otherwise the same body. Same exceptions.
void WriteNameWindowReport(std::string_view surname, std::string_view given,
                           const BirthInput& input, int nowYear, std::vector<std::string>& lines);
std::vector<std::string> NameWindowReportLines(std::string_view surname, std::string_view given,
                                               const BirthInput& input, int nowYear);

}  // namespace qinghe
