// qinghe-cli chart: the chart report of a birth, or the chart as one JSON object.
#pragma once

#include <string>
#include <vector>

namespace qinghe::cli {

inline constexpr const char* kChartSynopsis =
    "chart --date D --time HH:MM --sex 男/女 [--lunar] [--json] [--now YEAR] [--surname S] "
    "[--given G]";

// Exit status: 0 printed, 1 input refused (message on stderr), 2 usage error.
int ChartCommand(const std::vector<std::string>& args);

}  // namespace qinghe::cli
