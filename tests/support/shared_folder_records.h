#pragma once

#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/cp932.h"
#include "settings/shoki_settei_data.h"
#include "volumes/doc_master_data.h"

// The records that the shared-folder tests and their worker processes
// write: volumes of one section (so that all share one number prefix),
// register settings, and generations of a volume file whose every record
// names its generation.
namespace bunrako::testing {

inline CDocMasterData sharedFolderVolume(const std::string& title) {
    CDocMasterData volume = CDocMasterData::NewRecord(OleDateTime::fromDate(2024, 4, 1));
    volume.setKaMei("総務課");
    volume.setKakariMei("庶務係");
    volume.setKaBunruiCode("0010010000");
    volume.setDaiBunruiCode("1");
    volume.setDaiBunruiMei("文書");
    volume.setChuuBunruiCode("1");
    volume.setChuuBunruiMei("例規");
    volume.setShouBunruiCode("1");
    volume.setShouBunruiMei("条例");
    volume.setTitle(title);
    return volume;
}

inline CShokiSetteiData sharedFolderSettings() {
    CShokiSetteiData settings{};
    settings.m_nRegisterPeriod = 0;
    settings.m_nManagementPeriod = 0;
    settings.m_strSectionCode = "001001";
    settings.m_strNumberPrefix = "総庶";
    return settings;
}

// Generation g holds 200 + g % 37 volumes titled "g<g>-<i>".
inline size_t generationSize(int generation) { return 200 + static_cast<size_t>(generation % 37); }

inline std::vector<CDocMasterData> generationVolumes(int generation) {
    std::vector<CDocMasterData> volumes;
    for (size_t i = 0; i < generationSize(generation); ++i) {
        volumes.push_back(
            sharedFolderVolume("g" + std::to_string(generation) + "-" + std::to_string(i)));
    }
    return volumes;
}

// The generation a volume file holds when it is complete: its count word
// matches its length and the generation's size, and every record names the
// same generation. None for a cut or mixed file.
inline std::optional<int> completeGeneration(std::string_view bytes) {
    constexpr size_t kRecord = 656, kTitleAt = 163, kTitleSize = 73;
    if (bytes.size() < 4) return std::nullopt;
    uint32_t count = 0;
    std::memcpy(&count, bytes.data(), 4);
    if (bytes.size() != 4 + count * kRecord) return std::nullopt;
    std::optional<int> generation;
    for (size_t i = 0; i < count; ++i) {
        const std::string_view field = bytes.substr(4 + i * kRecord + kTitleAt, kTitleSize);
        const std::string title(field.substr(0, field.find('\0')));
        if (title.size() < 2 || title[0] != 'g') return std::nullopt;
        const int named = std::stoi(title.substr(1));
        if (generation && *generation != named) return std::nullopt;
        generation = named;
    }
    if (!generation || generationSize(*generation) != count) return std::nullopt;
    return generation;
}

}  // namespace bunrako::testing
