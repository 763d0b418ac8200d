#pragma once

#include <string>

#include "common/my_tool.h"
#include "common/ole_date_time.h"
#include "volumes/year_input.h"

namespace bunrako {

// The inputs of one criterion of an extraction dialog: its check box and
// its values as the controls hold them. The dialogs of the volume tabs and
// of the change-form tab share them.
struct TextCriterionInput {
    bool on = false;
    std::string text;
};

struct NameCriterionInput {
    bool on = false;
    std::string name;

    // A criterion that is on needs a choice.
    bool isComplete() const { return !on || !name.empty(); }
    void storeInto(int& flag, std::string& stored) const;
};

// A range of fiscal years (作成年度, 収納年度, ...).
struct YearRangeInput {
    bool on = false;
    YearInput from;
    YearInput to;

    // How the dialog shows stored bounds: each by the fiscal year it lies in.
    static YearRangeInput Of(int flag, const OleDateTime& from, const OleDateTime& to, bool western,
                             int periodType, const CMyTool& tool);
    bool isComplete(const CMyTool& tool) const;
    // Stores the flag and, when on, the first days of the two fiscal years.
    void storeInto(int& flag, OleDateTime& storedFrom, OleDateTime& storedTo, int periodType,
                   const CMyTool& tool) const;
};

// A range of months (満了年月, 廃棄年月, 見直し年月).
struct MonthRangeInput {
    bool on = false;
    YearMonthInput from;
    YearMonthInput to;

    static MonthRangeInput Of(int flag, const OleDateTime& from, const OleDateTime& to,
                              bool western, const CMyTool& tool);
    bool isComplete(const CMyTool& tool) const;
    // Stores the flag and, when on, day 1 of the two months.
    void storeInto(int& flag, OleDateTime& storedFrom, OleDateTime& storedTo,
                   const CMyTool& tool) const;
};

}  // namespace bunrako
