#pragma once

#include "common/ole_date_time.h"
#include "volumes/year_input.h"

namespace bunrako {

class CMyTool;

// A day as the entry and extraction dialogs take it: the year (era and era year, or the
// Western year, by calendar mode), the month and the day.
struct DayInput {
    YearInput year;
    int month = 0;
    int day = 0;

    // The fields of the date, era and Western alike.
    static DayInput of(const OleDateTime& date, bool western, const CMyTool& tool);
    // The date the fields name: the era text "E,YY,MM,DD" or the Western
    // text "YYYY,MM,DD" turned into a date (invalid when it names none).
    OleDateTime toDate(const CMyTool& tool) const;
    // An era chosen (era mode) and a year, month and day above 0.
    bool isFilled() const;
};

}  // namespace bunrako
