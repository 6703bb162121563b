// Birth boxes: year 1900 to 2030 (drop-down of 30 rows), month 1 to 12, day 1 to 31 for
// every month, the 24 hour items, minute 0 to 59; initial 男, 公历, 2020-1-1, 子 0, 0.
#include "app/BirthBoxes.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace qinghe {

namespace {

QStringList Numbers(int from, int to) {
    QStringList items;
    for (int i = from; i <= to; ++i) items << QString::number(i);
    return items;
}

QStringList HourItems() {
    QStringList items;
    for (const char* item : kHourItems) items << QString::fromUtf8(item);
    return items;
}

// Wide enough for the longest item in the current font, however large.
void FitToItems(QComboBox* box) {
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
}

}  // namespace

QComboBox* NewEditableList(QWidget* parent, const QString& name, const QStringList& items,
                           const QString& initial) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(items);
    box->setCurrentIndex(static_cast<int>(items.indexOf(initial)));
    box->setEditText(initial);
    FitToItems(box);
    return box;
}

QComboBox* NewFixedList(QWidget* parent, const QString& name, const QStringList& items) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->addItems(items);
    box->setCurrentIndex(0);
    FitToItems(box);
    return box;
}

BirthBoxes::BirthBoxes(QWidget* parent, const BirthBoxNames& names)
    : sex(NewFixedList(parent, names.sex, {QStringLiteral("男"), QStringLiteral("女")})),
      calendar(
          NewFixedList(parent, names.calendar, {QStringLiteral("公历"), QStringLiteral("农历")})),
      year(NewEditableList(parent, names.year, Numbers(1900, 2030), QStringLiteral("2020"))),
      month(NewEditableList(parent, names.month, Numbers(1, 12), QStringLiteral("1"))),
      day(NewEditableList(parent, names.day, Numbers(1, 31), QStringLiteral("1"))),
      hour(NewEditableList(parent, names.hour, HourItems(), QStringLiteral("子 0"))),
      minute(NewEditableList(parent, names.minute, Numbers(0, 59), QStringLiteral("0"))) {
    year->setMaxVisibleItems(30);
}

void BirthBoxes::AddSexTo(QBoxLayout* row) const {
    row->addWidget(new QLabel(QStringLiteral("性别"), sex->parentWidget()));
    row->addWidget(sex);
}

void BirthBoxes::AddDateTo(QBoxLayout* row) const {
    QWidget* parent = year->parentWidget();
    row->addWidget(calendar);
    const std::pair<QComboBox*, const char*> parts[] = {
        {year, "年"}, {month, "月"}, {day, "日"}, {hour, "时"}, {minute, "分"}};
    for (const auto& [box, unit] : parts) {
        row->addWidget(box);
        row->addWidget(new QLabel(QString::fromUtf8(unit), parent));
    }
}

BirthInput BirthBoxes::Input() const {
    BirthInput in;
    in.sex = sex->currentText().toStdString();
    in.calendarKind = calendar->currentIndex();
    in.year = year->currentText().toStdString();
    in.month = month->currentText().toStdString();
    in.day = day->currentText().toStdString();
    in.hourText = hour->currentText().toStdString();
    in.minute = minute->currentText().toStdString();
    return in;
}

}  // namespace qinghe
