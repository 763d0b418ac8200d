#include "settings/calendar_mode.h"

#include "common/format_text.h"
#include "common/my_tool.h"
#include "settings/texts.h"

namespace bunrako {

std::string CalendarMode::TodayText(const OleDateTime& today) const {
    if (western) {
        return formatPrintf(settings::texts::kWesternDate, today.year(), today.month(),
                            today.day());
    }
    return CMyTool().FormatDate(today, 0);
}

}  // namespace bunrako
