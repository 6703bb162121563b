// The elements a birth chart needs most (喜用五行), by the strength of the day master: the
// eight characters are weighed by their elements, the month branch (the season) counting
// three times, and a strong day master is balanced by what drains or restrains it, a weak one
// by what supports it. The name generators filter given-name characters by the result.
#pragma once

#include <array>
#include <string>

#include "chart/BirthChart.h"

namespace qinghe {

struct ElementBalance {
    // Weight of 木 火 土 金 水 over the seven characters besides the day stem.
    std::array<int, 5> weight{};
    int dayMaster = 0;  // element index of the day stem, 0 木 ... 4 水
    bool strong = false;
    std::string favoured;  // element characters, weakest in the chart first
};

// Method:
// 1. Each stem and branch counts 1 for its element (甲乙 木, 丙丁 火, 戊己 土, 庚辛 金,
//    壬癸 水; 寅卯 木, 巳午 火, 申酉 金, 亥子 水, 辰戌丑未 土); the month branch counts 3;
//    the day stem itself is not counted.
// 2. Support is the weight of the day master's element and of the element that generates
//    it; the day master is strong when support is at least half of all the weight.
// 3. Strong: the candidates are the elements it generates, overcomes and is overcome by;
//    weak: the element that generates it and its own. The two weakest candidates in the
//    chart are favoured, weakest first (ties in the order 木 火 土 金 水).
ElementBalance BalanceOf(const BirthChart& chart);

}  // namespace qinghe
