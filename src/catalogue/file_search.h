#pragma once

#include <atomic>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace bunrako {

class Clock;
class Prompt;

// What the file search (ファイル等の検索) looks for below the data folder.
struct FileSearchCriteria {
    enum Mode { files = 0, catalogues = 1 };

    Mode mode = files;
    bool allFiles = false;         // 全ファイル
    bool documentFiles = true;     // 文書ファイル
    bool spreadsheetFiles = true;  // 表計算ファイル
    std::string text;              // UTF-8; empty keeps everything
};

// One line of the result: a file name (mode files) or a document subject
// (mode catalogues), and the folder that holds it. Both UTF-8.
struct FileSearchRow {
    std::string name;
    std::string folder;

    bool operator==(const FileSearchRow&) const = default;
};

// Every file below the root, in the order of the folder-tree listing.
// Symbolic links are never followed into folders; a link to a file is listed
// only when its target lies inside the tree. Folders that cannot be read are
// passed over.
std::vector<std::filesystem::path> ListFilesForSearch(const std::filesystem::path& root);

// Whether a file name passes the name text and the kinds of mode files.
bool FileNameMatches(const std::string& nameUtf8, const FileSearchCriteria& criteria);

// Runs the search over the tree under root. In mode catalogues every
// SakuinMokuroku.dat found is loaded as an index catalogue and gives one row
// per entry whose subject contains the text.
std::vector<FileSearchRow> SearchFiles(const std::filesystem::path& root,
                                       const FileSearchCriteria& criteria, Prompt& prompt,
                                       const Clock& clock);

// The search in steps, for a window that shows rows while it runs (on a
// thread of its own): the rows go to onRows in batches, in the order of
// SearchFiles, and the search ends early when stop is set. False when it
// was stopped. The prompt and the clock must serve from that thread.
using FileSearchRowsSink = std::function<void(std::vector<FileSearchRow>)>;
bool SearchFilesInSteps(const std::filesystem::path& root, const FileSearchCriteria& criteria,
                        Prompt& prompt, const Clock& clock, const FileSearchRowsSink& onRows,
                        const std::atomic<bool>& stop);

// The file a row stands for (mode files) or the row's folder.
std::filesystem::path FileSearchRowPath(const FileSearchRow& row);

}  // namespace bunrako
