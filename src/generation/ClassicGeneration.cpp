// Classic-mode generation over tables `zh` and `word` of Redoviv.dll.
#include "generation/ClassicGeneration.h"

#include "base/Utf8.h"
#include "numerology/CharacterLookup.h"
#include "refdata/ReferenceDb.h"
#include "refdata/SqlText.h"

namespace qinghe {

namespace {

constexpr std::string_view kLineBreak = "\r\n";

// The inside of a quoted SQL text: inner quotes doubled (the template holds the quotes).
std::string Inner(std::string_view text) {
    const std::string quoted = SqlQuote(text);
    return quoted.substr(1, quoted.size() - 2);
}

std::string FirstChars(std::string_view text, std::size_t count) {
    std::string out;
    std::size_t n = 0;
    for (std::size_t i = 0; i < text.size() && n < count; ++n) {
        const std::size_t start = i;
        DecodeUtf8(text, i);
        out.append(text.substr(start, i - start));
    }
    return out;
}

// "张伟明(85分)" as the name and its score. The suffix is the run's own, so it always reads.
GeneratedName GeneratedNameOf(const std::string& mz) {
    const std::size_t paren = mz.rfind('(');
    const std::string_view closing = "分)";
    const bool closed = mz.size() >= closing.size() &&
                        mz.compare(mz.size() - closing.size(), closing.size(), closing) == 0;
    const auto score = paren == std::string::npos || !closed
                           ? std::nullopt
                           : ParseInt(std::string_view(mz).substr(
                                 paren + 1, mz.size() - paren - 1 - closing.size()));
    if (!score) throw ConversionError("'" + mz + "' is not a generated name");
    return {mz.substr(0, paren), *score};
}

}  // namespace

int NameKindOf(std::string_view surname, bool twoCharGiven) {
    return (Utf8Length(surname) == 1 ? 10 : 20) + (twoCharGiven ? 2 : 1);
}

std::string StrokeComboQuery(const ComboOptions& o, int& nameKind) {
    int p1 = 0, p2 = 0;
    if (!o.fixedChar.empty()) (o.fixedFirst ? p1 : p2) = StrokeCount(o.fixedChar);
    nameKind = NameKindOf(o.surname, o.twoCharGiven);
    const std::vector<std::string> chars = Utf8Chars(o.surname);
    const int top = p1 > 0 || p2 > 0 ? 80 : o.twoCharGiven ? 20 : 40;
    const std::string head = "select top " + std::to_string(top) +
                             " bh11,bh12,bh21,bh22,zf from zh where bh21 < 25 and bh22 < 25 and ";
    std::string sql;
    if (nameKind < 20) {
        sql = head + Fill(" lx = %d and bh11 = %d ",
                          {std::to_string(nameKind), std::to_string(StrokeCount(o.surname))});
    } else {
        sql = head + Fill("lx = %d and bh11 = %d and bh12 = %d ",
                          {std::to_string(nameKind), std::to_string(StrokeCount(chars[0])),
                           std::to_string(StrokeCount(chars[1]))});
    }
    if (p1 > 0) sql += std::string(kLineBreak) + " and bh21 = " + std::to_string(p1) + " ";
    if (p2 > 0) sql += std::string(kLineBreak) + " and bh22 = " + std::to_string(p2) + " ";
    if (o.minScore)
        sql += std::string(kLineBreak) + " and zf >= " + std::to_string(*o.minScore) + " ";
    sql += std::string(kLineBreak) + " order by jxjx asc,zf asc";
    return sql;
}

std::string StrokeCombo::Text() const {
    std::string s = std::to_string(x1);
    if (nameKind >= 20) s += "-" + std::to_string(x2);
    s += "|" + std::to_string(bh21);
    if (nameKind % 10 == 2) s += "-" + std::to_string(bh22);
    return s + "(" + std::to_string(zf) + "分)";
}

std::optional<std::vector<StrokeCombo>> LoadStrokeCombos(const ComboOptions& o, int& nameKind) {
    const std::string sql = StrokeComboQuery(o, nameKind);
    const std::vector<std::string> chars = Utf8Chars(o.surname);
    StrokeCombo c;
    c.nameKind = nameKind;
    c.x1 = StrokeCount(nameKind < 20 ? o.surname : chars[0]);
    c.x2 = nameKind < 20 ? 0 : StrokeCount(chars[1]);
    std::vector<StrokeCombo> combos;
    try {
        for (RefQuery q(kRedoviv, sql); !q.Eof(); q.Next()) {
            c.bh21 = static_cast<int>(q.AsInteger("bh21"));
            c.bh22 = static_cast<int>(q.AsInteger("bh22"));
            c.zf = static_cast<int>(q.AsInteger("zf"));
            combos.push_back(c);
        }
    } catch (const ReferenceDbError&) {
        return std::nullopt;
    } catch (const ConversionError&) {
        return std::nullopt;
    }
    return combos;
}

std::string ComboStrokes::Suffix() const {
    return "(" + std::to_string(score) + "分)";
}

std::optional<ComboStrokes> StrokesOf(const StrokeCombo& combo, bool twoCharGiven) {
    // An entry of the other form does not read: 7|10(85分) has no second count, and
    // 7|10-6(85分) no single one.
    if ((combo.nameKind % 10 == 2) != twoCharGiven) return std::nullopt;
    return ComboStrokes{combo.bh21, twoCharGiven ? combo.bh22 : 0, combo.zf};
}

std::optional<ComboStrokes> ParseStrokeCombo(std::string_view entry, bool twoCharGiven) {
    const std::size_t bar = entry.find('|');
    if (bar == std::string_view::npos) return std::nullopt;
    const std::string given = Trim(FirstChars(entry.substr(bar + 1), 30));
    const std::size_t paren = given.find('(');
    if (paren == std::string::npos) return std::nullopt;
    ComboStrokes c;
    // The score closes the entry: "(85分)".
    const std::string suffix = Trim(FirstChars(std::string_view(given).substr(paren), 16));
    const std::string_view closing = "分)";
    if (suffix.size() <= 1 + closing.size() ||
        suffix.compare(suffix.size() - closing.size(), closing.size(), closing) != 0)
        return std::nullopt;
    const auto score =
        ParseInt(std::string_view(suffix).substr(1, suffix.size() - 1 - closing.size()));
    if (!score || *score < 0) return std::nullopt;
    c.score = *score;
    if (!twoCharGiven) {
        const auto s1 = ParseInt(std::string_view(given).substr(0, paren));
        if (!s1) return std::nullopt;
        c.s1 = *s1;
        return c;
    }
    const std::size_t dash = given.find('-');
    if (dash == std::string::npos || dash > paren) return std::nullopt;
    const auto s1 = ParseInt(std::string_view(given).substr(0, dash));
    // One digit when the second character after "-" is "(", else two.
    const std::size_t digits = dash + 2 < given.size() && given[dash + 2] == '(' ? 1 : 2;
    const auto s2 = ParseInt(std::string_view(given).substr(dash + 1, digits));
    if (!s1 || !s2) return std::nullopt;
    c.s1 = *s1;
    c.s2 = *s2;
    return c;
}

std::string SexClause(bool boy, bool singleOrFixed) {
    if (singleOrFixed)
        return boy ? " and (xb = '男' or nan = 1 or xb = '0' or xb = '1') "
                   : " and (xb = '女' or nv = 1 or xb = '0' or xb = '1') ";
    return boy ? " and (xb = '男' or nan = 1 or xb = '1') "
               : " and (xb = '女' or nv = 1 or xb = '1' or xb = '0') ";
}

ClassicSettings AutomaticSettings(const std::string& surname, bool boy, bool twoCharGiven) {
    ClassicSettings s;
    s.surname = surname;
    s.boy = boy;
    s.twoCharGiven = twoCharGiven;
    int kind = 0;
    s.combos = LoadStrokeCombos(ComboOptions{surname, twoCharGiven, "", true, 70}, kind)
                   .value_or(std::vector<StrokeCombo>{});
    return s;
}

bool HasSecondSubquery(const ClassicSettings& s, const ComboStrokes& combo) {
    return s.twoCharGiven && ((!s.fixedChar.empty() && !s.fixedFirst) || combo.s2 > 0);
}

ElementChoice PrepareElements(std::string& favoured, std::string_view surname) {
    const std::vector<std::string> chars = Utf8Chars(Trim(surname));
    for (std::size_t i = 0; i < chars.size() && i < 2; ++i) {
        const std::string element = CharElement(chars[i]);
        if (element.empty()) continue;
        for (std::size_t at; (at = favoured.find(element)) != std::string::npos;)
            favoured.erase(at, element.size());
    }
    favoured = Trim(favoured);
    const std::vector<std::string> left = Utf8Chars(favoured);
    ElementChoice e;
    if (!left.empty()) e.e1 = left[0];
    if (left.size() > 1) e.e2 = left[1];
    return e;
}

std::string ClassicSelect(const ClassicSettings& s, const ComboStrokes& combo, bool automatic) {
    const bool fixed = !s.fixedChar.empty();
    const std::string sex = SexClause(s.boy, !s.twoCharGiven || fixed);
    const std::string fixedChar = Inner(s.fixedChar);
    // The fixed character brings its own row's suitability and element, not the first
    // row the table happens to yield.
    const std::string ownRow = "and zi = " + SqlQuote(s.fixedChar) + " ";

    std::string a;
    if (fixed && s.fixedFirst) {
        a = Fill(automatic
                     ? "select top 1 '%s' as zi,11 as px, 100 as id,nan,nv,wuhang from word "
                       "where 1 = 1  "
                     : "select top 1 '%s' as zi, 120 as px, 131 as id,nan,nv,wuhang from word "
                       "where 1 = 1 ",
                 {fixedChar}) +
            ownRow;
    } else {
        a = std::string(automatic
                            ? "select zi,px + 1000 as px,id,nan,nv,wuhang from word where 1 = 1 "
                              "and Aflag is null  "
                            : "select zi,px + 551 as px,id,nan,nv,wuhang from word where 1 = 1 "
                              "and Aflag is null ") +
            sex;
        if (combo.s1 > 0) a += " and bh = " + std::to_string(combo.s1);
    }

    std::string b;
    if (HasSecondSubquery(s, combo)) {
        if (fixed && !s.fixedFirst) {
            b = Fill(automatic ? "select top 1 '%s' as zi,12 as px, 100 as id,nan,nv,wuhang from "
                                 "word where 1 = 1  "
                               : "select top 1 '%s' as zi, 119 as px, 111 as id,nan,nv,wuhang from "
                                 "word where 1 = 1 ",
                     {fixedChar}) +
                ownRow;
        } else {
            b = std::string(automatic
                                ? "select zi,px + 5001 as px,id,nan,nv,wuhang from word where "
                                  "1 = 1 and Aflag is null  "
                                : "select zi,px + 5000 as px,id,nan,nv,wuhang from word where "
                                  "1 = 1 and Aflag is null ") +
                sex + (s.boy ? " and nan = 1 " : " and nv = 1 ") +
                " and bh = " + std::to_string(combo.s2);
        }
    }

    std::string list;
    if (!b.empty()) {
        if (automatic)
            list = s.boy ? " + a.zi + b.zi + '%s' as mz,(a.px + b.px) as px,a.nan + b.nan as "
                           "you,a.wuhang as wuhang1,b.wuhang as wuhang2 from ("
                         : " + a.zi + b.zi + '%s' as mz,(a.px + b.px) as px,a.nv + b.nv as "
                           "you,a.wuhang as wuhang1,b.wuhang as wuhang2 from (";
        else
            list = s.boy ? " + a.zi + b.zi + '%s' as mz,(a.px + b.px + a.id) as px,a.nan + b.nan "
                           "as you,a.wuhang as wuhang1,b.wuhang as wuhang2  from ("
                         : " + a.zi + b.zi + '%s'  as mz,(a.px + b.px + a.id) as px,a.nv + b.nv "
                           "as you,a.wuhang as wuhang1,b.wuhang as wuhang2  from (";
    } else {
        list = automatic
                   ? " + a.zi + '%s' as mz,(a.px+ a.id) as px,1 as you,a.wuhang as wuhang1 from ("
                   : " + a.zi + '%s'  as mz,(a.px + a.id) as px,1 as you,a.wuhang as wuhang1 "
                     "from (";
    }
    std::string sql =
        "select " + SqlQuote(Trim(s.surname)) + Fill(list, {Inner(combo.Suffix())}) + a;
    sql += b.empty() ? ") a " : ") a , (" + b + ") b";
    return sql;
}

std::string ClassicTail(bool pair, const ElementChoice& e) {
    const std::string e1 = Inner(e.e1), e2 = Inner(e.e2);
    if (pair) {
        if (!e.e1.empty() && !e.e2.empty())
            return Fill(
                ") p where (wuhang1 = '%s' and wuhang2 = '%s') or (wuhang1 = '%s' and "
                "wuhang2 = '%s')  order by px",
                {e1, e2, e2, e1});
        if (!e.e1.empty())
            return Fill(") p where wuhang1 = '%s' or wuhang2 = '%s' order by px", {e1, e1});
        return ") p where you > 0 order by px";
    }
    if (!e.e1.empty() && !e.e2.empty())
        return Fill(") p where wuhang1 = '%s' or wuhang1 = '%s'  order by px", {e1, e2});
    if (!e.e1.empty()) return Fill(") p where wuhang1 = '%s' order by px", {e1});
    return ") p order by px";
}

void ForEachBanded(int rowCount, const BandOrder& bandOrder, const std::function<bool()>& keepGoing,
                   const std::function<void(int)>& emit) {
    const int d = rowCount / 9;
    for (int e = 1; e <= d; ++e) {
        if (!keepGoing()) return;
        for (const int k : bandOrder) emit(e + (k - 1) * d);
    }
    for (int row = 9 * d + 1; row <= rowCount; ++row) {
        if (!keepGoing()) return;
        emit(row);
    }
}

std::string PadClassicName(const std::string& name) {
    const int cells = DisplayWidth(name);
    return cells >= 10 && cells <= 15
               ? name + std::string(static_cast<std::size_t>(16 - cells), ' ')
               : name;
}

ClassicEmitter::ClassicEmitter(const ClassicSettings& settings, const ClassicSink& sink,
                               std::shared_ptr<const NameFilterTables> filter)
    : m_settings(settings),
      m_sink(sink),
      m_filter(std::move(filter)),
      m_threshold(ParseInt(Trim(settings.highScoreText))) {}

std::string GeneratedName::Text() const {
    return name + "(" + std::to_string(score) + "分)";
}

void ClassicEmitter::Emit(const GeneratedName& generated) {
    if (m_filter) {
        const std::string surname = Trim(m_settings.surname);
        const std::string& name = generated.name;
        if (name.compare(0, surname.size(), surname) == 0 && name.size() > surname.size()) {
            const std::string given = name.substr(surname.size());
            const int chosen = m_settings.fixedChar.empty() ? -1 : m_settings.fixedFirst ? 0 : 1;
            if (CheckName(*m_filter, surname, given, m_settings.boy, chosen) != NameFault::None)
                return;
        }
    }
    if (m_sink.name) m_sink.name(generated);
    if (m_settings.copyHighScores) {
        // Full marks always count; below them the threshold must be a number.
        bool high = generated.score == 100;
        if (!high) {
            if (!m_threshold)
                throw ConversionError("'" + m_settings.highScoreText +
                                      "' is not a valid integer value");
            high = generated.score >= *m_threshold;
        }
        if (high && m_sink.highScore) m_sink.highScore(generated);
    }
    m_row += PadClassicName(generated.Text());
    if (++m_count == 6) Finish();
}

void ClassicEmitter::Finish() {
    if (m_count > 0 && m_sink.row) m_sink.row(m_row);
    m_row.clear();
    m_count = 0;
}

int RunClassicGeneration(const ClassicSettings& s, const std::atomic<bool>& flag,
                         const ClassicSink& sink) {
    int emitted = 0;
    ClassicSink counting = sink;
    counting.name = [&](const GeneratedName& name) {
        ++emitted;
        if (sink.name) sink.name(name);
    };
    std::shared_ptr<const NameFilterTables> filter;
    try {
        if (s.filterNames) filter = LoadNameFilterTables();
    } catch (const ReferenceDbError&) {
        return 0;  // as any failed query: the run ends quietly
    }
    ClassicEmitter emitter(s, counting, filter);
    const auto keepGoing = [&] { return flag.load(); };
    const std::string surname = Trim(s.surname);
    // The rows' mz is the surname, the given name and the score suffix of its combination
    // ("张伟明(85分)"): split once, here, into the name and its score.
    const auto run = [&](const std::string& sql, const BandOrder& bands) {
        RefQuery q(kRedoviv, sql, &flag);  // a stop cuts a long query short
        ForEachBanded(q.RecordCount(), bands, keepGoing, [&](int row) {
            q.MoveTo(row - 1);
            emitter.Emit(GeneratedNameOf(Trim(q.AsText("mz"))));
        });
    };
    try {
        if (!s.automatic) {
            if (!s.chosen) return emitted;  // an entry that does not read: nothing to run
            run(Fill("select mz from (\r\n%s\r\n%s",
                     {ClassicSelect(s, *s.chosen, false),
                      ClassicTail(HasSecondSubquery(s, *s.chosen), s.elements)}),
                kChosenBands);
        } else {
            for (std::size_t first = 0; first < s.combos.size(); first += 8) {
                if (!flag.load()) break;
                std::string unionText;
                bool pair = false;
                for (std::size_t i = first; i < s.combos.size() && i < first + 8; ++i) {
                    const auto combo = StrokesOf(s.combos[i], s.twoCharGiven);
                    if (!combo) throw ConversionError("'" + s.combos[i].Text() + "' does not read");
                    pair = HasSecondSubquery(s, *combo);
                    if (i > first) unionText += "\r\n union \r\n";
                    unionText += ClassicSelect(s, *combo, true);
                }
                run(Fill("select mz from (\r\n%s\r\n%s",
                         {unionText, ClassicTail(pair, s.elements)}),
                    kAutomaticBands);
            }
        }
    } catch (const ReferenceDbError&) {
        // A failed query or conversion ends the run quietly; what was shown stays.
    } catch (const ConversionError&) {
    }
    emitter.Finish();
    return emitted;
}

}  // namespace qinghe
