// Poetry naming and the poem browser: the dynasty and author tree of table `sg` (with or
// without a search text), an author's titles, a poem's text, and names whose given-name
// characters all occur in a chosen text and whose strokes complete a scored combination for
// the surname. The SQL texts are the program's own; typed text is quoted, and a search text
// matches itself (its %, _ and [ included).
#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "generation/ClassicGeneration.h"

namespace qinghe {

struct PoemAuthor {
    int number = 0;  // au_num
    std::string name;
};
struct PoemDynasty {
    std::string name;
    std::vector<PoemAuthor> authors;
};
struct PoemTitle {
    int number = 0;  // d_num
    std::string title;
};

// The tree: dynasties in order with their authors; with a search text only those holding a
// poem whose dynasty, author, title or text contains it. Throws ReferenceDbError.
std::vector<PoemDynasty> LoadPoemTree(std::string_view search = {});
// The titles of an author's poems in poem order (matching the search text when one is
// given); author 0 (a dynasty node) has none. Throws ReferenceDbError.
std::vector<PoemTitle> PoemTitles(int authorNumber, std::string_view search = {});
// The text of poem `number`; empty when there is none. Throws ReferenceDbError.
std::string PoemText(int number);

// The "%text%" pattern of a search text as a quoted SQL string: quotes doubled, and %, _ and
// [ written as one-character lists so that they match themselves.
std::string SearchPattern(std::string_view search);

// Strokes of a text: of one character its `bh` (0 when `word` lacks it), of a longer text the
// sum over its characters.
int TextStrokes(std::string_view text);

struct PoetrySettings {
    std::string surname;       // trimmed Xing5
    bool boy = true;           // CBsex5
    bool twoCharGiven = true;  // CBXingshi5
    ElementChoice elements;    // the five-element option, prepared
    std::string text;          // MemoYixuan: the chosen poems or any text
    bool filterNames = true;   // the page's name filter
};

// The whole query: names of the surname whose characters occur in the text, with the score
// of their combination, lowest score first.
std::string PoetryQuery(const PoetrySettings& settings);

// Runs the query and hands each name to `sink` in order while `keepGoing` holds; a name the
// filter faults is dropped when the filter is on. Returns the number of names handed over.
// Throws ReferenceDbError for a failed query.
int RunPoetryGeneration(const PoetrySettings& settings, const std::atomic<bool>& keepGoing,
                        const std::function<void(const GeneratedName&)>& sink);

// Where a name comes from: the lines of `text` holding a given-name character, each such
// character marked 「」, in text order.
std::vector<std::string> SourceLines(std::string_view text, std::string_view given);

}  // namespace qinghe
