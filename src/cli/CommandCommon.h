// What the report commands share: usage errors, whole numbers, JSON text, the birth as the
// pages' boxes hold it (--date, --time, --sex, --lunar), "now" as the clock's year in China.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "chart/BirthMoment.h"

namespace qinghe::cli {

// A usage error: the command prints its synopsis and exits 2.
struct Usage {
    std::string message;
};

bool Number(std::string_view text, int& value);

// A JSON string literal of a UTF-8 text.
std::string JsonText(const std::string& s);

// The boxes of a page for YEAR-MONTH-DAY (Gregorian, or lunar with `lunar`) and HH:MM: the
// hour item ("午 12") and the minute as typed. Throws Usage for another form.
BirthInput BirthInputOf(const std::string& date, const std::string& time, const std::string& sex,
                        bool lunar);

// The current year in China Standard Time.
int CurrentYear();

// The birth options the report commands share: --date, --time, --sex, --now YEAR, --lunar and
// --json.
struct BirthOptions {
    std::string date, time, sex;
    bool lunar = false, json = false, haveNow = false;
    int now = 0;

    // Takes args[i] (and its value, advancing i) when it is one of these options.
    bool Take(const std::vector<std::string>& args, std::size_t& i);
    // The boxes of the birth; Usage when --date, --time or --sex is missing.
    BirthInput Input(const char* command) const;
    // --now, otherwise the current year.
    int Year() const { return haveNow ? now : CurrentYear(); }
};

// The value after option args[i], advancing i; Usage when there is none.
const std::string& OptionValue(const std::vector<std::string>& args, std::size_t& i);

// Runs `run`: a Usage error prints the synopsis and gives 2, any other error its message and 1.
template <typename Run>
int RunCommand(const char* name, const char* synopsis, Run run);

}  // namespace qinghe::cli

#include <cstdio>
#include <exception>
#include <stdexcept>

template <typename Run>
int qinghe::cli::RunCommand(const char* name, const char* synopsis, Run run) {
    try {
        return run();
    } catch (const Usage& u) {
        std::fprintf(stderr, "qinghe-cli %s: %s\nusage: qinghe-cli %s\n", name, u.message.c_str(),
                     synopsis);
        return 2;
    } catch (const std::runtime_error& e) {
        // Refused input, unreadable data and engine errors; a logic error is a fault of
        // the program and is not turned into a message.
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
