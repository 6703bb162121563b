// The character table from Unihan (kTGHZ2013: the 8,105 characters of the 2013 table of
// general standard characters; kRSKangXi, kTotalStrokes, kMandarin) and OpenCC's
// simplified-to-traditional table, with the project's curated files under data/; the
// stroke-combination table from the project's numerology rules; the talent tables.
#include "NameTables.h"

#include <opencc/opencc.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <set>
#include <stdexcept>
#include <vector>

#include "SourceFiles.h"
#include "base/Utf8.h"
#include "numerology/FiveGrids.h"
#include "numerology/KangxiStrokes.h"

namespace qinghe::refdata {

namespace {

char32_t CodePointOf(const std::string& c) {
    std::size_t i = 0;
    return DecodeUtf8(c, i);
}

std::vector<std::string> SplitBlanks(const std::string& s) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start < s.size()) {
        const std::size_t end = std::min(s.find(' ', start), s.size());
        if (end > start) out.push_back(s.substr(start, end - start));
        start = end + 1;
    }
    return out;
}

class OpenCC {
  public:
    explicit OpenCC(const std::string& config) : m_handle(opencc_open(config.c_str())) {
        if (m_handle == reinterpret_cast<opencc_t>(-1))
            throw std::runtime_error("cannot open OpenCC configuration " + config);
    }
    ~OpenCC() { opencc_close(m_handle); }
    std::string Convert(const std::string& text) const {
        char* out = opencc_convert_utf8(m_handle, text.c_str(), text.size());
        if (!out) return text;
        std::string result(out);
        opencc_convert_utf8_free(out);
        return result;
    }

  private:
    opencc_t m_handle;
};

struct NameChar {
    std::string sex;     // 男 女 两
    bool second = true;  // reads well second in a two-character given name, not only first
    int rank = 0;
};

// The unified ideographs that are the Kangxi radicals themselves (CJKRadicals.txt lines
// "206; 2FCD; 9F0E"; the primed lines are simplified radical forms and are left out).
std::set<char32_t> RadicalCharacters(const std::string& path) {
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot open " + path);
    std::set<char32_t> out;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#' || line.find('\'') != std::string::npos) continue;
        const std::size_t last = line.rfind(';');
        if (last == std::string::npos) continue;
        out.insert(static_cast<char32_t>(std::stoul(line.substr(last + 1), nullptr, 16)));
    }
    return out;
}

}  // namespace

void FillWordTable(BuildDb& db, const NameSources& src) {
    auto readings =
        ReadUnihan(src.unihanDir + "/Unihan_Readings.txt.bz2", {"kTGHZ2013", "kMandarin"});
    auto radicals =
        ReadUnihan(src.unihanDir + "/Unihan_RadicalStrokeCounts.txt.bz2", {"kRSKangXi"});
    auto irg =
        ReadUnihan(src.unihanDir + "/Unihan_IRGSources.txt.bz2", {"kTotalStrokes", "kRSUnicode"});
    const UnihanField& tghz = readings["kTGHZ2013"];
    const UnihanField& mandarin = readings["kMandarin"];
    const UnihanField& kangxi = radicals["kRSKangXi"];
    const UnihanField& total = irg["kTotalStrokes"];
    const UnihanField& rsUnicode = irg["kRSUnicode"];

    const std::string dir = src.dataDir + "/characters/";
    std::map<std::string, std::string> traditionalExceptions;
    {
        const Tsv t = ReadTsv(dir + "traditional_exceptions.tsv");
        for (const auto& r : t.rows) traditionalExceptions[r[t.Column("zi")]] = r[t.Column("ft")];
    }
    std::map<std::string, std::string> elementOverrides;
    {
        const Tsv t = ReadTsv(dir + "element_overrides.tsv");
        for (const auto& r : t.rows) elementOverrides[r[t.Column("zi")]] = r[t.Column("wuhang")];
    }
    std::map<std::string, std::string> nameReadings;
    {
        const Tsv t = ReadTsv(dir + "name_readings.tsv");
        for (const auto& r : t.rows) nameReadings[r[t.Column("zi")]] = r[t.Column("pinyin")];
    }
    std::map<std::string, NameChar> nameChars;
    {
        const Tsv t = ReadTsv(src.dataDir + "/names/pool.tsv");
        for (const auto& r : t.rows)
            nameChars[r[t.Column("zi")]] = {r[t.Column("sex")], r[t.Column("second")] != "no",
                                            std::stoi(r[t.Column("rank")])};
    }
    const std::set<char32_t> radicalChars = RadicalCharacters(src.unihanDir + "/CJKRadicals.txt");

    // Rows: the name-worthy characters by rank, then every other character by code point.
    std::vector<char32_t> codes;
    for (const auto& [cp, value] : tghz) codes.push_back(cp);
    std::sort(codes.begin(), codes.end(), [&](char32_t a, char32_t b) {
        const auto ia = nameChars.find(EncodeUtf8(a));
        const auto ib = nameChars.find(EncodeUtf8(b));
        const int ra = ia == nameChars.end() ? 1 << 30 : ia->second.rank;
        const int rb = ib == nameChars.end() ? 1 << 30 : ib->second.rank;
        return ra != rb ? ra < rb : a < b;
    });

    auto totalOf = [&](char32_t cp) {
        const auto it = total.find(cp);
        return it == total.end() ? 0 : std::stoi(SplitBlanks(it->second).front());
    };
    auto kangxiOf = [&](char32_t cp) {
        // A radical itself counts as the dictionary counts the radical (鼎 13, where the
        // modern count gives 12); its variant forms (王 for 玉) keep their own count.
        if (const auto it = kangxi.find(cp); it != kangxi.end() && radicalChars.count(cp))
            return KangxiRadicalStrokes(RadicalOf(it->second));
        int n = 0;
        if (const auto it = kangxi.find(cp); it != kangxi.end())
            n = KangxiStrokeCount(it->second, totalOf(cp));
        if (n == 0)
            if (const auto it = rsUnicode.find(cp); it != rsUnicode.end())
                n = KangxiStrokeCount(it->second, totalOf(cp));
        return n != 0 ? n : totalOf(cp);
    };
    auto radicalOf = [&](char32_t cp) {
        if (const auto it = kangxi.find(cp); it != kangxi.end()) return RadicalOf(it->second);
        if (const auto it = rsUnicode.find(cp); it != rsUnicode.end()) return RadicalOf(it->second);
        return 0;
    };

    const OpenCC s2t(src.openccS2t);
    Inserter insert(db, "word", 11);
    std::set<std::string> seenNames;
    int id = 0;
    for (const char32_t cp : codes) {
        ++id;
        const std::string zi = EncodeUtf8(cp);
        const auto exception = traditionalExceptions.find(zi);
        const std::string ft =
            exception != traditionalExceptions.end() ? exception->second : s2t.Convert(zi);
        const char32_t ftCode = CodePointOf(ft);

        const int bh = NumeralStrokes(zi).value_or(kangxiOf(ftCode));
        if (bh <= 0) throw std::runtime_error("no stroke count for " + zi);

        // Readings: the one names use where the curated list gives it, then the readings of
        // the 2013 standard table (current standard tones: 子 zǐ, 罗 luó). kMandarin keeps
        // older readings (子 zi, 罗 luō) and serves only a character the table gives none.
        std::vector<std::string> pinyin;
        auto add = [&](const std::string& p) {
            if (!p.empty() && std::find(pinyin.begin(), pinyin.end(), p) == pinyin.end())
                pinyin.push_back(p);
        };
        if (const auto it = nameReadings.find(zi); it != nameReadings.end()) add(it->second);
        for (const std::string& entry : SplitBlanks(tghz.at(cp)))
            add(entry.substr(entry.find(':') + 1));
        if (const auto it = mandarin.find(cp); it != mandarin.end() && pinyin.empty())
            for (const std::string& p : SplitBlanks(it->second)) add(p);
        std::string pinyinText;
        for (const std::string& p : pinyin) pinyinText += (pinyinText.empty() ? "" : "、") + p;
        if (pinyinText.empty()) throw std::runtime_error("no reading for " + zi);

        std::string wuhang;
        if (const auto it = elementOverrides.find(zi); it != elementOverrides.end())
            wuhang = it->second;
        if (wuhang.empty()) wuhang = ElementByRadical(radicalOf(ftCode));
        if (wuhang.empty()) wuhang = ElementByInitial(pinyin.front());

        const auto named = nameChars.find(zi);
        if (named != nameChars.end()) {
            // Generation admits a character first in a boy's two-character given name by
            // xb '男' or '1' or nan 1, second only by nan 1 (girls: '女', '1', nv 1). So nan
            // and nv mark the characters that also read well second (梓 and 子 lead a name:
            // 子涵, never 涵子), and xb the sexes the character suits.
            const std::string& sex = named->second.sex;
            const bool boys = sex == "男" || sex == "两";
            const bool girls = sex == "女" || sex == "两";
            const int nan = boys && named->second.second;
            const int nv = girls && named->second.second;
            const std::string xb = sex == "两" ? "1" : sex;
            insert.Row(id, zi, ft, bh, pinyinText, wuhang, nan, nv, xb, named->second.rank,
                       nullptr);
            seenNames.insert(zi);
        } else {
            // Present for look-ups, never offered by generation.
            insert.Row(id, zi, ft, bh, pinyinText, wuhang, 0, 0, "0", 10000 + id, 1);
        }
    }
    for (const auto& [zi, info] : nameChars)
        if (!seenNames.count(zi))
            throw std::runtime_error("name character " + zi + " is not in the table of 8,105");
}

namespace {

// Quality class for ordering combinations, 1 best: the grids that shape a life (人格,
// 总格, 地格) lucky and the talents in harmony come first.
int QualityClass(const FiveGrids& g, int grade) {
    const LuckClass person = LuckClassOf(g.Person), total = LuckClassOf(g.Total),
                    earth = LuckClassOf(g.Earth), outer = LuckClassOf(g.Outer);
    if (person == LuckClass::Lucky && total == LuckClass::Lucky && earth == LuckClass::Lucky &&
        outer != LuckClass::Unlucky && grade <= 3)
        return 1;
    if (person == LuckClass::Lucky && total == LuckClass::Lucky && earth != LuckClass::Unlucky &&
        grade <= 5)
        return 2;
    if (person != LuckClass::Unlucky && total != LuckClass::Unlucky) return 3;
    if (person != LuckClass::Unlucky || total != LuckClass::Unlucky) return 4;
    return 5;
}

std::string GridText(const FiveGrids& g) {
    return "天" + std::to_string(g.Heaven) + " 人" + std::to_string(g.Person) + " 地" +
           std::to_string(g.Earth) + " 总" + std::to_string(g.Total) + " 外" +
           std::to_string(g.Outer);
}

}  // namespace

void FillCombinationTable(BuildDb& db) {
    Inserter insert(db, "zh", 9);
    auto emit = [&](int lx, int s1, std::optional<int> s2, int g1, std::optional<int> g2) {
        NameStrokes strokes;
        strokes.s1 = s1, strokes.s2 = s2, strokes.g1 = g1, strokes.g2 = g2;
        const FiveGrids g = FiveGridsOf(strokes);
        const std::string config = ThreeTalents(g.Heaven, g.Person, g.Earth);
        const int grade = ThreeTalentGrade(config);
        const double score = ComputedNameScore(g, ThreeTalentPoints(grade));
        const int zf = static_cast<int>(std::floor(score + 0.5));
        // Combinations that generation would never offer are left out to keep the file small.
        if (zf < 70) return;
        insert.Row(s1, s2.value_or(0), g1, g2.value_or(0), lx, zf, QualityClass(g, grade),
                   GridText(g), config);
    };
    for (int s1 = 1; s1 <= 40; ++s1)
        for (int g1 = 1; g1 <= 30; ++g1) {
            emit(11, s1, std::nullopt, g1, std::nullopt);
            for (int g2 = 1; g2 <= 30; ++g2) emit(12, s1, std::nullopt, g1, g2);
        }
    for (int s1 = 1; s1 <= 30; ++s1)
        for (int s2 = 1; s2 <= 30; ++s2)
            for (int g1 = 1; g1 <= 30; ++g1) {
                emit(21, s1, s2, g1, std::nullopt);
                for (int g2 = 1; g2 <= 30; ++g2) emit(22, s1, s2, g1, g2);
            }
}

void FillTalentTables(BuildDb& db, const NameSources& src) {
    static constexpr const char* kElements[] = {"木", "火", "土", "金", "水"};
    {
        Inserter insert(db, "sancai", 2);
        for (const char* t : kElements)
            for (const char* r : kElements)
                for (const char* d : kElements) {
                    const std::string title = std::string(t) + r + d;
                    insert.Row(title, ThreeTalentGrade(title));
                }
    }
    const std::string dir = src.dataDir + "/readings/";
    {
        const Tsv t = ReadTsv(dir + "sancai2009.tsv");
        if (t.rows.size() != 125) throw std::runtime_error("sancai2009.tsv needs 125 rows");
        Inserter insert(db, "sancai2009", 9);
        for (const auto& r : t.rows)
            insert.Row(r[t.Column("title")], r[t.Column("yy")], r[t.Column("jcy")],
                       r[t.Column("jx1")], r[t.Column("cgy")], r[t.Column("jx2")],
                       r[t.Column("rjgx")], r[t.Column("jx3")], r[t.Column("xg")]);
    }
    {
        const Tsv t = ReadTsv(dir + "81.tsv");
        if (t.rows.size() != 81) throw std::runtime_error("81.tsv needs 81 rows");
        Inserter insert(db, "81", 5);
        for (const auto& r : t.rows)
            insert.Row(std::stoi(r[t.Column("num")]), r[t.Column("yy")], r[t.Column("jx")],
                       r[t.Column("as")], r[t.Column("content")]);
    }
}

}  // namespace qinghe::refdata
