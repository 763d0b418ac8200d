#pragma once

#include <span>
#include <string>
#include <vector>

#include "settings/calendar_mode.h"
#include "settings/list_column.h"

namespace bunrako {

struct CDocMasterData;
struct CHozonNengenHenkoushoData;

// The columns of the volume list and of the list of disposed volumes, in order.
enum class VolumeListColumn : int {
    department = 0,
    section,
    major,
    middle,
    minor,
    serial,
    title,
    books,
    filingFrom,
    filingTo,
    retention,
    expiry,
    dailyUse,
    contents,
    disposal,
    count,
};

// The columns of the ledger of permanent volumes, in order (period1-3: the review periods).
enum class PermanentLedgerColumn : int {
    department = 0,
    section,
    major,
    middle,
    minor,
    serial,
    title,
    books,
    filingFrom,
    filingTo,
    retention,
    review1,
    period1,
    review2,
    period2,
    review3,
    period3,
    disposal,
    note,
    count,
};

// The columns of the list of change forms, in order.
enum class ChangeFormListColumn : int {
    department = 0,
    section,
    major,
    middle,
    minor,
    serial,
    title,
    filingFrom,
    filingTo,
    retentionBefore,
    retentionAfter,
    reason,
    count,
};

// The columns of the volume list (文書整理一覧表), also used by the list of
// disposed volumes (廃棄簿冊名一覧表).
std::span<const ListColumn> volumeListColumns();
// The columns of the ledger of permanent volumes (永年簿冊台帳).
std::span<const ListColumn> permanentLedgerColumns();
// The columns of the list of change forms (保存年限変更書).
std::span<const ListColumn> changeFormListColumns();

// The texts of a row, UTF-8, one per column in the order of the columns.
// Years show as the label year of their fiscal year ("2008" or "H20"),
// months as the label year and month ("2008.4" or "H20.4"); a date that is
// not valid shows empty.
// One cell at a time, for a view that asks cell by cell ("" for a column
// the list does not have).
std::string volumeListCell(const CDocMasterData& volume, int column, CalendarMode mode);
std::string permanentLedgerCell(const CDocMasterData& volume, int column, CalendarMode mode);
std::string changeFormListCell(const CHozonNengenHenkoushoData& form, int column,
                               CalendarMode mode);
// The whole row.
std::vector<std::string> volumeListCells(const CDocMasterData& volume, CalendarMode mode);
std::vector<std::string> permanentLedgerCells(const CDocMasterData& volume, CalendarMode mode);
std::vector<std::string> changeFormListCells(const CHozonNengenHenkoushoData& form,
                                             CalendarMode mode);

// A review period in whole years as the ledger shows it: its days rounded by
// half a second away from zero, cut to whole days, divided by 365 with the
// remainder dropped (3660 days show as 10, 36234 as 99).
int ledgerPeriodYears(double days);

}  // namespace bunrako
