#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/my_tool.h"
#include "common/ole_date_time.h"

namespace bunrako {

// The year and date texts of the CSV files handed to other programs (data
// linkage and printing), in CP932, in era or Western years. A date that is
// not valid, or an era date before the first era, gives "".
class CsvDateTexts {
  public:
    enum class WesternYears { asIs, fourDigits };

    // periodType: the management period type (0 April ... 3 January start)
    // that names the fiscal years.
    CsvDateTexts(bool western, int periodType, WesternYears years = WesternYears::asIs)
        : m_western(western), m_periodType(periodType), m_westernYears(years) {}

    // "令和6年度" / "2024年度" for the year of the date itself.
    std::string yearOf(const OleDateTime& date) const;
    // The same for the fiscal year the date lies in (its label year).
    std::string fiscalYearOf(const OleDateTime& date) const;
    // "R6" / "24": the short form of the fiscal year.
    std::string fiscalYearShortOf(const OleDateTime& date) const;
    // "令和8年4月" / "2026年4月", and "R8.4" / "26.4".
    std::string yearMonthOf(const OleDateTime& date) const;
    std::string yearMonthShortOf(const OleDateTime& date) const;
    // "令和6年4月1日" / "2024年4月1日".
    std::string dayOf(const OleDateTime& date) const;

    bool western() const { return m_western; }
    int periodType() const { return m_periodType; }

  private:
    struct EraYear {
        int era = 0;
        int year = 0;
    };
    // False for a date that is not valid or lies before the first era.
    bool eraYearOf(const OleDateTime& date, EraYear& eraYear) const;

    CMyTool m_tool;
    bool m_western;
    int m_periodType;
    WesternYears m_westernYears;
};

// Joins CP932 fields with "," and ends the line with CR LF. Nothing is
// quoted: the files' readers split at every comma.
std::string csvLine(const std::vector<std::string>& fields);

}  // namespace bunrako
