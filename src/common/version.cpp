#include "common/version.h"

// Given by the build from the project's version, for this file alone.
#ifndef BUNRAKO_VERSION
#error "BUNRAKO_VERSION is set by the build"
#endif

namespace bunrako {

const char* ProgramVersion() { return BUNRAKO_VERSION; }

std::string VersionLine(std::string_view programName) {
    return std::string(programName) + " " + ProgramVersion() + "\n";
}

bool AsksForVersion(int argc, const char* const* argv) {
    for (int i = 0; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--version") return true;
    }
    return false;
}

}  // namespace bunrako
