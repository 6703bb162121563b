// The date is read as the chart page reads its boxes (year-month-day, Gregorian or with
// --lunar the lunar month and day), the time as the page's hour item and minute text. "Now"
// for the age line is the clock's year unless --now fixes it.
#include "cli/ChartCommand.h"

#include <cstdio>
#include <exception>
#include <string_view>

#include "chart/BirthChart.h"
#include "chart/BirthMoment.h"
#include "chart/ChartReport.h"
#include "cli/CommandCommon.h"

namespace qinghe::cli {
namespace {

template <typename Range, typename Text>
std::string JsonArray(const Range& items, Text text) {
    std::string out = "[";
    bool first = true;
    for (const auto& item : items) {
        out += (first ? "" : ", ") + JsonText(text(item));
        first = false;
    }
    return out + "]";
}

std::string ChartJson(const BirthChart& c, const CivilDate& date) {
    const GanZhi pillars[4] = {c.YearPillar, c.MonthPillar, c.DayPillar, c.HourPillar};
    const auto pair = [](const GanZhi& g) { return g.Text(); };
    const auto same = [](const std::string& s) { return s; };
    std::string conception = c.ConceptionPillar;
    while (!conception.empty() && conception.back() == ' ') conception.pop_back();
    return "{\"date\": " + JsonText(DateText(date)) + ", \"pillars\": " + JsonArray(pillars, pair) +
           ", \"bornBeforeJie\": " + std::to_string(c.BornBeforeJie) +
           ", \"backward\": " + std::to_string(c.Backward) +
           ", \"luckStartAge\": " + std::to_string(c.LuckStartAge) +
           ", \"luckPillars\": " + JsonArray(c.Luck, pair) +
           ", \"conception\": " + JsonText(conception) +
           ", \"hiddenStems\": " + JsonArray(c.HiddenStems, same) + "}";
}

int Run(const std::vector<std::string>& args) {
    BirthOptions birth;
    std::string surname, given;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (birth.Take(args, i)) continue;
        if (args[i] == "--surname")
            surname = OptionValue(args, i);
        else if (args[i] == "--given")
            given = OptionValue(args, i);
        else
            throw Usage{"unknown argument '" + args[i] + "'"};
    }
    const BirthMoment moment = ReadBirthMoment(birth.Input("chart"));

    if (birth.json) {
        std::printf("%s\n", ChartJson(BirthChartOf(moment), moment.date).c_str());
        return 0;
    }
    for (const std::string& line : ChartReportLines(surname, given, moment, birth.Year()))
        std::printf("%s\n", line.c_str());
    return 0;
}

}  // namespace

int ChartCommand(const std::vector<std::string>& args) {
    return RunCommand("chart", kChartSynopsis, [&] { return Run(args); });
}

}  // namespace qinghe::cli
