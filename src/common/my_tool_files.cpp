// The folder helpers of CMyTool: existence, listing, deleting and copying a
// folder tree. Paths are UTF-8 texts; entries are joined with the native
// separator. Symbolic links are entries of their own: a listing never
// descends through them, so deleting a tree never reaches outside it.
#include <algorithm>
#include <filesystem>
#include <vector>

#include "common/file_io.h"
#include "common/format_text.h"
#include "common/my_tool.h"
#include "common/prompt.h"
#include "common/texts.h"

namespace bunrako {
namespace {

namespace fs = std::filesystem;

constexpr char kSeparator = static_cast<char>(fs::path::preferred_separator);

bool isSeparator(char c) { return c == '/' || c == kSeparator; }

std::string joinPath(const std::string& folder, const std::string& name) {
    if (!folder.empty() && isSeparator(folder.back())) return folder + name;
    return folder + kSeparator + name;
}

// A folder itself, not a link to one.
bool isRealFolder(const fs::path& path) {
    std::error_code error;
    return fs::symlink_status(path, error).type() == fs::file_type::directory;
}

bool isSamePlace(const fs::path& a, const fs::path& b) {
    if (a.lexically_normal() == b.lexically_normal()) return true;
    std::error_code error;
    return fs::equivalent(a, b, error);  // false when either is missing
}

void listInto(const fs::path& folder, const std::string& folderText,
              std::vector<std::string>& entries) {
    std::error_code error;
    std::vector<fs::path> names;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        names.push_back(it->path().filename());
    }
    std::sort(names.begin(), names.end());
    for (const fs::path& name : names) {
        const std::string entry = joinPath(folderText, pathToUtf8(name));
        entries.push_back(entry);
        if (isRealFolder(folder / name)) listInto(folder / name, entry, entries);
    }
}

// Shows the message for a folder that stays, but only once per branch: the
// folders above one that stays cannot go either.
class FolderFailures {
  public:
    explicit FolderFailures(Prompt& prompt) : m_prompt(prompt) {}

    void report(const std::string& folder) {
        const std::string inside = joinPath(folder, "");
        const bool aboveReported =
            std::any_of(m_reported.begin(), m_reported.end(),
                        [&](const std::string& r) { return r.starts_with(inside); });
        if (!aboveReported)
            m_prompt.showMessage(formatText(common::texts::kCannotDeleteFolder, folder));
        m_reported.push_back(folder);
    }
    bool any() const { return !m_reported.empty(); }

  private:
    Prompt& m_prompt;
    std::vector<std::string> m_reported;
};

bool removeFolder(const std::string& folder, FolderFailures& failures) {
    std::error_code error;
    if (fs::remove(pathFromUtf8(folder), error) && !error) return true;
    failures.report(folder);
    return false;
}

}  // namespace

// A pattern "folder\*.*" finds entries (at least "." and "..") exactly when
// the path names an existing folder; a file's path finds nothing below it.
bool CMyTool::FolderExists(const std::string& path) {
    if (path.empty()) return false;
    std::error_code error;
    return fs::is_directory(pathFromUtf8(path), error);
}

void CMyTool::ListFolderTree(const std::string& folder, std::vector<std::string>& entries) {
    // An empty text would otherwise list the root of the file system.
    if (folder.empty()) return;
    listInto(pathFromUtf8(folder), folder, entries);
}

bool CMyTool::DeleteFolderTree(Prompt& prompt, const std::string& folder) {
    if (folder.empty()) return false;
    const fs::path root = pathFromUtf8(folder);
    std::error_code error;
    const fs::file_status status = fs::symlink_status(root, error);
    if (status.type() == fs::file_type::not_found) return true;
    if (fs::is_symlink(status)) return fs::remove(root, error) && !error;  // the link only

    FolderFailures failures(prompt);
    if (!fs::is_directory(status)) {
        failures.report(folder);
        return false;
    }
    std::vector<std::string> entries;
    ListFolderTree(folder, entries);
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
        const fs::path path = pathFromUtf8(*entry);
        if (isRealFolder(path)) {
            removeFolder(*entry, failures);
        } else {
            fs::remove(path, error);  // a file that stays keeps its folder, which is reported
        }
    }
    removeFolder(folder, failures);
    return !failures.any();
}

bool CMyTool::CopyEntry(const std::string& source, const std::string& destination) {
    const fs::path from = pathFromUtf8(source);
    const fs::path to = pathFromUtf8(destination);
    if (isSamePlace(from, to)) return true;
    std::error_code error;
    const fs::file_status status = fs::status(from, error);
    if (fs::is_directory(status)) {
        fs::create_directory(to, error);
        return fs::is_directory(to, error);
    }
    if (!fs::is_regular_file(status)) return false;
    // The bytes, then the source's last-write time and permissions.
    return copyFileIfExists(from, to) == FileErrorCause::none;
}

bool CMyTool::CopyFolderTree(const std::string& source, const std::string& destination) {
    if (source.empty() || destination.empty()) return false;
    const fs::path from = pathFromUtf8(source);
    const fs::path to = pathFromUtf8(destination);
    std::error_code error;
    if (!fs::is_directory(from, error)) return false;
    if (isSamePlace(from, to)) return true;  // every entry would be its own copy
    fs::create_directories(to, error);
    if (!fs::is_directory(to, error)) return false;

    std::vector<std::string> entries;
    ListFolderTree(source, entries);
    const size_t sourcePrefix = joinPath(source, "").size();
    // A destination inside the source is listed too; its branch is left out
    // so that a copy never copies itself.
    std::string skipped;
    bool copiedAll = true;
    for (const std::string& entry : entries) {
        if (!skipped.empty() && entry.starts_with(skipped)) continue;
        if (isRealFolder(pathFromUtf8(entry)) && isSamePlace(pathFromUtf8(entry), to)) {
            skipped = joinPath(entry, "");
            continue;
        }
        const std::string target = joinPath(destination, entry.substr(sourcePrefix));
        copiedAll = CopyEntry(entry, target) && copiedAll;
    }
    return copiedAll;
}

}  // namespace bunrako
