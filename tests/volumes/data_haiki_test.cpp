#include "volumes/data_haiki.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <vector>

#include "support/fake_prompt.h"
#include "support/forms_images.h"
#include "support/temp_folder.h"
#include "support/volume_bytes.h"
#include "volumes/doc_master_data.h"
#include "volumes/hozon_nengen_henkousho_data.h"

namespace bunrako {
namespace {

namespace vb = testing::volume_bytes;

CHozonNengenHenkoushoData formOf(const std::string& image) {
    CHozonNengenHenkoushoData form;
    std::memcpy(static_cast<void*>(&form), image.data(), sizeof form);
    return form;
}

class DataDisposalTest : public ::testing::Test {
  protected:
    DataDisposalTest() {
        // Two volumes of 令和2年度 and one of 平成31年度 (2019-04-01), with the
        // numbers the volume file gives them.
        a2020 = vb::volume("502001001 1 2 3000100", vb::kJinji);
        b2020 = vb::volume("502001001 1 2 3000200", vb::kYosansho);
        c2020 = vb::volume("502001001 1 2 3000300", vb::kKyuuyo);
        d2019 = vb::volume("431001001 1 2 3000100", vb::kJinji, vb::kApril2019);
        sourceBytes = vb::file(4, {d2019, a2020, b2020, c2020});
        testing::writeBytes(master(), sourceBytes);
    }
    std::filesystem::path master() const { return folder / "DocMaster.dat"; }
    std::filesystem::path archive2020() const {
        return folder / "令和2年システム廃棄_文書整理一覧表.dat";
    }
    std::filesystem::path archive2019() const {
        return folder / "平成31年システム廃棄_文書整理一覧表.dat";
    }
    std::vector<CDocMasterData> selection() const {
        return {fromBytes(b2020), fromBytes(d2019), fromBytes(a2020)};
    }

    testing::TempFolder folder;
    testing::FakePrompt prompt;
    vb::Record a2020, b2020, c2020, d2019;
    std::string sourceBytes;
};

TEST_F(DataDisposalTest, ArchivesAreNamedBySourceAndCreationYear) {
    const auto volume = fromBytes(a2020);
    EXPECT_EQ(volumeArchivePath(master(), VolumeSource::volumeFile, volume), archive2020());
    EXPECT_EQ(volumeArchivePath(folder / "HaikiDoc.dat", VolumeSource::disposedFile, volume),
              folder / "令和2年システム廃棄_廃棄簿冊名一覧表.dat");
    const auto form = formOf(testing::formImage("A", vb::kApril2019));
    EXPECT_EQ(formArchivePath(folder / "Minaosi.dat", form),
              folder / "平成31年システム廃棄_保存年限変更書.dat");
    // A bare file name keeps its archives in the same (current) folder.
    EXPECT_EQ(volumeArchivePath("DocMaster.dat", VolumeSource::volumeFile, volume),
              std::filesystem::u8path("令和2年システム廃棄_文書整理一覧表.dat"));
}

TEST_F(DataDisposalTest, CancellingTheQuestionChangesNoFile) {
    const auto result = disposeVolumeData(selection(), master(), VolumeSource::volumeFile, prompt);
    EXPECT_EQ(result.outcome, BatchResult::Outcome::cancelled);
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].rfind("選択したデータをシステムから廃棄します。", 0), 0u);
    EXPECT_NE(prompt.asked[0].find("\n廃棄した簿冊のうち管理を必要としなくなったもの"),
              std::string::npos);
    // It names how many records leave and the archives they go to.
    EXPECT_NE(prompt.asked[0].find("\n\n廃棄する件数：3 件\n保存先（"), std::string::npos);
    EXPECT_NE(
        prompt.asked[0].find("：\n　令和2年システム廃棄_文書整理一覧表.dat\n　平成31年システム廃棄_"
                             "文書整理一覧表.dat"),
        std::string::npos);
    EXPECT_EQ(testing::readBytes(master()), sourceBytes);
    EXPECT_FALSE(std::filesystem::exists(archive2020()));
    EXPECT_FALSE(std::filesystem::exists(archive2019()));
}

TEST_F(DataDisposalTest, VolumesMoveIntoTheArchiveOfTheirYear) {
    // The 2020 archive already holds a volume of another section.
    const auto earlier =
        vb::volume("502001001 1 2 3000100", vb::kKyuuyo).text(vb::kSectionAt, vb::kKeiriKakari);
    testing::writeBytes(archive2020(), vb::file(1, {earlier}));
    prompt.answers.push_back(Answer::ok);
    const auto result = disposeVolumeData(selection(), master(), VolumeSource::volumeFile, prompt);
    EXPECT_EQ(result.result(), 1);
    EXPECT_EQ(result.done, (std::vector<size_t>{0, 1, 2}));
    EXPECT_EQ(testing::readBytes(master()), vb::file(1, {c2020}));
    // Stored as the volume files store: numbered within the archive, sorted.
    EXPECT_EQ(testing::readBytes(archive2020()),
              vb::file(3, {earlier, b2020.text(vb::kNumberAt, "502001001 1 2 3000200"),
                           a2020.text(vb::kNumberAt, "502001001 1 2 3000300")}));
    EXPECT_EQ(testing::readBytes(archive2019()), vb::file(1, {d2019}));
    EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(DataDisposalTest, AnArchiveThatCannotBeWrittenLosesNoRecord) {
    std::filesystem::create_directory(archive2020());
    prompt.answers.push_back(Answer::ok);
    const auto result = disposeVolumeData(selection(), master(), VolumeSource::volumeFile, prompt);
    EXPECT_EQ(result.outcome, BatchResult::Outcome::stopped);
    EXPECT_EQ(result.stoppedAt, 0u);
    EXPECT_TRUE(result.done.empty());
    EXPECT_FALSE(prompt.messages.empty());
    EXPECT_EQ(testing::readBytes(master()), sourceBytes);
    EXPECT_FALSE(std::filesystem::exists(archive2019()));
}

TEST_F(DataDisposalTest, ArchivesDoneBeforeTheFailureAreGoneFromTheSource) {
    std::filesystem::create_directory(archive2019());
    prompt.answers.push_back(Answer::ok);
    const auto result = disposeVolumeData(selection(), master(), VolumeSource::volumeFile, prompt);
    EXPECT_EQ(result.outcome, BatchResult::Outcome::stopped);
    EXPECT_EQ(result.stoppedAt, 1u);
    EXPECT_EQ(result.done, (std::vector<size_t>{0, 2}));
    EXPECT_EQ(testing::readBytes(master()), vb::file(2, {d2019, c2020}));
    ASSERT_TRUE(std::filesystem::is_regular_file(archive2020()));
}

TEST_F(DataDisposalTest, ADamagedArchiveIsNotRewritten) {
    // The count claims two records, the file holds one and a half.
    const std::string damaged =
        vb::file(2, {vb::volume("502001001 1 2 3000100", vb::kKyuuyo)}) + std::string(100, 'x');
    testing::writeBytes(archive2020(), damaged);
    prompt.answers.push_back(Answer::ok);
    const std::vector<CDocMasterData> selected = {fromBytes(a2020)};
    const auto result = disposeVolumeData(selected, master(), VolumeSource::volumeFile, prompt);
    EXPECT_EQ(result.outcome, BatchResult::Outcome::stopped);
    EXPECT_EQ(testing::readBytes(archive2020()), damaged);
    EXPECT_EQ(testing::readBytes(master()), sourceBytes);
}

TEST_F(DataDisposalTest, TheDisposedFileHasItsOwnQuestionAndArchives) {
    const auto disposedFile = folder / "HaikiDoc.dat";
    testing::writeBytes(disposedFile, vb::file(1, {a2020}));
    prompt.answers.push_back(Answer::ok);
    const std::vector<CDocMasterData> selected = {fromBytes(a2020)};
    const auto result =
        disposeVolumeData(selected, disposedFile, VolumeSource::disposedFile, prompt);
    EXPECT_EQ(result.result(), 1);
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_NE(prompt.asked[0].find("\n管理を必要としなくなったもの"), std::string::npos);
    EXPECT_EQ(testing::readBytes(disposedFile), vb::countWord(0));
    EXPECT_EQ(testing::readBytes(folder / "令和2年システム廃棄_廃棄簿冊名一覧表.dat"),
              vb::file(1, {a2020}));
}

class FormDataDisposalTest : public ::testing::Test {
  protected:
    FormDataDisposalTest() {
        sourceBytes = testing::countWord(3) + a + b + c;
        testing::writeBytes(formsFile(), sourceBytes);
    }
    std::filesystem::path formsFile() const { return folder / "Minaosi.dat"; }
    std::filesystem::path archive() const {
        return folder / "令和2年システム廃棄_保存年限変更書.dat";
    }

    testing::TempFolder folder;
    testing::FakePrompt prompt;
    std::string a = testing::formImage("A", vb::kApril2020);
    std::string b = testing::formImage("B", vb::kApril2020);
    std::string c = testing::formImage("C", vb::kApril2021);
    std::string sourceBytes;
};

TEST_F(FormDataDisposalTest, FormsMoveIntoTheArchiveOfTheirYear) {
    prompt.answers.push_back(Answer::ok);
    const std::vector<CHozonNengenHenkoushoData> selected = {formOf(b), formOf(a)};
    const auto result = disposeFormData(selected, formsFile(), prompt);
    EXPECT_EQ(result.result(), 1);
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_NE(prompt.asked[0].find("\n管理を必要としなくなったもの"), std::string::npos);
    EXPECT_EQ(testing::readBytes(formsFile()), testing::countWord(1) + c);
    EXPECT_EQ(testing::readBytes(archive()), testing::countWord(2) + b + a);
}

TEST_F(FormDataDisposalTest, AnArchiveThatCannotBeWrittenLosesNoForm) {
    std::filesystem::create_directory(archive());
    prompt.answers.push_back(Answer::ok);
    const std::vector<CHozonNengenHenkoushoData> selected = {formOf(a)};
    const auto result = disposeFormData(selected, formsFile(), prompt);
    EXPECT_EQ(result.outcome, BatchResult::Outcome::stopped);
    EXPECT_FALSE(prompt.messages.empty());
    EXPECT_EQ(testing::readBytes(formsFile()), sourceBytes);
}

TEST_F(FormDataDisposalTest, CancellingChangesNoFile) {
    const std::vector<CHozonNengenHenkoushoData> selected = {formOf(a)};
    EXPECT_EQ(disposeFormData(selected, formsFile(), prompt).outcome,
              BatchResult::Outcome::cancelled);
    EXPECT_EQ(testing::readBytes(formsFile()), sourceBytes);
    EXPECT_FALSE(std::filesystem::exists(archive()));
}

}  // namespace
}  // namespace bunrako
