#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace bunrako {

// The receipt-number file beside the title register (KenMeibo.dat gives
// KenMeibo.dan): an archive of (section name, next receipt number) pairs to
// the end of the file, with no count and no tag.
struct ReceiptPair {
    // CP932 bytes as stored, so rewriting loses nothing; the name ends at
    // the first NUL.
    std::string sectionName;
    int32_t nextReceiptNo = 1;
};

struct ReceiptFileContent {
    std::vector<ReceiptPair> pairs;
    // Bytes after the last complete pair (a cut-off pair).
    size_t unreadBytes = 0;
};

ReceiptFileContent ReadReceiptFile(std::string_view bytes);
std::string ReceiptFileBytes(const std::vector<ReceiptPair>& pairs);

// The register file's name with its extension replaced by "dan" (appended
// when the name has none); "" for an empty register file name.
std::string ReceiptFilePath(std::string_view registerFile);

}  // namespace bunrako
