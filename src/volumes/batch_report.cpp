#include "volumes/batch_report.h"

#include <algorithm>
#include <vector>

#include "common/file_io.h"
#include "common/format_text.h"
#include "volumes/texts.h"

namespace bunrako {
namespace {

namespace texts = volumes::texts;

// Enough names to find the records again in the list; the rest are counted.
constexpr size_t kNamesShown = 10;

std::vector<size_t> notDone(const BatchResult& result, size_t selected) {
    std::vector<size_t> missing;
    for (size_t i = 0; i < selected; ++i) {
        if (!std::binary_search(result.done.begin(), result.done.end(), i)) missing.push_back(i);
    }
    return missing;
}

}  // namespace

std::string batchReport(const BatchResult& result, size_t selected, const char* doneText,
                        const std::function<std::string(size_t index)>& nameOf) {
    if (result.outcome == BatchResult::Outcome::cancelled ||
        result.outcome == BatchResult::Outcome::incompleteInput) {
        return {};
    }
    std::string text = formatPrintf(doneText, static_cast<int>(result.done.size()));
    if (result.outcome == BatchResult::Outcome::stopped) {
        const std::vector<size_t> missing = notDone(result, selected);
        text += formatPrintf(texts::kBatchNotDone, static_cast<int>(missing.size()));
        for (size_t i = 0; i < missing.size() && i < kNamesShown; ++i) {
            text += formatPrintf(texts::kBatchListItem, nameOf(missing[i]).c_str());
        }
        if (missing.size() > kNamesShown) {
            text += formatPrintf(texts::kBatchMoreNotDone,
                                 static_cast<int>(missing.size() - kNamesShown));
        }
    }
    text += result.written.empty() ? texts::kBatchNoFileWritten : texts::kBatchFilesWritten;
    for (const auto& path : result.written) {
        text += formatPrintf(texts::kBatchListItem, pathToUtf8(path).c_str());
    }
    return text;
}

}  // namespace bunrako
