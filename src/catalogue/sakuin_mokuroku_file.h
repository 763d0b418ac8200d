#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "catalogue/sakuin_mokuroku_header.h"
#include "catalogue/sakuin_mokuroku_list.h"
#include "common/read_report.h"

namespace bunrako {

// The index catalogue file: a 21-byte version tag, the header image and the
// entry images to the end of the file, no count. Four older versions and the
// untagged archive of the first releases are read and converted; only the
// newest version is written.
struct CatalogueImage {
    CSakuinMokurokuHeader header;
    std::vector<CSakuinMokurokuList> entries;
    ReadReport report;
};

inline constexpr size_t kCatalogueTagSize = 21;

// `now` fills the fields older versions lack (completion dates) and the
// cleared header. Never trusts a length or count beyond the bytes present.
CatalogueImage parseCatalogueFile(std::string_view bytes, const OleDateTime& now);

std::string serializeCatalogueFile(const CSakuinMokurokuHeader& header,
                                   const std::vector<CSakuinMokurokuList>& entries);

}  // namespace bunrako
