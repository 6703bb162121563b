// The name-analysis page "名字分析": surname, given name and birth boxes over the page's name
// report; "详细分析" writes it, "保存" saves it through the window's save dialog.
#pragma once

#include <QWidget>

#include "app/ReportWindows.h"

namespace qinghe {
class PageHost;
}

class NameAnalysisPage : public QWidget {
    Q_OBJECT
  public:
    explicit NameAnalysisPage(qinghe::PageHost& host);
    ~NameAnalysisPage() override;

    qinghe::BirthBoxes& Birth() { return *m_controls.birth; }

  public slots:
    void ButtonNameClick();  // "详细分析"
    void BitBtnsaveClick();  // "保存"

  private:
    qinghe::PageHost& m_host;
    qinghe::ReportPageControls m_controls;  // Xing3, NameB3, the boxes, RzMemo1
};
