#include "register/bunsho_ken_meibo_list.h"

#include <algorithm>
#include <cstring>

#include "common/cp932.h"
#include "common/data_file.h"
#include "common/file_io.h"
#include "common/format_text.h"
#include "common/my_tool.h"
#include "common/prompt.h"
#include "register/texts.h"

namespace bunrako {
namespace {

namespace texts = register_::texts;

constexpr size_t kTagBytes = 21;

// The identity by which entries are replaced and ordered.
struct EntryKey {
    std::string_view section;
    int year;
    int32_t number;

    static EntryKey of(const CBunshoKenMeiboData& entry) {
        return {entry.sectionPrefix(), entry.registerYear.year(), entry.documentNumberValue()};
    }
    bool sameSectionAndYear(const EntryKey& other) const {
        return section == other.section && year == other.year;
    }
    bool operator==(const EntryKey& other) const {
        return sameSectionAndYear(other) && number == other.number;
    }
};

std::filesystem::path comparablePath(const std::filesystem::path& path) {
    std::error_code ignored;
    std::filesystem::path canonical = std::filesystem::weakly_canonical(path, ignored);
    return canonical.empty() ? path.lexically_normal() : canonical;
}

bool readsAsTag(std::string_view header) {
    // The header is a NUL-terminated text in 21 bytes; a short file reads as
    // if the missing bytes were zero.
    return textBytes(header) == texts::kRegisterTag;
}

std::string foreignTag(std::string_view bytes) {
    const std::string_view header = bytes.substr(0, kTagBytes);
    return storedText(header);
}

bool inWindow(const OleDateTime& date, const OleDateTime& first, const OleDateTime& last) {
    if (!date.isValid() || !first.isValid() || !last.isValid()) return false;
    // Compared by calendar day, so that an entry received on the last day of
    // the year at some time of day still counts.
    const double day = date.datePart().days();
    return first.days() <= day && day <= last.days();
}

}  // namespace

bool CBunshoKenMeiboList::LoadUnlessJustSaved(const std::filesystem::path& path,
                                              std::chrono::milliseconds trustFor) {
    if (m_savedAt && m_savedAt->file == comparablePath(path) &&
        std::chrono::steady_clock::now() - m_savedAt->at < trustFor) {
        m_savedAt.reset();
        return true;
    }
    return Load(path);
}

bool CBunshoKenMeiboList::Load(const std::filesystem::path& path) {
    m_savedAt.reset();
    m_lastLoad = {};
    std::string& bytes = m_fileImage;
    const ReadAttempts once{1, ""};
    if (readDataFile(m_prompt, path, bytes, pathToUtf8(path), once) != FileErrorCause::none) {
        return false;
    }
    const bool current = !bytes.empty() && bytes[0] == 'B';
    if (current && !readsAsTag(std::string_view(bytes).substr(0, kTagBytes))) {
        m_lastLoad.format = LoadReport::Format::foreign;
        m_lastLoad.tag = foreignTag(bytes);
        m_foreignFiles[comparablePath(path)] = m_lastLoad.tag;
        return true;
    }
    m_foreignFiles.erase(comparablePath(path));
    if (current) {
        m_lastLoad.format = LoadReport::Format::current;
        m_lastLoad.tag = texts::kRegisterTag;
        if (bytes.size() < kTagBytes) {
            m_entries.clear();
            m_lastLoad.droppedBytes = bytes.size();
            return false;
        }
        const size_t count = (bytes.size() - kTagBytes) / CBunshoKenMeiboData::kSize;
        // The entries already in the list are overwritten, not built again,
        // and there is room for the entries a change adds: a register re-read
        // at every change is not allocated afresh each time.
        if (m_entries.capacity() < count + 1) m_entries.reserve(count + count / 16 + 1);
        m_entries.resize(count);
        if (count > 0) {
            std::memcpy(m_entries.data(), bytes.data() + kTagBytes,
                        count * CBunshoKenMeiboData::kSize);
        }
        m_lastLoad.droppedBytes = (bytes.size() - kTagBytes) % CBunshoKenMeiboData::kSize;
        return true;
    }
    m_lastLoad.format = LoadReport::Format::legacy;
    m_entries.clear();
    const size_t count = bytes.size() / CBunshoKenMeiboData::kLegacySize;
    m_entries.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        m_entries.push_back(
            CBunshoKenMeiboData::fromLegacy(bytes.data() + i * CBunshoKenMeiboData::kLegacySize));
    }
    m_lastLoad.droppedBytes = bytes.size() % CBunshoKenMeiboData::kLegacySize;
    return true;
}

bool CBunshoKenMeiboList::Save(const std::filesystem::path& path) {
    if (const auto foreign = m_foreignFiles.find(comparablePath(path));
        foreign != m_foreignFiles.end()) {
        m_prompt.showMessage(formatPrintf(texts::kRegisterForeignFile, pathToUtf8(path).c_str(),
                                          foreign->second.c_str()),
                             {}, MessageIcon::error);
        return false;
    }
    std::string& bytes = m_fileImage;
    bytes.assign(kTagBytes, '\0');
    std::memcpy(bytes.data(), texts::kRegisterTag, std::strlen(texts::kRegisterTag));
    bytes.append(reinterpret_cast<const char*>(m_entries.data()),
                 m_entries.size() * CBunshoKenMeiboData::kSize);
    m_savedAt.reset();
    if (!writeDataFile(m_prompt, path, bytes, pathToUtf8(path), true)) return false;
    m_savedAt = Saved{comparablePath(path), std::chrono::steady_clock::now()};
    return true;
}

bool CBunshoKenMeiboList::BackupBeforeSave(const std::filesystem::path& path) const {
    return copyFileIfExists(path, safetyCopyPath(path)) == FileErrorCause::none;
}

void CBunshoKenMeiboList::AddOrReplace(const CBunshoKenMeiboData& record) {
    m_savedAt.reset();
    const EntryKey key = EntryKey::of(record);
    for (CBunshoKenMeiboData& entry : m_entries) {
        if (EntryKey::of(entry) == key) {
            entry = record;
            return;
        }
    }
    for (size_t i = m_entries.size(); i-- > 0;) {
        const EntryKey other = EntryKey::of(m_entries[i]);
        if (other.sameSectionAndYear(key) && other.number < key.number) {
            m_entries.insert(m_entries.begin() + static_cast<std::ptrdiff_t>(i) + 1, record);
            return;
        }
    }
    m_entries.insert(m_entries.begin(), record);
}

void CBunshoKenMeiboList::AddToArchive(const CBunshoKenMeiboData& record) {
    m_savedAt.reset();
    const EntryKey key = EntryKey::of(record);
    std::optional<size_t> sameIdentity;
    for (size_t i = 0; i < m_entries.size(); ++i) {
        if (std::memcmp(&m_entries[i], &record, sizeof record) == 0) return;
        if (EntryKey::of(m_entries[i]) == key) sameIdentity = i;
    }
    if (!sameIdentity) {
        AddOrReplace(record);
        return;
    }
    m_entries.insert(m_entries.begin() + static_cast<std::ptrdiff_t>(*sameIdentity) + 1, record);
}

bool CBunshoKenMeiboList::Remove(const CBunshoKenMeiboData& target) {
    m_savedAt.reset();
    const std::string targetMonth = target.registerYear.format("%Y,%m");
    for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
        if (it->calendarYearFlag == listCalendarYearFlag &&
            it->registerYear.format("%Y,%m") == targetMonth &&
            fixedBytes(it->documentNumber) == fixedBytes(target.documentNumber) &&
            it->sectionPrefix() == target.sectionPrefix()) {
            m_entries.erase(it);
            return true;
        }
    }
    return false;
}

std::string CBunshoKenMeiboList::NextDocumentNumber(const std::filesystem::path& path,
                                                    const OleDateTime& date, int fiscalStartType) {
    if (path.empty()) return {};
    Load(path);
    return NextNumberInList(date, fiscalStartType);
}

std::string CBunshoKenMeiboList::NextNumberInList(const OleDateTime& date,
                                                  int fiscalStartType) const {
    OleDateTime first;
    OleDateTime last;
    if (listCalendarYearFlag != 0) {
        first = OleDateTime::fromDate(date.year(), 1, 1);
        last = OleDateTime::fromDate(date.year(), 12, 31);
    } else {
        const CMyTool tool;
        first = tool.FiscalYearStart(date, fiscalStartType);
        last = tool.FiscalYearEnd(date, fiscalStartType);
    }
    int32_t largest = 0;
    for (const CBunshoKenMeiboData& entry : m_entries) {
        if (inWindow(entry.receivedDate, first, last)) {
            largest = std::max(largest, entry.documentNumberValue());
        }
    }
    return std::to_string(static_cast<int64_t>(largest) + 1);
}

}  // namespace bunrako
