// The main window, the frame of the program: menu bar, toolbar of picture buttons, a page
// area without visible tabs holding the six pages (naming, name analysis, chart, poetry,
// knowledge, about), the windows the menus open, and the quit sequence. It owns the save
// dialog, the clipboard buffer and the query components the pages share.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <string>

#include "app/PageHost.h"
#include "refdata/ReferenceDb.h"

class AboutPage;
class ChartPage;
class KnowledgePage;
class NameAnalysisPage;
class NamingPage;
class PoetryPage;
class QStackedWidget;
class TFormHuangdao;
class TFRM_Date;

// A query object owned by the window: its connection string is set when the window is
// built, and nothing is opened until the first query runs.
struct WindowQuery {
    std::string connectionString;
    int commandTimeout = 30;  // seconds
    qinghe::RefQuery query;
};

class TFrmIndex : public QMainWindow, public qinghe::PageHost {
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

    NamingPage* Naming() const { return m_naming; }
    NameAnalysisPage* NameAnalysis() const { return m_nameAnalysis; }
    ChartPage* Chart() const { return m_chart; }
    PoetryPage* Poetry() const { return m_poetry; }

    QFileDialog* SaveDialog1() override;
    QPlainTextEdit* MemoSave() override { return m_memoSave; }

    // The query components of name generation on Redoviv.dll.
    WindowQuery ADOTem;
    WindowQuery ADOFenxi;

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

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void FormCreate();
    void FormShow();
    void QuitSequence();
    void ShowPage(Page page);
    void BuildMenu();
    void BuildToolbar();

    QStackedWidget* m_pages = nullptr;
    NamingPage* m_naming = nullptr;
    NameAnalysisPage* m_nameAnalysis = nullptr;
    ChartPage* m_chart = nullptr;
    PoetryPage* m_poetry = nullptr;
    QPlainTextEdit* m_memoSave = nullptr;
    QPointer<QFileDialog> m_saveDialog;
    QPointer<TFormHuangdao> m_huangdao;
    QPointer<TFRM_Date> m_calendar;
    bool m_quitting = false;
    bool m_shown = false;
};
