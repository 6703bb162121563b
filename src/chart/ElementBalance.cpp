// Day-master strength and the favoured elements.
#include "chart/ElementBalance.h"

#include <algorithm>
#include <vector>

namespace qinghe {

namespace {

constexpr const char* kElements[] = {"木", "火", "土", "金", "水"};

// Stems are numbered 0 癸, 1 甲 ... 9 壬; branches 0 亥, 1 子 ... 11 戌.
int StemElement(int stem) {
    return ((stem + 9) % 10) / 2;
}

int BranchElement(int branch) {
    static constexpr int kByBranch[] = {4, 4, 2, 0, 0, 2, 1, 1, 2, 3, 3, 2};
    return kByBranch[((branch % 12) + 12) % 12];
}

}  // namespace

ElementBalance BalanceOf(const BirthChart& c) {
    ElementBalance b;
    b.dayMaster = StemElement(c.DayPillar.Stem);
    for (const GanZhi& p : {c.YearPillar, c.MonthPillar, c.HourPillar})
        ++b.weight[StemElement(p.Stem)];
    for (const GanZhi& p : {c.YearPillar, c.DayPillar, c.HourPillar})
        ++b.weight[BranchElement(p.Branch)];
    b.weight[BranchElement(c.MonthPillar.Branch)] += 3;

    int total = 0;
    for (int w : b.weight) total += w;
    const int self = b.dayMaster, mother = (self + 4) % 5;
    b.strong = 2 * (b.weight[self] + b.weight[mother]) >= total;

    std::vector<int> candidates;
    if (b.strong)
        candidates = {(self + 1) % 5, (self + 2) % 5, (self + 3) % 5};
    else
        candidates = {mother, self};
    std::stable_sort(candidates.begin(), candidates.end(), [&](int x, int y) {
        return b.weight[x] != b.weight[y] ? b.weight[x] < b.weight[y] : x < y;
    });
    for (std::size_t i = 0; i < candidates.size() && i < 2; ++i)
        b.favoured += kElements[candidates[i]];
    return b;
}

}  // namespace qinghe
