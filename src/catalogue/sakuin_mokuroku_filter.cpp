#include "catalogue/sakuin_mokuroku_filter.h"

#include "common/my_tool.h"

namespace bunrako {

CSakuinMokurokuFilter CSakuinMokurokuFilter::Initial(const OleDateTime& now, int periodType) {
    const OleDateTime start = CMyTool().FiscalYearStart(now, periodType);
    CSakuinMokurokuFilter filter;
    filter.dateFrom = start;
    filter.dateTo = now;
    filter.completionFrom = start;
    filter.completionTo = now;
    return filter;
}

}  // namespace bunrako
