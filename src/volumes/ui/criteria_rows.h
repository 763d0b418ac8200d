#pragma once

#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "volumes/extraction_inputs.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QWidget;

namespace bunrako {

class YearInputEdit;

// The rows of an extraction dialog: a check box per criterion and the
// controls of its values beside it, enabled only while the box is checked.
// Rows are added top to bottom, so that the tab order follows the layout.
class CriteriaRows {
  public:
    CriteriaRows(QWidget* dialog, QGridLayout* grid, bool western);

    struct TextRow {
        QCheckBox* check;
        QLineEdit* edit;
    };
    struct NameRow {
        QCheckBox* check;
        QComboBox* combo;
    };
    struct RangeRow {
        QCheckBox* check;
        YearInputEdit* from;
        YearInputEdit* to;
    };
    struct PairRow {
        QCheckBox* check;
        QComboBox* from;
        QComboBox* to;
    };

    TextRow addText(const char* caption, const char* objectName, int maxBytes);
    NameRow addName(const char* caption, const char* objectName);
    RangeRow addYears(const char* caption, const char* objectName);
    RangeRow addMonths(const char* caption, const char* objectName);
    PairRow addNamePair(const char* caption, const char* objectName);
    // A row whose controls the dialog makes itself, inside the box given.
    QCheckBox* addCheckRow(const char* caption, const char* objectName,
                           const std::function<void(QWidget* box)>& fill);

    // Moving values between a row and its input.
    static void show(const TextRow& row, const TextCriterionInput& input);
    static TextCriterionInput read(const TextRow& row);
    static void show(const NameRow& row, const NameCriterionInput& input);
    static NameCriterionInput read(const NameRow& row);
    static void show(const RangeRow& row, const YearRangeInput& input);
    static void show(const RangeRow& row, const MonthRangeInput& input);
    static YearRangeInput readYears(const RangeRow& row);
    static MonthRangeInput readMonths(const RangeRow& row);

    // Fills a combo with names and chooses one (none when it is not there).
    static void refill(QComboBox* combo, const std::vector<std::string>& names,
                       const std::string& chosen);

  private:
    QCheckBox* addCheck(const char* caption, const char* objectName);
    void endRow(QCheckBox* check, QWidget* controls);
    RangeRow addRange(const char* caption, const char* objectName, bool months);
    QComboBox* comboBox(const QString& name, const QString& objectName, QWidget* parent);

    QWidget* m_dialog;
    QGridLayout* m_grid;
    bool m_western;
    int m_row = 0;
};

// A caption without its accelerator: "作成年度で抽出する(&N)" gives
// "作成年度で抽出する".
QString plainCaption(const char* caption);

}  // namespace bunrako
