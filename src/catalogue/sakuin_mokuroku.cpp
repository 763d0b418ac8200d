#include "catalogue/sakuin_mokuroku.h"

#include <cstring>
#include <string_view>
#include <utility>

#include "catalogue/old_catalogue_folder.h"
#include "catalogue/sakuin_mokuroku_file.h"
#include "catalogue/texts.h"
#include "common/clock.h"
#include "common/cp932.h"
#include "common/data_file.h"
#include "common/data_file_lock.h"
#include "common/file_io.h"
#include "common/prompt.h"
#include "volumes/doc_master_data.h"
#include "volumes/volume_folders.h"

namespace bunrako {

namespace ct = catalogue::texts;

namespace {

bool isLater(const OleDateTime& a, const OleDateTime& b) {
    return a.isValid() && b.isValid() && a.days() > b.days();
}

}  // namespace

CSakuinMokuroku::CSakuinMokuroku(Prompt& prompt, const Clock& clock, std::filesystem::path filePath)
    : m_prompt(prompt), m_clock(clock), m_header(CSakuinMokurokuHeader::Cleared(clock.now())) {
    setFilePath(std::move(filePath));
}

void CSakuinMokuroku::setFilePath(std::filesystem::path filePath) {
    m_filePath = filePath.empty() ? pathFromUtf8(ct::kCatalogueFileName) : std::move(filePath);
}

void CSakuinMokuroku::clear() {
    m_header = CSakuinMokurokuHeader::Cleared(m_clock.now());
    m_entries.clear();
    m_report = {};
}

int CSakuinMokuroku::OpenForVolume(const std::filesystem::path& volumeFile) {
    if (m_volume == nullptr) return 0;
    createVolumeFolderTree(volumeFile, *m_volume);
    const std::filesystem::path newFolder = volumeCatalogueFolder(volumeFile, *m_volume);
    const std::filesystem::path oldFolder =
        volumeTitleFolder(volumeFile, *m_volume) / newFolder.filename();
    moveOldCatalogueFolder(oldFolder, newFolder, m_prompt);
    setFilePath(newFolder / pathFromUtf8(ct::kCatalogueFileName));
    return 1;
}

int CSakuinMokuroku::Load() {
    clear();
    std::string bytes;
    const FileErrorCause cause = readWholeFile(m_filePath, bytes);
    if (cause != FileErrorCause::none) {
        m_report.state = ReadState::missing;
        m_report.openError = cause;
        return 0;
    }
    CatalogueImage image = parseCatalogueFile(bytes, m_clock.now());
    m_header = image.header;
    m_entries = std::move(image.entries);
    m_report = std::move(image.report);
    switch (m_report.state) {
        case ReadState::complete:
        case ReadState::unknownTag:
        case ReadState::partialRecord:
            return 1;
        case ReadState::textTooLong:
            // Cutting the text would change the document; the file is left
            // as it is and the clerk is told why it does not show.
            m_prompt.showMessage(describeReadProblem(m_report, pathToUtf8(m_filePath)), {},
                                 MessageIcon::error);
            return 0;
        default:
            return 0;
    }
}

int CSakuinMokuroku::Save() {
    return saveUnlessForeign(
        m_prompt, m_filePath, serializeCatalogueFile(m_header, m_entries), true,
        [&](const std::string& bytes) { return parseCatalogueFile(bytes, m_clock.now()).report; });
}

int CSakuinMokuroku::Find(const CSakuinMokurokuList& entry) const {
    for (size_t i = 0; i < m_entries.size(); ++i) {
        const int index = static_cast<int>(i);
        if (m_entries[i].SameKey(entry)) return index + 1;
        if (isLater(m_entries[i].receivedDate, entry.receivedDate)) return ~index;
    }
    return 0;
}

int CSakuinMokuroku::AddOrReplace(CSakuinMokurokuList entry) {
    const DataFileLock lock(m_prompt, m_filePath);
    if (!lock.held()) return -1;
    Load();
    const int found = Find(entry);
    int index = 0;
    if (found == 0) {
        m_entries.push_back(entry);
        index = static_cast<int>(m_entries.size()) - 1;
    } else if (found < 0) {
        index = ~found;
        m_entries.insert(m_entries.begin() + index, entry);
    } else {
        index = found - 1;
        m_entries[static_cast<size_t>(index)] = entry;
    }
    return Save() ? index : -1;
}

int CSakuinMokuroku::Remove(CSakuinMokurokuList entry) {
    const DataFileLock lock(m_prompt, m_filePath);
    if (!lock.held()) return -1;
    Load();
    const int found = Find(entry);
    if (found > 0) m_entries.erase(m_entries.begin() + (found - 1));
    if (!Save()) return -1;
    return found - 2 >= 0 ? found - 2 : -1;
}

int CSakuinMokuroku::SyncHeaderFromVolume(const CDocMasterData& volume) {
    if (!m_header.CopyVolumeFields(volume)) return 1;
    // Written onto the file as it is now, under its lock, so that entries
    // stored elsewhere since this catalogue was loaded stay.
    const DataFileLock lock(m_prompt, m_filePath);
    if (!lock.held()) return 0;
    if (m_report.state == ReadState::complete || m_report.state == ReadState::partialRecord) {
        Load();
        m_header.CopyVolumeFields(volume);
    }
    return Save();
}

}  // namespace bunrako
