#include "catalogue/kanren_file.h"

#include <algorithm>
#include <cstring>

#include "catalogue/archive_field.h"
#include "catalogue/texts.h"
#include "common/archive.h"
#include "common/cp932.h"
#include "common/data_file.h"
#include "common/data_file_lock.h"
#include "common/file_io.h"
#include "common/prompt.h"
#include "common/safe_file_name.h"
#include "volumes/volume_folders.h"

namespace bunrako {

namespace ct = catalogue::texts;

namespace {

struct RelatedListImage {
    std::vector<CKanrenFileData> records;
    ReadReport report;
};

bool readRecord(ArchiveReader& archive, CKanrenFileData& record, ReadReport& report) {
    return readArchiveText(archive, record.fileName, ct::kFieldFileName, report) &&
           readArchiveText(archive, record.fileType, ct::kFieldFileType, report) &&
           archive.readDate(record.lastUpdate) && archive.readInt32(record.valid) &&
           readArchiveText(archive, record.folder, ct::kFieldFolder, report);
}

RelatedListImage parseRelatedList(std::string_view bytes) {
    RelatedListImage image;
    image.report.archiveFormat = true;
    if (bytes.empty()) {
        image.report.state = ReadState::empty;
        return image;
    }
    ArchiveReader archive(bytes);
    std::string tag;
    if (!archive.readBytesString(tag)) {
        image.report.state = ReadState::headerCut;
        return image;
    }
    image.report.versionTag = cp932ToUtf8(tag);
    if (tag != ct::kRelatedListTag) {
        image.report.state = ReadState::unknownTag;
        return image;
    }
    while (!archive.atEnd()) {
        CKanrenFileData record;
        std::memset(static_cast<void*>(&record), 0, sizeof record);
        if (!readRecord(archive, record, image.report)) {
            if (image.report.state != ReadState::textTooLong) {
                image.report.state = ReadState::archiveCut;
            }
            break;
        }
        image.records.push_back(record);
    }
    image.report.recordsRead = image.records.size();
    return image;
}

std::string serializeRelatedList(const std::vector<CKanrenFileData>& records) {
    ArchiveWriter archive;
    archive.writeBytesString(ct::kRelatedListTag);
    for (const CKanrenFileData& record : records) {
        archive.writeBytesString(fixedBytes(record.fileName));
        archive.writeBytesString(fixedBytes(record.fileType));
        archive.writeDate(record.lastUpdate);
        archive.writeInt32(record.valid);
        archive.writeBytesString(fixedBytes(record.folder));
    }
    return archive.take();
}

std::filesystem::path listFileName(std::string_view subjectUtf8) {
    return pathFromUtf8(SafeFileName(subjectUtf8) + ct::kRelatedListExtension);
}

}  // namespace

CKanrenFile::CKanrenFile(Prompt& prompt, std::filesystem::path filePath)
    : m_prompt(prompt), m_filePath(std::move(filePath)) {}

std::filesystem::path CKanrenFile::PathForCatalogueEntry(const std::filesystem::path& catalogueFile,
                                                         std::string_view subjectUtf8) {
    return catalogueFile.parent_path().parent_path() / listFileName(subjectUtf8);
}

std::filesystem::path CKanrenFile::PathForRegisterDocument(const std::filesystem::path& volumeFile,
                                                           const CDocMasterData& volume,
                                                           std::string_view subjectUtf8) {
    return volumeCatalogueFolder(volumeFile, volume).parent_path() / listFileName(subjectUtf8);
}

int CKanrenFile::Load() {
    m_records.clear();
    m_report = {};
    if (m_filePath.empty()) {
        m_report.state = ReadState::missing;
        m_report.openError = FileErrorCause::badPath;
        return 0;
    }
    std::string bytes;
    const FileErrorCause cause = readWholeFile(m_filePath, bytes, true);
    if (cause != FileErrorCause::none) {
        m_report.state = ReadState::missing;
        m_report.openError = cause;
        return 0;
    }
    RelatedListImage image = parseRelatedList(bytes);
    m_records = std::move(image.records);
    m_report = std::move(image.report);
    switch (m_report.state) {
        case ReadState::complete:
        case ReadState::empty:
        case ReadState::unknownTag:
            return 1;
        case ReadState::textTooLong:
            m_prompt.showMessage(describeReadProblem(m_report, pathToUtf8(m_filePath)), {},
                                 MessageIcon::error);
            return 0;
        default:
            return 0;
    }
}

int CKanrenFile::Save() {
    if (m_filePath.empty()) return 0;
    return saveUnlessForeign(
        m_prompt, m_filePath, serializeRelatedList(m_records), false,
        [](const std::string& bytes) { return parseRelatedList(bytes).report; });
}

void CKanrenFile::sortNewestFirst() {
    std::stable_sort(
        m_records.begin(), m_records.end(), [](const CKanrenFileData& a, const CKanrenFileData& b) {
            if (!a.lastUpdate.isValid()) return false;
            return !b.lastUpdate.isValid() || a.lastUpdate.days() > b.lastUpdate.days();
        });
}

int CKanrenFile::AddOrUpdate(const CKanrenFileData& record) {
    const DataFileLock lock(m_prompt, m_filePath);
    if (!lock.held()) return 0;
    Load();
    const auto same = std::find_if(m_records.begin(), m_records.end(),
                                   [&](const CKanrenFileData& r) { return r.SameKey(record); });
    if (same != m_records.end()) {
        *same = record;
    } else {
        m_records.push_back(record);
    }
    sortNewestFirst();
    return Save();
}

int CKanrenFile::Remove(const CKanrenFileData& record) {
    const DataFileLock lock(m_prompt, m_filePath);
    if (!lock.held()) return 0;
    Load();
    const auto same = std::find_if(m_records.begin(), m_records.end(),
                                   [&](const CKanrenFileData& r) { return r.SameKey(record); });
    if (same != m_records.end()) m_records.erase(same);
    return Save();
}

}  // namespace bunrako
