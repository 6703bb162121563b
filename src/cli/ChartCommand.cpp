// The date is read as the chart page reads its boxes (year-month-day, Gregorian or with
// --lunar the lunar month and day), the time as the page's hour item and minute text. "Now"
// for the age line is the clock's year unless --now fixes it.
#include "cli/ChartCommand.h"

#include <charconv>
#include <chrono>
#include <cstdio>
#include <exception>
#include <string_view>

#include "app/BirthInput.h"
#include "chart/BirthChart.h"
#include "chart/ChartReport.h"

namespace qinghe::cli {
namespace {

struct Usage {
    std::string message;
};

bool Number(std::string_view text, int& value) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() && !text.empty();
}

std::string JsonText(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\')
            out += std::string("\\") + c;
        else if (static_cast<unsigned char>(c) < 0x20) {
            char esc[8];
            std::snprintf(esc, sizeof esc, "\\u%04x", c);
            out += esc;
        } else
            out += c;
    }
    return out + "\"";
}

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
    std::string date, time, sex, surname, given;
    bool lunar = false, json = false, haveNow = false;
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
        else if (a == "--surname")
            value(surname);
        else if (a == "--given")
            value(given);
        else if (a == "--now") {
            std::string text;
            value(text);
            if (!Number(text, now)) throw Usage{"--now must be a year: '" + text + "'"};
            haveNow = true;
        } else if (a == "--lunar")
            lunar = true;
        else if (a == "--json")
            json = true;
        else
            throw Usage{"unknown argument '" + a + "'"};
    }
    if (date.empty() || time.empty() || sex.empty())
        throw Usage{"chart needs --date, --time and --sex"};

    // HH:MM gives the hour item ("午 12") and the minute text as typed.
    const std::size_t colon = time.find(':');
    int hour = -1, minute = -1;
    if (colon == std::string::npos || !Number(std::string_view(time).substr(0, colon), hour) ||
        !Number(std::string_view(time).substr(colon + 1), minute) || hour < 0 || hour > 23 ||
        minute < 0 || minute > 59)
        throw Usage{"--time must be HH:MM: '" + time + "'"};

    BirthInput input;
    input.sex = sex;
    input.calendarKind = lunar ? 1 : 0;
    const std::size_t d1 = date.find('-'),
                      d2 = d1 == std::string::npos ? d1 : date.find('-', d1 + 1);
    if (d2 == std::string::npos) throw Usage{"--date must be YEAR-MONTH-DAY: '" + date + "'"};
    input.year = date.substr(0, d1);
    input.month = date.substr(d1 + 1, d2 - d1 - 1);
    input.day = date.substr(d2 + 1);
    input.hourText = kHourItems[hour];
    input.minute = time.substr(colon + 1);

    if (json) {
        const BirthChart c = BirthChartOfInput(input);
        std::printf("%s\n", ChartJson(c, BirthDateOfInput(input)).c_str());
        return 0;
    }
    if (!haveNow) {
        const auto today = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now() +
                                                                 std::chrono::hours(8));
        now = static_cast<int>(std::chrono::year_month_day(today).year());
    }
    for (const std::string& line : ChartReportLines(surname, given, input, now))
        std::printf("%s\n", line.c_str());
    return 0;
}

}  // namespace

int ChartCommand(const std::vector<std::string>& args) {
    try {
        return Run(args);
    } catch (const Usage& u) {
        std::fprintf(stderr, "qinghe-cli chart: %s\nusage: qinghe-cli %s\n", u.message.c_str(),
                     kChartSynopsis);
        return 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}

}  // namespace qinghe::cli
