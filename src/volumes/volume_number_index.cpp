#include "volumes/volume_number_index.h"

#include <algorithm>

#include "common/cp932.h"
#include "volumes/doc_master_data.h"
#include "volumes/management_number.h"
#include "volumes/volume_identity.h"

namespace bunrako {
namespace {

std::string prefixAndTitleKey(std::string_view prefix, std::string_view title) {
    std::string key(prefix);
    key += '\0';
    key += title;
    return key;
}

std::string prefixAndTitleKey(const CDocMasterData& volume) {
    return prefixAndTitleKey(storedNumberPrefix(volume), fixedBytes(volume.Title));
}

void insertSorted(std::vector<uint32_t>& indices, uint32_t index) {
    indices.insert(std::lower_bound(indices.begin(), indices.end(), index), index);
}

}  // namespace

VolumeNumberIndex::VolumeNumberIndex(std::span<const CDocMasterData> volumes) {
    m_byIdentity.reserve(volumes.size());
    m_byPrefixAndTitle.reserve(volumes.size());
    for (size_t i = 0; i < volumes.size(); ++i) appended(i, volumes[i]);
}

std::optional<size_t> VolumeNumberIndex::findSameVolume(std::span<const CDocMasterData> volumes,
                                                        const CDocMasterData& volume) const {
    const auto found = m_byIdentity.find(volumeIdentityKey(volume));
    if (found == m_byIdentity.end()) return std::nullopt;
    for (const uint32_t index : found->second) {
        if (isSameVolume(volumes[index], volume)) return index;
    }
    return std::nullopt;
}

std::optional<int> VolumeNumberIndex::serialOfTitle(std::span<const CDocMasterData> volumes,
                                                    std::string_view prefix,
                                                    std::string_view title) const {
    const auto found = m_byPrefixAndTitle.find(prefixAndTitleKey(prefix, title));
    if (found == m_byPrefixAndTitle.end() || found->second.empty()) return std::nullopt;
    return storedSerial(volumes[found->second.front()]);
}

std::optional<int> VolumeNumberIndex::highestSerial(std::string_view prefix) const {
    const auto found = m_serialsByPrefix.find(std::string(prefix));
    if (found == m_serialsByPrefix.end() || found->second.empty()) return std::nullopt;
    return found->second.rbegin()->first;
}

void VolumeNumberIndex::replaced(size_t index, const CDocMasterData& before,
                                 const CDocMasterData& after) {
    // The identity is the same by definition of a replacement; only the
    // number and the other fields change.
    removeNumber(static_cast<uint32_t>(index), before);
    addNumber(static_cast<uint32_t>(index), after);
}

void VolumeNumberIndex::appended(size_t index, const CDocMasterData& volume) {
    const auto position = static_cast<uint32_t>(index);
    insertSorted(m_byIdentity[volumeIdentityKey(volume)], position);
    addNumber(position, volume);
}

void VolumeNumberIndex::addNumber(uint32_t index, const CDocMasterData& volume) {
    insertSorted(m_byPrefixAndTitle[prefixAndTitleKey(volume)], index);
    ++m_serialsByPrefix[std::string(storedNumberPrefix(volume))][storedSerial(volume)];
}

void VolumeNumberIndex::removeNumber(uint32_t index, const CDocMasterData& volume) {
    if (auto found = m_byPrefixAndTitle.find(prefixAndTitleKey(volume));
        found != m_byPrefixAndTitle.end()) {
        auto& indices = found->second;
        const auto at = std::lower_bound(indices.begin(), indices.end(), index);
        if (at != indices.end() && *at == index) indices.erase(at);
        if (indices.empty()) m_byPrefixAndTitle.erase(found);
    }
    if (auto found = m_serialsByPrefix.find(std::string(storedNumberPrefix(volume)));
        found != m_serialsByPrefix.end()) {
        auto& serials = found->second;
        if (auto serial = serials.find(storedSerial(volume)); serial != serials.end()) {
            if (--serial->second == 0) serials.erase(serial);
        }
        if (serials.empty()) m_serialsByPrefix.erase(found);
    }
}

}  // namespace bunrako
