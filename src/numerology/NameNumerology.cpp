// Name numerology over the reference tables `word`, `zh`, `sancai` and `81`.
#include "numerology/NameNumerology.h"

#include <string>
#include <vector>

#include "base/Utf8.h"
#include "numerology/CharacterLookup.h"
#include "refdata/ReferenceDb.h"
#include "refdata/SqlText.h"

namespace qinghe {

namespace {

struct Part {
    bool single = true;
    std::string whole, first, second, rest;  // rest: after the first, at most two characters
};

Part Split(std::string_view text) {
    Part p;
    p.whole = std::string(text);
    const std::vector<std::string> chars = Utf8Chars(text);
    p.single = chars.size() <= 1;
    if (!chars.empty()) p.first = chars[0];
    if (chars.size() >= 2) p.second = chars[1];
    for (std::size_t i = 1; i < chars.size() && i <= 2; ++i) p.rest += chars[i];
    return p;
}

}  // namespace

NameStrokes NameStrokesOf(std::string_view surname, std::string_view given) {
    const Part s = Split(surname), g = Split(given);
    NameStrokes n;
    n.s1 = StrokeCount(s.single ? s.whole : s.first);
    if (!s.single) {
        n.s2 = StrokeCount(s.second);
        n.sRest = s.rest == s.second ? *n.s2 : StrokeCount(s.rest);
    }
    n.g1 = StrokeCount(g.single ? g.whole : g.first);
    if (!g.single) {
        n.g2 = StrokeCount(g.second);
        n.gRest = g.rest == g.second ? *n.g2 : StrokeCount(g.rest);
    }
    return n;
}

int FiveGridNumber(std::string_view surname, std::string_view given, GridKind kind) {
    return FiveGridNumber(NameStrokesOf(surname, given), kind);
}

FiveGrids ComputeFiveGrids(std::string_view surname, std::string_view given) {
    return FiveGridsOf(NameStrokesOf(surname, given));
}

double ThreeTalentScore(const std::string& config) {
    RefQuery q(kTalFile, "Select djc from sancai where title = " + SqlQuote(config) + " ");
    if (q.Eof()) return -1;
    return ThreeTalentPoints(static_cast<int>(q.AsInteger(0)));
}

std::string NumberReading(int n, int field) {
    RefQuery q(kTalFile, "Select * from 81 where num = " + std::to_string(n));
    if (q.Eof()) return " ";
    static constexpr const char* kColumns[] = {"yy", "jx", "as", "content"};
    if (field < 0 || field > 3) return "";
    return q.AsText(kColumns[field]);
}

int CombinationScore(std::string_view s1, std::string_view s2, std::string_view g1,
                     std::string_view g2) {
    auto strokes = [](std::string_view c) { return c.empty() ? 0 : StrokeCount(c); };
    const std::string sql =
        "select  top 1 zf from zh where bh11 = " + std::to_string(StrokeCount(s1)) +
        " and bh12 = " + std::to_string(strokes(s2)) +
        " and bh21 = " + std::to_string(strokes(g1)) +
        " and bh22 = " + std::to_string(strokes(g2)) + " ";
    try {
        RefQuery q(kRedoviv, sql);
        return q.Eof() ? 0 : static_cast<int>(q.AsInteger(0));
    } catch (const ReferenceDbError&) {
        return 0;
    } catch (const ConversionError&) {
        return 0;
    }
}

double NameScore(std::string_view surname, std::string_view given) {
    const Part s = Split(surname), g = Split(given);
    const int c = CombinationScore(s.single ? s.whole : s.first, s.single ? "" : s.second,
                                   g.single ? g.whole : g.first, g.single ? "" : g.second);
    if (c != 0) return c;
    const FiveGrids grids = ComputeFiveGrids(surname, given);
    return ComputedNameScore(
        grids, ThreeTalentScore(ThreeTalents(grids.Heaven, grids.Person, grids.Earth)));
}

}  // namespace qinghe
