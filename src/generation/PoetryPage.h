// The poetry page "诗词取名": surname, sex, form and birth boxes, the five-element option, the
// poem browser (search, dynasty and author tree, titles, the poem's text) with the chosen
// poems beside it, and the name and kept lists. "马上起名" lists the names whose characters
// all occur in the chosen text, each with a tooltip of the lines it comes from. "停止起名",
// the sex box and leaving the search box also act on the naming page (signals below).
#pragma once

#include <QWidget>
#include <atomic>
#include <memory>

#include "app/BirthBoxes.h"
#include "app/Controls.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;
namespace qinghe {
class PageHost;
}

class PoetryPage : public QWidget {
    Q_OBJECT
  public:
    explicit PoetryPage(qinghe::PageHost& host);
    ~PoetryPage() override;

    qinghe::BirthBoxes& Birth() { return *m_birth; }

    // The toolbar's "诗词取名": the whole tree loaded ("刷新诗词"), the poem list shown and in
    // front, the chosen-poems tab with its long caption.
    void ShowPoemList();

  public slots:
    void RzBitBtn32Click();    // "刷新诗词" and "显示所有"
    void RzBitBtn41Click();    // "查找"
    void TreeViewInitClick();  // a dynasty or author
    void RzTreeView1Click();   // a title
    void RzBitBtn40Click();    // "添加到已选"
    void RzBitBtn39Click();    // "清空已选"
    void RzBitBtn33Click();    // "马上起名"
    // "停止起名": ends a generation at its next name.
    void StopGeneration() { m_running = false; }
    // The result lists.
    void RzBitBtn35Click();
    void RzBitBtn36Click();
    void RzBitBtn37Click();
    void RzBitBtn38Click();
    void ListBox3DblClick();
    void ListBox4DblClick();

  signals:
    void stopRequested();        // RzBitBtn31 runs the naming page's RzBitBtn2Click
    void sexChanged();           // CBsex5 runs CBsexClick
    void searchLeft();           // leaving EditTiaojian runs XingExit
    void namingPageRequested();  // "返回起名"

  private:
    void AnalyseEntry(QListWidget* list);
    void LoadPoemTree(const QString& search);

    qinghe::PageHost& m_host;
    std::unique_ptr<qinghe::BirthBoxes> m_birth;
    QLineEdit* m_surname = nullptr;      // Xing5
    QComboBox* m_form = nullptr;         // CBXingshi5
    QCheckBox* m_wuxing = nullptr;       // CBSGBZ
    QCheckBox* m_filter = nullptr;       // CBGuolv5: the name filter of this page
    qinghe::ElementBoxes m_elements[2];  // jin3 … tu3, jin4 … tu4
    QLineEdit* m_search = nullptr;       // EditTiaojian
    QTreeWidget* m_tree = nullptr;       // TreeViewInit
    QTreeWidget* m_titles = nullptr;     // RzTreeView1
    QPlainTextEdit* m_poem = nullptr;    // MemoSgnr
    QPlainTextEdit* m_chosen = nullptr;  // MemoYixuan
    std::atomic<bool> m_running{false};
    QTabWidget* m_poemTabs = nullptr;  // RzPageControl4
    QWidget* m_chosenPoemsTab = nullptr;
    qinghe::ListTabControls m_lists;  // ListBox3 (names), ListBox4 (kept)
};
