// The core writes the page report from the boxes, read once into a birth moment, into
// RzMemo1 line by line (a report cut short by a reference-file error keeps what was
// written); the memo then shows its first line. The save writes the memo's lines.
#include "numerology/NameAnalysisPage.h"

#include <QDate>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <string>
#include <vector>

#include "app/PageHost.h"
#include "app/ShowInfo.h"
#include "base/Utf8.h"
#include "numerology/NameReport.h"
#include "numerology/TFrmNameMain.h"

NameAnalysisPage::NameAnalysisPage(qinghe::PageHost& host)
    : m_host(host),
      m_controls(qinghe::BuildReportPage(
          this, {"Xing3", "NameB3",
                 qinghe::BirthBoxNames{"CBsex3", "ComDate3", "SYear3", "SMonth3", "Sday3", "Shour3",
                                       "CBFen3"},
                 "ButtonName", "详细分析", "BitBtnsave", "RzMemo1"})) {
    connect(m_controls.run, &QPushButton::clicked, this, &NameAnalysisPage::ButtonNameClick);
    connect(m_controls.save, &QPushButton::clicked, this, &NameAnalysisPage::BitBtnsaveClick);
}

NameAnalysisPage::~NameAnalysisPage() = default;

void NameAnalysisPage::ButtonNameClick() {
    const std::string surname = m_controls.surname->text().toStdString();
    const std::string given = m_controls.givenName->text().toStdString();
    std::vector<std::string> lines;
    QString error;
    const auto write = [&](std::vector<std::string>& out) {
        const qinghe::BirthMoment birth =
            qinghe::ReadNameReportInput(surname, given, m_controls.birth->Input());
        qinghe::WriteNamePageReport(surname, given, birth, QDate::currentDate().year(), out);
    };
    if (!qinghe::WriteNameReportLines(write, lines, error)) return;
    QStringList text;
    for (const std::string& line : lines) text << QString::fromStdString(line);
    QPlainTextEdit* memo = m_controls.memo;
    memo->setPlainText(text.join(QLatin1Char('\n')));
    memo->moveCursor(QTextCursor::Start);
    memo->verticalScrollBar()->setValue(0);
    if (!error.isEmpty()) qinghe::ShowInfo(error);
}

void NameAnalysisPage::BitBtnsaveClick() {
    const QString fullName =
        QString::fromStdString(qinghe::Trim(m_controls.surname->text().toStdString()) +
                               qinghe::Trim(m_controls.givenName->text().toStdString()));
    qinghe::SaveReportWithDialog(m_host.SaveDialog1(), fullName,
                                 qinghe::TextLines(m_controls.memo->toPlainText()));
}
