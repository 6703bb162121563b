// Kangxi radical strokes: the 214 radicals are numbered in order of their stroke counts
// (1-6 one stroke ... 214 seventeen), so the count follows from the number. Element rules
// as documented in data/characters/README.md.
#include "numerology/KangxiStrokes.h"

#include <array>
#include <charconv>

#include "base/Utf8.h"

namespace qinghe {

int KangxiRadicalStrokes(int radical) {
    // Last radical number of each stroke count 1..17.
    static constexpr std::array<int, 17> kLast = {6,   29,  60,  94,  117, 146, 166, 175, 186,
                                                  194, 200, 204, 208, 210, 211, 213, 214};
    if (radical < 1 || radical > 214) return 0;
    for (std::size_t i = 0; i < kLast.size(); ++i)
        if (radical <= kLast[i]) return static_cast<int>(i) + 1;
    return 0;
}

namespace {

struct RadicalStrokes {
    int radical = 0;
    int residual = 0;
    bool ok = false;
};

RadicalStrokes Parse(std::string_view value) {
    RadicalStrokes r;
    value = value.substr(0, value.find(' '));
    const std::size_t dot = value.find('.');
    if (dot == std::string_view::npos) return r;
    std::string_view rad = value.substr(0, dot);
    while (!rad.empty() && (rad.back() == '\'' || rad.back() == '"')) rad.remove_suffix(1);
    std::string_view res = value.substr(dot + 1);
    const auto a = std::from_chars(rad.data(), rad.data() + rad.size(), r.radical);
    const auto b = std::from_chars(res.data(), res.data() + res.size(), r.residual);
    r.ok = a.ec == std::errc() && b.ec == std::errc() && a.ptr == rad.data() + rad.size() &&
           b.ptr == res.data() + res.size() && KangxiRadicalStrokes(r.radical) > 0;
    return r;
}

}  // namespace

int RadicalOf(std::string_view radicalStrokes) {
    const RadicalStrokes r = Parse(radicalStrokes);
    return r.ok ? r.radical : 0;
}

int KangxiStrokeCount(std::string_view radicalStrokes, int totalStrokes) {
    const RadicalStrokes r = Parse(radicalStrokes);
    if (!r.ok) return 0;
    if (r.residual <= 0) return totalStrokes;
    return KangxiRadicalStrokes(r.radical) + r.residual;
}

std::optional<int> NumeralStrokes(std::string_view c) {
    static constexpr std::array<std::string_view, 10> kNumerals = {"一", "二", "三", "四", "五",
                                                                   "六", "七", "八", "九", "十"};
    for (std::size_t i = 0; i < kNumerals.size(); ++i)
        if (kNumerals[i] == c) return static_cast<int>(i) + 1;
    return std::nullopt;
}

std::string ElementByRadical(int radical) {
    switch (radical) {
        case 167:
            return "金";  // 金 钅
        case 75:
        case 115:
        case 118:
        case 140:
            return "木";  // 木 禾 竹 艸
        case 85:
        case 15:
        case 173:
            return "水";  // 水 氵 冫 雨
        case 86:
        case 72:
            return "火";  // 火 灬 日
        case 32:
        case 46:
        case 112:
            return "土";  // 土 山 石
        default:
            return "";
    }
}

std::string ElementByInitial(std::string_view pinyin) {
    if (pinyin.empty()) return "";
    std::size_t i = 0;
    const char32_t first = DecodeUtf8(pinyin, i);
    const char32_t second = i < pinyin.size() ? DecodeUtf8(pinyin, i) : 0;
    if (second == U'h' && (first == U'z' || first == U'c' || first == U's')) return "金";
    switch (first) {
        case U'b':
        case U'p':
        case U'm':
        case U'f':
            return "水";
        case U'd':
        case U't':
        case U'n':
        case U'l':
            return "火";
        case U'g':
        case U'k':
        case U'j':
        case U'q':
        case U'x':
            return "木";
        case U'z':
        case U'c':
        case U's':
        case U'r':
            return "金";
        default:
            return "土";  // h, y, w and readings that open with a vowel
    }
}

}  // namespace qinghe
