#include "catalogue/archive_field.h"

#include <cstring>
#include <string>

#include "common/archive.h"

namespace bunrako {

bool readArchiveText(ArchiveReader& archive, char* field, size_t width, const char* key,
                     ReadReport& report) {
    std::string bytes;
    if (!archive.readBytesString(bytes)) return false;
    if (bytes.size() > width - 1) {
        report.state = ReadState::textTooLong;
        report.field = key;
        report.length = bytes.size();
        report.limit = width - 1;
        return false;
    }
    std::memset(field, 0, width);
    std::memcpy(field, bytes.data(), bytes.size());
    return true;
}

}  // namespace bunrako
