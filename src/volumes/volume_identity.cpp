#include "volumes/volume_identity.h"

#include "common/cp932.h"
#include "volumes/doc_master_data.h"

namespace bunrako {
namespace {

template <size_t N>
bool sameText(const char (&a)[N], const char (&b)[N]) {
    return fixedBytes(a) == fixedBytes(b);
}

}  // namespace

bool isSameVolume(const CDocMasterData& a, const CDocMasterData& b) {
    return sameText(a.Title, b.Title) && sameText(a.KaMei, b.KaMei) &&
           sameText(a.KakariMei, b.KakariMei) && a.SakuseiNendo == b.SakuseiNendo;
}

bool isSameVolumeToRemove(const CDocMasterData& a, const CDocMasterData& b) {
    return isSameVolume(a, b) && sameText(a.DaiBunruiMei, b.DaiBunruiMei) &&
           sameText(a.ChuuBunruiMei, b.ChuuBunruiMei) && sameText(a.ShouBunruiMei, b.ShouBunruiMei);
}

std::string volumeIdentityKey(const CDocMasterData& volume) {
    std::string key(fixedBytes(volume.Title));
    // NUL cannot occur inside a field's text, so it separates them safely.
    key += '\0';
    key += fixedBytes(volume.KaMei);
    key += '\0';
    key += fixedBytes(volume.KakariMei);
    return key;
}

}  // namespace bunrako
