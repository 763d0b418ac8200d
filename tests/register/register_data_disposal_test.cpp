#include "register/register_data_disposal.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "common/cp932.h"
#include "register/bunsho_ken_meibo_data.h"
#include "support/fake_prompt.h"
#include "support/register_images.h"
#include "support/temp_folder.h"

namespace bunrako {
namespace {

namespace fs = std::filesystem;
using testing::day;
using testing::EntryAt;
using testing::kRegisterTag;

// An entry filed in a volume of the given fiscal year.
std::string entryImage(std::string_view number, double volumeYear, std::string_view subject = {}) {
    std::string image = testing::entryImage(number, "0010010000", day(2024, 4, 1), day(2024, 5, 1));
    testing::putDate(image, EntryAt::volumeYear, volumeYear);
    testing::putBytes(image, EntryAt::subject, utf8ToCp932(subject));
    return image;
}

CBunshoKenMeiboData entryOf(const std::string& image) {
    CBunshoKenMeiboData e;
    std::memcpy(static_cast<void*>(&e), image.data(), sizeof e);
    return e;
}

std::string registerBytes(const std::vector<std::string>& images) {
    std::string bytes(kRegisterTag);
    for (const auto& image : images) bytes += image;
    return bytes;
}

class RegisterDataDisposalTest : public ::testing::Test {
  protected:
    RegisterDataDisposalTest() {
        testing::writeBytes(file(), registerBytes({h20, h21, kept}));
        prompt.answers = {Answer::ok};
    }
    fs::path file() const { return folder / "KenMeibo.dat"; }
    fs::path archiveH20() const { return folder / "平成20年システム廃棄_文書件名簿.dat"; }
    fs::path archiveH21() const { return folder / "平成21年システム廃棄_文書件名簿.dat"; }
    std::vector<CBunshoKenMeiboData> selection() const { return {entryOf(h21), entryOf(h20)}; }

    testing::TempFolder folder;
    testing::FakePrompt prompt;
    const std::string h20 = entryImage("1", day(2008, 4, 1), "平成20年度の簿冊");
    const std::string h21 = entryImage("2", day(2009, 4, 1), "平成21年度の簿冊");
    const std::string kept = entryImage("3", day(2009, 4, 1), "残す");
};

TEST_F(RegisterDataDisposalTest, ArchivesAreNamedByTheVolumeYear) {
    EXPECT_EQ(registerArchivePath(file(), entryOf(h20)), archiveH20());
    // 1 May 2019 began 令和.
    EXPECT_EQ(registerArchivePath(file(), entryOf(entryImage("1", day(2019, 5, 1)))),
              folder / "令和1年システム廃棄_文書件名簿.dat");
    EXPECT_EQ(registerArchivePath("KenMeibo.dat", entryOf(h21)),
              fs::u8path("平成21年システム廃棄_文書件名簿.dat"));
}

TEST_F(RegisterDataDisposalTest, NothingHappensWithoutSelectionOrConfirmation) {
    EXPECT_EQ(disposeRegisterData({}, file(), prompt).outcome, BatchResult::Outcome::completed);
    EXPECT_TRUE(prompt.asked.empty());
    prompt.answers = {Answer::cancel};
    const BatchResult result = disposeRegisterData(selection(), file(), prompt);
    EXPECT_EQ(result.outcome, BatchResult::Outcome::cancelled);
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0],
              "選択した2件を次のファイルへ移します。\n　平成21年システム廃棄_文書件名簿.dat\n"
              "　平成20年システム廃棄_文書件名簿.dat\n\n"
              "選択したデータをシステムから廃棄します。\n単なるデータの削除ではありません。\n"
              "廃棄した簿冊等考慮の上、管理を必要としなくなったものについて処理することをお勧め"
              "します。\n廃棄されたデータは戻りませんので注意して下さい。\n\n処理を実行よろしいで"
              "すか？");
    EXPECT_EQ(testing::readBytes(file()), registerBytes({h20, h21, kept}));
    EXPECT_FALSE(fs::exists(archiveH20()));
}

TEST_F(RegisterDataDisposalTest, EachEntryGoesToTheArchiveOfItsVolumeYear) {
    const BatchResult result = disposeRegisterData(selection(), file(), prompt);
    EXPECT_EQ(result.outcome, BatchResult::Outcome::completed);
    EXPECT_EQ(result.done, (std::vector<size_t>{0, 1}));
    EXPECT_EQ(testing::readBytes(archiveH20()), registerBytes({h20}));
    EXPECT_EQ(testing::readBytes(archiveH21()), registerBytes({h21}));
    EXPECT_EQ(testing::readBytes(file()), registerBytes({kept}));
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(RegisterDataDisposalTest, AnArchiveNeverLosesAnEntry) {
    // The archive already holds an older document of the same section, year
    // and number, and the very entry being disposed of (an earlier batch
    // stopped after writing it).
    const std::string older = entryImage("1", day(2008, 4, 1), "前に廃棄した文書");
    testing::writeBytes(archiveH20(), registerBytes({older}));
    testing::writeBytes(archiveH21(), registerBytes({h21}));
    ASSERT_EQ(disposeRegisterData(selection(), file(), prompt).result(), 1);
    EXPECT_EQ(testing::readBytes(archiveH20()), registerBytes({older, h20}));
    EXPECT_EQ(testing::readBytes(archiveH21()), registerBytes({h21}));
    EXPECT_EQ(testing::readBytes(file()), registerBytes({kept}));
}

TEST_F(RegisterDataDisposalTest, AnArchiveThatCannotBeWrittenKeepsItsEntriesInTheRegister) {
    // The 平成20 archive's name is taken by a folder.
    fs::create_directory(archiveH20());
    const BatchResult result = disposeRegisterData(selection(), file(), prompt);
    EXPECT_EQ(result.outcome, BatchResult::Outcome::stopped);
    EXPECT_EQ(result.done, (std::vector<size_t>{0}));
    EXPECT_EQ(result.stoppedAt, 1u);
    EXPECT_FALSE(prompt.messages.empty());
    EXPECT_NE(prompt.lastMessage().find("平成20年システム廃棄_文書件名簿.dat"), std::string::npos);
    EXPECT_EQ(testing::readBytes(archiveH21()), registerBytes({h21}));
    EXPECT_EQ(testing::readBytes(file()), registerBytes({h20, kept}));
}

TEST_F(RegisterDataDisposalTest, AFailureAtTheFirstArchiveChangesNoRegisterEntry) {
    fs::create_directory(archiveH21());
    const BatchResult result = disposeRegisterData(selection(), file(), prompt);
    EXPECT_EQ(result.outcome, BatchResult::Outcome::stopped);
    EXPECT_TRUE(result.done.empty());
    EXPECT_EQ(result.stoppedAt, 0u);
    EXPECT_EQ(testing::readBytes(file()), registerBytes({h20, h21, kept}));
    EXPECT_FALSE(fs::exists(archiveH20()));
}

TEST_F(RegisterDataDisposalTest, AnArchiveOfAnUnknownVersionIsNotWrittenOver) {
    const std::string foreign = std::string("BunshoKenMeiboVer999\0", 21) + "later data";
    testing::writeBytes(archiveH21(), foreign);
    const BatchResult result = disposeRegisterData(selection(), file(), prompt);
    EXPECT_EQ(result.outcome, BatchResult::Outcome::stopped);
    EXPECT_TRUE(result.done.empty());
    EXPECT_EQ(testing::readBytes(archiveH21()), foreign);
    EXPECT_EQ(testing::readBytes(file()), registerBytes({h20, h21, kept}));
}

TEST_F(RegisterDataDisposalTest, ARegisterThatCannotBeRewrittenKeepsTheEntryInBothFiles) {
    // The safety copy's name is taken by a folder; the clerk gives up.
    fs::create_directory(folder / "KenMeibo.da$");
    const std::vector<CBunshoKenMeiboData> one = {entryOf(h21)};
    const BatchResult result = disposeRegisterData(one, file(), prompt);
    EXPECT_EQ(result.outcome, BatchResult::Outcome::stopped);
    EXPECT_FALSE(prompt.retries.empty());
    EXPECT_EQ(testing::readBytes(archiveH21()), registerBytes({h21}));
    EXPECT_EQ(testing::readBytes(file()), registerBytes({h20, h21, kept}));
}

TEST_F(RegisterDataDisposalTest, EntriesOfARegisterThatIsItsOwnArchiveStay) {
    // The register file setting points at an archive to read it back.
    const fs::path archive = archiveH21();
    testing::writeBytes(archive, registerBytes({h21, kept}));
    const std::vector<CBunshoKenMeiboData> chosen = {entryOf(h21)};
    const BatchResult result = disposeRegisterData(chosen, archive, prompt);
    EXPECT_EQ(result.outcome, BatchResult::Outcome::completed);
    EXPECT_EQ(testing::readBytes(archive), registerBytes({h21, kept}));
}

}  // namespace
}  // namespace bunrako
