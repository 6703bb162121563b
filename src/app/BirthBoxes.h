// One page's set of birth boxes: sex, calendar, year, month, day, hour and minute, with
// the item lists, initial values and row counts every page shares. Each page owns its
// own set; nothing copies values between pages.
#pragma once

#include <QComboBox>
#include <QString>

#include "chart/BirthMoment.h"

class QBoxLayout;
class QWidget;

namespace qinghe {

// The objectNames of one page's boxes.
struct BirthBoxNames {
    QString sex, calendar, year, month, day, hour, minute;
};

class BirthBoxes {
  public:
    // Creates the boxes as children of `parent`.
    BirthBoxes(QWidget* parent, const BirthBoxNames& names);

    // Adds sex, then calendar, year "年", month "月", day "日", hour "时", minute "分".
    void AddSexTo(QBoxLayout* row) const;
    void AddDateTo(QBoxLayout* row) const;

    // What the boxes hold now.
    BirthInput Input() const;

    QComboBox* sex;
    QComboBox* calendar;
    QComboBox* year;
    QComboBox* month;
    QComboBox* day;
    QComboBox* hour;
    QComboBox* minute;
};

// A list that also accepts typed text; typing never adds items to the list.
QComboBox* NewEditableList(QWidget* parent, const QString& name, const QStringList& items,
                           const QString& initial);
// A fixed list, first item selected.
QComboBox* NewFixedList(QWidget* parent, const QString& name, const QStringList& items);

}  // namespace qinghe
