#include "register/register_list_cells.h"

#include "common/cp932.h"
#include "common/format_text.h"
#include "common/my_tool.h"
#include "register/bunsho_ken_meibo_data.h"
#include "register/texts.h"

namespace bunrako {
namespace {

namespace texts = register_::texts;

constexpr ListColumn kRegisterListColumns[] = {
    {texts::kColumnReceived, 100}, {texts::kColumnNumber, 80},    {texts::kColumnSubject, 500},
    {texts::kColumnSender, 100},   {texts::kColumnReceiver, 100},
};
static_assert(std::size(kRegisterListColumns) == static_cast<size_t>(RegisterListColumn::count));

constexpr int kDayForm = 0;

std::string receivedCell(const OleDateTime& date, CalendarMode mode) {
    if (!date.isValid()) return {};
    if (mode.western) {
        return formatPrintf(texts::kCellWesternDate, date.year(), date.month(), date.day());
    }
    // The calendar is read-only once built; the cells share one.
    static const CMyTool tool;
    return tool.FormatEraDateShort(tool.DateToEraText(date), kDayForm);
}

}  // namespace

std::span<const ListColumn> registerListColumns() { return kRegisterListColumns; }

std::string registerListCell(const CBunshoKenMeiboData& entry, int column, CalendarMode mode) {
    switch (static_cast<RegisterListColumn>(column)) {
        case RegisterListColumn::received:
            return receivedCell(entry.receivedDate, mode);
        case RegisterListColumn::number:
            return entry.documentNumberText();
        case RegisterListColumn::subject:
            return entry.subjectText();
        case RegisterListColumn::sender:
            return entry.senderText();
        case RegisterListColumn::receiver:
            return entry.receiverText();
        default:
            return {};
    }
}

std::vector<std::string> registerListCells(const CBunshoKenMeiboData& entry, CalendarMode mode) {
    std::vector<std::string> cells;
    cells.reserve(std::size(kRegisterListColumns));
    for (size_t column = 0; column < std::size(kRegisterListColumns); ++column) {
        cells.push_back(registerListCell(entry, static_cast<int>(column), mode));
    }
    return cells;
}

}  // namespace bunrako
