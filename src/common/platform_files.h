#pragma once

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <string>
#include <string_view>

#include "common/file_error.h"

namespace bunrako::platform {

// The file and process calls that differ between Windows and POSIX systems:
// exclusive creation, durable writes, replacement in one step, and who is
// running this program where. Implemented in platform_files.cpp.

enum class CreateResult { created, alreadyExists, failed };

// Creates the file with the bytes only when no file of that name exists (one
// atomic step, also on SMB and NFS shares; the bytes appear with the file
// where the file system can link), without waiting for the disk: a lock file
// needs to be seen, not to outlive a power cut. failed leaves no file behind.
CreateResult createExclusively(const std::filesystem::path& path, std::string_view bytes,
                               FileErrorCause& cause);

// Creates or truncates the file, writes the bytes and flushes them to disk
// before returning.
FileErrorCause writeDurably(const std::filesystem::path& path, std::string_view bytes);

// Moves from over to in one step: a reader of to sees the old file or the new
// one, never neither. from must lie in the same folder.
FileErrorCause replaceFile(const std::filesystem::path& from, const std::filesystem::path& to);

// This computer's network name, the signed-in user, this process.
std::string computerName();
std::string userName();
int64_t processId();
// Whether a process of that id runs on this computer.
bool processExists(int64_t id);
// The local calendar time of a moment (thread-safe, unlike std::localtime).
std::tm localTime(std::time_t moment);

}  // namespace bunrako::platform
