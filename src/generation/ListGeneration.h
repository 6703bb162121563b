// List and idiom modes: one query joins the best stroke combinations of table `zh` for the
// surname with the pool characters of table `word`, and its rows are shown as pages of a
// grid, in order when they fit one page and drawn at random otherwise. Idiom mode admits
// only characters that occur in the idiom list. The SQL texts are the program's own.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "generation/ClassicGeneration.h"

namespace qinghe {

enum class ListMode { List, Idiom };

// A snapshot of the naming page when a list or idiom run starts.
struct ListSettings {
    ListMode mode = ListMode::List;
    std::string surnameText;  // Xing as typed: its length decides the query
    bool boy = true;
    bool twoCharGiven = true;
    std::string fixedChar;  // trimmed, empty for none
    bool fixedFirst = true;
    std::optional<ComboStrokes> chosen;  // none for "电脑全自动"
    bool scoreFloorFromBox = true;       // CBFeeXX
    std::string minScoreText = "70";     // ZuidiFee as typed
    ElementChoice elements;              // after the five-element option (PrepareListElements)
    bool filterNames = true;             // CBGuolv
    std::string idioms;                  // the idiom list, one idiom per line
};

// The five-element option of list and idiom modes: E1 and E2 as classic mode prepares them,
// then cleared against a fixed character's element f: with both set and f neither, E2 goes;
// then with E1 alone and f not E1, E1 goes too.
ElementChoice PrepareListElements(std::string& favoured, std::string_view surname,
                                  std::string_view fixedChar);

// The state of a run kept between pages.
struct ListRun {
    int SurnameStrokes1 = 0, SurnameStrokes2 = 0;
    std::string SurnameTrad1, SurnameTrad2;
    std::string SurnameElement1, SurnameElement2;
    std::string SurnamePinyin1, SurnamePinyin2;
    int ScoreFloor = 0;
    int TopCombos = 0;
    int GridPageSize = 500;
    int ResultCount = 0;
    int ShownCount = 0;
    int Redraws = 0;
};

// 2 above 50000 rows, 3 from 10001 to 50000, 5 for 10000 or less.
int RedrawsFor(int resultCount);

// The result query of a run for the surname's length (1 or 2 characters) and the given-name
// form, with its clauses in order, each after a blank.
std::string ListQuery(const ListSettings& settings, const ListRun& run, int surnameLength);

// One row of the grid: 编号 名称 繁体字 拼音 五行 笔画 五格 三才 分数.
struct GridRow {
    std::array<std::string, 9> cells;
    int score = 0;
    std::string name;   // surname and given name
    int resultRow = 0;  // the result row shown, from 1 (the shown list CBName)
};

// One row of the result query.
struct ListRow {
    std::string zi, ft, wuhang, pinyin, wg, sc, bh1, bh2;
    int zf = 0;
};

// A run's result: built by RunListGeneration, paged by NextPage.
class ListResult {
  public:
    // `run` with its surname fields and ScoreFloor set; the counts follow from `rows`.
    ListResult(ListRun run, std::string surname, std::vector<ListRow> rows);

    const ListRun& Run() const { return m_run; }
    // The result rows in query order (after the filter).
    const std::vector<ListRow>& Rows() const { return m_rows; }
    // The next page of at most GridPageSize rows (ShowNextGridPage): in order while the
    // result is smaller than a page, else drawn at random with up to Redraws new draws for
    // a row already shown. Empty once every row has been shown.
    std::vector<GridRow> NextPage(std::mt19937& random);
    bool Exhausted() const { return m_run.ShownCount >= m_run.ResultCount; }

  private:
    GridRow GridRowOf(const ListRow& row, int number) const;

    ListRun m_run;
    std::string m_surname;  // trimmed
    std::vector<ListRow> m_rows;
    std::vector<bool> m_shown;  // by result row, the shown list CBName
};

// One run. None for a surname of another length than one or two characters (the run ends
// without a word). Throws ConversionError for an unreadable ZuidiFee and ReferenceDbError
// for a failed query, which the window reports: a failed run must not look like an empty
// one. A result of no rows is a result (the caller says so).
std::optional<ListResult> RunListGeneration(const ListSettings& settings);

// The idiom list (table chengyu), one idiom a line in its order; throws ReferenceDbError.
std::string LoadIdiomList();

// "张伟明(85)": the high-score copy of a grid row, without the 分 of classic mode.
std::string ListHighScoreText(const GridRow& row);
// Whether a grid row reaches the high-score threshold as typed (Sorcss); throws
// ConversionError when the threshold is no number.
bool IsListHighScore(std::string_view thresholdText, const GridRow& row);

}  // namespace qinghe
