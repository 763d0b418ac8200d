#include <gtest/gtest.h>

#include <ostream>

#include "common/file_io.h"
#include "settings/pointer_file.h"
#include "settings/shoki_settei_list.h"
#include "support/temp_folder.h"

namespace bunrako {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;
using testing::writeBytes;

// What each of the three places holds: nothing, a pointer file with an empty
// first line, or one naming the folder "D:\<place>\".
enum Holds { kNothing, kEmptyLine, kFolder };

struct PlacesCase {
    Holds program, user, office;
    const char* winner;  // the named folder, or "" for the folder of last resort
};

void PrintTo(const PlacesCase& c, std::ostream* out) {
    *out << "holds " << c.program << c.user << c.office;
}

class PointerFilePlaces : public ::testing::TestWithParam<PlacesCase> {};

TEST_P(PointerFilePlaces, TheFirstPlaceThatNamesAFolderCounts) {
    const PlacesCase& c = GetParam();
    TempFolder temp;
    ProgramPlaces places;
    const std::pair<Holds, std::string*> placeOf[] = {{c.program, &places.programFolder},
                                                      {c.user, &places.userFolder},
                                                      {c.office, &places.officeFolder}};
    const char* names[] = {"program", "user", "office"};
    for (int i = 0; i < 3; ++i) {
        fs::create_directories(temp / names[i]);
        *placeOf[i].second = pathToUtf8(temp / names[i]) + "/";
        const fs::path pointer = temp / names[i] / "ShokiSetteiFileName.dat";
        if (placeOf[i].first == kEmptyLine) writeBytes(pointer, "\r\nD:\\later\\\r\n");
        if (placeOf[i].first == kFolder)
            writeBytes(pointer, "D:\\" + std::string(names[i]) + "\\\r\n");
    }
    const std::string expected = *c.winner ? c.winner : places.programFolder;

    EXPECT_EQ(GetDataFolder(places), expected);
    CShokiSetteiList list;
    EXPECT_EQ(list.LocateSettingsFile(places), *c.winner != '\0');
    EXPECT_EQ(list.SettingsPath(), expected + "ShokiSettei.dat");
}

INSTANTIATE_TEST_SUITE_P(Places, PointerFilePlaces,
                         ::testing::Values(PlacesCase{kFolder, kFolder, kFolder, "D:\\program\\"},
                                           PlacesCase{kNothing, kFolder, kFolder, "D:\\user\\"},
                                           PlacesCase{kEmptyLine, kEmptyLine, kFolder,
                                                      "D:\\office\\"},
                                           PlacesCase{kNothing, kNothing, kFolder, "D:\\office\\"},
                                           PlacesCase{kNothing, kEmptyLine, kNothing, ""}));

}  // namespace
}  // namespace bunrako
