#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "common/file_error.h"

namespace bunrako {

// Whole-file reads and writes, each in one piece. Paths are native; a UTF-8
// path text becomes a path with pathFromUtf8.

std::filesystem::path pathFromUtf8(std::string_view utf8);
std::string pathToUtf8(const std::filesystem::path& path);

// Reads the whole file. With createIfMissing a missing file is created empty
// (as the readers of the data files do) and reads as "".
FileErrorCause readWholeFile(const std::filesystem::path& path, std::string& bytes,
                             bool createIfMissing = false);
// Writes the bytes to a new file beside it, flushes that to disk and moves
// it over the file in one step: a reader sees the old file or the new one,
// never a cut one, and a failed write leaves the old file as it was. A file
// that may not be written is refused (accessDenied); in a folder that allows
// no new files the file is written in place.
FileErrorCause writeWholeFile(const std::filesystem::path& path, std::string_view bytes);
// Appends the bytes at the end of the file, creating it when missing. A file
// that will not open is left as it was.
FileErrorCause appendToFile(const std::filesystem::path& path, std::string_view bytes);
// Opens the file for writing without truncating it (creating it empty when
// missing) and closes it again: whether a write would get to open it.
FileErrorCause checkWritable(const std::filesystem::path& path);
// Copies a file (its bytes, then its times and permissions) and moves the
// copy over the target in one step; used for the ".da$" safety copies. A
// missing source is not an error: nothing is copied.
FileErrorCause copyFileIfExists(const std::filesystem::path& from, const std::filesystem::path& to);
// The path with its extension replaced by ".da$".
std::filesystem::path safetyCopyPath(const std::filesystem::path& path);

}  // namespace bunrako
