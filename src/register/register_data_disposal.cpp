#include "register/register_data_disposal.h"

#include <algorithm>
#include <string>
#include <system_error>
#include <vector>

#include "common/data_file_lock.h"
#include "common/file_io.h"
#include "common/format_text.h"
#include "common/prompt.h"
#include "register/bunsho_ken_meibo_data.h"
#include "register/bunsho_ken_meibo_list.h"
#include "register/texts.h"
#include "volumes/archive_batch.h"

namespace bunrako {
namespace {

namespace texts = register_::texts;
namespace fs = std::filesystem;

// The question names how many entries leave and the archives they go to, so
// that the clerk sees what the selection holds before nothing can be undone.
bool confirmed(Prompt& prompt, std::span<const CBunshoKenMeiboData> selected,
               const fs::path& registerFile) {
    std::vector<std::string> archives;
    for (const CBunshoKenMeiboData& entry : selected) {
        const std::string name = pathToUtf8(registerArchivePath(registerFile, entry).filename());
        if (std::find(archives.begin(), archives.end(), name) == archives.end()) {
            archives.push_back(name);
        }
    }
    std::string question = formatPrintf(texts::kDisposalCount, selected.size());
    for (const std::string& name : archives)
        question += formatPrintf(texts::kDisposalArchive, name.c_str());
    question += "\n";
    question += texts::kConfirmDisposal;
    return prompt.ask(question, texts::kConfirmCaption, Buttons::okCancel, MessageIcon::warning) ==
           Answer::ok;
}

bool sameFile(const fs::path& a, const fs::path& b) {
    std::error_code ignored;
    return fs::equivalent(a, b, ignored);
}

// The entries stored in their archive, none of its entries lost, and the
// archive written. A file that will not open, or one this program must not write
// over, fails with its message.
bool archiveEntries(const fs::path& archivePath, const std::vector<CBunshoKenMeiboData>& entries,
                    Prompt& prompt) {
    CBunshoKenMeiboList archive(prompt);
    const DataFileLock lock(prompt, archivePath);
    if (!lock.held() || !archive.Load(archivePath)) return false;
    for (const CBunshoKenMeiboData& entry : entries) archive.AddToArchive(entry);
    return archive.Save(archivePath);
}

// The entries removed from the register file, each by its own period kind;
// an entry another workstation has removed meanwhile is simply not there.
bool removeFromRegister(const fs::path& registerFile,
                        const std::vector<CBunshoKenMeiboData>& entries, Prompt& prompt) {
    CBunshoKenMeiboList source(prompt);
    const DataFileLock lock(prompt, registerFile);
    if (!lock.held() || !source.Load(registerFile)) return false;
    bool removed = false;
    for (const CBunshoKenMeiboData& entry : entries) {
        source.listCalendarYearFlag = entry.calendarYearFlag;
        removed |= source.Remove(entry);
    }
    return !removed || source.Save(registerFile);
}

}  // namespace

fs::path registerArchivePath(const fs::path& registerFile, const CBunshoKenMeiboData& entry) {
    return yearlyArchivePath(registerFile, texts::kRegisterArchiveName, entry.volumeYear);
}

BatchResult disposeRegisterData(std::span<const CBunshoKenMeiboData> selected,
                                const fs::path& registerFile, Prompt& prompt) {
    // Without a selection the command does nothing.
    if (selected.empty()) return {};
    if (!confirmed(prompt, selected, registerFile)) {
        BatchResult result;
        result.outcome = BatchResult::Outcome::cancelled;
        return result;
    }
    const auto pathOf = [&](const CBunshoKenMeiboData& entry) {
        return registerArchivePath(registerFile, entry);
    };
    return runGroups(groupByArchive(selected, pathOf), [&](const std::vector<size_t>& group) {
        const std::vector<CBunshoKenMeiboData> entries = recordsOf(selected, group);
        const fs::path archivePath = pathOf(entries.front());
        if (sameFile(archivePath, registerFile)) return true;
        return archiveEntries(archivePath, entries, prompt) &&
               removeFromRegister(registerFile, entries, prompt);
    });
}

}  // namespace bunrako
