#include "settings/receipt_file.h"

#include "common/archive.h"
#include "settings/texts.h"

namespace bunrako {

ReceiptFileContent ReadReceiptFile(std::string_view bytes) {
    ReceiptFileContent content;
    ArchiveReader in(bytes);
    while (!in.atEnd()) {
        const size_t pairStart = in.offset();
        ReceiptPair pair;
        if (!in.readBytesString(pair.sectionName) || !in.readInt32(pair.nextReceiptNo)) {
            content.unreadBytes = bytes.size() - pairStart;
            break;
        }
        content.pairs.push_back(std::move(pair));
    }
    return content;
}

std::string ReceiptFileBytes(const std::vector<ReceiptPair>& pairs) {
    ArchiveWriter out;
    for (const ReceiptPair& pair : pairs) {
        out.writeBytesString(pair.sectionName);
        out.writeInt32(pair.nextReceiptNo);
    }
    return out.take();
}

std::string ReceiptFilePath(std::string_view registerFile) {
    if (registerFile.empty()) return {};
    // Only a dot in the file name counts, not one in a folder name.
    const size_t nameStart = registerFile.find_last_of("\\/");
    const size_t dot = registerFile.rfind('.');
    const bool hasExtension =
        dot != std::string_view::npos && (nameStart == std::string_view::npos || dot > nameStart);
    const std::string_view stem = hasExtension ? registerFile.substr(0, dot) : registerFile;
    return std::string(stem) + "." + settings::texts::kReceiptExtension;
}

}  // namespace bunrako
