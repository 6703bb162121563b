// Name numerology arithmetic: the five grids of a name from its characters' Kangxi stroke
// counts, the element of a number, the three talents, the 81-number luck classes and the
// points each earns. Pure functions; the look-ups that feed them live in CharacterLookup.h.
#pragma once

#include <optional>
#include <string>

namespace qinghe {

enum class GridKind { Heaven = 0, Earth = 1, Person = 2, Total = 3, Outer = 4 };

struct FiveGrids {
    int Heaven = 0;  // 天格
    int Earth = 0;   // 地格
    int Person = 0;  // 人格
    int Total = 0;   // 总格
    int Outer = 0;   // 外格
    int Of(GridKind kind) const;
    bool operator==(const FiveGrids&) const = default;
};

// Stroke counts of a name: surname characters s1 s2 and given-name characters g1 g2.
// s2/g2 are nullopt when that part has one character. `gRest` is the count of the given
// name after its first character looked up as one text (differs from g2 only for given
// names of three or more characters).
struct NameStrokes {
    int s1 = 0;
    std::optional<int> s2;
    int g1 = 0;
    std::optional<int> g2;
    std::optional<int> gRest;  // defaults to g2
    std::optional<int> sRest;  // surname after its first character as one text; defaults to s2
};

// Numbers above 80 fold back: 81 -> 1, 160 -> 80.
int FoldGridNumber(int n);

int FiveGridNumber(const NameStrokes& s, GridKind kind);
FiveGrids FiveGridsOf(const NameStrokes& s);

// "木" "火" "土" "金" "水" by the last digit (1,2 木 ... 9,0 水); empty for a negative number.
std::string NumberElement(int n);

// 天才 + 人才 + 地才, such as 木火土.
std::string ThreeTalents(int heaven, int person, int earth);

enum class LuckClass { None, Lucky, HalfLucky, Unlucky };
LuckClass LuckClassOf(int n);

// Points of one grid number by its luck class and kind (0 without a class).
double GridScore(int n, GridKind kind);

// The project's grade of a three-talent configuration, 1 (best) to 7; 0 when the text is
// not three element characters. See the rule in FiveGrids.cpp.
int ThreeTalentGrade(const std::string& config);

// Points of a grade: 1 -> 20 ... 7 -> 12; -1 for anything else.
double ThreeTalentPoints(int grade);

// Grid points plus three-talent points of a name, 55 to 100 in steps of 0.5.
double ComputedNameScore(const FiveGrids& g, double threeTalentPoints);

// Shortest decimal text of a score: 85, 78.5.
std::string ScoreText(double score);

}  // namespace qinghe
