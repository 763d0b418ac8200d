#include "common/program_places.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

#include "common/file_io.h"
#include "common/my_tool.h"

// From the folder of an installed program to its resources; set by the
// build from the install directories.
#ifndef BUNRAKO_RESOURCES_FROM_PROGRAM
#define BUNRAKO_RESOURCES_FROM_PROGRAM "../share/bunrako"
#endif

namespace bunrako {
namespace {

namespace fs = std::filesystem;

constexpr char kSeparator = static_cast<char>(fs::path::preferred_separator);

std::string withSeparator(std::string folder) {
    if (!folder.empty() && folder.back() != '/' && folder.back() != kSeparator) {
        folder += kSeparator;
    }
    return folder;
}

std::string subfolder(const std::optional<std::string>& base, const char* name) {
    if (!base || base->empty()) return {};
    return withSeparator(pathToUtf8(pathFromUtf8(*base) / name));
}

bool isAbsolute(const std::optional<std::string>& folder) {
    return folder && pathFromUtf8(*folder).is_absolute();
}

}  // namespace

ProgramPlaces ProgramPlaces::ProgramFolderOnly(std::string programFolder) {
    return ProgramPlaces{std::move(programFolder), {}, {}};
}

ProgramPlaces ProgramPlaces::ForRunningProgram() {
    return FromEnvironment(CMyTool::GetProgramFolder(), [](const char* name) {
        const char* value = std::getenv(name);
        return value ? std::optional<std::string>(value) : std::nullopt;
    });
}

ProgramPlaces ProgramPlaces::FromEnvironment(std::string programFolder,
                                             const Environment& variable) {
    ProgramPlaces places = ProgramFolderOnly(std::move(programFolder));
#ifdef _WIN32
    places.userFolder = subfolder(variable("APPDATA"), "Bunrako");
    places.officeFolder = subfolder(variable("ProgramData"), "Bunrako");
#else
    // A relative XDG_CONFIG_HOME is to be ignored, as if unset.
    const std::optional<std::string> configHome = variable("XDG_CONFIG_HOME");
    places.userFolder = isAbsolute(configHome)
                            ? subfolder(configHome, "bunrako")
                            : subfolder(subfolder(variable("HOME"), ".config"), "bunrako");
    places.officeFolder = "/etc/bunrako/";
#endif
    return places;
}

std::vector<std::string> ProgramPlaces::PointerFileFolders() const {
    std::vector<std::string> folders;
    for (const std::string* folder : {&programFolder, &userFolder, &officeFolder}) {
        if (!folder->empty()) folders.push_back(*folder);
    }
    return folders;
}

std::string ProgramPlaces::FolderOfLastResort() const {
    if (userFolder.empty() || IsWritableFolder(programFolder)) return programFolder;
    std::error_code ignored;
    fs::create_directories(pathFromUtf8(userFolder), ignored);
    return userFolder;
}

bool IsWritableFolder(const std::string& folder) {
    // A name of its own, so that no file of the folder is touched and two
    // workstations that start together do not meet.
    const fs::path probe =
        pathFromUtf8(folder) / ("~bunrako-" + std::to_string(std::random_device()()) + ".tmp");
    if (!std::ofstream(probe, std::ios::binary)) return false;
    std::error_code ignored;
    fs::remove(probe, ignored);
    return true;
}

std::string ResourceFolder(const std::string& programFolder) {
    const fs::path program = pathFromUtf8(programFolder);
    for (const fs::path& candidate : {program / BUNRAKO_RESOURCES_FROM_PROGRAM, program / "res"}) {
        std::error_code error;
        if (fs::is_directory(candidate, error)) {
            return withSeparator(pathToUtf8(candidate.lexically_normal()));
        }
    }
    return {};
}

}  // namespace bunrako
