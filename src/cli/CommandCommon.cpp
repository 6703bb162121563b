// Helpers of the report commands.
#include "cli/CommandCommon.h"

#include <charconv>
#include <chrono>
#include <cstdio>

namespace qinghe::cli {

bool Number(std::string_view text, int& value) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() && !text.empty();
}

std::string JsonText(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\') {
            out += std::string("\\") + c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char esc[8];
            std::snprintf(esc, sizeof esc, "\\u%04x", c);
            out += esc;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

BirthInput BirthInputOf(const std::string& date, const std::string& time, const std::string& sex,
                        bool lunar) {
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
    return input;
}

int CurrentYear() {
    const auto today = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now() +
                                                             std::chrono::hours(8));
    return static_cast<int>(std::chrono::year_month_day(today).year());
}

const std::string& OptionValue(const std::vector<std::string>& args, std::size_t& i) {
    if (i + 1 >= args.size()) throw Usage{args[i] + " needs a value"};
    return args[++i];
}

bool BirthOptions::Take(const std::vector<std::string>& args, std::size_t& i) {
    const std::string& a = args[i];
    if (a == "--date")
        date = OptionValue(args, i);
    else if (a == "--time")
        time = OptionValue(args, i);
    else if (a == "--sex")
        sex = OptionValue(args, i);
    else if (a == "--now") {
        const std::string& text = OptionValue(args, i);
        if (!Number(text, now)) throw Usage{"--now must be a year: '" + text + "'"};
        haveNow = true;
    } else if (a == "--lunar")
        lunar = true;
    else if (a == "--json")
        json = true;
    else
        return false;
    return true;
}

BirthInput BirthOptions::Input(const char* command) const {
    if (date.empty() || time.empty() || sex.empty())
        throw Usage{std::string(command) + " needs --date, --time and --sex"};
    return BirthInputOf(date, time, sex, lunar);
}

}  // namespace qinghe::cli
