// The window reads its boxes like the name page, has the core write the window report and
// shows it as plain lines (a rich-text box in appearance only); the save writes those lines.
#include "numerology/TFrmNameMain.h"

#include <QBoxLayout>
#include <QDate>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>

#include "app/ReportWindows.h"
#include "app/ShowInfo.h"
#include "base/Utf8.h"
#include "chart/BirthChart.h"
#include "numerology/NameReport.h"
#include "refdata/ReferenceDb.h"

TFrmNameMain::TFrmNameMain(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TFrmNameMain"));
    setWindowTitle(QStringLiteral("姓名分析"));
    resize(760, 560);
    auto* column = new QVBoxLayout(this);

    auto* nameRow = new QHBoxLayout;
    column->addLayout(nameRow);
    m_surname = new QLineEdit(this);
    m_surname->setObjectName(QStringLiteral("NameA"));
    m_surname->setMaxLength(2);  // four bytes of double-byte text
    m_given = new QLineEdit(this);
    m_given->setObjectName(QStringLiteral("NameB"));
    m_given->setMaxLength(2);
    nameRow->addWidget(new QLabel(QStringLiteral("姓"), this));
    nameRow->addWidget(m_surname);
    nameRow->addWidget(new QLabel(QStringLiteral("名"), this));
    nameRow->addWidget(m_given);
    m_birth = std::make_unique<qinghe::BirthBoxes>(
        this,
        qinghe::BirthBoxNames{"Sex", "ComDate", "SYear", "SMonth", "Sday", "Shour", "RzComboBox8"});
    // This window's minute list reads 00 to 59 and starts at 0.
    m_birth->minute->clear();
    for (int m = 0; m < 60; ++m)
        m_birth->minute->addItem(QStringLiteral("%1").arg(m, 2, 10, QChar('0')));
    m_birth->minute->setCurrentIndex(-1);
    m_birth->minute->setEditText(QStringLiteral("0"));
    m_birth->AddSexTo(nameRow);
    nameRow->addStretch(1);
    auto* dateRow = new QHBoxLayout;
    column->addLayout(dateRow);
    m_birth->AddDateTo(dateRow);
    dateRow->addStretch(1);

    auto* buttons = new QHBoxLayout;
    column->addLayout(buttons);
    const auto button = [&](const char* name, const QString& caption,
                            void (TFrmNameMain::*slot)()) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        buttons->addWidget(b);
    };
    button("RzButton1", QStringLiteral("姓名分析"), &TFrmNameMain::RzButton1Click);
    button("dxBarButton2", QStringLiteral("保存"), &TFrmNameMain::dxBarButton2Click);
    button("dxBarButton5", QStringLiteral("退出"), &TFrmNameMain::dxBarButton5Click);
    buttons->addStretch(1);

    m_memo = new QTextEdit(this);
    m_memo->setObjectName(QStringLiteral("RzMemo1"));
    m_memo->setReadOnly(true);
    m_memo->setLineWrapMode(QTextEdit::NoWrap);
    m_memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    column->addWidget(m_memo, 1);
}

TFrmNameMain::~TFrmNameMain() = default;

QFileDialog* TFrmNameMain::SaveDialog1() {
    if (m_saveDialog == nullptr) m_saveDialog = qinghe::NewReportSaveDialog(this);
    return m_saveDialog;
}

void TFrmNameMain::Prefill(const QString& surname, const QString& given, const QString& sex,
                           const QString& year, const QString& month, const QString& day,
                           const QString& hour, const QString& minute, int calendarIndex) {
    m_surname->setText(surname);
    m_birth->sex->setCurrentIndex(sex == QStringLiteral("男") ? 0 : 1);
    m_birth->year->setEditText(year);
    m_birth->month->setEditText(month);
    m_birth->day->setEditText(day);
    m_birth->hour->setCurrentIndex(m_birth->hour->findText(hour));
    if (m_birth->hour->isEditable()) m_birth->hour->setEditText(hour);
    m_birth->minute->setEditText(minute);
    m_birth->calendar->setCurrentIndex(calendarIndex);
    m_given->setText(given);
}

void TFrmNameMain::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_shown) return;
    m_shown = true;
    FormShow();
}

void TFrmNameMain::FormShow() {
    if (!m_surname->text().trimmed().isEmpty() && !m_given->text().trimmed().isEmpty())
        RzButton1Click();
    m_surname->setFocus();
}

void TFrmNameMain::RzButton1Click() {
    const std::string surname = m_surname->text().toStdString();
    const std::string given = m_given->text().toStdString();
    std::vector<std::string> lines;
    QString error;
    const auto write = [&](std::vector<std::string>& out) {
        const qinghe::BirthMoment birth =
            qinghe::ReadNameReportInput(surname, given, m_birth->Input());
        qinghe::WriteNameWindowReport(surname, given, birth, QDate::currentDate().year(), out);
    };
    if (!qinghe::WriteNameReportLines(write, lines, error)) return;
    m_lastFullName = QString::fromStdString(qinghe::Trim(surname) + qinghe::Trim(given));
    QStringList text;
    for (const std::string& line : lines) text << QString::fromStdString(line);
    m_memo->setPlainText(text.join(QLatin1Char('\n')));
    m_memo->verticalScrollBar()->setValue(0);
    m_memo->horizontalScrollBar()->setValue(0);
    if (!error.isEmpty()) qinghe::ShowInfo(error);
}

void TFrmNameMain::dxBarButton2Click() {
    qinghe::SaveReportWithDialog(SaveDialog1(), m_lastFullName,
                                 qinghe::TextLines(m_memo->toPlainText()));
}

void TFrmNameMain::dxBarButton5Click() {
    close();
}

namespace qinghe {

void OpenNameAnalysis(QWidget* parent, const QString& surname, const QString& sex,
                      const QString& year, const QString& given, int calendarIndex,
                      const QString& minute, const QString& hour, const QString& day,
                      const QString& month) {
    auto* w = new TFrmNameMain(parent);
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->Prefill(surname, given, sex, year, month, day, hour, minute, calendarIndex);
    w->exec();
}

void OpenNameAnalysis(QWidget* parent, const QString& surnameText, const QString& fullName,
                      const BirthBoxes& b) {
    const QString surname = surnameText.trimmed();
    const QString given = fullName.mid(surname.size(), 10).trimmed();
    OpenNameAnalysis(parent, surname, b.sex->currentText().trimmed(), b.year->currentText(), given,
                     b.calendar->currentIndex(), b.minute->currentText(), b.hour->currentText(),
                     b.day->currentText(), b.month->currentText());
}

bool WriteNameReportLines(const std::function<void(std::vector<std::string>&)>& write,
                          std::vector<std::string>& lines, QString& error) {
    try {
        write(lines);
    } catch (const InputRefused& e) {
        ShowInfo(QString::fromStdString(e.what()));
        return false;
    } catch (const ConversionError& e) {
        ShowInfo(QString::fromStdString(e.what()));
        return false;
    } catch (const ReferenceDbError&) {
        // A reading table cannot be read: the report ends where it stands, without a word.
    } catch (const NameReportError& e) {
        error = QString::fromStdString(e.what());
    }
    return true;
}

}  // namespace qinghe
