#pragma once

#include <string>
#include <string_view>

namespace bunrako {

// The version of this build, as the build names it ("0.1").
const char* ProgramVersion();

// The line that --version prints: the program's name and the version.
std::string VersionLine(std::string_view programName);

// Whether the command line (without the program name) asks for the version.
bool AsksForVersion(int argc, const char* const* argv);

}  // namespace bunrako
