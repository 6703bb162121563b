// "分析" reads the boxes once into a birth moment, has the core write the report into the
// hidden buffer REbazi and copies the finished report into Memo1 in one step. Input checks
// and date errors go to the information box; a reference-file error ends the report
// silently, with the lines written so far left in the buffer.
#include "chart/ChartPage.h"

#include <QDate>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <string>
#include <vector>

#include "app/Controls.h"
#include "app/PageHost.h"
#include "app/ShowInfo.h"
#include "base/Errors.h"
#include "base/Utf8.h"
#include "chart/ChartReport.h"
#include "refdata/ReferenceDb.h"

ChartPage::ChartPage(qinghe::PageHost& host)
    : m_host(host),
      m_controls(qinghe::BuildReportPage(
          this, {"Xing2", "NameB2",
                 qinghe::BirthBoxNames{"CBsex2", "ComDate2", "SYear2", "SMonth2", "Sday2", "Shour2",
                                       "CBFen2"},
                 "RzButton2", "分析", "RzBitBtn8", "Memo1"})) {
    m_buffer = qinghe::AsReport(new QTextEdit(this));
    m_buffer->setObjectName(QStringLiteral("REbazi"));
    m_buffer->hide();
    connect(m_controls.run, &QPushButton::clicked, this, &ChartPage::RzButton2Click);
    connect(m_controls.save, &QPushButton::clicked, this, &ChartPage::RzBitBtn8Click);
}

ChartPage::~ChartPage() = default;

void ChartPage::RzButton2Click() {
    std::vector<std::string> lines;
    std::optional<qinghe::BirthChart> chart;
    try {
        const qinghe::BirthMoment birth = qinghe::ReadBirthMoment(m_controls.birth->Input());
        chart = qinghe::WriteChartReport(m_controls.surname->text().toStdString(),
                                         m_controls.givenName->text().toStdString(), birth,
                                         QDate::currentDate().year(), lines);
    } catch (const qinghe::InputRefused& e) {
        qinghe::ShowInfo(QString::fromStdString(e.what()));
    } catch (const qinghe::ConversionError& e) {
        qinghe::ShowInfo(QString::fromStdString(e.what()));
    } catch (const qinghe::ReferenceDbError&) {
        // The bone-weight tables cannot be read: the report stops without a word.
    }
    if (lines.empty()) return;
    std::string all;
    for (const std::string& line : lines) all += line + "\n";
    if (!all.empty()) all.pop_back();
    m_buffer->setPlainText(QString::fromStdString(all));
    if (!chart) return;
    m_chart = chart;
    m_controls.memo->setPlainText(m_buffer->toPlainText());
}

void ChartPage::RzBitBtn8Click() {
    const QString fullName = QString::fromStdString(qinghe::Trim(
        m_controls.surname->text().toStdString() + m_controls.givenName->text().toStdString()));
    qinghe::SaveReportWithDialog(m_host.SaveDialog1(), fullName,
                                 qinghe::TextLines(m_controls.memo->toPlainText()));
}
