#pragma once

#include <string>
#include <vector>

#include "volumes/bosatu_tyuushutu_jouken.h"
#include "volumes/doc_master_data.h"
#include "volumes/hozon_nengen_henkousho_data.h"

namespace bunrako {

class DocumentData;

// What one register tab shows after a refill: copies of the records that
// pass the tab's extraction criteria, in row order, and the caption above
// the list. The view keeps them until the next refill.
template <class Record>
struct RegisterRows {
    std::vector<Record> records;
    std::string caption;
};

// 文書整理一覧表, 永年簿冊台帳 or 廃棄簿冊名一覧表: re-reads the volume file
// (the disposed-volume file for the last) so that changes made at other
// workstations show, and keeps the volumes that pass the tab's criteria in
// file order; the volume list by title when titleOrder is set.
RegisterRows<CDocMasterData> RefillVolumeTab(DocumentData& document, VolumeTab tab,
                                             bool titleOrder);

// 保存年限変更書: re-reads the change-form file and keeps the forms that pass
// the change-form criteria, in file order.
RegisterRows<CHozonNengenHenkoushoData> RefillChangeFormTab(DocumentData& document);

}  // namespace bunrako
