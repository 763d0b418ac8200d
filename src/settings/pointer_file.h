#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "common/program_places.h"

namespace bunrako {

// The pointer file ShokiSetteiFileName.dat names, on its first line, the
// shared folder of the settings file (with its trailing separator: file
// names are appended to it as they are). It lies beside the program or, for
// an installed program, in the user's or the office's configuration folder
// (ProgramPlaces): the first that names a folder counts.

// How much of the pointer file each reader looks at.
inline constexpr size_t kPointerBytesForSettings = 512;
inline constexpr size_t kPointerBytesForDataFolder = 260;

// The first line (up to the first CR or LF) of at most maxBytes of the
// pointer file in the program folder, as UTF-8; nothing when the file cannot
// be read or the line is empty. Failing quietly is the rule: no message.
std::optional<std::string> ReadPointerFile(const std::string& programFolder, size_t maxBytes);
// The same through the places in their order: the first line of the first
// pointer file that has one.
std::optional<std::string> ReadPointerFile(const ProgramPlaces& places, size_t maxBytes);

// The data folder: the pointer file's first line, or the program folder
// (for an installed program, the folder of last resort of its places).
std::string GetDataFolder(const std::string& programFolder);
std::string GetDataFolder(const ProgramPlaces& places);

// The bytes of a pointer file naming the folder (UTF-8, given with its
// trailing separator): the folder in CP932 and CR LF. Nothing when the
// folder has a character that CP932 cannot hold.
std::optional<std::string> PointerFileBytes(std::string_view folderUtf8);

}  // namespace bunrako
