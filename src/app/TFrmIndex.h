// The main window: menu bar, toolbar of picture buttons, and a page area without visible
// tabs holding the six pages (naming, name analysis, chart, poetry, knowledge, about).
// It owns the pages' controls, the buffers, the save dialog and the naming queries.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/BirthBoxes.h"
#include "refdata/ReferenceDb.h"

class QAction;
class QCheckBox;
class QFileDialog;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTabWidget;
class QTableWidget;
class QTextEdit;
class QToolButton;
class QTreeWidget;
class TFormHuangdao;
class TFRM_Date;
class TMythread;
namespace qinghe {
struct ClassicSettings;
struct NameBatch;
}  // namespace qinghe

// A query object owned by the window: its connection string is set when the window is
// built, and nothing is opened until the first query runs.
struct WindowQuery {
    std::string connectionString;
    int commandTimeout = 30;  // seconds
    qinghe::RefQuery query;
};

class TFrmIndex : public QMainWindow {
    Q_OBJECT
  public:
    explicit TFrmIndex(QWidget* parent = nullptr);
    ~TFrmIndex() override;

    // The pages of RzPageControl1, in their order there.
    enum Page {
        kNamingPage,
        kNameAnalysisPage,
        kChartPage,
        kPoetryPage,
        kKnowledgePage,
        kAboutPage
    };

    // The quit sequence ends the process at once (std::_Exit). Tests replace that last
    // step by `hook`; an empty function restores it.
    static void SetProcessEndHook(std::function<void()> hook);

    // Rows of one page of the list-mode grid. Row r (1-based) of a page is row r − 1 of
    // RzStringGrid1; the header row "编号" … "分数" is the grid's horizontal header.
    int GridPageSize = 0;

    // The birth boxes of the naming, name-analysis, chart and poetry pages.
    std::unique_ptr<qinghe::BirthBoxes> m_birth1, m_birth3, m_birth2, m_birth5;

    // The window's save dialog (filter "文本文件 (*.txt)"); it remembers the last name
    // chosen between saves.
    QFileDialog* SaveDialog1();

    WindowQuery ADOTem;
    WindowQuery ADOFenxi;

    // Generation state shared by the naming modes.
    int NameKind = 0;
    // A run goes on while this is true; "停止起名" clears it.
    std::atomic<bool> GenerationFlag{false};
    // Concatenated element names the five-element option filters by.
    std::string FavouredElements;
    // The one classic-generation worker; it stays after its run and is replaced by the next.
    TMythread* GenerationThread = nullptr;

    // Rebuilds CBCode from the naming page's boxes and sets NameKind.
    void LoadStrokeCombos(const QString& surname);
    // The naming page's settings as a classic run reads them.
    qinghe::ClassicSettings ClassicSnapshot();

  public slots:
    // Toolbar.
    void RzToolButton9Click();
    void RzToolButton10Click();
    void RzToolButton17Click();
    void RzToolButton18Click();
    void RzToolButton1Click();
    // Menu and page buttons.
    void RzBitBtn4Click();
    void RzToolButton42Click();
    void dxBarButton39Click();
    void dxBarButton43Click();
    void dxBarButton45Click();
    void RzBitBtn34Click();

    // Naming page: generation.
    void RzBitBtn5Click();
    void RzBitBtn2Click();
    void XingExit();
    void GudingziExit();
    void ZuidiFeeExit();
    void SorcssExit();
    void CBXingshiClick();
    void CBsexClick();
    void CBdijiziClick();
    void CBFeeXXClick();
    void RzRadioButton6Click();
    void RzRadioButton7Click();
    // Result lists, copying and saving.
    void RzBitBtn24Click();
    void RzBitBtn36Click();
    void RzBitBtn30Click();
    void RzBitBtn38Click();
    void BtnFuzhiClick();
    void RzBitBtn29Click();
    void RzBitBtn35Click();
    void RzBitBtn37Click();
    void ListBox1DblClick();
    void ListBox3DblClick();
    void ListBox4DblClick();
    void RzStringGrid1DblClick();
    void RzBitBtn8Click();
    void BitBtnsaveClick();
    // Reports.
    void ButtonNameClick();
    void RzButton2Click();
    // Poetry page.
    void RzBitBtn32Click();
    void RzBitBtn41Click();
    void TreeViewInitClick();
    void RzTreeView1Click();
    void RzBitBtn40Click();
    void RzBitBtn39Click();
    void RzBitBtn33Click();
    // Knowledge page: every article button.
    void RzBitBtn6Click();

  signals:
    // The current classic run's last batch is on screen (after its end or its stop).
    void classicRunShown();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormCreate();
    void FormShow();
    void FormClose();
    void QuitSequence();
    void ShowPage(Page page);

    void BuildMenu();
    void BuildToolbar();
    QWidget* BuildNamingPage();
    QWidget* BuildNameAnalysisPage();
    QWidget* BuildChartPage();
    QWidget* BuildPoetryPage();
    QWidget* BuildKnowledgePage();
    QWidget* BuildAboutPage();
    void BuildBuffers();
    void StartClassicRun();
    void FillFavouredElements();
    void ShowClassicBatch(const qinghe::NameBatch& batch);
    void RebuildCombos();
    // Runs `handler` whenever `edit` loses the focus (the controls' Exit events).
    void OnExit(QWidget* edit, void (TFrmIndex::*handler)());

    QStackedWidget* m_pages = nullptr;
    QTableWidget* m_grid = nullptr;
    QTabWidget* m_poemTabs = nullptr;
    QWidget* m_chosenPoemsTab = nullptr;
    QPointer<QFileDialog> m_saveDialog;
    QPointer<TFormHuangdao> m_huangdao;
    QPointer<TFRM_Date> m_calendar;
    std::vector<std::pair<QObject*, void (TFrmIndex::*)()>> m_exitHandlers;
    bool m_quitting = false;
    bool m_classicStartPending = false;
    bool m_classicRunShown = true;
    std::uint64_t m_classicRuns = 0;
};
