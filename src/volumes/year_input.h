#pragma once

#include "common/ole_date_time.h"

namespace bunrako {

class CMyTool;

// A year as the dialogs take it: an era (1-based era number, 0 when none is
// chosen) with the year of that era, or a Western year, by calendar mode.
struct YearInput {
    bool western = false;
    int era = 0;
    int eraYear = 0;
    int year = 0;
};

// A year and month (day 1 of it is meant).
struct YearMonthInput {
    YearInput year;
    int month = 0;
};

// The first day of the fiscal year the input names as its label year.
OleDateTime fiscalYearStartOf(const YearInput& input, int periodType, const CMyTool& tool);
// Day 1 of the month: the era text "E,YY,MM,01" turned Western, or the
// Western text "YYYY,MM,01"; an input that makes no date text of ten
// characters gives an invalid date.
OleDateTime firstDayOfMonth(const YearMonthInput& input, const CMyTool& tool);
// Whether a year of the extraction dialogs is complete: an era chosen and an
// era year of 1-99, or a Western year of 1000-3000.
bool isExtractionYear(const YearInput& input, const CMyTool& tool);
// The same for a year and month (a month of 1-12).
bool isExtractionMonth(const YearMonthInput& input, const CMyTool& tool);

// The Western year of a year of an era, counted on past 99: a review of a
// permanent volume may lie 110 years into an era that has ended since. 0 for
// an era that is not in the table.
int westernYearOf(int era, int eraYear, const CMyTool& tool);
// Day 1 of the month and the first day of the fiscal year as the entry
// dialog takes them: like firstDayOfMonth and fiscalYearStartOf, with era
// years of three digits.
OleDateTime firstDayOfEntryMonth(const YearMonthInput& input, const CMyTool& tool);
OleDateTime fiscalYearStartOfEntry(const YearInput& input, int periodType, const CMyTool& tool);

// How a dialog shows a date: its era and era year (also past 99), and its
// Western year.
YearInput yearInputOf(const OleDateTime& date, bool western, const CMyTool& tool);
// How a dialog shows a fiscal-year field: by the year the fiscal year it
// lies in is named after.
YearInput fiscalYearInputOf(const OleDateTime& date, bool western, int periodType,
                            const CMyTool& tool);
// How a dialog shows a month: its year and month (0 for no date).
YearMonthInput monthInputOf(const OleDateTime& date, bool western, const CMyTool& tool);

}  // namespace bunrako
