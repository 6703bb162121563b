// The name filter over the tables of Redoviv.dll.
#include "generation/NameFilter.h"

#include <map>
#include <mutex>
#include <vector>

#include "base/Utf8.h"
#include "refdata/ReferenceDb.h"

namespace qinghe {

std::string_view NameFaultText(NameFault fault) {
    switch (fault) {
        case NameFault::None:
            return "none";
        case NameFault::BadWord:
            return "bad word";
        case NameFault::BadSound:
            return "bad sound";
        case NameFault::SharedSyllable:
            return "shared syllable";
        case NameFault::SurnameEcho:
            return "surname echo";
        case NameFault::BoysDouble:
            return "boy's doubled character";
        case NameFault::LeadAlone:
            return "leading character alone";
        case NameFault::LeadLast:
            return "leading character last";
        case NameFault::TrailFirst:
            return "ending character first";
        case NameFault::OtherSex:
            return "character of the other sex";
        case NameFault::OrdinaryWord:
            return "ordinary word";
    }
    return "";
}

const std::string& NameFilterTables::SyllableOf(const std::string& character) const {
    static const std::string kNone;
    const auto it = syllables.find(character);
    return it == syllables.end() ? kNone : it->second;
}

std::string TonelessPinyin(std::string_view pinyin) {
    // Vowels with tone marks, and ü with or without one.
    static const std::map<char32_t, char> kPlain = {
        {U'ā', 'a'}, {U'á', 'a'}, {U'ǎ', 'a'}, {U'à', 'a'}, {U'ē', 'e'}, {U'é', 'e'},
        {U'ě', 'e'}, {U'è', 'e'}, {U'ê', 'e'}, {U'ī', 'i'}, {U'í', 'i'}, {U'ǐ', 'i'},
        {U'ì', 'i'}, {U'ō', 'o'}, {U'ó', 'o'}, {U'ǒ', 'o'}, {U'ò', 'o'}, {U'ū', 'u'},
        {U'ú', 'u'}, {U'ǔ', 'u'}, {U'ù', 'u'}, {U'ü', 'v'}, {U'ǖ', 'v'}, {U'ǘ', 'v'},
        {U'ǚ', 'v'}, {U'ǜ', 'v'}, {U'ń', 'n'}, {U'ň', 'n'}, {U'ǹ', 'n'}, {U'ḿ', 'm'}};
    std::string out;
    for (std::size_t i = 0; i < pinyin.size();) {
        const char32_t c = DecodeUtf8(pinyin, i);
        if (const auto it = kPlain.find(c); it != kPlain.end())
            out += it->second;
        else if (c < 0x80)
            out += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return out;
}

namespace {

std::shared_ptr<const NameFilterTables> ReadTables() {
    auto t = std::make_shared<NameFilterTables>();
    for (RefQuery q(kRedoviv, "select ci from buya"); !q.Eof(); q.Next()) {
        const std::string word = q.AsText(0);
        t->longestBadWord = std::max(t->longestBadWord, Utf8Length(word));
        t->badWords.insert(word);
    }
    for (RefQuery q(kRedoviv, "select py from xieyin"); !q.Eof(); q.Next())
        t->badSounds.insert(q.AsText(0));
    for (RefQuery q(kRedoviv, "select ci from putongci"); !q.Eof(); q.Next())
        t->ordinaryWords.insert(q.AsText(0));
    // Offered characters without a second-place flag for either sex (see data/names).
    for (RefQuery q(kRedoviv, "select zi from word where Aflag is null and nan = 0 and nv = 0");
         !q.Eof(); q.Next())
        t->leadOnly.insert(q.AsText(0));
    for (RefQuery q(kRedoviv, "select zi from houzi"); !q.Eof(); q.Next())
        t->trailOnly.insert(q.AsText(0));
    for (RefQuery q(kRedoviv, "select zi,xb from word where Aflag is null"); !q.Eof(); q.Next()) {
        const std::string sex = q.AsText(1);
        if (sex == "男") t->boysOnly.insert(q.AsText(0));
        if (sex == "女") t->girlsOnly.insert(q.AsText(0));
    }
    // The first reading is the one a name uses.
    for (RefQuery q(kRedoviv, "select zi,pinyin from word"); !q.Eof(); q.Next()) {
        const std::string readings = q.AsText(1);
        t->syllables[q.AsText(0)] = TonelessPinyin(readings.substr(0, readings.find("、")));
    }
    return t;
}

}  // namespace

std::shared_ptr<const NameFilterTables> LoadNameFilterTables() {
    static std::mutex mutex;
    static std::map<std::string, std::shared_ptr<const NameFilterTables>> byFolder;
    const std::string folder = ProgramFolder();
    std::lock_guard lock(mutex);
    auto& tables = byFolder[folder];
    if (!tables) tables = ReadTables();
    return tables;
}

NameFault CheckName(const NameFilterTables& t, std::string_view surname, std::string_view given,
                    bool boy, int chosen) {
    const std::vector<std::string> family = Utf8Chars(surname);
    const std::vector<std::string> chars = Utf8Chars(given);
    if (family.empty() || chars.empty()) return NameFault::None;
    std::vector<std::string> all = family;
    all.insert(all.end(), chars.begin(), chars.end());
    const std::size_t first = family.size();  // the first given-name character

    // Words and sounds that reach into the given name; the surname alone is not judged.
    for (std::size_t end = first + 1; end <= all.size(); ++end)
        for (std::size_t begin = end; begin-- > 0 && end - begin <= t.longestBadWord;) {
            std::string word;
            for (std::size_t i = begin; i < end; ++i) word += all[i];
            if (t.badWords.count(word)) return NameFault::BadWord;
        }
    std::vector<std::string> sounds;
    for (const std::string& c : all) sounds.push_back(t.SyllableOf(c));
    for (std::size_t end = first + 1; end <= all.size(); ++end)
        for (std::size_t length = 2; length <= 3 && length <= end; ++length) {
            std::string heard;
            for (std::size_t i = end - length; i < end; ++i) {
                if (sounds[i].empty()) break;
                heard += (heard.empty() ? "" : " ") + sounds[i];
            }
            if (t.badSounds.count(heard)) return NameFault::BadSound;
        }

    const std::string& surnameSound = sounds[first - 1];
    for (std::size_t i = first; i < all.size(); ++i)
        if (!surnameSound.empty() && sounds[i] == surnameSound) return NameFault::SurnameEcho;
    const auto free = [&](std::size_t place) { return static_cast<int>(place) != chosen; };
    const auto& otherSex = boy ? t.girlsOnly : t.boysOnly;
    for (std::size_t i = 0; i < chars.size(); ++i)
        if (free(i) && otherSex.count(chars[i])) return NameFault::OtherSex;
    if (chars.size() == 1 && t.leadOnly.count(chars[0])) return NameFault::LeadAlone;
    if (chars.size() == 2) {
        // A girl's doubled character is a pattern of names (婷婷, 微微), not a word.
        if (chars[0] == chars[1]) return boy ? NameFault::BoysDouble : NameFault::None;
        if (!sounds[first].empty() && sounds[first] == sounds[first + 1])
            return NameFault::SharedSyllable;
        if (t.ordinaryWords.count(chars[0] + chars[1])) return NameFault::OrdinaryWord;
        if (free(0) && t.trailOnly.count(chars[0])) return NameFault::TrailFirst;
        if (free(1) && t.leadOnly.count(chars[1])) return NameFault::LeadLast;
    }
    return NameFault::None;
}

}  // namespace qinghe
