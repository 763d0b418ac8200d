#pragma once

#include <QWidget>

#include "volumes/year_input.h"

class QLabel;
class QLineEdit;

namespace bunrako {

class EraComboBox;

// A year input of the volume dialogs: an era combo with the era year, or a
// Western year, by the calendar mode, followed by "年度" or by "年" and a
// month. Each part carries the input's name as its accessible name.
class YearInputEdit : public QWidget {
    Q_OBJECT
  public:
    enum class Kind { fiscalYear, yearMonth };

    YearInputEdit(Kind kind, bool western, const QString& name, QWidget* parent = nullptr);

    YearInput year() const;
    void setYear(const YearInput& input);
    YearMonthInput yearMonth() const;
    void setYearMonth(const YearMonthInput& input);

    EraComboBox* eraCombo() const { return m_era; }
    QLineEdit* eraYearEdit() const { return m_eraYear; }
    QLineEdit* westernYearEdit() const { return m_westernYear; }
    // nullptr for a fiscal year.
    QLineEdit* monthEdit() const { return m_month; }

  private:
    QLineEdit* numberEdit(int digits, const QString& name);

    bool m_western;
    EraComboBox* m_era = nullptr;
    QLineEdit* m_eraYear = nullptr;
    QLineEdit* m_westernYear = nullptr;
    QLineEdit* m_month = nullptr;
};

}  // namespace bunrako
