#include "common/program_places.h"

#include <gtest/gtest.h>

#include <map>
#include <ostream>

#include "common/file_io.h"
#include "support/temp_folder.h"

namespace bunrako {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

std::string folderText(const fs::path& folder) { return pathToUtf8(folder) + "/"; }

#ifndef _WIN32
struct EnvironmentCase {
    std::map<std::string, std::string> variables;
    std::string userFolder;
};

void PrintTo(const EnvironmentCase& c, std::ostream* out) {
    if (c.variables.empty()) *out << "(none)";
    for (const auto& [name, value] : c.variables) *out << name << '=' << value << ' ';
}

class UserFolder : public ::testing::TestWithParam<EnvironmentCase> {};

TEST_P(UserFolder, FollowsTheDesktopConvention) {
    const EnvironmentCase& c = GetParam();
    const ProgramPlaces places =
        ProgramPlaces::FromEnvironment("/opt/bunrako/bin/", [&](const char* name) {
            const auto found = c.variables.find(name);
            return found == c.variables.end() ? std::nullopt
                                              : std::optional<std::string>(found->second);
        });
    EXPECT_EQ(places.userFolder, c.userFolder);
    EXPECT_EQ(places.officeFolder, "/etc/bunrako/");
    EXPECT_EQ(places.PointerFileFolders(),
              (c.userFolder.empty()
                   ? std::vector<std::string>{"/opt/bunrako/bin/", "/etc/bunrako/"}
                   : std::vector<std::string>{"/opt/bunrako/bin/", c.userFolder, "/etc/bunrako/"}));
}

INSTANTIATE_TEST_SUITE_P(
    Environments, UserFolder,
    ::testing::Values(EnvironmentCase{{{"HOME", "/home/sato"}}, "/home/sato/.config/bunrako/"},
                      EnvironmentCase{{{"HOME", "/home/sato"}, {"XDG_CONFIG_HOME", "/srv/conf"}},
                                      "/srv/conf/bunrako/"},
                      // A relative XDG_CONFIG_HOME does not count.
                      EnvironmentCase{{{"HOME", "/home/sato"}, {"XDG_CONFIG_HOME", "conf"}},
                                      "/home/sato/.config/bunrako/"},
                      EnvironmentCase{{}, ""}));
#endif

TEST(FolderOfLastResort, TheProgramFolderWhereItCanBeWritten) {
    TempFolder temp;
    const ProgramPlaces writable{folderText(temp.path()), folderText(temp / "user"), ""};
    EXPECT_EQ(writable.FolderOfLastResort(), writable.programFolder);
    EXPECT_FALSE(fs::exists(temp / "user"));
    EXPECT_TRUE(fs::is_empty(temp.path()));  // the probe is gone

    // A folder that cannot be written (here: one that is gone) gives way to
    // the user's folder, made for the settings to be kept in.
    const ProgramPlaces readOnly{folderText(temp / "gone"), folderText(temp / "user"), ""};
    EXPECT_EQ(readOnly.FolderOfLastResort(), readOnly.userFolder);
    EXPECT_TRUE(fs::is_directory(temp / "user"));
    EXPECT_FALSE(IsWritableFolder(readOnly.programFolder));

    const ProgramPlaces alone = ProgramPlaces::ProgramFolderOnly(folderText(temp / "gone"));
    EXPECT_EQ(alone.FolderOfLastResort(), alone.programFolder);
}

TEST(ResourceFolder, FromTheInstalledPrefixOrBesideTheProgram) {
    TempFolder temp;
    const fs::path program = temp / "prefix" / "bin";
    fs::create_directories(program);
    EXPECT_EQ(ResourceFolder(folderText(program)), "");

    fs::create_directories(program / "res");
    EXPECT_EQ(ResourceFolder(folderText(program)), folderText(program / "res"));

    // The installed layout wins, wherever the prefix lies.
    const fs::path installed = (program / BUNRAKO_RESOURCES_FROM_PROGRAM).lexically_normal();
    fs::create_directories(installed);
    EXPECT_EQ(ResourceFolder(folderText(program)), folderText(installed));
}

}  // namespace
}  // namespace bunrako
