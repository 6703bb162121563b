// The result query is built from one of four templates (surname of one or two characters,
// given name of one or two), its clauses each appended after a blank, and closed with ")d ".
// Its rows are held in memory; the name filter, when on, removes the rows it faults before
// they are counted, so pages and counts see only names the filter lets through.
#include "generation/ListGeneration.h"

#include "base/Errors.h"
#include "base/Utf8.h"
#include "numerology/CharacterLookup.h"
#include "refdata/ReferenceDb.h"
#include "refdata/SqlText.h"

namespace qinghe {

namespace {

// The four templates, each filled with TopCombos, the surname strokes and ScoreFloor.
constexpr std::string_view kOneOne =
    "select top 100000 zi1 as zi, ft1 as ft, wuhang1 as wuhang, pinyin1 as pinyin, wg, sc, zf, "
    "bh1, NULL AS bh2  from  (select b.zi as zi1, Left(b.ft,1) as ft1, b.wuhang as "
    "wuhang1,b.pinyin as pinyin1,   b.bh as bh1, a.wg, a.sc, a.zf  from   (select top %d "
    "bh21,bh22,zf,wg,sc from zh where lx = 11 and bh11 = %d and zf > %d order by jxjx,zf "
    "desc)a,    word b   where a.bh21 = b.bh and b.aflag is null ";
constexpr std::string_view kOneTwo =
    "select top 100000 zi1 + zi2 as zi, zi2 + zi1 as zi2, ft1 + ft2 as ft,wuhang1 + wuhang2 as "
    "wuhang, pinyin1 +'-'+ pinyin2 as pinyin, wg, sc, zf, bh1, bh2  from  (select b.zi as "
    "zi1,c.zi as zi2, Left(b.ft,1) as ft1,Left(c.ft,1) as ft2,   b.wuhang as wuhang1,c.wuhang "
    "as wuhang2,b.pinyin as pinyin1,    c.pinyin as pinyin2, b.bh as bh1,c.bh as bh2, a.wg, "
    "a.sc, a.zf  from   (select top %d bh21,bh22,zf,wg,sc from zh where lx = 12 and bh11 = %d "
    "and zf > %d order by jxjx,zf desc)a,    word b,word c   where a.bh21 = b.bh and a.bh22 = "
    "c.bh   and b.aflag is null and c.aflag is null ";
constexpr std::string_view kTwoOne =
    "select top 100000 zi1 as zi, ft1 as ft, wuhang1 as wuhang, pinyin1 as pinyin, wg, sc, zf, "
    "bh1, NULL AS bh2  from  (select b.zi as zi1, Left(b.ft,1) as ft1, b.wuhang as "
    "wuhang1,b.pinyin as pinyin1,   b.bh as bh1, a.wg, a.sc, a.zf  from   (select top %d "
    "bh21,bh22,zf,wg,sc from zh where lx = 21 and bh11 = %d    and bh12 = %d and zf > %d order "
    "by jxjx,zf desc)a,    word b   where a.bh21 = b.bh and b.aflag is null ";
constexpr std::string_view kTwoTwo =
    "select top 100000 zi1 + zi2 as zi, ft1 + ft2 as ft,wuhang1 + wuhang2 as wuhang, pinyin1 "
    "+'-'+ pinyin2 as pinyin, wg, sc, zf, bh1, bh2  from  (select b.zi as zi1,c.zi as zi2, "
    "Left(b.ft,1) as ft1,Left(c.ft,1) as ft2, b.wuhang as wuhang1,c.wuhang as wuhang2,b.pinyin "
    "as pinyin1,    c.pinyin as pinyin2, b.bh as bh1,c.bh as bh2, a.wg, a.sc, a.zf  from   "
    "(select top %d bh21,bh22,zf,wg,sc from zh where lx = 22 and bh11 = %d    and bh12 = %d and "
    "zf > %d order by jxjx,zf desc)a,    word b,word c   where a.bh21 = b.bh and a.bh22 = c.bh   "
    "and b.aflag is null and c.aflag is null ";

// Strokes, first traditional form, pinyin and element of one surname character.
struct SurnameChar {
    int strokes = 0;
    std::string trad, pinyin, element;
};
SurnameChar SurnameCharOf(const std::string& c) {
    SurnameChar s;
    RefQuery q(kRedoviv, Fill("select zi, Left(ft,1) as ft, pinyin, bh, wuhang from word where "
                              "zi = %s",
                              {SqlQuote(c)}));
    if (q.Eof()) return s;
    s.strokes = static_cast<int>(q.AsInteger("bh"));
    s.trad = q.AsText("ft");
    s.pinyin = q.AsText("pinyin");
    s.element = q.AsText("wuhang");
    return s;
}

// "qīng-níng、nìng" -> "qīng-níng": of a character's readings the first, the one a name uses.
std::string FirstReadings(const std::string& pinyin) {
    std::string out;
    bool skipping = false;
    for (const std::string& c : Utf8Chars(pinyin)) {
        if (c == "、")
            skipping = true;
        else if (c == "-")
            skipping = false;
        if (!skipping) out += c;
    }
    return out;
}

}  // namespace

ElementChoice PrepareListElements(std::string& favoured, std::string_view surname,
                                  std::string_view fixedChar) {
    ElementChoice e = PrepareElements(favoured, surname);
    const std::string fixed = Trim(fixedChar);
    if (fixed.empty()) return e;
    const std::string f = CharElement(fixed);
    if (!e.e1.empty() && !e.e2.empty() && f != e.e1 && f != e.e2) e.e2.clear();
    if (!e.e1.empty() && e.e2.empty() && f != e.e1) e.e1.clear();
    return e;
}

int RedrawsFor(int resultCount) {
    if (resultCount > 50000) return 2;
    if (resultCount > 10000) return 3;
    return 5;
}

std::string ListQuery(const ListSettings& s, const ListRun& run, int surnameLength) {
    const std::string top = std::to_string(run.TopCombos);
    const std::string floor = std::to_string(run.ScoreFloor);
    const std::string x1 = std::to_string(run.SurnameStrokes1);
    const std::string x2 = std::to_string(run.SurnameStrokes2);
    std::string sql;
    if (surnameLength == 1)
        sql = Fill(s.twoCharGiven ? kOneTwo : kOneOne, {top, x1, floor});
    else
        sql = Fill(s.twoCharGiven ? kTwoTwo : kTwoOne, {top, x1, x2, floor});

    // Each clause after a blank: "and b.bh = 5" and "and c.bh = 6" must not run together.
    const auto add = [&sql](const std::string& clause) { sql += " " + clause; };
    const std::string& e1 = s.elements.e1;
    const std::string& e2 = s.elements.e2;
    const int s1 = s.chosen ? s.chosen->s1 : 0;
    const int s2 = s.chosen ? s.chosen->s2 : 0;
    const std::string idioms = SqlQuote(s.idioms);
    if (!s.twoCharGiven) {
        add(s.boy ? " and (b.xb = '男' or b.nan = 1 or b.xb = '0' or b.xb = '1') "
                  : " and (b.xb = '女' or b.nv = 1 or b.xb = '0' or b.xb = '1') ");
        if (!e1.empty() && e2.empty()) add(Fill("and b.wuhang = %s", {SqlQuote(e1)}));
        if (s1 >= 1) add("and b.bh = " + std::to_string(s1));
        if (s.mode == ListMode::Idiom) add("and " + idioms + " Like '%'+ b.zi+ '%'");
    } else {
        add(s.boy ? " and (b.nan + c.nan > 0) " : " and (b.nv + c.nv > 0) ");
        if (!e1.empty() && !e2.empty())
            add(
                Fill("and ((b.wuhang = %s and c.wuhang = %s) or (b.wuhang = %s and c.wuhang = "
                     "%s))",
                     {SqlQuote(e1), SqlQuote(e2), SqlQuote(e2), SqlQuote(e1)}));
        else if (!e1.empty())
            add(Fill("and (b.wuhang = %s or c.wuhang = %s)", {SqlQuote(e1), SqlQuote(e1)}));
        if (!s.fixedChar.empty())
            add(Fill(s.fixedFirst ? "and b.zi = %s " : "and c.zi = %s ", {SqlQuote(s.fixedChar)}));
        if (s1 >= 1) add("and b.bh = " + std::to_string(s1));
        if (s2 >= 1) add("and c.bh = " + std::to_string(s2));
        if (s.mode == ListMode::Idiom) {
            add("and " + idioms + " Like '%'+ b.zi+ '%'");
            add("and " + idioms + " Like '%'+ c.zi+ '%'");
        }
    }
    return sql + ")d ";
}

ListResult::ListResult(ListRun run, std::string surname, std::vector<ListRow> rows)
    : m_run(std::move(run)), m_surname(std::move(surname)), m_rows(std::move(rows)) {
    m_run.ResultCount = static_cast<int>(m_rows.size());
    m_run.Redraws = RedrawsFor(m_run.ResultCount);
    m_run.ShownCount = 0;
    m_shown.assign(m_rows.size(), false);
}

std::optional<ListResult> RunListGeneration(const ListSettings& s) {
    // The surname as typed must be one or two characters: a blank around it makes it
    // neither, and the run ends without a word.
    const std::vector<std::string> typed = Utf8Chars(s.surnameText);
    if (Trim(s.surnameText) != s.surnameText || typed.empty() || typed.size() > 2)
        return std::nullopt;
    ListRun run;
    if (s.scoreFloorFromBox) {
        const auto minScore = ParseInt(Trim(s.minScoreText));
        if (!minScore)
            throw ConversionError("'" + Trim(s.minScoreText) + "' is not a valid integer value");
        run.ScoreFloor = *minScore - 1;
    } else {
        run.ScoreFloor = 60;
    }
    run.TopCombos = !s.twoCharGiven || !s.fixedChar.empty() ? 500 : 50;
    const SurnameChar first = SurnameCharOf(typed[0]);
    run.SurnameStrokes1 = first.strokes;
    run.SurnameTrad1 = first.trad;
    run.SurnamePinyin1 = first.pinyin;
    run.SurnameElement1 = first.element;
    if (typed.size() == 2) {
        const SurnameChar second = SurnameCharOf(typed[1]);
        run.SurnameStrokes2 = second.strokes;
        run.SurnameTrad2 = second.trad;
        run.SurnamePinyin2 = second.pinyin;
        run.SurnameElement2 = second.element;
    }

    // The filter, when on, drops its names here: they are neither counted nor drawn.
    const std::string surname = Trim(s.surnameText);
    const auto filter = s.filterNames ? LoadNameFilterTables() : nullptr;
    const int chosen = s.fixedChar.empty() ? -1 : s.fixedFirst ? 0 : 1;
    std::vector<ListRow> rows;
    for (RefQuery q(kRedoviv, ListQuery(s, run, static_cast<int>(typed.size()))); !q.Eof();
         q.Next()) {
        ListRow row;
        row.zi = q.AsText("zi");
        if (filter && CheckName(*filter, surname, row.zi, s.boy, chosen) != NameFault::None)
            continue;
        row.ft = q.AsText("ft");
        row.wuhang = q.AsText("wuhang");
        row.pinyin = q.AsText("pinyin");
        row.wg = q.AsText("wg");
        row.sc = q.AsText("sc");
        row.zf = static_cast<int>(q.AsInteger("zf"));
        row.bh1 = q.AsText("bh1");
        row.bh2 = q.AsText("bh2");
        rows.push_back(std::move(row));
    }
    return ListResult(std::move(run), surname, std::move(rows));
}

GridRow ListResult::GridRowOf(const ListRow& row, int number) const {
    GridRow g;
    g.name = m_surname + row.zi;
    g.score = row.zf;
    std::string strokes = std::to_string(m_run.SurnameStrokes1);
    if (m_run.SurnameStrokes2 > 0) strokes += "," + std::to_string(m_run.SurnameStrokes2);
    strokes += "," + Trim(row.bh1);
    if (!Trim(row.bh2).empty()) strokes += "," + Trim(row.bh2);
    g.cells = {std::to_string(number),
               g.name,
               m_run.SurnameTrad1 + m_run.SurnameTrad2 + row.ft,
               FirstReadings(m_run.SurnamePinyin1 + m_run.SurnamePinyin2 + "-" + row.pinyin),
               m_run.SurnameElement1 + m_run.SurnameElement2 + row.wuhang,
               strokes,
               row.wg,
               row.sc,
               std::to_string(row.zf)};
    return g;
}

std::vector<GridRow> ListResult::NextPage(std::mt19937& random) {
    std::vector<GridRow> page;
    const int n = std::min(m_run.ResultCount, m_run.GridPageSize);
    std::uniform_int_distribution<int> draw(0, std::max(0, m_run.ResultCount - 1));
    for (int r = 1; r <= n && !Exhausted(); ++r) {
        int at = r - 1;
        if (m_run.ResultCount >= m_run.GridPageSize) {
            // At random over the whole result, drawn again while it was shown already, at
            // most Redraws times: a page spreads over the result, a repeat now and then.
            at = draw(random);
            for (int again = 0; again < m_run.Redraws && m_shown[static_cast<std::size_t>(at)];
                 ++again)
                at = draw(random);
        }
        page.push_back(GridRowOf(m_rows[static_cast<std::size_t>(at)], r));
        page.back().resultRow = at + 1;
        m_shown[static_cast<std::size_t>(at)] = true;
        ++m_run.ShownCount;
    }
    return page;
}

std::string LoadIdiomList() {
    std::string text;
    for (RefQuery q(kRedoviv, "select cy from chengyu order by xh"); !q.Eof(); q.Next())
        text += (text.empty() ? "" : "\n") + q.AsText(0);
    return text;
}

std::string ListHighScoreText(const GridRow& row) {
    return row.name + "(" + std::to_string(row.score) + ")";
}

bool IsListHighScore(std::string_view thresholdText, const GridRow& row) {
    const auto threshold = ParseInt(Trim(thresholdText));
    if (!threshold)
        throw ConversionError("'" + Trim(thresholdText) + "' is not a valid integer value");
    return row.score >= *threshold;
}

}  // namespace qinghe
