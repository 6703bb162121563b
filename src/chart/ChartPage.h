// The chart page "八字分析": surname, given name and birth boxes over the chart report;
// "分析" writes it, "保存" saves it through the window's save dialog. The page holds the
// chart of its last report.
#pragma once

#include <QWidget>
#include <optional>

#include "app/ReportWindows.h"
#include "chart/BirthChart.h"

class QTextEdit;
namespace qinghe {
class PageHost;
}

class ChartPage : public QWidget {
    Q_OBJECT
  public:
    explicit ChartPage(qinghe::PageHost& host);
    ~ChartPage() override;

    qinghe::BirthBoxes& Birth() { return *m_controls.birth; }
    // The chart of the last complete report; none before the first.
    const std::optional<qinghe::BirthChart>& CurrentChart() const { return m_chart; }

  public slots:
    void RzButton2Click();  // "分析"
    void RzBitBtn8Click();  // "保存"

  private:
    qinghe::PageHost& m_host;
    qinghe::ReportPageControls m_controls;  // Xing2, NameB2, the boxes, Memo1
    QTextEdit* m_buffer = nullptr;          // REbazi: never seen, the report is assembled in it
    std::optional<qinghe::BirthChart> m_chart;
};
