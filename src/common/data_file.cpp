#include "common/data_file.h"

#include <chrono>
#include <system_error>

#include "common/data_file_lock.h"
#include "common/file_io.h"
#include "common/prompt.h"
#include "common/texts.h"

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

// The new contents of a writer that stopped before moving them over the file
// stay beside it ("DocMaster.dat.1234.5.tmp$"). No write takes an hour, so
// older ones are left over; the writer holding the lock removes them.
constexpr auto kLeftoverAge = std::chrono::hours(1);

void removeLeftoverReplacements(const fs::path& path) {
    const std::string prefix = pathToUtf8(path.filename()) + ".";
    const auto now = fs::file_time_type::clock::now();
    std::error_code error;
    for (fs::directory_iterator it(path.parent_path().empty() ? "." : path.parent_path(), error),
         end;
         !error && it != end; it.increment(error)) {
        const std::string name = pathToUtf8(it->path().filename());
        if (!name.starts_with(prefix) || !name.ends_with(common::texts::kReplacementSuffix)) {
            continue;
        }
        std::error_code ignored;
        const auto written = fs::last_write_time(it->path(), ignored);
        if (!ignored && now - written > kLeftoverAge) fs::remove(it->path(), ignored);
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
    if (!retryUntilDone(prompt, openLabel, [&] { return writeWholeFile(path, bytes); })) {
        return false;
    }
    removeLeftoverReplacements(path);
    return true;
}

}  // namespace bunrako
