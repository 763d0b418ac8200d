#pragma once

#include <string>

#include "common/ole_date_time.h"

namespace bunrako {

class CMyTool;

// The extraction criteria of the title register tab (文書件名簿). Each
// criterion has an on/off switch (1 = on) and its values; an entry is listed
// when it passes every criterion that is on (see RegisterFilter). Texts are
// UTF-8. The document keeps one set for the whole run; no file holds it.
struct RegisterCriteria {
    // Kept with the set; the filter does not read it.
    int anyCriteria = 0;
    // 受付番号で抽出する: the number's value lies between the two values.
    int byNumber = 0;
    std::string numberFrom;
    std::string numberTo;
    // 年で抽出する / 年度で抽出する: the year of the register year lies
    // between the years of the two bounds (first days of their years).
    int byYear = 1;
    OleDateTime yearFrom;
    OleDateTime yearTo;
    // 1: the register is kept by calendar year (年), 0: by fiscal year (年度).
    int calendarYear = 0;
    // 課で抽出する / 係で抽出する: the first 3 / 6 characters of the section
    // code equal those of sectionCode (an empty code lets every entry pass).
    int bySection = 1;
    int bySubsection = 0;
    std::string sectionCode;
    // 受付日で抽出する: the reception day lies between the two days.
    int byReceivedDate = 0;
    OleDateTime receivedFrom;
    OleDateTime receivedTo;
    // 文書名に含まれる単語で抽出する: the word occurs in the subject (an entry
    // without a subject passes).
    int byWord = 0;
    std::string word;
    int reserved = 0;
    // 結了で抽出する: notCompleted 0 keeps completed entries (結了している),
    // 1 the others (結了していない). 結了日で抽出する counts only together
    // with 結了している.
    int byCompleted = 0;
    int notCompleted = 0;
    int byCompletedDate = 0;
    OleDateTime completedFrom;
    OleDateTime completedTo;

    // A new or reset set: by year from and to the year that holds `now` (1
    // January with calendarYear 1, else the first day of the fiscal year
    // under the management period), by the section sectionCode; the bounds
    // of the date criteria from the start of that year to now; everything
    // else off and empty.
    static RegisterCriteria Initial(const OleDateTime& now, int calendarYear, int periodType,
                                    std::string sectionCode = {});

    // What the document writes into the set each time it loads its files:
    // the register period (m_nRegisterPeriod) and the section code of the
    // settings in use. When the kind of year changes, the year bounds start
    // again at the year that holds `now`, so that the list and its caption
    // name the same years.
    void applySettings(int registerPeriod, std::string code, const OleDateTime& now,
                       int periodType);

    // The first day of the year that holds the date: 1 January when the
    // register is kept by calendar year, else the first day of its fiscal
    // year.
    static OleDateTime startOfYear(const OleDateTime& date, int calendarYear, int periodType,
                                   const CMyTool& tool);
};

}  // namespace bunrako
