#pragma once

#include <span>
#include <string>
#include <vector>

#include "settings/calendar_mode.h"
#include "settings/list_column.h"

namespace bunrako {

struct CBunshoKenMeiboData;

// The columns of the title register list, in order.
enum class RegisterListColumn : int {
    received = 0,
    number,
    subject,
    sender,
    receiver,
    count,
};

// The columns of the title register list (文書件名簿): 受付日, 番号, 件名,
// 発信者, 受信者.
std::span<const ListColumn> registerListColumns();

// The text of one cell, UTF-8 ("" for a column the list does not have). The
// reception date shows as "2021.04.01" in Western mode and as "R3.4.1" in era
// mode; a date that is not valid shows empty.
std::string registerListCell(const CBunshoKenMeiboData& entry, int column, CalendarMode mode);
// The whole row, one text per column.
std::vector<std::string> registerListCells(const CBunshoKenMeiboData& entry, CalendarMode mode);

}  // namespace bunrako
