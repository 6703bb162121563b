// The poetry page "诗词取名": surname, sex, form and birth boxes, the five-element option, the
// poem browser (search, dynasty and author tree, titles, the poem's text) with the chosen
// poems beside it, and the name and kept lists. The poem collection and poetry generation
// are not built yet and their buttons say so; "停止起名", the sex box and leaving the search
// box act on the naming page through the signals below.
#pragma once

#include <QWidget>
#include <memory>

#include "app/BirthBoxes.h"
#include "app/Controls.h"

class QLineEdit;
class QTabWidget;
namespace qinghe {
class PageHost;
}

class PoetryPage : public QWidget {
    Q_OBJECT
  public:
    explicit PoetryPage(qinghe::PageHost& host);
    ~PoetryPage() override;

    qinghe::BirthBoxes& Birth() { return *m_birth; }

    // The toolbar's "诗词取名": the poem list shown and in front, the chosen-poems tab with
    // its long caption.
    void ShowPoemList();

  public slots:
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

    qinghe::PageHost& m_host;
    std::unique_ptr<qinghe::BirthBoxes> m_birth;
    QLineEdit* m_surname = nullptr;    // Xing5
    QTabWidget* m_poemTabs = nullptr;  // RzPageControl4
    QWidget* m_chosenPoemsTab = nullptr;
    qinghe::ListTabControls m_lists;  // ListBox3 (names), ListBox4 (kept)
};
