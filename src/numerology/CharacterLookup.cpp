// Character look-ups on table `word`; the SQL texts are the program's, with the character
// quoted so that a typed quote cannot change the query.
#include "numerology/CharacterLookup.h"

#include "base/Utf8.h"
#include "refdata/ReferenceDb.h"
#include "refdata/SqlText.h"

namespace qinghe {

namespace {

// First column of the first row as text; empty on no row or an engine error.
std::string FirstText(const std::string& sql) {
    try {
        RefQuery q(kRedoviv, sql);
        return q.Eof() ? std::string() : q.AsText(0);
    } catch (const ReferenceDbError&) {
        return {};
    } catch (const ConversionError&) {
        return {};
    }
}

int FirstInteger(const std::string& sql) {
    try {
        RefQuery q(kRedoviv, sql);
        return q.Eof() ? 0 : static_cast<int>(q.AsInteger(0));
    } catch (const ReferenceDbError&) {
        return 0;
    } catch (const ConversionError&) {
        return 0;
    }
}

}  // namespace

int StrokeCount(std::string_view c) {
    const int n = FirstInteger("select  top 1 bh from word where zi = " + SqlQuote(c));
    if (n != 0) return n;
    return FirstInteger("select  top 1 bh from word where ft = " + SqlQuote(c) + " ");
}

std::string PinyinOf(std::string_view c) {
    std::string p = FirstText("select  top 1 pinyin from word where zi = " + SqlQuote(c));
    if (p.empty()) p = FirstText("select  top 1 pinyin from word where ft = " + SqlQuote(c) + " ");
    if (const std::size_t at = p.find("、"); at != std::string::npos) p.resize(at);
    return p;
}

std::string CharElement(std::string_view c) {
    std::string e = Trim(FirstText("select wuhang from word where zi = " + SqlQuote(c)));
    if (e.empty()) e = Trim(FirstText("select wuhang from word where ft = " + SqlQuote(c) + " "));
    return e;
}

std::string TraditionalOf(std::string_view c) {
    std::string t = FirstText("select  top 1 Left(ft,1) from word where zi = " + SqlQuote(c));
    if (t.empty())
        t = FirstText("select  top 1 Left(ft,1) from word where ft = " + SqlQuote(c) + " ");
    return t;
}

}  // namespace qinghe
