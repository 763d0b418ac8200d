#pragma once

#include <filesystem>
#include <string>

namespace bunrako {

struct CDocMasterData;

// The draft file of a document in its volume's folder,
// "<volume folder>/起案_<subject>_002.jtd": the subject (made safe for a file
// name), the draft number (0 the document's own, 1-10 a progress step's)
// and the word-processor extension of the settings.
std::filesystem::path draftFilePath(const std::filesystem::path& volumeFile,
                                    const CDocMasterData& volume, const std::string& subject,
                                    int draftNumber, const std::string& extension);

}  // namespace bunrako
