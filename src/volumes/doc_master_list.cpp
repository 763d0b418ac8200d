#include "volumes/doc_master_list.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>
#include <unordered_map>
#include <vector>

#include "common/cp932.h"
#include "common/data_file.h"
#include "common/data_file_lock.h"
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

constexpr size_t kRecordSize = CDocMasterData::kSize;
static_assert(alignof(CDocMasterData) <= 4, "records lie 4 bytes into the image");

std::string recordLabel(const std::string& path, size_t index) {
    char label[64];
    std::snprintf(label, sizeof label, volumes::texts::kRecordLabel, index);
    return path + label;
}

}  // namespace

CDocMasterList::CDocMasterList(std::filesystem::path path, Prompt& prompt)
    : m_path(path.empty() ? pathFromUtf8(volumes::texts::kVolumeFileName) : std::move(path)),
      m_prompt(prompt),
      m_image(kCountSize, '\0') {}

CDocMasterList::~CDocMasterList() = default;

// The image's heap storage was obtained from operator new, which creates the
// trivially copyable records implicitly; the bytes read into it are their
// object representations.
std::span<const CDocMasterData> CDocMasterList::records() const {
    if (empty()) return {};
    return {std::launder(reinterpret_cast<const CDocMasterData*>(m_image.data() + kCountSize)),
            size()};
}

std::span<CDocMasterData> CDocMasterList::mutableRecords() {
    m_writtenAt.reset();
    if (empty()) return {};
    return {std::launder(reinterpret_cast<CDocMasterData*>(m_image.data() + kCountSize)), size()};
}

void CDocMasterList::clearImage() {
    m_writtenAt.reset();
    m_image.assign(kCountSize, '\0');
    invalidateIndex();
}

int CDocMasterList::Read() {
    clearImage();
    m_lastRead = {};
    const std::string pathText = pathToUtf8(m_path);
    const std::string openLabel = pathText + volumes::texts::kReadOpenLabel;
    ReadAttempts attempts;
    attempts.attempts = m_readAttempts;
    attempts.finalMessage = openLabel + volumes::texts::kCheckNetwork;
    const FileErrorCause opened = readDataFile(m_prompt, m_path, m_image, openLabel, attempts);
    if (opened != FileErrorCause::none) {
        m_lastRead.state = ReadState::missing;
        m_lastRead.openError = opened;
        clearImage();
        return 0;
    }
    m_lastRead.fileSize = m_image.size();
    if (m_image.size() < kCountSize) {
        m_lastRead.state = m_image.empty() ? ReadState::empty : ReadState::headerCut;
        // A file just created is empty; one of 1-3 bytes has lost its count.
        if (!m_image.empty()) {
            CMyTool::CheckFileError(m_prompt, FileErrorCause::endOfFile,
                                    pathText + volumes::texts::kCountLabel, true);
        }
        clearImage();
        return 0;
    }
    takeCountedRecords();
    if (m_lastRead.state == ReadState::recordsMissing) {
        CMyTool::CheckFileError(m_prompt, FileErrorCause::endOfFile,
                                recordLabel(pathText, m_lastRead.recordsRead), true);
        return 0;
    }
    return 1;
}

int CDocMasterList::RefreshFromFile(std::chrono::milliseconds trustFor) {
    if (m_writtenAt && Steady::now() - *m_writtenAt < trustFor) {
        m_writtenAt.reset();
        return 1;
    }
    return Read();
}

// Keeps the records that the count word claims and the file really holds,
// and normalises their numbers. The count is only believed as far as the
// file reaches: nothing is allocated for records that are not there.
void CDocMasterList::takeCountedRecords() {
    uint32_t count = 0;
    std::memcpy(&count, m_image.data(), kCountSize);
    const size_t kept =
        measureCountedRecords(m_lastRead, count, m_image.size() - kCountSize, kRecordSize);
    m_image.resize(kCountSize + kept * kRecordSize);
    for (CDocMasterData& volume : mutableRecords()) normaliseManagementNumber(volume);
}

int CDocMasterList::Write() {
    const auto count = static_cast<uint32_t>(size());
    std::memcpy(m_image.data(), &count, kCountSize);
    const std::string label = pathToUtf8(m_path) + volumes::texts::kWriteOpenLabel;
    m_writtenAt.reset();
    if (!writeDataFile(m_prompt, m_path, m_image, label, true)) return 0;
    m_writtenAt = Steady::now();
    return 1;
}

int CDocMasterList::AddOrReplace(const CDocMasterData& volume, bool noFileAccess,
                                 DepartmentDigits department) {
    // Held from the re-read to the write, so that no other writer's change
    // falls between them.
    std::optional<DataFileLock> lock;
    if (!noFileAccess) {
        lock.emplace(m_prompt, m_path);
        if (!lock->held()) return 0;
        // Other workstations may have changed the file. A file that would not
        // open is not overwritten with what little the list holds.
        Read();
        if (!m_lastRead.opened()) return 0;
    }
    if (!m_index && m_addsWithoutIndex > 0) {
        m_index = std::make_unique<VolumeNumberIndex>(records());
    }
    CDocMasterData stored = volume;
    const std::optional<size_t> existing = findSameVolume(stored);
    const std::string prefix = buildNumberPrefix(stored, m_tool, department);
    const std::optional<int> serial = chooseSerial(prefix, fixedBytes(stored.Title));
    if (!serial) {
        m_prompt.showMessage(
            pathToUtf8(m_path) + "\n" + volumes::texts::kSerialExhausted + stored.title(), {},
            MessageIcon::error);
        return 0;
    }
    setManagementNumber(stored, prefix, *serial);
    if (existing) {
        CDocMasterData& target = mutableRecords()[*existing];
        const CDocMasterData before = target;
        target = stored;
        if (m_index) m_index->replaced(*existing, before, stored);
    } else {
        m_writtenAt.reset();
        m_image.append(reinterpret_cast<const char*>(&stored), kRecordSize);
        if (m_index) m_index->appended(size() - 1, stored);
    }
    if (!m_index) ++m_addsWithoutIndex;
    if (noFileAccess) return 1;
    createFolderTree(stored);
    sort();
    return Write();
}

int CDocMasterList::Remove(const CDocMasterData& volume) {
    const DataFileLock lock(m_prompt, m_path);
    if (!lock.held() || !Read()) return 0;
    const auto stored = records();
    const auto found = std::find_if(stored.begin(), stored.end(), [&](const auto& candidate) {
        return isSameVolumeToRemove(candidate, volume);
    });
    if (found == stored.end()) return 0;
    const auto index = static_cast<size_t>(found - stored.begin());
    m_writtenAt.reset();
    m_image.erase(kCountSize + index * kRecordSize, kRecordSize);
    invalidateIndex();
    return Write();
}

bool CDocMasterList::RemoveVolumes(std::span<const CDocMasterData> volumes) {
    const DataFileLock lock(m_prompt, m_path);
    if (!lock.held()) return false;
    if (!Read()) {
        // A file without a count holds nothing to remove; a file that would not
        // open or is shorter than its count must not be written back.
        return m_lastRead.countMissing();
    }
    // The stored volumes by title, department and section, so that each
    // removal looks at its few candidates; the file is compacted once.
    const auto stored = records();
    std::unordered_map<std::string, std::vector<size_t>> byIdentity;
    for (size_t i = 0; i < stored.size(); ++i) {
        byIdentity[volumeIdentityKey(stored[i])].push_back(i);
    }
    std::vector<bool> removed(stored.size(), false);
    bool removedAny = false;
    for (const CDocMasterData& volume : volumes) {
        const auto candidates = byIdentity.find(volumeIdentityKey(volume));
        if (candidates == byIdentity.end()) continue;
        for (size_t i : candidates->second) {
            if (removed[i] || !isSameVolumeToRemove(stored[i], volume)) continue;
            removed[i] = true;
            removedAny = true;
            break;
        }
    }
    if (!removedAny) return true;
    size_t kept = 0;
    for (size_t i = 0; i < removed.size(); ++i) {
        if (removed[i]) continue;
        if (kept != i) {
            std::memmove(m_image.data() + kCountSize + kept * kRecordSize,
                         m_image.data() + kCountSize + i * kRecordSize, kRecordSize);
        }
        ++kept;
    }
    m_writtenAt.reset();
    m_image.resize(kCountSize + kept * kRecordSize);
    invalidateIndex();
    return Write() == 1;
}

void CDocMasterList::sort() {
    sortVolumes(mutableRecords(), m_tool);
    invalidateIndex();
}

void CDocMasterList::createFolderTree(const CDocMasterData& volume) const {
    createVolumeFolderTree(m_path, volume);
}

std::filesystem::path CDocMasterList::catalogueFolder(const CDocMasterData& volume) const {
    return volumeCatalogueFolder(m_path, volume);
}

std::optional<size_t> CDocMasterList::findSameVolume(const CDocMasterData& volume) const {
    const auto stored = records();
    if (m_index) return m_index->findSameVolume(stored, volume);
    for (size_t i = 0; i < stored.size(); ++i) {
        if (isSameVolume(stored[i], volume)) return i;
    }
    return std::nullopt;
}

// A volume that already has a number under the prefix and title lends its
// serial; otherwise the next one after the highest under the prefix.
std::optional<int> CDocMasterList::chooseSerial(std::string_view prefix,
                                                std::string_view title) const {
    std::optional<int> highest;
    if (m_index) {
        if (const auto lent = m_index->serialOfTitle(records(), prefix, title)) return lent;
        highest = m_index->highestSerial(prefix);
    } else {
        for (const CDocMasterData& stored : records()) {
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
