// Classic-mode name generation: the list of best stroke combinations for a surname, the
// candidate queries that pair characters of table `word` with a combination, the banded
// order in which candidates are shown, and the rows of six names. The SQL texts are the
// program's own; every typed text is quoted before it enters them.
#pragma once

#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "generation/NameFilter.h"

namespace qinghe {

inline constexpr std::string_view kAutomaticCombo = "电脑全自动";

// 10 × surname characters + given-name characters: 11, 12, 21, 22. A surname is one
// character when it is exactly one character long.
int NameKindOf(std::string_view surname, bool twoCharGiven);

// What the combination list depends on (the naming page's boxes).
struct ComboOptions {
    std::string surname;       // trimmed
    bool twoCharGiven = true;  // "双字名"
    std::string fixedChar;     // trimmed fixed character, empty for none
    bool fixedFirst = true;  // "第二字": the first given-name position; "第三字": the second
    std::optional<int> minScore;  // when the minimum-score filter is on and a score is given
};

// The SQL text of the combination list (its lines joined by CR LF) and the name kind.
std::string StrokeComboQuery(const ComboOptions& options, int& nameKind);

// One entry of the combination list after "电脑全自动": the surname's strokes and one row
// of table `zh`.
struct StrokeCombo {
    int nameKind = 12;       // the form the entry was made for (NameKindOf)
    int x1 = 0, x2 = 0;      // strokes of the surname's characters (x2: two-character surname)
    int bh21 = 0, bh22 = 0;  // the given name's strokes
    int zf = 0;              // the combination's score

    // The entry as the list shows it: 7|10(85分), 7|10-6(85分), 4-11|10(85分), 4-11|10-6(85分).
    std::string Text() const;
    friend bool operator==(const StrokeCombo&, const StrokeCombo&) = default;
};

// The combinations for the options, best first; none on an engine error.
std::optional<std::vector<StrokeCombo>> LoadStrokeCombos(const ComboOptions& options,
                                                         int& nameKind);

// What a run takes from a combination: the given name's strokes and the score every name
// of the combination carries.
struct ComboStrokes {
    int s1 = 0;
    int s2 = 0;  // 0 for a one-character given name
    int score = 0;
    std::string Suffix() const;  // "(85分)"
};
// The strokes of `combo` for a run of the given form; none when the entry was made for the
// other form (its text does not read as one of this form).
std::optional<ComboStrokes> StrokesOf(const StrokeCombo& combo, bool twoCharGiven);
// An entry typed as text (qinghe-cli --combo) read for a run of the given form.
std::optional<ComboStrokes> ParseStrokeCombo(std::string_view entry, bool twoCharGiven);

// The condition on `word` that selects characters by sex; the first form serves one-character
// given names and names with a fixed character, the second two-character names without one.
std::string SexClause(bool boy, bool singleOrFixed);

// The five-element option: removes the surname characters' elements from `favoured` (kept
// so) and returns the first and second element left (empty where none).
struct ElementChoice {
    std::string e1, e2;
};
ElementChoice PrepareElements(std::string& favoured, std::string_view surname);

// A snapshot of the naming page taken when a run starts.
struct ClassicSettings {
    std::string surname;
    bool boy = true;
    bool twoCharGiven = true;
    std::string fixedChar;
    bool fixedFirst = true;
    std::vector<StrokeCombo> combos;     // the listed combinations, best first
    bool automatic = true;               // "电脑全自动" chosen: every listed combination
    std::optional<ComboStrokes> chosen;  // else the chosen one; none when it does not read
    bool copyHighScores = true;          // "自动挑选"
    std::string highScoreText = "70";    // threshold as typed
    ElementChoice elements;
    bool filterNames = true;  // "过滤不雅名字": drop names the name filter faults
};

// An automatic run with the naming page's defaults otherwise: the combination list of the
// surname with the minimum score 70, "电脑全自动" chosen.
ClassicSettings AutomaticSettings(const std::string& surname, bool boy, bool twoCharGiven);

// Whether the select pairs two given-name characters (subquery b): a two-character given
// name with a fixed second character or a second stroke count.
bool HasSecondSubquery(const ClassicSettings& s, const ComboStrokes& combo);

// The select of one combination (no outer "select mz from (").
std::string ClassicSelect(const ClassicSettings& s, const ComboStrokes& combo, bool automatic);
// The closing text: filter by elements or by sex suitability, order by rank.
std::string ClassicTail(bool pairOfCharacters, const ElementChoice& elements);

// Row numbers 1..rowCount in the order they are shown: nine bands of rowCount / 9 rows,
// the rows of one step taken band by band in `bandOrder`, then the remainder in order.
// `keepGoing` is asked before every step of nine and every remainder row.
using BandOrder = std::array<int, 9>;
inline constexpr BandOrder kChosenBands = {1, 2, 3, 4, 5, 6, 7, 8, 9};
inline constexpr BandOrder kAutomaticBands = {6, 9, 1, 2, 8, 3, 7, 4, 5};
void ForEachBanded(int rowCount, const BandOrder& bandOrder, const std::function<bool()>& keepGoing,
                   const std::function<void(int)>& emit);

// A generated name: surname and given name, and the score of its combination.
struct GeneratedName {
    std::string name;          // 张伟明
    int score = 0;             // 85
    std::string Text() const;  // 张伟明(85分), as the lists show it
    friend bool operator==(const GeneratedName&, const GeneratedName&) = default;
};

// Where a run's names go: every name in order, the high-scoring copies, and the rows of six
// (each padded name ends at a 16-cell boundary).
struct ClassicSink {
    std::function<void(const GeneratedName&)> name;
    std::function<void(const GeneratedName&)> highScore;
    std::function<void(const std::string&)> row;
};

// Rows of six padded names, as the result area shows them. Given the name filter's tables,
// a name the filter faults is dropped before anything else: neither shown nor counted.
class ClassicEmitter {
  public:
    ClassicEmitter(const ClassicSettings& settings, const ClassicSink& sink,
                   std::shared_ptr<const NameFilterTables> filter = nullptr);
    void Emit(const GeneratedName& name);
    // A last row of one to five names is shown too.
    void Finish();

  private:
    const ClassicSettings& m_settings;
    const ClassicSink& m_sink;
    const std::shared_ptr<const NameFilterTables> m_filter;
    std::optional<int> m_threshold;
    std::string m_row;
    int m_count = 0;
};

// Name text padded with blanks to 16 display cells (texts of 10 to 15 cells only).
std::string PadClassicName(const std::string& name);

// One run: the chosen combination, or every listed one in batches of eight. Ends when the
// rows are exhausted, `generationFlag` is found false, or anything fails (quietly; the
// names emitted so far stay). Returns the number of names emitted.
int RunClassicGeneration(const ClassicSettings& settings, const std::atomic<bool>& generationFlag,
                         const ClassicSink& sink);

}  // namespace qinghe
