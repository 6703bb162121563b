// The poem queries of the browser and the naming query built from its pieces (the character
// subquery P of the text, the second subquery P2, the combination join and the stroke
// clause), closed by a filter on the favoured elements or on suitability, lowest score first.
#include "generation/PoetryGeneration.h"

#include <algorithm>

#include "base/Utf8.h"
#include "refdata/ReferenceDb.h"
#include "refdata/SqlText.h"

namespace qinghe {

namespace {

// The four-fold search condition of the tree and title queries.
std::string SearchCondition(std::string_view search) {
    const std::string p = SearchPattern(search);
    return "d_dynasty like " + p + " or d_author like " + p + " or  d_title like " + p +
           " or d_nr like " + p;
}

}  // namespace

std::string SearchPattern(std::string_view search) {
    std::string inner = "%";
    for (const char c : search) {
        if (c == '%' || c == '_' || c == '[')
            inner += std::string("[") + c + "]";
        else
            inner += c;
    }
    return SqlQuote(inner + "%");
}

std::vector<PoemDynasty> LoadPoemTree(std::string_view search) {
    const bool searching = !search.empty();
    const std::string dynastySql =
        searching ? "Select cd_num,d_dynasty,sum(1) as cs from sg  where " +
                        SearchCondition(search) + "  group by cd_num,d_dynasty order by cd_num asc"
                  : std::string(
                        "Select cd_num,d_dynasty,sum(1) as cs from sg group by "
                        "cd_num,d_dynasty order by cd_num asc");
    std::vector<PoemDynasty> tree;
    for (RefQuery d(kTalBirth, dynastySql); !d.Eof(); d.Next()) {
        PoemDynasty dynasty;
        dynasty.name = Trim(d.AsText("d_dynasty"));
        const std::string number = std::to_string(d.AsInteger("cd_num"));
        const std::string authorSql =
            searching ? "Select au_num,d_author,sum(1) as cs from sg  where cd_num = " + number +
                            " and (" + SearchCondition(search) +
                            ")  group by au_num,d_author order by au_num asc"
                      : "Select au_num,d_author,sum(1) as cs from sg where cd_num = " + number +
                            "  group by au_num,d_author order by au_num asc ";
        for (RefQuery a(kTalBirth, authorSql); !a.Eof(); a.Next())
            dynasty.authors.push_back(
                {static_cast<int>(a.AsInteger("au_num")), Trim(a.AsText("d_author"))});
        tree.push_back(std::move(dynasty));
    }
    return tree;
}

std::vector<PoemTitle> PoemTitles(int authorNumber, std::string_view search) {
    const std::string number = std::to_string(authorNumber);
    const std::string sql =
        search.empty() ? "Select d_num,d_title,d_author from sg where au_num = " + number +
                             "  order by d_num asc "
                       : "Select d_num,d_title,d_author from sg where  au_num = " + number +
                             " and (" + SearchCondition(search) + ")  order by d_num asc ";
    std::vector<PoemTitle> titles;
    for (RefQuery q(kTalBirth, sql); !q.Eof(); q.Next())
        titles.push_back({static_cast<int>(q.AsInteger("d_num")), Trim(q.AsText("d_title"))});
    return titles;
}

std::string PoemText(int number) {
    RefQuery q(kTalBirth, "Select d_num,d_title,d_author,d_nr from sg where d_num = " +
                              std::to_string(number) + "  ");
    return q.Eof() ? std::string() : q.AsText("d_nr");
}

int TextStrokes(std::string_view text) {
    int sum = 0;
    for (const std::string& c : Utf8Chars(text)) {
        RefQuery q(kRedoviv, "select bh from word where zi = " + SqlQuote(c));
        if (!q.Eof()) sum += static_cast<int>(q.AsInteger(0));
    }
    return sum;
}

std::string PoetryQuery(const PoetrySettings& s) {
    const std::vector<std::string> surname = Utf8Chars(s.surname);
    const bool compound = surname.size() > 1;
    const std::string x1 = std::to_string(surname.empty() ? 0 : TextStrokes(surname[0]));
    const std::string x2 = std::to_string(compound ? TextStrokes(surname[1]) : 0);
    const std::string sex = SexClause(s.boy, !s.twoCharGiven);
    const std::string p =
        "select zi, wuhang, nan, nv, bh from word where 1 = 1 and Aflag is "
        "null and " +
        SqlQuote(s.text) + " Like '%'+ zi+ '%'" + sex;
    const std::string strokes = !compound ? "and c.bh11 = " + x1
                                          : (s.boy ? "and c.bh11 = " + x1 + " and c.bh12 = " + x2
                                                   : "and c.bh11 = " + x1 + "  and c.bh12 = " + x2);
    std::string select = "select " + SqlQuote(s.surname);
    if (!s.twoCharGiven) {
        select += " + a.zi as mz,1 as you,a.wuhang as wuhang1,c.zf  from (" + p;
        select += s.boy ? ") a,zh c where c.lx = " : ") a ,zh c where c.lx = ";
        select += std::string(compound ? "21" : "11") + " and a.bh = c.bh21 " + strokes;
    } else {
        select += s.boy ? " + a.zi + b.zi as mz,a.nan + b.nan as you,"
                        : " + a.zi + b.zi as mz,a.nv + b.nv as you,";
        select += s.boy ? "a.wuhang as wuhang1,b.wuhang as wuhang2,c.zf from ("
                        : "a.wuhang as wuhang1,b.wuhang as wuhang2,c.zf  from (";
        select += p + ") a , (" + p + sex;
        select += s.boy ? ") b ,zh c where a.zi <> b.zi " : ") b,zh c where a.zi <> b.zi ";
        select += compound ? " and c.lx = 22 and " : " and c.lx = 12 and ";
        select += "a.bh = c.bh21 and b.bh = c.bh22 " + strokes;
    }
    const std::string& e1 = s.elements.e1;
    const std::string& e2 = s.elements.e2;
    std::string tail;
    if (e1.empty())
        tail = ") p where you > 0 order by zf ";
    else if (!s.twoCharGiven)
        tail = ") p where " + (e2.empty() ? Fill("wuhang1 = %s order by zf", {SqlQuote(e1)})
                                          : Fill("wuhang1 = %s or wuhang1 = %s order by zf ",
                                                 {SqlQuote(e1), SqlQuote(e2)}));
    else
        tail =
            ") p where " +
            (e2.empty()
                 ? Fill("wuhang1 = %s or wuhang2 = %s order by zf ", {SqlQuote(e1), SqlQuote(e1)})
                 : Fill("(wuhang1 = %s and wuhang2 = %s) or (wuhang1 = %s and wuhang2 = %s) "
                        "order by zf ",
                        {SqlQuote(e1), SqlQuote(e2), SqlQuote(e2), SqlQuote(e1)}));
    return "select mz,zf from (" + select + tail;
}

int RunPoetryGeneration(const PoetrySettings& s, const std::atomic<bool>& keepGoing,
                        const std::function<void(const GeneratedName&)>& sink) {
    const auto filter = s.filterNames ? LoadNameFilterTables() : nullptr;
    int handed = 0;
    for (RefQuery q(kRedoviv, PoetryQuery(s), &keepGoing); !q.Eof() && keepGoing; q.Next()) {
        GeneratedName name{Trim(q.AsText("mz")), static_cast<int>(q.AsInteger("zf"))};
        if (filter && name.name.size() > s.surname.size() &&
            CheckName(*filter, s.surname, name.name.substr(s.surname.size()), s.boy) !=
                NameFault::None)
            continue;
        sink(name);
        ++handed;
    }
    return handed;
}

std::vector<std::string> SourceLines(std::string_view text, std::string_view given) {
    const std::vector<std::string> chars = Utf8Chars(given);
    std::vector<std::string> lines;
    std::string line;
    const auto flush = [&] {
        bool holds = false;
        std::string marked;
        for (const std::string& c : Utf8Chars(line)) {
            const bool named = std::find(chars.begin(), chars.end(), c) != chars.end();
            holds |= named;
            marked += named ? "「" + c + "」" : c;
        }
        if (holds) lines.push_back(Trim(marked));
        line.clear();
    };
    for (const char c : text) {
        if (c == '\n')
            flush();
        else
            line += c;
    }
    flush();
    return lines;
}

}  // namespace qinghe
