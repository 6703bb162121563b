// The birth is read as the name page reads its boxes (year-month-day, Gregorian or with
// --lunar the lunar month and day; the hour item and minute text of HH:MM). A report cut short
// by a reference-file error prints the lines written so far and exits 1 with the error.
#include "cli/NameCommand.h"

#include <cstdio>
#include <exception>
#include <string_view>

#include "chart/BirthChart.h"
#include "chart/BirthMoment.h"
#include "cli/CommandCommon.h"
#include "numerology/NameReport.h"
#include "refdata/ReferenceDb.h"

namespace qinghe::cli {
namespace {

int Run(const std::vector<std::string>& args) {
    BirthOptions birth;
    std::vector<std::string> names;
    bool window = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (birth.Take(args, i)) continue;
        if (a == "--window")
            window = true;
        else if (a.size() > 1 && a[0] == '-' && a[1] == '-')
            throw Usage{"unknown argument '" + a + "'"};
        else
            names.push_back(a);
    }
    if (names.size() != 2) throw Usage{"name needs SURNAME and GIVEN"};
    const BirthMoment moment = ReadNameReportInput(names[0], names[1], birth.Input("name"));

    if (birth.json) {
        const NameNumbers n = NameNumbersOf(names[0], names[1]);
        const FiveGrids& g = n.grids;
        std::printf(
            "{\"heaven\": %d, \"person\": %d, \"earth\": %d, \"total\": %d, \"outer\": %d, "
            "\"config\": %s, \"score\": %s}\n",
            g.Heaven, g.Person, g.Earth, g.Total, g.Outer, JsonText(n.config).c_str(),
            n.score.c_str());
        return 0;
    }
    const int now = birth.Year();
    std::vector<std::string> lines;
    int status = 0;
    try {
        if (window)
            WriteNameWindowReport(names[0], names[1], moment, now, lines);
        else
            WriteNamePageReport(names[0], names[1], moment, now, lines);
    } catch (const ReferenceDbError& e) {
        std::fprintf(stderr, "report cut short: %s\n", e.what());
        status = 1;
    } catch (const NameReportError& e) {
        std::fprintf(stderr, "report cut short: %s\n", e.what());
        status = 1;
    }
    for (const std::string& line : lines) std::printf("%s\n", line.c_str());
    return status;
}

}  // namespace

int NameCommand(const std::vector<std::string>& args) {
    return RunCommand("name", kNameSynopsis, [&] { return Run(args); });
}

}  // namespace qinghe::cli
