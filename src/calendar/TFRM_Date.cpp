// The calendar window lays its controls out at fixed places, as the month grid's geometry
// asks: day numbers from (14, 56), lunar texts from (13, 73), 42 pixels a column and 32 a
// row. Texts come from DateCn; their colours tell what they are.
#include "calendar/TFRM_Date.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>

#include "app/ProgramFonts.h"
#include "app/SecondaryWindow.h"
#include "calendar/DateCn.h"

namespace {

QDate& Today() {
    static QDate today;
    return today;
}

QDate CurrentDay() {
    return Today().isValid() ? Today() : QDate::currentDate();
}

const QColor kLunarColour(0, 64, 0);        // the lunar-day template's colour
const QColor kMonthColour(255, 0, 0);       // the first day of a lunar month
const QColor kFestivalColour(255, 128, 0);  // lunar and Gregorian festivals
const QColor kTermColour(83, 83, 255);      // solar terms

QLabel* Text(QWidget* parent, const char* name, const QString& text, QRect place) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(place);
    return l;
}

void Colour(QLabel* label, const QColor& colour) {
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
}

}  // namespace

// ---- The steppers -----------------------------------------------------------------------

UpDown::UpDown(QWidget* parent, const char* name, int minimum, int maximum)
    : QWidget(parent), m_position(minimum), m_minimum(minimum), m_maximum(maximum) {
    setObjectName(QString::fromLatin1(name));
    auto* up = new QToolButton(this);
    up->setArrowType(Qt::UpArrow);
    up->setGeometry(0, 0, 17, 11);
    auto* down = new QToolButton(this);
    down->setArrowType(Qt::DownArrow);
    down->setGeometry(0, 11, 17, 11);
    connect(up, &QToolButton::clicked, this, [this] { Step(1); });
    connect(down, &QToolButton::clicked, this, [this] { Step(-1); });
    resize(17, 22);
}

void UpDown::SetPosition(int position) {
    m_position = std::clamp(position, m_minimum, m_maximum);
}

void UpDown::Step(int by) {
    const int next = std::clamp(m_position + by, m_minimum, m_maximum);
    if (next == m_position) return;  // at a limit: no wrap, no change
    m_position = next;
    emit clicked();
}

// ---- The window -------------------------------------------------------------------------

void TFRM_Date::SetToday(QDate today) {
    Today() = today;
}

TFRM_Date::TFRM_Date(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TFRM_Date"));
    setWindowTitle(QStringLiteral("春和日历"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFont(qinghe::WindowFont());
    qinghe::PaintWhite(this);

    // Behind the grid, drawn first: the year and the month, large and pale.
    m_bigYear = Text(this, "Label20", {}, {40, 60, 260, 90});
    m_bigMonth = Text(this, "Label16", {}, {150, 130, 180, 110});
    for (QLabel* big : {m_bigYear, m_bigMonth}) {
        QFont f = font();
        f.setPixelSize(big == m_bigYear ? 64 : 96);
        f.setBold(true);
        big->setFont(f);
        big->setAlignment(Qt::AlignCenter);
        Colour(big, QColor(232, 240, 228));
    }

    m_year = Text(this, "Label1", {}, {10, 6, 42, 18});
    m_year->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_year->setToolTip(QStringLiteral("单击改变年份"));
    Text(this, "Label19", QStringLiteral("年"), {54, 6, 16, 18});
    m_yearStepper =
        new UpDown(this, "UpDown1", qinghe::kCalendarFirstYear, qinghe::kCalendarLastYear);
    m_yearStepper->move(72, 4);
    m_month = Text(this, "Label17", {}, {100, 6, 20, 18});
    m_month->setToolTip(QStringLiteral("单击改变月份"));
    m_month->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Text(this, "Label18", QStringLiteral("月"), {121, 6, 16, 18});
    m_monthStepper = new UpDown(this, "UpDown2", 1, 12);
    m_monthStepper->move(139, 4);
    m_animal = Text(this, "Label21", {}, {170, 6, 40, 18});
    m_sign = Text(this, "Label22", {}, {212, 6, 56, 18});
    auto* today = Text(this, "StaticText1", QStringLiteral("今天"), {282, 6, 40, 18});
    today->setCursor(Qt::PointingHandCursor);

    static constexpr const char* kWeekdays[7] = {"星期日", "星期一", "星期二", "星期三",
                                                 "星期四", "星期五", "星期六"};
    for (int c = 0; c < 7; ++c) {
        for (const int row : {0, 1}) {
            const QByteArray name = "Label" + QByteArray::number(2 + c + 7 * row);
            QLabel* head = Text(this, name.constData(), QString::fromUtf8(kWeekdays[c]),
                                {10 + 42 * c, row == 0 ? 34 : 250, 42, 16});
            head->setAlignment(Qt::AlignCenter);
            QFont f = font();
            f.setPixelSize(11);
            head->setFont(f);
            Colour(head, c == 0 || c == 6 ? QColor(255, 0, 0) : QColor(0, 0, 0));
        }
    }

    m_highlight = new QFrame(this);
    m_highlight->setObjectName(QStringLiteral("Shape2"));
    m_highlight->resize(38, 30);
    m_highlight->setAutoFillBackground(true);
    QPalette hp = m_highlight->palette();
    hp.setColor(QPalette::Window, QColor(126, 226, 129));
    m_highlight->setPalette(hp);

    QFont dayFont = font();
    dayFont.setPointSize(11);
    QFont lunarFont = font();
    lunarFont.setPixelSize(11);
    for (int k = 1; k <= 37; ++k) {
        const int column = (k - 1) % 7, row = (k - 1) / 7;
        QLabel* day = Text(this, "", {}, {14 + 42 * column, 56 + 32 * row, 36, 16});
        day->setFont(dayFont);
        day->setAlignment(Qt::AlignCenter);
        QLabel* lunar = Text(this, "", {}, {13 + 42 * column, 73 + 32 * row, 36, 12});
        lunar->setFont(lunarFont);
        lunar->setAlignment(Qt::AlignCenter);
        for (QLabel* l : {day, lunar}) {
            l->setProperty("cell", k);
            l->installEventFilter(this);
            l->hide();
        }
        m_days[k - 1] = day;
        m_lunar[k - 1] = lunar;
    }

    for (QLabel* l : {m_year, m_month, today}) l->installEventFilter(this);
    connect(m_yearStepper, &UpDown::clicked, this, &TFRM_Date::UpDown1Click);
    connect(m_monthStepper, &UpDown::clicked, this, &TFRM_Date::UpDown2Click);

    const QDate now = CurrentDay();
    m_selected = {now.year(), now.month(), now.day()};
    m_rememberedDay = m_selected.day;
    qinghe::SetOuterSizeCentred(this, QSize(339, 319));
}

void TFRM_Date::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TFRM_Date::FormShow() {
    m_yearStepper->SetPosition(m_selected.year);
    m_monthStepper->SetPosition(m_selected.month);
    DrawMonth(m_selected);
}

bool TFRM_Date::event(QEvent* event) {
    // The window closes as soon as it loses activation.
    if (event->type() == QEvent::WindowDeactivate && isVisible()) close();
    return QDialog::event(event);
}

bool TFRM_Date::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress) return QDialog::eventFilter(watched, event);
    if (watched == m_year) {
        Label1Click();
    } else if (watched == m_month) {
        Label17Click();
    } else if (watched->objectName() == QStringLiteral("StaticText1")) {
        StaticText1Click();
    } else if (const QVariant cell = watched->property("cell"); cell.isValid()) {
        MoveHighlight(cell.toInt(), std::find(std::begin(m_lunar), std::end(m_lunar), watched) !=
                                        std::end(m_lunar));
        DayClick(cell.toInt());
    }
    return true;
}

void TFRM_Date::DrawMonth(const qinghe::CivilDate& date) {
    using namespace qinghe;
    m_selected = date;
    m_year->setText(QString::number(date.year));
    m_bigYear->setText(QString::number(date.year));
    m_month->setText(QString::number(date.month));
    m_bigMonth->setText(QString::number(date.month));
    m_animal->setText(QString::fromStdString(CalendarAnimalText(date)));
    for (int k = 0; k < 37; ++k) {
        m_days[k]->hide();
        m_lunar[k]->hide();
        Colour(m_days[k], Qt::black);
        Colour(m_lunar[k], kLunarColour);
    }
    // The 1st lies in cell w (Sunday-first weeks).
    const int w = Weekday({date.year, date.month, 1}) + 1;
    const int n = DaysInMonth(date.year, date.month);
    for (int d = 1; d <= n; ++d) {
        const int k = w + d - 1;
        QLabel* day = m_days[k - 1];
        QLabel* lunar = m_lunar[k - 1];
        const CivilDate today{date.year, date.month, d};
        const CalendarCell cell = CalendarCellOf(today);
        day->setText(QString::number(d));
        day->setProperty("day", d);
        lunar->setProperty("day", d);
        lunar->setText(QString::fromStdString(cell.text));
        switch (cell.kind) {
            case CalendarTextKind::LunarDay:
                break;
            case CalendarTextKind::LunarMonth:
                Colour(lunar, kMonthColour);
                break;
            case CalendarTextKind::SolarTerm:
                Colour(lunar, kTermColour);
                break;
            case CalendarTextKind::SolarFestival:
            case CalendarTextKind::LunarFestival:
                Colour(lunar, kFestivalColour);
                break;
        }
        if (d == date.day) {
            m_highlight->move(day->x() - 1, day->y() + 1);
            m_sign->setText(QString::fromStdString(CalendarZodiacSign(today)));
        }
        day->show();
        lunar->show();
    }
    m_highlight->lower();
    m_bigYear->lower();
    m_bigMonth->lower();
}

void TFRM_Date::MoveHighlight(int cell, bool lunar) {
    const QLabel* label = (lunar ? m_lunar : m_days)[cell - 1];
    if (lunar)
        m_highlight->move(label->x(), label->y() - 16);
    else
        m_highlight->move(label->x() - 1, label->y() + 1);
}

void TFRM_Date::DayClick(int cell) {
    const QVariant day = m_days[cell - 1]->property("day");
    if (!m_days[cell - 1]->isVisible() || !day.isValid()) return;
    m_rememberedDay = day.toInt();
    m_selected.day = m_rememberedDay;  // the grid is not redrawn; the star sign stays
}

void TFRM_Date::Label17Click() {
    m_monthStepper->show();
    m_yearStepper->hide();
}

void TFRM_Date::Label1Click() {
    m_yearStepper->show();
    m_monthStepper->hide();
}

void TFRM_Date::UpDown1Click() {
    const int year = m_yearStepper->Position();
    DrawMonth({year, m_selected.month,
               std::min(m_rememberedDay, qinghe::DaysInMonth(year, m_selected.month))});
}

void TFRM_Date::UpDown2Click() {
    const int month = m_monthStepper->Position();
    DrawMonth({m_selected.year, month,
               std::min(m_rememberedDay, qinghe::DaysInMonth(m_selected.year, month))});
}

void TFRM_Date::StaticText1Click() {
    const QDate now = CurrentDay();
    m_selected = {now.year(), now.month(), now.day()};
    m_rememberedDay = m_selected.day;
    FormShow();
}
