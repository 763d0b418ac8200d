#include "catalogue/touroku_tyouhyou.h"

#include <algorithm>
#include <cstring>

#include "catalogue/texts.h"
#include "common/cp932.h"
#include "common/data_file.h"
#include "common/data_file_lock.h"
#include "common/file_io.h"
#include "common/prompt.h"

namespace bunrako {

namespace ct = catalogue::texts;

namespace {

constexpr size_t kTagSize = 15;
constexpr size_t kCountOffset = kTagSize;
constexpr size_t kFirstRecordOffset = kCountOffset + 4;

// The record as the file lays it out: fields back to back.
struct FileField {
    size_t memoryOffset;
    size_t size;
};
constexpr FileField kFileFields[] = {
    {offsetof(CTourokuTyouhyouData, title), sizeof CTourokuTyouhyouData::title},
    {offsetof(CTourokuTyouhyouData, file), sizeof CTourokuTyouhyouData::file},
    {offsetof(CTourokuTyouhyouData, runMode), sizeof CTourokuTyouhyouData::runMode},
    {offsetof(CTourokuTyouhyouData, option), sizeof CTourokuTyouhyouData::option},
};
constexpr size_t kFileRecordSize = 81 + 256 + 4 + 256;
static_assert(kFileRecordSize == 597);

CTourokuTyouhyouData recordFromFile(const char* image) {
    CTourokuTyouhyouData record;
    std::memset(&record, 0, sizeof record);
    for (const FileField& field : kFileFields) {
        std::memcpy(reinterpret_cast<char*>(&record) + field.memoryOffset, image, field.size);
        image += field.size;
    }
    return record;
}

void appendRecord(std::string& bytes, const CTourokuTyouhyouData& record) {
    for (const FileField& field : kFileFields) {
        bytes.append(reinterpret_cast<const char*>(&record) + field.memoryOffset, field.size);
    }
}

struct RegisteredFormsImage {
    std::vector<CTourokuTyouhyouData> records;
    ReadReport report;
};

RegisteredFormsImage parseRegisteredForms(std::string_view bytes) {
    RegisteredFormsImage image;
    if (bytes.empty()) {
        image.report.state = ReadState::empty;
        return image;
    }
    const std::string_view tag = fixedBytes(bytes.data(), std::min(bytes.size(), kTagSize));
    image.report.versionTag = cp932ToUtf8(tag);
    if (tag != ct::kRegisteredFormsTag) {
        image.report.state = ReadState::unknownTag;
        return image;
    }
    if (bytes.size() < kFirstRecordOffset) {
        image.report.state = ReadState::headerCut;
        return image;
    }
    int32_t count = 0;
    std::memcpy(&count, bytes.data() + kCountOffset, sizeof count);
    // The count is believed only as far as the file holds whole records.
    const size_t used = measureCountedRecords(image.report, count,
                                              bytes.size() - kFirstRecordOffset, kFileRecordSize);
    for (size_t i = 0; i < used; ++i) {
        image.records.push_back(
            recordFromFile(bytes.data() + kFirstRecordOffset + i * kFileRecordSize));
    }
    return image;
}

std::string serializeRegisteredForms(const std::vector<CTourokuTyouhyouData>& records) {
    std::string bytes(kTagSize, '\0');
    const std::string_view tag = ct::kRegisteredFormsTag;
    std::copy(tag.begin(), tag.end(), bytes.begin());
    const int32_t count = static_cast<int32_t>(records.size());
    bytes.append(reinterpret_cast<const char*>(&count), sizeof count);
    for (const CTourokuTyouhyouData& record : records) appendRecord(bytes, record);
    return bytes;
}

}  // namespace

CTourokuTyouhyou::CTourokuTyouhyou(Prompt& prompt, std::filesystem::path filePath)
    : m_prompt(prompt), m_filePath(std::move(filePath)) {
    Load();
}

std::filesystem::path CTourokuTyouhyou::FileInFolder(const std::filesystem::path& folder) {
    return folder / pathFromUtf8(ct::kRegisteredFormsFileName);
}

int CTourokuTyouhyou::Load() {
    m_records.clear();
    m_report = {};
    std::string bytes;
    const FileErrorCause cause = readWholeFile(m_filePath, bytes);
    if (cause == FileErrorCause::fileNotFound) {
        m_report.state = ReadState::missing;
        m_report.openError = cause;
        return 1;
    }
    if (cause != FileErrorCause::none) {
        m_report.state = ReadState::missing;
        m_report.openError = cause;
        return 0;
    }
    RegisteredFormsImage image = parseRegisteredForms(bytes);
    m_records = std::move(image.records);
    m_report = std::move(image.report);
    switch (m_report.state) {
        case ReadState::complete:
        case ReadState::empty:
        case ReadState::unknownTag:
            return 1;
        default:
            return 0;
    }
}

int CTourokuTyouhyou::Save() {
    return saveUnlessForeign(
        m_prompt, m_filePath, serializeRegisteredForms(m_records), false,
        [](const std::string& bytes) { return parseRegisteredForms(bytes).report; });
}

int CTourokuTyouhyou::AddOrReplace(const CTourokuTyouhyouData& record) {
    const DataFileLock lock(m_prompt, m_filePath);
    if (!lock.held()) return 0;
    Load();
    const auto same =
        std::find_if(m_records.begin(), m_records.end(),
                     [&](const CTourokuTyouhyouData& r) { return r.SameTitle(record); });
    if (same != m_records.end()) {
        *same = record;
    } else {
        m_records.push_back(record);
    }
    return Save();
}

int CTourokuTyouhyou::Remove(const CTourokuTyouhyouData& record) {
    const DataFileLock lock(m_prompt, m_filePath);
    if (!lock.held()) return 0;
    Load();
    const auto same =
        std::find_if(m_records.begin(), m_records.end(),
                     [&](const CTourokuTyouhyouData& r) { return r.SameTitle(record); });
    if (same != m_records.end()) m_records.erase(same);
    return Save();
}

}  // namespace bunrako
