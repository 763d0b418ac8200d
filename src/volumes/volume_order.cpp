#include "volumes/volume_order.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <unordered_map>
#include <vector>

#include "common/cp932.h"
#include "common/my_tool.h"
#include "volumes/doc_master_data.h"

namespace bunrako {
namespace {

constexpr size_t kEraWidth = 4;
constexpr size_t kMajorWidth = 4;
constexpr size_t kCodeWidth = 2;
constexpr size_t kSerialPosition = 15;
constexpr size_t kSerialWidth = 4;

// printf's "%*s" without a cut: codes are short enough for their width.
char* putRightAligned(std::string_view text, size_t width, char* out) {
    const std::string_view cut = truncateCp932(text, width);
    const size_t blanks = width - cut.size();
    std::memset(out, ' ', blanks);
    if (!cut.empty()) std::memcpy(out + blanks, cut.data(), cut.size());
    return out + width;
}

char* putLeftAligned(std::string_view text, size_t width, char* out) {
    const size_t used = std::min(text.size(), width);
    if (used > 0) std::memcpy(out, text.data(), used);
    std::memset(out + used, ' ', width - used);
    return out + width;
}

// Era texts of the creation years. A file holds few distinct years, and they
// come in runs, so the last one is checked before the map.
class EraPrefixCache {
  public:
    explicit EraPrefixCache(const CMyTool& tool) : m_tool(tool) {}

    std::string_view prefixOf(const OleDateTime& date) {
        const uint64_t bits = std::bit_cast<uint64_t>(date.days());
        const Key key{bits, static_cast<int32_t>(date.status())};
        if (m_last && m_last->first == key) return m_last->second;
        auto [entry, added] = m_cache.try_emplace(key);
        if (added) {
            const std::string era = m_tool.DateToEraText(date);
            entry->second = era.substr(0, std::min(era.size(), kEraWidth));
        }
        m_last = &*entry;
        return entry->second;
    }

  private:
    struct Key {
        uint64_t bits;
        int32_t status;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        size_t operator()(const Key& key) const {
            return std::hash<uint64_t>()(key.bits ^ (static_cast<uint64_t>(key.status) << 61));
        }
    };
    const CMyTool& m_tool;
    std::unordered_map<Key, std::string, KeyHash> m_cache;
    const std::pair<const Key, std::string>* m_last = nullptr;
};

VolumeSortKey buildKey(const CDocMasterData& volume, std::string_view eraPrefix) {
    VolumeSortKey key;
    char* out = putLeftAligned(eraPrefix, kEraWidth, key.data());
    out = putRightAligned(fixedBytes(volume.DaiBunruiCode), kMajorWidth, out);
    out = putRightAligned(fixedBytes(volume.ChuuBunruiCode), kCodeWidth, out);
    out = putRightAligned(fixedBytes(volume.ShouBunruiCode), kCodeWidth, out);
    const std::string_view number = fixedBytes(volume.KanriBangou);
    const std::string_view serial =
        number.size() > kSerialPosition ? number.substr(kSerialPosition, kSerialWidth) : "";
    putLeftAligned(serial, kSerialWidth, out);
    return key;
}

bool keyLess(const VolumeSortKey& a, const VolumeSortKey& b) {
    return std::memcmp(a.data(), b.data(), a.size()) < 0;
}

// Moves the records so that position k receives the record at order[k],
// following each cycle of the permutation with one spare record.
void applyOrder(std::span<CDocMasterData> volumes, const std::vector<uint32_t>& order) {
    std::vector<bool> placed(volumes.size(), false);
    for (size_t start = 0; start < volumes.size(); ++start) {
        if (placed[start] || order[start] == start) continue;
        const CDocMasterData spare = volumes[start];
        size_t at = start;
        while (true) {
            placed[at] = true;
            const size_t from = order[at];
            if (from == start) {
                volumes[at] = spare;
                break;
            }
            volumes[at] = volumes[from];
            at = from;
        }
    }
}

}  // namespace

VolumeSortKey volumeSortKey(const CDocMasterData& volume, const CMyTool& tool) {
    const std::string era = tool.DateToEraText(volume.SakuseiNendo);
    return buildKey(volume, std::string_view(era).substr(0, std::min(era.size(), kEraWidth)));
}

void sortVolumes(std::span<CDocMasterData> volumes, const CMyTool& tool) {
    EraPrefixCache eras(tool);
    std::vector<VolumeSortKey> keys;
    keys.reserve(volumes.size());
    for (const CDocMasterData& volume : volumes) {
        keys.push_back(buildKey(volume, eras.prefixOf(volume.SakuseiNendo)));
    }
    if (std::is_sorted(keys.begin(), keys.end(), keyLess)) return;

    std::vector<uint32_t> order(volumes.size());
    for (uint32_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&keys](uint32_t a, uint32_t b) { return keyLess(keys[a], keys[b]); });
    applyOrder(volumes, order);
}

}  // namespace bunrako
