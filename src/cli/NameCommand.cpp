// The birth is read as the name page reads its boxes (year-month-day, Gregorian or with
// --lunar the lunar month and day; the hour item and minute text of HH:MM). A report cut short
// by a reference-file error prints the lines written so far and exits 1 with the error.
#include "cli/NameCommand.h"

#include <charconv>
#include <chrono>
#include <cstdio>
#include <exception>
#include <string_view>

#include "app/BirthInput.h"
#include "chart/BirthChart.h"
#include "numerology/NameReport.h"
#include "refdata/ReferenceDb.h"

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
    if (!haveNow) {
        const auto today = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now() +
                                                                 std::chrono::hours(8));
        now = static_cast<int>(std::chrono::year_month_day(today).year());
    }
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
    try {
        return Run(args);
    } catch (const Usage& u) {
        std::fprintf(stderr, "qinghe-cli name: %s\nusage: qinghe-cli %s\n", u.message.c_str(),
                     kNameSynopsis);
        return 2;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}

}  // namespace qinghe::cli
