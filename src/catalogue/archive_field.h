#pragma once

#include <cstddef>

#include "common/read_report.h"

namespace bunrako {

class ArchiveReader;

// Reads an archive string into a fixed text field. A string longer than the
// field holds is never cut: the report is set to textTooLong, naming the
// field, and false is returned, as for a read failure.
bool readArchiveText(ArchiveReader& archive, char* field, size_t width, const char* key,
                     ReadReport& report);

template <size_t N>
bool readArchiveText(ArchiveReader& archive, char (&field)[N], const char* key,
                     ReadReport& report) {
    return readArchiveText(archive, field, N, key, report);
}

}  // namespace bunrako
