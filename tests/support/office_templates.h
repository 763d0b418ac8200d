#pragma once

#include <string>

#include "common/file_io.h"

namespace bunrako::testing {

// The program's own document templates in the source tree.
inline std::string templateInSources(const char* name) {
    const auto sources = (pathFromUtf8(BUNRAKO_TEST_DATA_DIR) / ".." / "..").lexically_normal();
    return pathToUtf8(sources / "res" / "templates" / pathFromUtf8(name));
}

}  // namespace bunrako::testing
