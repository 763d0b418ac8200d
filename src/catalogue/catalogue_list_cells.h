#pragma once

#include <span>
#include <string>
#include <vector>

#include "settings/calendar_mode.h"
#include "settings/list_column.h"

namespace bunrako {

struct CSakuinMokurokuHeader;
struct CSakuinMokurokuList;

// The columns of the index catalogue list, in order.
enum class CatalogueListColumn : int {
    received = 0,
    number,
    name,
    note,
    count,
};

// The columns of the index catalogue list (索引目録): 受付日, 文書番号, 文書名,
// 備考.
std::span<const ListColumn> catalogueListColumns();

// The text of one cell, UTF-8 ("" for a column the list does not have). The
// reception date shows as "2008.4.1" in Western mode and as "H20.4.1" in era
// mode; a date that is not valid shows empty.
std::string catalogueListCell(const CSakuinMokurokuList& entry, int column, CalendarMode mode);
// The whole row, one text per column.
std::vector<std::string> catalogueListCells(const CSakuinMokurokuList& entry, CalendarMode mode);

// The caption above the list, from the catalogue's header: the volume's
// fiscal year (its label year), the three classification codes, the title,
// the department and the section. "2008年度（01-02-03）会議録　　総務課　庶務係"
// in Western mode, "平成20年度（01-02-03）会議録　　総務課　庶務係" in era mode.
std::string catalogueCaption(const CSakuinMokurokuHeader& header, CalendarMode mode);

}  // namespace bunrako
