// The name filter's tables of Redoviv.dll: the project's lists of words with a bad sense
// (buya) and of bad sounds (xieyin), and the everyday words that two characters of the
// pool would spell as a given name (putongci), taken from the word list of the jieba
// segmenter (word, frequency, part of speech) less the project's list of good names; and
// the pool characters that only end a given name (houzi).
#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>

#include "NameTables.h"
#include "SourceFiles.h"
#include "base/Utf8.h"

namespace qinghe::refdata {

namespace {

// jieba's tags for words that read as a thing, an act, a time, a place or a function word
// rather than as a quality: nouns (n, nz, ns, nt, s), verbs (v, vn, vd), times (t),
// directions (f), numerals and measures (m, q), pronouns (r), adverbs (d), conjunctions,
// prepositions and particles (c, p, u), set phrases (l, i). Adjectives (a, an, ad, z) and
// personal names (nr, nrfg, nrt) read as names and stay.
const std::set<std::string> kThingOrActTags = {"n",  "nz", "ns", "nt", "s", "v", "vn",
                                               "vd", "t",  "f",  "m",  "q", "r", "d",
                                               "c",  "p",  "u",  "l",  "i"};

// A word used this rarely in jieba's corpus is not one a reader takes for an everyday word.
constexpr long kEverydayFrequency = 20;

}  // namespace

void FillFilterTables(BuildDb& db, const NameSources& src) {
    const std::string dir = src.dataDir + "/filter/";
    {
        const Tsv t = ReadTsv(dir + "bad_words.tsv");
        Inserter insert(db, "buya", 2);
        for (const auto& r : t.rows) insert.Row(r[t.Column("word")], r[t.Column("category")]);
    }
    {
        const Tsv t = ReadTsv(dir + "bad_sounds.tsv");
        Inserter insert(db, "xieyin", 2);
        for (const auto& r : t.rows) insert.Row(r[t.Column("pinyin")], r[t.Column("word")]);
    }
    std::set<std::string> goodNames;
    {
        const Tsv t = ReadTsv(dir + "name_words.tsv");
        for (const auto& r : t.rows) goodNames.insert(r[t.Column("word")]);
    }
    std::set<std::string> pool;
    {
        const Tsv t = ReadTsv(src.dataDir + "/names/pool.tsv");
        Inserter insert(db, "houzi", 1);
        for (const auto& r : t.rows) {
            pool.insert(r[t.Column("zi")]);
            if (r[t.Column("second")] == "only") insert.Row(r[t.Column("zi")]);
        }
    }
    std::ifstream in(src.jiebaDict);
    if (!in) throw std::runtime_error("cannot open " + src.jiebaDict);
    Inserter insert(db, "putongci", 3);
    std::string line;
    while (std::getline(in, line)) {
        // 记忆 1574 n
        std::istringstream fields(line);
        std::string word, tag;
        long frequency = 0;
        if (!(fields >> word >> frequency >> tag)) continue;
        const std::vector<std::string> chars = Utf8Chars(word);
        if (chars.size() != 2 || !pool.count(chars[0]) || !pool.count(chars[1])) continue;
        if (frequency < kEverydayFrequency || !kThingOrActTags.count(tag) || goodNames.count(word))
            continue;
        insert.Row(word, tag, static_cast<long long>(frequency));
    }
}

}  // namespace qinghe::refdata
