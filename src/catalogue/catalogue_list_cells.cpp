#include "catalogue/catalogue_list_cells.h"

#include "catalogue/sakuin_mokuroku_header.h"
#include "catalogue/sakuin_mokuroku_list.h"
#include "catalogue/texts.h"
#include "common/cp932.h"
#include "common/format_text.h"
#include "common/my_tool.h"

namespace bunrako {
namespace {

namespace ct = catalogue::texts;

constexpr ListColumn kCatalogueListColumns[] = {
    {ct::kColumnReceived, 100},
    {ct::kColumnDocumentNumber, 80},
    {ct::kColumnDocumentName, 500},
    {ct::kColumnRemarks, 200},
};
static_assert(std::size(kCatalogueListColumns) == static_cast<size_t>(CatalogueListColumn::count));

constexpr int kDayForm = 0;
constexpr int kYearForm = 2;

// The calendar is read-only once built; the cells share one.
const CMyTool& calendar() {
    static const CMyTool tool;
    return tool;
}

std::string receivedCell(const OleDateTime& date, CalendarMode mode) {
    if (!date.isValid()) return {};
    if (mode.western) {
        return formatPrintf(ct::kCellWesternDate, date.year(), date.month(), date.day());
    }
    return calendar().FormatEraDateShort(calendar().DateToEraText(date), kDayForm);
}

template <size_t N>
std::string text(const char (&field)[N]) {
    return readFixedText(field);
}

}  // namespace

std::span<const ListColumn> catalogueListColumns() { return kCatalogueListColumns; }

std::string catalogueListCell(const CSakuinMokurokuList& entry, int column, CalendarMode mode) {
    switch (static_cast<CatalogueListColumn>(column)) {
        case CatalogueListColumn::received:
            return receivedCell(entry.receivedDate, mode);
        case CatalogueListColumn::number:
            return text(entry.documentNumber);
        case CatalogueListColumn::name:
            return text(entry.subject);
        case CatalogueListColumn::note:
            return text(entry.remarks);
        default:
            return {};
    }
}

std::vector<std::string> catalogueListCells(const CSakuinMokurokuList& entry, CalendarMode mode) {
    std::vector<std::string> cells;
    cells.reserve(std::size(kCatalogueListColumns));
    for (size_t column = 0; column < std::size(kCatalogueListColumns); ++column) {
        cells.push_back(catalogueListCell(entry, static_cast<int>(column), mode));
    }
    return cells;
}

std::string catalogueCaption(const CSakuinMokurokuHeader& header, CalendarMode mode) {
    // The year shows as the label of the volume's fiscal year, as everywhere
    // else the volume's year is shown.
    const OleDateTime label = calendar().FiscalLabelDate(header.fiscalYear, mode.periodType);
    const std::string major = text(header.majorClassCode);
    const std::string middle = text(header.middleClassCode);
    const std::string minor = text(header.minorClassCode);
    const std::string title = text(header.volumeTitle);
    const std::string department = text(header.departmentName);
    const std::string section = text(header.sectionName);
    if (mode.western) {
        return formatPrintf(ct::kCaptionWestern, label.year(), major.c_str(), middle.c_str(),
                            minor.c_str(), title.c_str(), department.c_str(), section.c_str());
    }
    const std::string year = calendar().FormatDate(label, kYearForm);
    return formatPrintf(ct::kCaptionEra, year.c_str(), major.c_str(), middle.c_str(), minor.c_str(),
                        title.c_str(), department.c_str(), section.c_str());
}

}  // namespace bunrako
