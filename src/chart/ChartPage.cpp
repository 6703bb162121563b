// The chart page's "分析": reads the page's boxes, has the core write the report into the
// hidden buffer REbazi, and copies the finished report into Memo1 in one step. Input checks and
// date errors go to the information box; a reference-file error ends the report silently.
#include <QDate>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <string>
#include <vector>

#include "app/ShowInfo.h"
#include "app/TFrmIndex.h"
#include "chart/BirthChart.h"
#include "chart/ChartReport.h"
#include "refdata/ReferenceDb.h"

void TFrmIndex::RzButton2Click() {
    const auto text = [this](const char* name) {
        return findChild<QLineEdit*>(QString::fromLatin1(name))->text().toStdString();
    };
    std::vector<std::string> lines;
    bool complete = false;
    try {
        qinghe::WriteChartReport(text("Xing2"), text("NameB2"), m_birth2->Input(),
                                 QDate::currentDate().year(), lines);
        complete = true;
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
    auto* buffer = findChild<QTextEdit*>(QStringLiteral("REbazi"));
    buffer->setPlainText(QString::fromStdString(all));
    if (complete)
        findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))->setPlainText(buffer->toPlainText());
}
