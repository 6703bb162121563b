// qinghe-cli name: the name report of the name page or of the analysis window, or the name's
// grids, configuration and score as one JSON object.
#pragma once

#include <string>
#include <vector>

namespace qinghe::cli {

inline constexpr const char* kNameSynopsis =
    "name SURNAME GIVEN --date D --time HH:MM --sex 男/女 [--lunar] [--window] [--json] "
    "[--now YEAR]";

// Exit status: 0 printed, 1 input refused or the report cut short (message on stderr),
// 2 usage error.
int NameCommand(const std::vector<std::string>& args);

}  // namespace qinghe::cli
