#include "volumes/row_keys.h"

#include "common/row_key.h"
#include "volumes/doc_master_data.h"
#include "volumes/hozon_nengen_henkousho_data.h"

namespace bunrako {

void appendVolumeRowKey(const CDocMasterData& volume, std::string& key) {
    appendKeyBytes(key, volume.KanriBangou);
    appendKeyBytes(key, volume.Title);
}

void appendChangeFormRowKey(const CHozonNengenHenkoushoData& form, std::string& key) {
    appendKeyBytes(key, form.HenkouSakuseiNendo.days());
    appendKeyBytes(key, form.HenkouKaMei);
    appendKeyBytes(key, form.HenkouKakariMei);
    appendKeyBytes(key, form.HenkouShouBunruiMei);
    appendKeyBytes(key, form.HenkouTitle);
}

}  // namespace bunrako
