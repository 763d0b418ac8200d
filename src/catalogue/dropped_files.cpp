#include "catalogue/dropped_files.h"

#include <filesystem>

#include "catalogue/kanren_file.h"
#include "common/file_io.h"

namespace bunrako {

CKanrenFileData RelatedFileFromPath(const std::string& pathUtf8, const OleDateTime& now) {
    const std::filesystem::path path = pathFromUtf8(pathUtf8);
    CKanrenFileData file = CKanrenFileData::New(now);
    file.setFileNameText(pathToUtf8(path.filename()));
    std::string folder = pathToUtf8(path.parent_path());
    if (folder.empty() || (folder.back() != '/' && folder.back() != '\\')) {
        folder += static_cast<char>(std::filesystem::path::preferred_separator);
    }
    file.setFolderText(folder);
    return file;
}

int AddDroppedFiles(CKanrenFile& list, std::span<const std::string> pathsUtf8,
                    const OleDateTime& now) {
    int stored = 0;
    if (list.filePath().empty()) return stored;  // no document chosen
    for (const std::string& path : pathsUtf8) {
        if (list.AddOrUpdate(RelatedFileFromPath(path, now)) == 1) ++stored;
    }
    return stored;
}

}  // namespace bunrako
