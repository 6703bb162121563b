// The name filter: drops a generated name that parents would turn down at once: a word
// with a bad sense in it, a bad word when read aloud, a tongue-twister, a boy's doubled
// character, an ordinary word of things and acts as the given name, a character out of its
// place (以 or 若 alone, 子 second: 涵子; 澜 first: 澜勋, where 安澜 reads as a name), or a
// character the pool offers to the other sex only (婷 for a boy). A character the user fixed
// is the user's choice and is not judged for its place or sex. The word and sound lists are
// the project's own (tables buya, xieyin, putongci, houzi of Redoviv.dll); the sounds are the
// first readings of table `word` without tones, the sexes its `xb` flags.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace qinghe {

enum class NameFault {
    None,
    BadWord,         // the full name holds a word with a bad sense (雨衣, 归西)
    BadSound,        // two or three neighbouring syllables sound like a bad word (王顾: 亡故)
    SharedSyllable,  // two different given-name characters read alike (贞甄, 家嘉)
    SurnameEcho,     // a given-name character reads as the surname's last character (张彰)
    BoysDouble,      // a boy's doubled character (博博); girls' doubled names stay
    OrdinaryWord,    // the given name is an everyday word for a thing or an act (记忆, 香烟)
    LeadAlone,       // a character that only leads a given name stands alone (刘以, 刘若)
    LeadLast,        // a character that only leads a given name ends it (涵子)
    TrailFirst,      // a character that only ends a given name leads it (澜勋, 勋泽)
    OtherSex,        // a character offered to the other sex only (浩婷 for a boy)
};

// "bad word", "bad sound" ...: for reports and tests.
std::string_view NameFaultText(NameFault fault);

struct NameFilterTables {
    std::unordered_set<std::string> badWords;
    std::size_t longestBadWord = 0;             // in characters
    std::unordered_set<std::string> badSounds;  // toneless syllables joined by blanks: "wang gu"
    std::unordered_set<std::string> ordinaryWords;  // two-character given names to drop
    std::unordered_set<std::string> leadOnly;       // pool characters that never end a given name
    std::unordered_set<std::string> trailOnly;      // pool characters that never lead one
    std::unordered_set<std::string> boysOnly;       // pool characters offered to boys only
    std::unordered_set<std::string> girlsOnly;      // pool characters offered to girls only
    std::unordered_map<std::string, std::string> syllables;  // character -> "zhang"

    // The toneless first reading of a character; empty when the character is unknown.
    const std::string& SyllableOf(const std::string& character) const;
};

// The tables of the program's folder, read once per folder and shared; throws
// ReferenceDbError when they cannot be read.
std::shared_ptr<const NameFilterTables> LoadNameFilterTables();

// "zhāng" -> "zhang", "lǜ" -> "lv": tone marks dropped, ü written v.
std::string TonelessPinyin(std::string_view pinyin);

// The first fault of a full name, surname and given name apart; NameFault::None for a
// name the filter lets through. `chosen` is the place (0 or 1) in the given name of a
// character the user fixed himself, -1 for none: it is not judged for its place or sex.
NameFault CheckName(const NameFilterTables& tables, std::string_view surname,
                    std::string_view given, bool boy, int chosen = -1);

}  // namespace qinghe
