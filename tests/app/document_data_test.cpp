#include "app/document_data.h"

#include <gtest/gtest.h>

#include "app/pointer_file.h"
#include "common/file_io.h"
#include "support/archive_bytes.h"
#include "support/fake_prompt.h"
#include "support/temp_folder.h"

namespace bunrako {
namespace {

using testing::FakePrompt;
using testing::i32;
using testing::str;
using testing::TempFolder;
using testing::writeBytes;

std::string item(std::string_view code, std::string_view name) {
    std::string bytes(93, '\0');
    bytes.replace(0, code.size(), code);
    bytes.replace(11, name.size(), name);
    return bytes;
}

std::string folderText(const std::filesystem::path& folder) { return pathToUtf8(folder) + "/"; }

TEST(DataFolder, ThePointerFileOrTheProgramFolder) {
    TempFolder program;
    EXPECT_EQ(GetDataFolder(folderText(program.path())), folderText(program.path()));
    writeBytes(program / "ShokiSetteiFileName.dat", "\\\\server\\bunrako\\\r\n");
    EXPECT_EQ(GetDataFolder(folderText(program.path())), "\\\\server\\bunrako\\");
    writeBytes(program / "ShokiSetteiFileName.dat", "");
    EXPECT_EQ(GetDataFolder(folderText(program.path())), folderText(program.path()));
    // This reader looks at 260 bytes only.
    writeBytes(program / "ShokiSetteiFileName.dat", std::string(300, 'd'));
    EXPECT_EQ(GetDataFolder(folderText(program.path())), std::string(260, 'd'));
}

TEST(DataFolder, AWrittenPointerFileNamesItsFolder) {
    TempFolder program;
    const std::string folder = "\\\\server\\文書\\";
    const std::optional<std::string> bytes = PointerFileBytes(folder);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(*bytes, "\\\\server\\\x95\xb6\x8f\x91\\\r\n");
    writeBytes(program / "ShokiSetteiFileName.dat", *bytes);
    EXPECT_EQ(GetDataFolder(folderText(program.path())), folder);
    // A folder the settings could not hold is not written.
    EXPECT_FALSE(PointerFileBytes("/tmp/\xF0\x9F\x98\x80/"));
}

TEST(DocumentData, SettingsAndMastersComeFromTheFolderOfThePointerFile) {
    TempFolder program, data;
    writeBytes(program / "ShokiSetteiFileName.dat", folderText(data.path()) + "\r\n");
    // An untagged settings file whose register sits in the data folder.
    std::string settings = str("総務課") + str("庶務係") + str("0010010000") +
                           str("DocMaster.dat") + i32(0) + str("taro") + str("HaikiDoc.dat") +
                           str(pathToUtf8(data / "KenMeibo.dat")) + i32(0) + i32(0);
    for (int i = 0; i < 7; ++i) settings += str("x");
    settings += i32(0) + str("fm") + str("Minaosi.dat");
    writeBytes(data / "ShokiSettei.dat", settings);
    writeBytes(data / "Kamei.dat", i32(1) + item("0010000000", "Soumu"));
    writeBytes(data / "BosatuBunrui.dat",
               i32(2) + item("0010000000", "A") + item("0010010000", "B"));
    FakePrompt prompt;
    DocumentData document(prompt, folderText(program.path()));
    EXPECT_TRUE(prompt.messages.empty()) << prompt.lastMessage();
    EXPECT_EQ(document.m_strDataFolder, folderText(data.path()));
    EXPECT_EQ(document.m_settings.SettingsPath(), folderText(data.path()) + "ShokiSettei.dat");
    EXPECT_EQ(document.m_settings.Current().m_strSectionName, "総務課");
    EXPECT_TRUE(std::filesystem::exists(data / "KenMeibo.dan"));
    EXPECT_EQ(document.m_department.NameByCode("0010000000"), "Soumu");
    EXPECT_EQ(document.m_classification.ListChildren("0010000000"), std::vector<std::string>{"B"});
    // The missing retention master is created empty in the data folder.
    EXPECT_EQ(document.m_retention.size(), 0u);
    EXPECT_TRUE(std::filesystem::exists(data / "HozonNengen.dat"));
    EXPECT_FALSE(std::filesystem::exists(program / "Kamei.dat"));
    EXPECT_EQ(document.m_department.Captions().level1, "課局室");
    EXPECT_EQ(document.m_retention.Captions().name, "保存分類");
}

TEST(DocumentData, WithoutAPointerFileEverythingIsInTheProgramFolder) {
    TempFolder program;
    FakePrompt prompt;
    DocumentData document(prompt, folderText(program.path()));
    EXPECT_EQ(document.m_strDataFolder, folderText(program.path()));
    for (const char* name :
         {"ShokiSettei.dat", "Kamei.dat", "BosatuBunrui.dat", "HozonNengen.dat"}) {
        EXPECT_TRUE(std::filesystem::exists(program / name)) << name;
    }
    // Only the new, empty settings file is worth a message.
    EXPECT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(document.m_settings.Current(), CShokiSetteiData());
}

TEST(DocumentData, AnUnreachableDataFolderIsToldFileByFile) {
    TempFolder program;
    writeBytes(program / "ShokiSetteiFileName.dat", folderText(program / "offline") + "\r\n");
    FakePrompt prompt;
    DocumentData document(prompt, folderText(program.path()));
    // The settings file and the three masters, one message each.
    ASSERT_EQ(prompt.messages.size(), 4u);
    EXPECT_NE(prompt.messages[1].text.find("Kamei.dat:Open:"), std::string::npos);
    EXPECT_EQ(document.m_settings.Records().size(), 1u);
    EXPECT_EQ(document.m_department.size(), 0u);
}

}  // namespace
}  // namespace bunrako
