#include "catalogue/row_keys.h"

#include "catalogue/kanren_file_data.h"
#include "catalogue/sakuin_mokuroku_list.h"
#include "common/row_key.h"

namespace bunrako {

void appendCatalogueRowKey(const CSakuinMokurokuList& entry, std::string& key) {
    appendKeyBytes(key, entry.receivedDate.days());
    appendKeyBytes(key, entry.documentNumber);
    appendKeyBytes(key, entry.subject);
    appendKeyBytes(key, entry.remarks);
}

void appendRelatedFileRowKey(const CKanrenFileData& file, std::string& key) {
    appendKeyBytes(key, file.folder);
    appendKeyBytes(key, file.fileName);
}

}  // namespace bunrako
