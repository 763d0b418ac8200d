#pragma once

#include "app/shoki_settei_data.h"

namespace bunrako {

// How the lists of the current section show dates: era or Western years, and
// which month starts a fiscal year (management period type 0-3).
struct CalendarMode {
    bool western = false;
    int periodType = 0;

    static CalendarMode FromSettings(const CShokiSetteiData& settings) {
        return {settings.m_nCalendarMode == 1, settings.m_nManagementPeriod};
    }
};

}  // namespace bunrako
