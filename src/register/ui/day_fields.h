#pragma once

#include <QWidget>

#include "volumes/day_input.h"

class QComboBox;
class QSpinBox;

namespace bunrako {

// The date controls of the register dialogs: an era combo and era year, or a
// Western year (by calendar mode), then a month and a day unless only the
// year is asked for. Every part is reached with Tab; the era combo takes the
// era's first letter (M, T, S, H, R) as well as the arrow keys.
class DayFields : public QWidget {
    Q_OBJECT
  public:
    enum class Parts { year, day };
    DayFields(bool western, Parts parts, const QString& accessibleName, QWidget* parent,
              int westernLow = 1500, int westernHigh = 3000, int eraHigh = 99);

    void setYear(const YearInput& year);
    YearInput year() const;
    void setDay(const DayInput& day);
    DayInput day() const;

    // The first control the clerk reaches (a label's buddy).
    QWidget* first() const;
    QComboBox* eraCombo() const { return m_era; }
    QSpinBox* eraYearBox() const { return m_eraYear; }
    QSpinBox* westernYearBox() const { return m_westernYear; }
    QSpinBox* monthBox() const { return m_month; }
    QSpinBox* dayBox() const { return m_day; }

    bool eventFilter(QObject* watched, QEvent* event) override;

  signals:
    void changed();

  private:
    QSpinBox* numberBox(int low, int high, const QString& name);

    bool m_western;
    QComboBox* m_era = nullptr;
    QSpinBox* m_eraYear = nullptr;
    QSpinBox* m_westernYear = nullptr;
    QSpinBox* m_month = nullptr;
    QSpinBox* m_day = nullptr;
};

}  // namespace bunrako
