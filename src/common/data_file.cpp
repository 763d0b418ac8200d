#include "common/data_file.h"

#include <system_error>

#include "common/data_file_lock.h"
#include "common/file_io.h"
#include "common/prompt.h"

namespace bunrako {

namespace fs = std::filesystem;

namespace {

// Runs the step until it succeeds or the user gives up; each failure offers
// retry with label + cause text.
template <typename Step>
bool retryUntilDone(Prompt& prompt, const std::string& label, Step step) {
    for (;;) {
        const FileErrorCause cause = step();
        if (cause == FileErrorCause::none) return true;
        if (!prompt.retryOrGiveUp(label + fileErrorText(cause))) return false;
    }
}

}  // namespace

FileErrorCause readDataFile(Prompt& prompt, const fs::path& path, std::string& bytes,
                            const std::string& openLabel, const ReadAttempts& attempts) {
    FileErrorCause cause = FileErrorCause::none;
    for (int attempt = 0; attempt < attempts.attempts; ++attempt) {
        cause = readWholeFile(path, bytes, true);
        if (cause == FileErrorCause::none) return cause;
        prompt.showMessage(openLabel + fileErrorText(cause));
    }
    if (!attempts.finalMessage.empty()) prompt.showMessage(attempts.finalMessage);
    return cause;
}

bool writeDataFile(Prompt& prompt, const fs::path& path, std::string_view bytes,
                   const std::string& openLabel, bool withSafetyCopy) {
    const DataFileLock lock(prompt, path);
    if (!lock.held()) return false;
    std::error_code error;
    const bool existed = fs::exists(path, error);
    if (!retryUntilDone(prompt, openLabel, [&] { return checkWritable(path); })) return false;

    // Only an existing file is copied: a file the probe has just created is
    // empty and must not replace the last safety copy.
    if (withSafetyCopy && existed) {
        const fs::path copy = safetyCopyPath(path);
        if (!retryUntilDone(prompt, pathToUtf8(copy),
                            [&] { return copyFileIfExists(path, copy); })) {
            return false;
        }
    }
    // The safety copy is made once: a retried write must not copy a
    // half-written file over it.
    return retryUntilDone(prompt, openLabel, [&] { return writeWholeFile(path, bytes); });
}

}  // namespace bunrako
