#pragma once

#include <string>

#include "common/ole_date_time.h"
#include "settings/shoki_settei_data.h"

namespace bunrako {

// How the lists of the current section show dates: era or Western years, and
// which month starts a fiscal year (management period type 0-3).
struct CalendarMode {
    // m_nCalendarMode of the settings: 0 era years, 1 Western years.
    static constexpr int kWesternCalendar = 1;

    bool western = false;
    int periodType = 0;

    static bool IsWestern(int calendarMode) { return calendarMode == kWesternCalendar; }
    static CalendarMode FromSettings(const CShokiSetteiData& settings) {
        return {IsWestern(settings.m_nCalendarMode), settings.m_nManagementPeriod};
    }

    // Today's date as the status bar shows it: "2026年12月9日" or "令和 8年12月 9日".
    std::string TodayText(const OleDateTime& today) const;
};

}  // namespace bunrako
