// The naming page "宝宝取名": surname, birth boxes, the given-name form, a fixed character,
// the stroke-combination list, the score and five-element options, the three modes, and
// the result area beside the high-score and kept lists. Classic mode runs on the worker
// thread (TMythread) and streams its names in batches; list and idiom modes run one query on
// the window's thread and show its rows as pages of the grid ("继续显示" brings the next).
#pragma once

#include <QWidget>
#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <random>
#include <string>

#include "app/BirthBoxes.h"
#include "app/Controls.h"
#include "generation/ClassicGeneration.h"
#include "generation/ListGeneration.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTableWidget;
class QPlainTextEdit;
class QTextEdit;
class TMythread;
namespace qinghe {
class PageHost;
struct NameBatch;
}  // namespace qinghe

// CBCode's entries carry their combination as item data.
Q_DECLARE_METATYPE(qinghe::StrokeCombo)

namespace qinghe {
// The elements the five-element option favours on a page: the ticked element boxes, those
// of the first given character first; with none ticked, the elements the birth chart of the
// page's boxes needs most; empty when the boxes give no chart.
std::string FavouredElementsOf(const ElementBoxes (&groups)[2], const BirthBoxes& birth);
}  // namespace qinghe

class NamingPage : public QWidget {
    Q_OBJECT
  public:
    explicit NamingPage(qinghe::PageHost& host);
    ~NamingPage() override;

    qinghe::BirthBoxes& Birth() { return *m_birth; }

    // The generation state of the naming modes.
    int NameKind() const { return m_nameKind; }
    // A run goes on while this is true; "停止起名" clears it.
    const std::atomic<bool>& GenerationFlag() const { return m_generationFlag; }
    // The one classic-generation worker; it stays after its run and is replaced by the next.
    TMythread* GenerationThread() const { return m_generationThread; }
    // Rows of one page of the list-mode grid.
    int GridPageSize() const { return m_gridPageSize; }
    // The state of the current list or idiom run; none before the first.
    const qinghe::ListRun* ListRun() const { return m_list ? &m_list->Run() : nullptr; }
    // The random draws of list and idiom pages start from `seed` (tests fix it).
    void SeedListDraws(unsigned seed) { m_random.seed(seed); }

    // Rebuilds CBCode from the page's boxes and sets NameKind.
    void LoadStrokeCombos(const QString& surname);
    // The page's settings as a classic run reads them.
    qinghe::ClassicSettings ClassicSnapshot();

  public slots:
    void RzBitBtn5Click();  // "马上起名"
    void RzBitBtn2Click();  // "停止起名"
    void XingExit();
    void GudingziExit();
    void ZuidiFeeExit();
    void SorcssExit();
    void CBXingshiClick();
    void CBsexClick();
    void CBdijiziClick();
    void CBFeeXXClick();
    void RzRadioButton6Click();
    void RzRadioButton7Click();  // list and idiom modes
    void ShowNextGridPage();
    void ClearResultGrid();
    // The result lists.
    void RzBitBtn24Click();
    void RzBitBtn30Click();
    void BtnFuzhiClick();
    void RzBitBtn29Click();
    void ListBox1DblClick();
    void RzStringGrid1DblClick();

  signals:
    // The current classic run's last batch is on screen (after its end or its stop).
    void classicRunShown();
    // "关闭软件".
    void quitRequested();

  private:
    void StartClassicRun();
    void RunListGeneration(qinghe::ListMode mode);
    qinghe::ListSettings ListSnapshot(qinghe::ListMode mode);
    void FillFavouredElements();
    void ShowClassicBatch(const qinghe::NameBatch& batch);
    void RebuildCombos();

    qinghe::PageHost& m_host;
    std::unique_ptr<qinghe::BirthBoxes> m_birth;
    QLineEdit* m_surname = nullptr;       // Xing
    QComboBox* m_form = nullptr;          // CBXingshi: 双字名 / 单字名
    QLineEdit* m_fixedChar = nullptr;     // Gudingzi
    QComboBox* m_fixedPlace = nullptr;    // CBdijizi: 第二字 / 第三字
    QComboBox* m_code = nullptr;          // CBCode
    QCheckBox* m_wuxing = nullptr;        // CBwuxing
    QLabel* m_favoured = nullptr;         // the elements the option chose
    QCheckBox* m_feeXX = nullptr;         // CBFeeXX
    QLineEdit* m_zuidiFee = nullptr;      // ZuidiFee
    QCheckBox* m_initFee = nullptr;       // CBInitFee
    QLineEdit* m_sorcss = nullptr;        // Sorcss
    qinghe::ElementBoxes m_elements[2];   // jin1 … tu1, jin2 … tu2
    QRadioButton* m_classic = nullptr;    // RzRadioButton6
    QRadioButton* m_listMode = nullptr;   // RzRadioButton7
    QRadioButton* m_idiomMode = nullptr;  // RzRadioButton9
    QCheckBox* m_filter = nullptr;        // CBGuolv
    QPushButton* m_stop = nullptr;        // RzBitBtn2
    QTextEdit* m_memoSuccess = nullptr;   // MemoSuccess
    QTableWidget* m_grid = nullptr;       // RzStringGrid1
    QPlainTextEdit* m_idioms = nullptr;   // MemoChengyu: the idiom list, never seen
    QComboBox* m_shownRows = nullptr;     // CBName: the result rows shown, never seen
    qinghe::ListTabControls m_lists;      // ListBox1 (high scores), ListBox2 (kept)

    int m_nameKind = 0;
    std::atomic<bool> m_generationFlag{false};
    std::string m_favouredElements;  // FavouredElements: concatenated element names
    TMythread* m_generationThread = nullptr;
    int m_gridPageSize = 0;
    std::optional<qinghe::ListResult> m_list;  // the current list or idiom run
    std::mt19937 m_random{std::random_device{}()};
    bool m_classicStartPending = false;
    bool m_classicRunShown = true;
    std::uint64_t m_classicRuns = 0;
};
