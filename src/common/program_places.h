#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace bunrako {

// The folders where the program looks for the pointer file and its own
// files. Every folder text ends in its separator; an empty one is not used.
//
// Beside the program comes first, as it always has: an office that copies
// the program into a folder of its own keeps the pointer file there. An
// installed program lies in a folder that clerks cannot write, so the
// desktop's places follow: the user's configuration folder, then the
// office-wide one that the administrator fills for every user.
struct ProgramPlaces {
    std::string programFolder;
    std::string userFolder;    // ~/.config/bunrako/ (Windows: %APPDATA%\Bunrako\)
    std::string officeFolder;  // /etc/bunrako/ (Windows: %ProgramData%\Bunrako\)

    // Only the program folder: the places of a program kept in a folder of
    // its own (and of the tests).
    static ProgramPlaces ProgramFolderOnly(std::string programFolder);
    // The places of the running program on this computer.
    static ProgramPlaces ForRunningProgram();
    // The places for a program folder and the environment variables that
    // variable returns (nothing for an unset variable).
    using Environment = std::function<std::optional<std::string>(const char* name)>;
    static ProgramPlaces FromEnvironment(std::string programFolder, const Environment& variable);

    // The folders to look for the pointer file in, in order.
    std::vector<std::string> PointerFileFolders() const;
    // The folder that serves when no pointer file names one: the program
    // folder where it can be written, otherwise the user's folder, made
    // when missing.
    std::string FolderOfLastResort() const;
};

// Whether a file can be made in the folder (tried, then removed again).
bool IsWritableFolder(const std::string& folder);

// The folder of the program's resources (icons, templates), with its
// separator: "../share/bunrako/" from an installed program, wherever its
// prefix was moved, or "res/" beside the program. Empty when neither exists.
std::string ResourceFolder(const std::string& programFolder);

}  // namespace bunrako
