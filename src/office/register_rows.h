#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/kanren_file_data.h"
#include "catalogue/sakuin_mokuroku_list.h"
#include "register/bunsho_ken_meibo_data.h"
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
// file order; the volume list by title when titleOrder is set. The rows are
// made in the storage given (the rows they replace).
RegisterRows<CDocMasterData> RefillVolumeTab(DocumentData& document, VolumeTab tab, bool titleOrder,
                                             std::vector<CDocMasterData> storage = {});

// 保存年限変更書: re-reads the change-form file and keeps the forms that pass
// the change-form criteria, in file order.
RegisterRows<CHozonNengenHenkoushoData> RefillChangeFormTab(DocumentData& document);

// 文書件名簿: re-reads the title register (when the section keeps one) and
// keeps the entries that pass the register criteria, in file order, in the
// storage given.
RegisterRows<CBunshoKenMeiboData> RefillRegisterTab(DocumentData& document,
                                                    std::vector<CBunshoKenMeiboData> storage = {});

// 索引目録 of a volume of the volume list: loads its catalogue, brings the
// header in line with the volume (writing the catalogue when anything
// differed) and keeps the entries that pass the catalogue criteria; the
// caption names the volume.
RegisterRows<CSakuinMokurokuList> RefillCatalogueTab(DocumentData& document,
                                                     const CDocMasterData& volume);

// Where the related files of a document are listed: beside the index
// catalogue of its volume, named after its subject. A register entry's
// volume is found in the volume file by its management number; nothing when
// the volume file has no such volume.
std::filesystem::path RelatedFilesOfCatalogueEntry(DocumentData& document,
                                                   const CDocMasterData& volume,
                                                   const CSakuinMokurokuList& entry);
std::optional<std::filesystem::path> RelatedFilesOfRegisterEntry(DocumentData& document,
                                                                 const CBunshoKenMeiboData& entry);

// 関連ファイル of one document: points the document's related-file list at
// the list file (none: the document has no place for one) and reads it;
// the caption names the document by its subject.
RegisterRows<CKanrenFileData> RefillRelatedFileTab(
    DocumentData& document, const std::optional<std::filesystem::path>& listFile,
    const std::string& subject);

}  // namespace bunrako
