#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace bunrako {

struct CDocMasterData;

// Look-ups that storing a volume needs, kept up to date while volumes are
// added one after another without re-reading the file (bulk import, year
// switch), so that each add costs O(1) on average instead of a scan of the
// whole list. It answers exactly as a scan in list order would.
class VolumeNumberIndex {
  public:
    explicit VolumeNumberIndex(std::span<const CDocMasterData> volumes);

    // The lowest index of a volume with the same creation year, title,
    // department and section.
    std::optional<size_t> findSameVolume(std::span<const CDocMasterData> volumes,
                                         const CDocMasterData& volume) const;
    // The serial of the first volume (lowest index) whose number has the
    // prefix and whose title is the title.
    std::optional<int> serialOfTitle(std::span<const CDocMasterData> volumes,
                                     std::string_view prefix, std::string_view title) const;
    // The highest serial among the numbers with the prefix.
    std::optional<int> highestSerial(std::string_view prefix) const;

    // The volume at the index was overwritten (same identity, new number).
    void replaced(size_t index, const CDocMasterData& before, const CDocMasterData& after);
    void appended(size_t index, const CDocMasterData& volume);

  private:
    void addNumber(uint32_t index, const CDocMasterData& volume);
    void removeNumber(uint32_t index, const CDocMasterData& volume);

    // Title, department and section → indices in ascending order.
    std::unordered_map<std::string, std::vector<uint32_t>> m_byIdentity;
    // Number prefix + NUL + title → indices in ascending order.
    std::unordered_map<std::string, std::vector<uint32_t>> m_byPrefixAndTitle;
    // Number prefix → how many numbers carry each serial.
    std::unordered_map<std::string, std::map<int, uint32_t>> m_serialsByPrefix;
};

}  // namespace bunrako
