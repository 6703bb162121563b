// 纳音 of the thirty pair couples (甲子乙丑 海中金 ... 壬戌癸亥 大海水), the ten gods by the
// generating (木→火→土→金→水→木) and controlling (木→土→水→火→金→木) cycles, and the
// elements: 甲乙寅卯 木, 丙丁巳午 火, 戊己辰戌丑未 土, 庚辛申酉 金, 壬癸亥子 水.
#include "calendar/CycleReadings.h"

namespace qinghe {
namespace {

// Elements in generating order: each generates the next and controls the one after that.
constexpr const char* kElements[5] = {"木", "火", "土", "金", "水"};

// Element index (kElements) of a stem counted from 甲 = 0.
int StemElementIndex(int stem) {
    return (((stem + 9) % 10) / 2);
}

constexpr int kBranchElementIndex[12] = {4, 4, 2, 0, 0, 2, 1, 1, 2, 3, 3, 2};  // 亥 子 丑 ... 戌

constexpr const char* kNayin[30] = {
    "海中金", "炉中火", "大林木", "路旁土", "剑锋金", "山头火", "涧下水", "城头土",
    "白蜡金", "杨柳木", "泉中水", "屋上土", "霹雳火", "松柏木", "长流水", "沙中金",
    "山下火", "平地木", "壁上土", "金箔金", "覆灯火", "天河水", "大驿土", "钗钏金",
    "桑柘木", "大溪水", "沙中土", "天上火", "石榴木", "大海水",
};

}  // namespace

std::string StemElement(int stem) {
    return stem >= 0 && stem < 10 ? kElements[StemElementIndex(stem)] : "";
}

std::string BranchElement(int branch) {
    return branch >= 0 && branch < 12 ? kElements[kBranchElementIndex[branch]] : "";
}

std::string NayinOf(const GanZhi& pair) {
    const int i = CycleIndex(pair);
    return i < 0 ? "" : kNayin[i / 2];
}

std::string TenGodRule(int dayStem, int stem) {
    if (dayStem < 0 || dayStem > 9 || stem < 0 || stem > 9) return {};
    // Odd numbers (甲 丙 戊 庚 壬) are yang.
    const bool samePolarity = dayStem % 2 == stem % 2;
    const int relation = (StemElementIndex(stem) - StemElementIndex(dayStem) + 5) % 5;
    static constexpr const char* kSame[5] = {"比肩", "食神", "偏财", "七杀", "偏印"};
    static constexpr const char* kOther[5] = {"劫财", "伤官", "正财", "正官", "正印"};
    // relation: 0 same element, 1 the day stem generates it, 2 the day stem controls it,
    // 3 it controls the day stem, 4 it generates the day stem.
    return samePolarity ? kSame[relation] : kOther[relation];
}

std::vector<ElementRow> StemBranchElementRows() {
    std::vector<ElementRow> rows;
    for (int e = 0; e < 5; ++e) {
        ElementRow row{"", kElements[e]};
        for (int s = 1; s <= 10; ++s)
            if (StemElementIndex(s % 10) == e) row.characters += StemText(s % 10);
        for (int b = 1; b <= 12; ++b)
            if (kBranchElementIndex[b % 12] == e) row.characters += BranchText(b % 12);
        rows.push_back(row);
    }
    return rows;
}

}  // namespace qinghe
