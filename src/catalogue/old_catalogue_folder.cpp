#include "catalogue/old_catalogue_folder.h"

#include <string>
#include <vector>

#include "catalogue/texts.h"
#include "common/file_io.h"
#include "common/my_tool.h"
#include "common/prompt.h"

namespace bunrako {

namespace ct = catalogue::texts;
namespace fs = std::filesystem;

namespace {

bool holdsCatalogue(const fs::path& folder) {
    std::string ignored;
    return readWholeFile(folder / pathFromUtf8(ct::kCatalogueFileName), ignored) ==
           FileErrorCause::none;
}

// True when some file of the old folder would overwrite a file of the new
// folder that holds other bytes.
bool wouldReplaceOtherFiles(const fs::path& oldFolder, const fs::path& newFolder) {
    std::vector<std::string> entries;
    CMyTool::ListFolderTree(pathToUtf8(oldFolder), entries);
    for (const std::string& entry : entries) {
        const fs::path source = pathFromUtf8(entry);
        std::error_code error;
        if (!fs::is_regular_file(fs::symlink_status(source, error))) continue;
        const fs::path target = newFolder / source.lexically_relative(oldFolder);
        if (!fs::exists(target, error)) continue;
        std::string oldBytes, newBytes;
        if (readWholeFile(source, oldBytes) != FileErrorCause::none ||
            readWholeFile(target, newBytes) != FileErrorCause::none || oldBytes != newBytes) {
            return true;
        }
    }
    return false;
}

}  // namespace

void moveOldCatalogueFolder(const fs::path& oldFolder, const fs::path& newFolder, Prompt& prompt) {
    if (!holdsCatalogue(oldFolder)) return;
    const std::string oldText = pathToUtf8(oldFolder);
    if (wouldReplaceOtherFiles(oldFolder, newFolder)) {
        prompt.showMessage(oldText + ct::kOldCatalogueKept, {}, MessageIcon::warning);
        return;
    }
    if (!CMyTool::CopyFolderTree(oldText, pathToUtf8(newFolder))) {
        prompt.showMessage(oldText + ct::kOldCatalogueNotCopied, {}, MessageIcon::warning);
        return;
    }
    CMyTool::DeleteFolderTree(prompt, oldText);
}

}  // namespace bunrako
