#include "register/register_caption.h"

#include "common/format_text.h"
#include "common/my_tool.h"
#include "register/register_criteria.h"
#include "register/texts.h"

namespace bunrako {
namespace {

namespace texts = register_::texts;

constexpr int kYearForm = 2;

// The text of one year: "%Y" of the date in Western mode, its era year
// ("令和3年") in era mode.
std::string yearText(const CMyTool& tool, const OleDateTime& date, bool western) {
    return western ? date.format("%Y") : tool.FormatDate(date, kYearForm);
}

std::string caption(const char* one, const char* range, const std::string& from,
                    const std::string& to) {
    if (from == to) return formatPrintf(one, from.c_str());
    return formatPrintf(range, from.c_str(), to.c_str());
}

}  // namespace

std::string registerCaption(const RegisterCriteria& criteria, CalendarMode mode) {
    if (criteria.byYear != 1) return texts::kCaptionAllYears;
    const CMyTool tool;
    if (criteria.calendarYear != 0) {
        const std::string from = yearText(tool, criteria.yearFrom, mode.western);
        const std::string to = yearText(tool, criteria.yearTo, mode.western);
        if (mode.western) {
            return caption(texts::kCaptionWesternYear, texts::kCaptionWesternYears, from, to);
        }
        // The same year is one era year text, even across a change of era.
        if (criteria.yearFrom.year() == criteria.yearTo.year()) {
            return formatPrintf(texts::kCaptionEraYear, from.c_str());
        }
        return formatPrintf(texts::kCaptionEraYears, from.c_str(), to.c_str());
    }
    const OleDateTime fromLabel = tool.FiscalLabelDate(criteria.yearFrom, mode.periodType);
    const OleDateTime toLabel = tool.FiscalLabelDate(criteria.yearTo, mode.periodType);
    const std::string from = yearText(tool, fromLabel, mode.western);
    const std::string to = yearText(tool, toLabel, mode.western);
    if (mode.western) {
        return caption(texts::kCaptionWesternFiscalYear, texts::kCaptionWesternFiscalYears, from,
                       to);
    }
    return caption(texts::kCaptionEraFiscalYear, texts::kCaptionEraFiscalYears, from, to);
}

}  // namespace bunrako
