#include "settings/shoki_settei_list.h"

#include <algorithm>

#include "common/cp932.h"
#include "common/data_file.h"
#include "common/data_file_lock.h"
#include "common/file_io.h"
#include "common/my_tool.h"
#include "common/prompt.h"
#include "common/read_report.h"
#include "settings/pointer_file.h"
#include "settings/receipt_file.h"
#include "settings/shoki_settei_file.h"
#include "settings/texts.h"

namespace bunrako {
namespace {

const ReadAttempts kOneAttempt{1, ""};

}  // namespace

CShokiSetteiList::CShokiSetteiList(Prompt& prompt, const std::string& path,
                                   const std::string& programFolder)
    : CShokiSetteiList(prompt, path, ProgramPlaces::ProgramFolderOnly(programFolder)) {}

CShokiSetteiList::CShokiSetteiList(Prompt& prompt, const std::string& path,
                                   const ProgramPlaces& places)
    : m_strPath(path) {
    if (!path.empty()) return;
    LocateSettingsFile(places);
    LoadSettings(prompt, m_strPath);
    if (m_list.empty()) m_list.emplace_back();
}

CShokiSetteiList::CShokiSetteiList(Prompt& prompt, const std::string& path)
    : CShokiSetteiList(prompt, path,
                       path.empty() ? ProgramPlaces::ForRunningProgram() : ProgramPlaces()) {}

const char* CShokiSetteiList::WrittenVersion() { return ShokiSetteiVersions().front().tag; }

bool CShokiSetteiList::LocateSettingsFile(const std::string& programFolder) {
    return LocateSettingsFile(ProgramPlaces::ProgramFolderOnly(programFolder));
}

bool CShokiSetteiList::LocateSettingsFile(const ProgramPlaces& places) {
    const auto folder = ReadPointerFile(places, kPointerBytesForSettings);
    m_strPath =
        (folder ? *folder : places.FolderOfLastResort()) + settings::texts::kSettingsFileName;
    return folder.has_value();
}

int CShokiSetteiList::LoadSettings(Prompt& prompt, const std::string& path) {
    if (path.empty()) return 0;
    // An office without settings yet (no file, or the empty file an earlier
    // start left) is told once by the program, not as a damaged file, and
    // nothing is written before the settings are confirmed.
    std::string bytes;
    const FileErrorCause probe = readWholeFile(pathFromUtf8(path), bytes);
    // A folder that is gone (a network share not reached) is not a first
    // start: that open failure is told as such below.
    const std::string folder = pathToUtf8(pathFromUtf8(path).parent_path());
    const bool folderThere = folder.empty() || CMyTool::FolderExists(folder);
    m_bNoSettingsYet = (probe == FileErrorCause::fileNotFound && folderThere) ||
                       (probe == FileErrorCause::none && bytes.empty());
    if (m_bNoSettingsYet) {
        m_list.clear();
        return 0;
    }
    if (readDataFile(prompt, pathFromUtf8(path), bytes, path + settings::texts::kOpenLabel,
                     kOneAttempt) != FileErrorCause::none) {
        return 0;
    }
    m_list.clear();
    ShokiSetteiFileContent content = ReadShokiSetteiFile(bytes, path, prompt);
    if (!content.readable) return 0;
    m_list = std::move(content.records);
    m_current = m_list.empty() ? content.lastRead : m_list.front();
    LoadReceiptNo(prompt);
    return 1;
}

void CShokiSetteiList::LoadReceiptNo(Prompt& prompt) {
    m_strReceiptPath = ReceiptFilePath(m_current.m_strRegisterFile);
    if (m_strReceiptPath.empty()) return;
    std::string bytes;
    if (readDataFile(prompt, pathFromUtf8(m_strReceiptPath), bytes, m_strReceiptPath,
                     kOneAttempt) != FileErrorCause::none) {
        return;
    }
    const std::string section = utf8ToCp932(m_current.m_strSectionName);
    for (const ReceiptPair& pair : ReadReceiptFile(bytes).pairs) {
        if (textBytes(pair.sectionName) != section) continue;
        m_current.m_nNextReceiptNo = pair.nextReceiptNo;
        // Element 0 is the same section; keep the two equal.
        if (!m_list.empty() && m_list.front().m_strSectionCode == m_current.m_strSectionCode) {
            m_list.front().m_nNextReceiptNo = pair.nextReceiptNo;
        }
        return;
    }
}

int CShokiSetteiList::SaveSettings(Prompt& prompt, const std::string& path) {
    if (path.empty()) return 0;
    const DataFileLock lock(prompt, pathFromUtf8(path));
    if (!lock.held()) return 0;
    // A newer program's file is never replaced by what this one knows.
    std::string onDisk;
    if (readWholeFile(pathFromUtf8(path), onDisk) == FileErrorCause::none) {
        if (const auto tag = UnknownShokiSetteiVersion(onDisk)) {
            ReadReport refused;
            refused.state = ReadState::unknownTag;
            refused.versionTag = *tag;
            prompt.showMessage(saveRefusalMessage(refused, path), {}, MessageIcon::error);
            return 0;
        }
    }
    const FileErrorCause cause = writeWholeFile(pathFromUtf8(path), ShokiSetteiFileBytes(m_list));
    if (!CMyTool::CheckFileError(prompt, cause, path, true)) return 0;
    if (!m_list.empty()) m_current = m_list.front();
    return 1;
}

int CShokiSetteiList::SaveReceiptNo(Prompt& prompt) {
    // The register file may have changed since loading: its own file counts.
    m_strReceiptPath = ReceiptFilePath(m_current.m_strRegisterFile);
    if (m_strReceiptPath.empty()) return 0;
    const auto path = pathFromUtf8(m_strReceiptPath);
    const DataFileLock lock(prompt, path);
    if (!lock.held()) return 0;
    std::string bytes;
    if (readDataFile(prompt, path, bytes, m_strReceiptPath, kOneAttempt) != FileErrorCause::none) {
        return 0;
    }
    ReceiptFileContent content = ReadReceiptFile(bytes);
    const std::string section = utf8ToCp932(m_current.m_strSectionName);
    bool found = false;
    for (ReceiptPair& pair : content.pairs) {
        if (textBytes(pair.sectionName) != section) continue;
        pair.nextReceiptNo = m_current.m_nNextReceiptNo;
        found = true;
    }
    if (!found && !section.empty()) content.pairs.push_back({section, m_current.m_nNextReceiptNo});
    // Bytes after the last complete pair are carried along unchanged.
    const std::string updated =
        ReceiptFileBytes(content.pairs) + bytes.substr(bytes.size() - content.unreadBytes);
    if (updated == bytes) return 1;
    return CMyTool::CheckFileError(prompt, writeWholeFile(path, updated), m_strReceiptPath, true)
               ? 1
               : 0;
}

void CShokiSetteiList::MoveToFront(const CShokiSetteiData& chosen) {
    const auto same = std::find_if(m_list.begin(), m_list.end(), [&](const CShokiSetteiData& r) {
        return r.m_strSectionCode == chosen.m_strSectionCode;
    });
    if (same != m_list.end()) {
        // Elements 0..i-1 move up by one; the chosen record takes place 0.
        std::rotate(m_list.begin(), same, same + 1);
        m_list.front() = chosen;
    } else {
        m_list.insert(m_list.begin(), chosen);
    }
}

}  // namespace bunrako
