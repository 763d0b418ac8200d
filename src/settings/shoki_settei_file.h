#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "settings/shoki_settei_data.h"

namespace bunrako {

class Prompt;

// The settings file ShokiSettei.dat: an archive of the version tag and then
// the records to the end of the file, with no count. Each version stores a
// prefix of the same field sequence; the untagged oldest version holds
// exactly one record from the first byte. Only the newest is written.
struct ShokiSetteiFileContent {
    // False when not even the first string could be read, or when the file
    // is of a version this program does not know.
    bool readable = false;
    // The tag the file carried; nothing for the untagged version.
    std::optional<std::string> version;
    // A first string shaped like a tag ("Ver" and eight digits) that is none
    // of the known ones: a newer program's file, of which nothing is read.
    std::optional<std::string> unknownVersion;
    // The complete records in file order.
    std::vector<CShokiSetteiData> records;
    // The record being read when reading ended (defaults overwritten by the
    // fields that were read).
    CShokiSetteiData lastRead;
};

// The versions, newest first, with how many stored fields each keeps.
struct ShokiSetteiVersion {
    const char* tag;
    size_t storedFields;
};
std::span<const ShokiSetteiVersion> ShokiSetteiVersions();
inline constexpr size_t kUntaggedStoredFields = 20;

// Reads the file's bytes. A field that cannot be read is told through the
// prompt as path + the field's key + the archive's cause text, and its
// record is dropped; running out of data exactly between records is the
// normal end and tells nothing. A newer version is told and not read.
ShokiSetteiFileContent ReadShokiSetteiFile(std::string_view bytes, const std::string& path,
                                           Prompt& prompt);
// The unknown tag of a newer program's file, as ReadShokiSetteiFile finds
// it; nothing for a file this program reads (or cannot read at all).
std::optional<std::string> UnknownShokiSetteiVersion(std::string_view bytes);
// The bytes of the newest version holding the records.
std::string ShokiSetteiFileBytes(const std::vector<CShokiSetteiData>& records);

}  // namespace bunrako
