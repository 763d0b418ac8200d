#include "catalogue/file_search.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "catalogue/sakuin_mokuroku.h"
#include "catalogue/texts.h"
#include "common/cp932.h"
#include "common/file_io.h"
#include "common/my_tool.h"

namespace bunrako {

namespace ct = catalogue::texts;
namespace fs = std::filesystem;

namespace {

// Rows are handed on in batches, so that a window shows them while the
// search goes on without being flooded with single rows.
constexpr size_t kRowsPerStep = 100;

bool isInside(const fs::path& path, const fs::path& root) {
    const auto mismatch = std::mismatch(root.begin(), root.end(), path.begin(), path.end());
    return mismatch.first == root.end();
}

// A link is listed only as a file whose real place is inside the tree.
bool linkedFileInside(const fs::path& link, const fs::path& canonicalRoot) {
    std::error_code ec;
    if (!fs::is_regular_file(link, ec) || ec) return false;
    const fs::path target = fs::canonical(link, ec);
    return !ec && isInside(target, canonicalRoot);
}

bool hasExtension(const std::string& name, const char* const* begin, const char* const* end) {
    const size_t dot = name.rfind('.');
    if (dot == std::string::npos) return false;
    const std::string extension = name.substr(dot + 1);
    return std::find(begin, end, extension) != end;
}

// Containment at character boundaries of CP932 text.
bool containsCp932(std::string_view text, std::string_view part) {
    if (part.empty()) return true;
    for (size_t i = 0; i + part.size() <= text.size();) {
        if (text.compare(i, part.size(), part) == 0) return true;
        i += isCp932LeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
    }
    return false;
}

void addCatalogueRows(const fs::path& file, const std::string& textCp932, Prompt& prompt,
                      const Clock& clock, std::vector<FileSearchRow>& rows) {
    CSakuinMokuroku catalogue(prompt, clock, file);
    catalogue.Load();
    const std::string folder = pathToUtf8(file.parent_path());
    for (const CSakuinMokurokuList& entry : catalogue.entries()) {
        if (containsCp932(fixedBytes(entry.subject), textCp932)) {
            rows.push_back({entry.subjectText(), folder});
        }
    }
}

}  // namespace

std::vector<fs::path> ListFilesForSearch(const fs::path& root) {
    std::vector<fs::path> files;
    std::error_code ec;
    const fs::path canonicalRoot = fs::canonical(root, ec);
    if (ec || !fs::is_directory(canonicalRoot, ec)) return files;
    // The tree listing never descends through links and passes over folders
    // it cannot read; what is left is to keep the files.
    std::vector<std::string> entries;
    CMyTool::ListFolderTree(pathToUtf8(root), entries);
    for (const std::string& entry : entries) {
        const fs::path path = pathFromUtf8(entry);
        std::error_code statusError;
        const fs::file_status status = fs::symlink_status(path, statusError);
        if (statusError) continue;
        if (fs::is_regular_file(status) ||
            (fs::is_symlink(status) && linkedFileInside(path, canonicalRoot))) {
            files.push_back(path);
        }
    }
    return files;
}

bool FileNameMatches(const std::string& nameUtf8, const FileSearchCriteria& criteria) {
    if (nameUtf8.find(criteria.text) == std::string::npos) return false;
    if (criteria.allFiles) return true;
    return (criteria.documentFiles && hasExtension(nameUtf8, std::begin(ct::kDocumentExtensions),
                                                   std::end(ct::kDocumentExtensions))) ||
           (criteria.spreadsheetFiles &&
            hasExtension(nameUtf8, std::begin(ct::kSpreadsheetExtensions),
                         std::end(ct::kSpreadsheetExtensions)));
}

bool SearchFilesInSteps(const fs::path& root, const FileSearchCriteria& criteria, Prompt& prompt,
                        const Clock& clock, const FileSearchRowsSink& onRows,
                        const std::atomic<bool>& stop) {
    const std::string textCp932 = utf8ToCp932(criteria.text);
    const std::vector<fs::path> files = ListFilesForSearch(root);
    std::vector<FileSearchRow> batch;
    for (size_t i = 0; i < files.size(); ++i) {
        if (stop) return false;
        const fs::path& file = files[i];
        const std::string name = pathToUtf8(file.filename());
        if (criteria.mode == FileSearchCriteria::catalogues) {
            if (name == ct::kCatalogueFileName) {
                addCatalogueRows(file, textCp932, prompt, clock, batch);
            }
        } else if (FileNameMatches(name, criteria)) {
            batch.push_back({name, pathToUtf8(file.parent_path())});
        }
        if (!batch.empty() && (batch.size() >= kRowsPerStep || i + 1 == files.size())) {
            onRows(std::move(batch));
            batch.clear();
        }
    }
    return true;
}

std::vector<FileSearchRow> SearchFiles(const fs::path& root, const FileSearchCriteria& criteria,
                                       Prompt& prompt, const Clock& clock) {
    std::vector<FileSearchRow> rows;
    const std::atomic<bool> never{false};
    SearchFilesInSteps(
        root, criteria, prompt, clock,
        [&rows](std::vector<FileSearchRow> batch) {
            rows.insert(rows.end(), std::make_move_iterator(batch.begin()),
                        std::make_move_iterator(batch.end()));
        },
        never);
    return rows;
}

fs::path FileSearchRowPath(const FileSearchRow& row) {
    return pathFromUtf8(row.folder) / pathFromUtf8(row.name);
}

}  // namespace bunrako
