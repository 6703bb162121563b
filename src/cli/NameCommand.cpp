// The birth is read as the name page reads its boxes (year-month-day, Gregorian or with
// --lunar the lunar month and day; the hour item and minute text of HH:MM). A report cut short
// by a reference-file error prints the lines written so far and exits 1 with the error.
#include "cli/NameCommand.h"

#include <cstdio>
#include <exception>
#include <string_view>

#include "app/BirthInput.h"
#include "chart/BirthChart.h"
#include "cli/CommandCommon.h"
#include "numerology/NameReport.h"
#include "refdata/ReferenceDb.h"

namespace qinghe::cli {
namespace {

int Run(const std::vector<std::string>& args) {
    std::string date, time, sex;
    std::vector<std::string> names;
    bool lunar = false, json = false, window = false, haveNow = false;
    int now = 0;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const auto value = [&](std::string& out) {
            if (i + 1 >= args.size()) throw Usage{a + " needs a value"};
            out = args[++i];
        };
        if (a == "--date")
            value(date);
        else if (a == "--time")
            value(time);
        else if (a == "--sex")
            value(sex);
        else if (a == "--now") {
            std::string text;
            value(text);
            if (!Number(text, now)) throw Usage{"--now must be a year: '" + text + "'"};
            haveNow = true;
        } else if (a == "--lunar")
            lunar = true;
        else if (a == "--json")
            json = true;
        else if (a == "--window")
            window = true;
        else if (a.size() > 1 && a[0] == '-' && a[1] == '-')
            throw Usage{"unknown argument '" + a + "'"};
        else
            names.push_back(a);
    }
    if (names.size() != 2) throw Usage{"name needs SURNAME and GIVEN"};
    if (date.empty() || time.empty() || sex.empty())
        throw Usage{"name needs --date, --time and --sex"};

    const BirthInput input = BirthInputOf(date, time, sex, lunar);

    if (json) {
        CheckNameInput(names[0], names[1], input);
        const NameNumbers n = NameNumbersOf(names[0], names[1]);
        const FiveGrids& g = n.grids;
        std::printf(
            "{\"heaven\": %d, \"person\": %d, \"earth\": %d, \"total\": %d, \"outer\": %d, "
            "\"config\": %s, \"score\": %s}\n",
            g.Heaven, g.Person, g.Earth, g.Total, g.Outer, JsonText(n.config).c_str(),
            n.score.c_str());
        return 0;
    }
    if (!haveNow) now = CurrentYear();
    std::vector<std::string> lines;
    int status = 0;
    try {
        if (window)
            WriteNameWindowReport(names[0], names[1], input, now, lines);
        else
            WriteNamePageReport(names[0], names[1], input, now, lines);
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
