// Five grids, elements of numbers and the three talents, by the rules of name numerology
// (the 81-number scheme of the Kumazaki school as used in Chinese naming books). The
// three-talent grade is this project's written-down rule, below.
#include "numerology/FiveGrids.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace qinghe {

int FiveGrids::Of(GridKind kind) const {
    switch (kind) {
        case GridKind::Heaven:
            return Heaven;
        case GridKind::Earth:
            return Earth;
        case GridKind::Person:
            return Person;
        case GridKind::Total:
            return Total;
        case GridKind::Outer:
            return Outer;
    }
    return 0;
}

int FoldGridNumber(int n) {
    if (n <= 80) return n;
    const int r = n % 80;
    return r == 0 ? 80 : r;
}

namespace {

int TotalUnfolded(const NameStrokes& s) {
    const int surname = s.s2 ? s.s1 + s.sRest.value_or(*s.s2) : s.s1;
    const int given = s.g2 ? s.g1 + s.gRest.value_or(*s.g2) : s.g1;
    return surname + given;
}

int PersonUnfolded(const NameStrokes& s) {
    return (s.s2 ? *s.s2 : s.s1) + s.g1;
}

}  // namespace

int FiveGridNumber(const NameStrokes& s, GridKind kind) {
    int n = 0;
    switch (kind) {
        case GridKind::Heaven:
            n = s.s2 ? s.s1 + *s.s2 : s.s1 + 1;
            break;
        case GridKind::Earth:
            n = s.g2 ? s.g1 + *s.g2 : s.g1 + 1;
            break;
        case GridKind::Person:
            n = PersonUnfolded(s);
            break;
        case GridKind::Total:
            n = TotalUnfolded(s);
            break;
        case GridKind::Outer:
            if (!s.s2 && !s.g2)
                n = 2;
            else if (s.s2 && s.g2)
                n = TotalUnfolded(s) - PersonUnfolded(s);
            else
                n = TotalUnfolded(s) - PersonUnfolded(s) + 1;
            break;
    }
    return FoldGridNumber(n);
}

FiveGrids FiveGridsOf(const NameStrokes& s) {
    return {FiveGridNumber(s, GridKind::Heaven), FiveGridNumber(s, GridKind::Earth),
            FiveGridNumber(s, GridKind::Person), FiveGridNumber(s, GridKind::Total),
            FiveGridNumber(s, GridKind::Outer)};
}

std::string NumberElement(int n) {
    switch (n % 10) {
        case 1:
        case 2:
            return "木";
        case 3:
        case 4:
            return "火";
        case 5:
        case 6:
            return "土";
        case 7:
        case 8:
            return "金";
        case 9:
        case 0:
            return "水";
        default:
            return "";
    }
}

std::string ThreeTalents(int heaven, int person, int earth) {
    return NumberElement(heaven) + NumberElement(person) + NumberElement(earth);
}

LuckClass LuckClassOf(int n) {
    // The three lists of the 81-number scheme; together they hold 1..81 once each.
    static constexpr std::string_view kLucky =
        ",1,3,5,7,8,11,13,15,16,18,21,23,24,25,31,32,33,35,37,39,41,45,47,48,52,57,61,63,65,67,"
        "68,81,";
    static constexpr std::string_view kHalfLucky = ",6,17,26,27,29,30,38,49,51,55,58,71,73,75,";
    static constexpr std::string_view kUnlucky =
        ",2,4,9,10,12,14,19,20,22,28,34,36,40,42,43,44,46,50,53,54,56,59,60,62,64,66,69,70,72,74,"
        "76,77,78,79,80,";
    const std::string key = "," + std::to_string(n) + ",";
    if (kLucky.find(key) != std::string_view::npos) return LuckClass::Lucky;
    if (kHalfLucky.find(key) != std::string_view::npos) return LuckClass::HalfLucky;
    if (kUnlucky.find(key) != std::string_view::npos) return LuckClass::Unlucky;
    return LuckClass::None;
}

double GridScore(int n, GridKind kind) {
    // Columns: Heaven/Earth/Outer, Person, Total.
    static constexpr double kPoints[3][3] = {{10, 30, 20}, {8.5, 25.5, 17}, {7, 21, 14}};
    int row;
    switch (LuckClassOf(n)) {
        case LuckClass::Lucky:
            row = 0;
            break;
        case LuckClass::HalfLucky:
            row = 1;
            break;
        case LuckClass::Unlucky:
            row = 2;
            break;
        default:
            return 0;
    }
    switch (kind) {
        case GridKind::Heaven:
        case GridKind::Earth:
        case GridKind::Outer:
            return kPoints[row][0];
        case GridKind::Person:
            return kPoints[row][1];
        case GridKind::Total:
            return kPoints[row][2];
    }
    return 0;
}

namespace {

constexpr std::array<std::string_view, 5> kElements = {"木", "火", "土", "金", "水"};

int ElementIndex(std::string_view e) {
    for (int i = 0; i < 5; ++i)
        if (kElements[static_cast<std::size_t>(i)] == e) return i;
    return -1;
}

// Relation of element a to element b in the generating cycle 木→火→土→金→水→木 and the
// overcoming cycle 木→土→水→火→金→木.
enum class Relation { Same, Generates, GeneratedBy, Overcomes, OvercomeBy };

Relation RelationOf(int a, int b) {
    const int d = ((b - a) % 5 + 5) % 5;
    switch (d) {
        case 0:
            return Relation::Same;
        case 1:
            return Relation::Generates;
        case 4:
            return Relation::GeneratedBy;
        case 2:
            return Relation::Overcomes;
        default:
            return Relation::OvercomeBy;
    }
}

}  // namespace

// Grade of 天 人 地: each relation earns points, the sum gives the grade.
//   天 to 人: 天 generates 人 +3, 人 generates 天 +2, same +1, 人 overcomes 天 -1, 天 overcomes 人
//   -3 人 to 地: 地 generates 人 +3, 人 generates 地 +2, same +1, 人 overcomes 地 -1, 地 overcomes
//   人 -3 天 to 地: generating either way +1, same 0, overcoming either way -1
// Sum -7..7 -> grade: >=6: 1, 4..5: 2, 2..3: 3, 0..1: 4, -2..-1: 5, -4..-3: 6, <=-5: 7.
// Support from above (天) and from the foundation (地) counts most, as in the tradition.
int ThreeTalentGrade(const std::string& config) {
    if (config.size() != 9) return 0;
    const int t = ElementIndex(std::string_view(config).substr(0, 3));
    const int r = ElementIndex(std::string_view(config).substr(3, 3));
    const int d = ElementIndex(std::string_view(config).substr(6, 3));
    if (t < 0 || r < 0 || d < 0) return 0;
    int sum = 0;
    switch (RelationOf(t, r)) {
        case Relation::Generates:
            sum += 3;
            break;
        case Relation::GeneratedBy:
            sum += 2;
            break;
        case Relation::Same:
            sum += 1;
            break;
        case Relation::OvercomeBy:
            sum -= 1;
            break;
        case Relation::Overcomes:
            sum -= 3;
            break;
    }
    switch (RelationOf(d, r)) {
        case Relation::Generates:
            sum += 3;
            break;  // 地 generates 人
        case Relation::GeneratedBy:
            sum += 2;
            break;  // 人 generates 地
        case Relation::Same:
            sum += 1;
            break;
        case Relation::OvercomeBy:
            sum -= 1;
            break;  // 人 overcomes 地
        case Relation::Overcomes:
            sum -= 3;
            break;  // 地 overcomes 人
    }
    switch (RelationOf(t, d)) {
        case Relation::Generates:
        case Relation::GeneratedBy:
            sum += 1;
            break;
        case Relation::Same:
            break;
        default:
            sum -= 1;
            break;
    }
    if (sum >= 6) return 1;
    if (sum >= 4) return 2;
    if (sum >= 2) return 3;
    if (sum >= 0) return 4;
    if (sum >= -2) return 5;
    if (sum >= -4) return 6;
    return 7;
}

double ThreeTalentPoints(int grade) {
    static constexpr double kPoints[] = {20, 18, 16, 15, 14, 13, 12};
    return grade >= 1 && grade <= 7 ? kPoints[grade - 1] : -1;
}

double ComputedNameScore(const FiveGrids& g, double threeTalentPoints) {
    return GridScore(g.Heaven, GridKind::Heaven) + GridScore(g.Earth, GridKind::Earth) +
           GridScore(g.Person, GridKind::Person) + GridScore(g.Total, GridKind::Total) +
           GridScore(g.Outer, GridKind::Outer) + threeTalentPoints;
}

std::string ScoreText(double score) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.15g", score);
    return buf;
}

}  // namespace qinghe
