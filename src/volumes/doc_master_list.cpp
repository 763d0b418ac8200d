#include "volumes/doc_master_list.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "common/cp932.h"
#include "common/data_file.h"
#include "common/file_io.h"
#include "common/my_tool.h"
#include "common/prompt.h"
#include "volumes/management_number.h"
#include "volumes/texts.h"
#include "volumes/volume_folders.h"
#include "volumes/volume_identity.h"
#include "volumes/volume_number_index.h"
#include "volumes/volume_order.h"

namespace bunrako {
namespace {

constexpr size_t kCountSize = sizeof(uint32_t);
constexpr size_t kRecordSize = CDocMasterData::kSize;

std::string recordLabel(const std::string& path, size_t index) {
    char label[64];
    std::snprintf(label, sizeof label, volumes::texts::kRecordLabel, index);
    return path + label;
}

}  // namespace

CDocMasterList::CDocMasterList(std::filesystem::path path, Prompt& prompt)
    : m_path(path.empty() ? pathFromUtf8(volumes::texts::kVolumeFileName) : std::move(path)),
      m_prompt(prompt) {}

CDocMasterList::~CDocMasterList() = default;

int CDocMasterList::Read() {
    m_records.clear();
    invalidateIndex();
    m_lastRead = {};
    const std::string pathText = pathToUtf8(m_path);
    const std::string openLabel = pathText + volumes::texts::kReadOpenLabel;
    ReadAttempts attempts;
    attempts.attempts = m_readAttempts;
    attempts.finalMessage = openLabel + volumes::texts::kCheckNetwork;
    std::string image;
    if (readDataFile(m_prompt, m_path, image, openLabel, attempts) != FileErrorCause::none) {
        m_lastRead.outcome = VolumeFileReadReport::Outcome::openFailed;
        return 0;
    }
    m_lastRead.fileSize = image.size();
    if (image.size() < kCountSize) {
        m_lastRead.outcome = VolumeFileReadReport::Outcome::noCount;
        // A file just created is empty; one of 1-3 bytes has lost its count.
        if (!image.empty()) {
            CMyTool::CheckFileError(m_prompt, FileErrorCause::endOfFile,
                                    pathText + volumes::texts::kCountLabel, true);
        }
        return 0;
    }
    parseImage(image);
    if (m_lastRead.outcome == VolumeFileReadReport::Outcome::truncated) {
        CMyTool::CheckFileError(m_prompt, FileErrorCause::endOfFile,
                                recordLabel(pathText, m_lastRead.recordsRead), true);
        return 0;
    }
    return 1;
}

// The count word is only believed as far as the file reaches: nothing is
// allocated beyond the records that are really there.
void CDocMasterList::parseImage(std::string_view image) {
    uint32_t count = 0;
    std::memcpy(&count, image.data(), kCountSize);
    const uint64_t dataBytes = image.size() - kCountSize;
    const uint64_t available = dataBytes / kRecordSize;
    const size_t toRead = static_cast<size_t>(std::min<uint64_t>(count, available));
    m_records.reserve(toRead);
    const char* data = image.data() + kCountSize;
    for (size_t i = 0; i < toRead; ++i) {
        CDocMasterData& volume = m_records.emplace_back();
        std::memcpy(static_cast<void*>(&volume), data + i * kRecordSize, kRecordSize);
        normaliseManagementNumber(volume);
    }
    m_lastRead.declaredCount = count;
    m_lastRead.recordsRead = toRead;
    const uint64_t used = static_cast<uint64_t>(toRead) * kRecordSize;
    if (count > available) {
        m_lastRead.outcome = VolumeFileReadReport::Outcome::truncated;
        m_lastRead.incompleteBytes = dataBytes - used;
    } else {
        m_lastRead.bytesBeyondCount = dataBytes - used;
    }
}

int CDocMasterList::Write() {
    const uint32_t count = static_cast<uint32_t>(m_records.size());
    std::string image(kCountSize + m_records.size() * kRecordSize, '\0');
    std::memcpy(image.data(), &count, kCountSize);
    if (!m_records.empty()) {
        std::memcpy(image.data() + kCountSize, static_cast<const void*>(m_records.data()),
                    m_records.size() * kRecordSize);
    }
    const std::string label = pathToUtf8(m_path) + volumes::texts::kWriteOpenLabel;
    return writeDataFile(m_prompt, m_path, image, label, true) ? 1 : 0;
}

int CDocMasterList::AddOrReplace(const CDocMasterData& volume, bool noFileAccess) {
    if (!noFileAccess) {
        // Other workstations may have changed the file. A file that would not
        // open is not overwritten with what little the list holds.
        Read();
        if (m_lastRead.outcome == VolumeFileReadReport::Outcome::openFailed) return 0;
    }
    if (!m_index && m_addsWithoutIndex > 0) {
        m_index = std::make_unique<VolumeNumberIndex>(m_records);
    }
    CDocMasterData stored = volume;
    const std::optional<size_t> existing = findSameVolume(stored);
    const std::string prefix = buildNumberPrefix(stored, CMyTool());
    const std::optional<int> serial = chooseSerial(prefix, fixedBytes(stored.Title));
    if (!serial) {
        m_prompt.showMessage(
            pathToUtf8(m_path) + "\n" + volumes::texts::kSerialExhausted + stored.title(), {},
            MessageIcon::error);
        return 0;
    }
    setManagementNumber(stored, prefix, *serial);
    if (existing) {
        const CDocMasterData before = m_records[*existing];
        m_records[*existing] = stored;
        if (m_index) m_index->replaced(*existing, before, stored);
    } else {
        m_records.push_back(stored);
        if (m_index) m_index->appended(m_records.size() - 1, stored);
    }
    if (!m_index) ++m_addsWithoutIndex;
    if (noFileAccess) return 1;
    createFolderTree(stored);
    sort();
    return Write();
}

int CDocMasterList::Remove(const CDocMasterData& volume) {
    if (!Read()) return 0;
    const auto found = std::find_if(m_records.begin(), m_records.end(), [&](const auto& stored) {
        return isSameVolumeToRemove(stored, volume);
    });
    if (found == m_records.end()) return 0;
    m_records.erase(found);
    invalidateIndex();
    return Write();
}

void CDocMasterList::sort() {
    sortVolumes(m_records, CMyTool());
    invalidateIndex();
}

void CDocMasterList::createFolderTree(const CDocMasterData& volume) const {
    createVolumeFolderTree(m_path, volume);
}

std::filesystem::path CDocMasterList::catalogueFolder(const CDocMasterData& volume) const {
    return volumeCatalogueFolder(m_path, volume);
}

std::optional<size_t> CDocMasterList::findSameVolume(const CDocMasterData& volume) const {
    if (m_index) return m_index->findSameVolume(m_records, volume);
    for (size_t i = 0; i < m_records.size(); ++i) {
        if (isSameVolume(m_records[i], volume)) return i;
    }
    return std::nullopt;
}

// A volume that already has a number under the prefix and title lends its
// serial; otherwise the next one after the highest under the prefix.
std::optional<int> CDocMasterList::chooseSerial(std::string_view prefix,
                                                std::string_view title) const {
    std::optional<int> highest;
    if (m_index) {
        if (const auto lent = m_index->serialOfTitle(m_records, prefix, title)) return lent;
        highest = m_index->highestSerial(prefix);
    } else {
        for (const CDocMasterData& stored : m_records) {
            if (storedNumberPrefix(stored) != prefix) continue;
            const int serial = storedSerial(stored);
            if (fixedBytes(stored.Title) == title) return serial;
            highest = std::max(highest.value_or(serial), serial);
        }
    }
    const int next = highest ? std::max(*highest, 0) + 1 : 1;
    if (next > kHighestSerial) return std::nullopt;
    return next;
}

void CDocMasterList::invalidateIndex() {
    m_index.reset();
    m_addsWithoutIndex = 0;
}

}  // namespace bunrako
