#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/ole_date_time.h"

namespace bunrako {

class CMyTool;

// Pieces shared by the extraction predicates of the register tabs.

// The days from the first day of one fiscal year to the last day of another,
// as the extraction criteria take them. Both ends belong to the range (with
// the half-second equality of date values); a date that is not valid lies in
// no range, and a range with a bound that is not valid holds nothing.
struct FiscalYearRange {
    OleDateTime from;
    OleDateTime to;

    static FiscalYearRange Of(const OleDateTime& fromYear, const OleDateTime& toYear,
                              int periodType, const CMyTool& tool);
    bool contains(const OleDateTime& date) const;
};

// Year-month bounds as year × 100 + month, both included.
struct MonthRange {
    int from = 1;
    int to = 0;

    static int keyOf(const OleDateTime& date) { return date.year() * 100 + date.month(); }
    // A bound that is not a date makes a range that holds nothing.
    static MonthRange Of(const OleDateTime& from, const OleDateTime& to);
    bool contains(const OleDateTime& date) const;
};

// Calendar-day bounds, both included; the time of day does not count. The
// extraction of the title register and of the index catalogue compare their
// dates this way. A date that is not valid lies in no range, and a bound
// that is not valid makes a range that holds nothing.
struct DayRange {
    int from = 1;
    int to = 0;

    static int keyOf(const OleDateTime& date) {
        return (date.year() * 100 + date.month()) * 100 + date.day();
    }
    static DayRange Of(const OleDateTime& from, const OleDateTime& to);
    bool contains(const OleDateTime& date) const;
};

// The value of a name criterion that is on, as the CP932 bytes it compares
// with; nothing when the criterion is off.
std::optional<std::string> nameCriterion(int flag, const std::string& utf8);
// A name criterion that is off lets every name through.
inline bool passesName(const std::optional<std::string>& wanted, std::string_view stored) {
    return !wanted || *wanted == stored;
}

}  // namespace bunrako
