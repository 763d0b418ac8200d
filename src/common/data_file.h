#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "common/file_error.h"

namespace bunrako {

class Prompt;

// The read and write disciplines shared by every data file: one bulk read,
// one bulk write, failures told through the prompt with the path as label.

struct ReadAttempts {
    // How many times opening is tried; each failure shows label + cause text.
    int attempts = 4;
    // Shown after the last failed attempt ("" for none).
    std::string finalMessage;
};

// Reads the whole file, creating it empty when it does not exist. Each failed
// open shows openLabel followed by the cause text; after the last attempt the
// final message is shown. Returns the cause of the last failure or none.
FileErrorCause readDataFile(Prompt& prompt, const std::filesystem::path& path, std::string& bytes,
                            const std::string& openLabel, const ReadAttempts& attempts = {});

// Writes the whole file after copying the old one to its ".da$" safety copy
// (when withSafetyCopy is set), holding the file's write lock (see
// DataFileLock; a caller that re-reads the file first takes it before the
// re-read). Giving up on a lock held elsewhere writes nothing and returns
// false. When the file will not open, the prompt offers
// to retry (label + cause text); giving up leaves the file and its safety
// copy as they were and returns false.
bool writeDataFile(Prompt& prompt, const std::filesystem::path& path, std::string_view bytes,
                   const std::string& openLabel, bool withSafetyCopy);

}  // namespace bunrako
