#include "settings/pointer_file.h"

#include <fstream>

#include "common/cp932.h"
#include "common/file_io.h"
#include "settings/texts.h"

namespace bunrako {

std::optional<std::string> ReadPointerFile(const std::string& programFolder, size_t maxBytes) {
    std::ifstream in(pathFromUtf8(programFolder + settings::texts::kPointerFileName),
                     std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes(maxBytes, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(maxBytes));
    bytes.resize(static_cast<size_t>(in.gcount()));
    // A line edited on another system may end in LF alone.
    const std::string_view line = truncateCp932(bytes, bytes.size());
    const std::string_view firstLine = line.substr(0, line.find_first_of("\r\n"));
    if (firstLine.empty()) return std::nullopt;
    return cp932ToUtf8(firstLine);
}

std::optional<std::string> ReadPointerFile(const ProgramPlaces& places, size_t maxBytes) {
    for (const std::string& folder : places.PointerFileFolders()) {
        if (std::optional<std::string> line = ReadPointerFile(folder, maxBytes)) return line;
    }
    return std::nullopt;
}

std::string GetDataFolder(const std::string& programFolder) {
    return GetDataFolder(ProgramPlaces::ProgramFolderOnly(programFolder));
}

std::string GetDataFolder(const ProgramPlaces& places) {
    std::optional<std::string> folder = ReadPointerFile(places, kPointerBytesForDataFolder);
    return folder ? std::move(*folder) : places.FolderOfLastResort();
}

std::optional<std::string> PointerFileBytes(std::string_view folderUtf8) {
    bool lossless = true;
    std::string bytes = utf8ToCp932(folderUtf8, &lossless);
    if (!lossless) return std::nullopt;
    return bytes + "\r\n";
}

}  // namespace bunrako
