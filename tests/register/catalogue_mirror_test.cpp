#include "register/catalogue_mirror.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "register/bunsho_ken_meibo_data.h"
#include "settings/settei_koumoku_list.h"
#include "support/catalogue_bytes.h"
#include "support/fake_prompt.h"
#include "support/fixed_clock.h"
#include "support/temp_folder.h"
#include "support/volume_bytes.h"
#include "volumes/doc_master_data.h"

namespace bunrako {
namespace {

namespace fs = std::filesystem;
namespace vb = testing::volume_bytes;
namespace cb = testing::bytes;

CDocMasterData volumeOf(const vb::Record& record) {
    CDocMasterData volume;
    std::memcpy(static_cast<void*>(&volume), record.bytes().data(), sizeof volume);
    return volume;
}

// The catalogue header of a volume, from the volume's bytes: the fields up to
// the retention class lie alike, the retention name and span sit elsewhere.
std::string headerOf(const vb::Record& record) {
    const std::string& v = record.bytes();
    return v.substr(0, 268) + v.substr(vb::kRetentionNameAt, 21) + cb::zeros(20 + 3) +
           v.substr(vb::kRetentionAt, 12);
}

const OleDateTime kNow = OleDateTime::fromDateTime(2021, 1, 5, 10, 0, 0);

class CatalogueMirrorTest : public ::testing::Test {
  protected:
    CatalogueMirrorTest() {
        entry = CBunshoKenMeiboData::newEntry(kNow);
        entry.setDocumentNumber("12");
        entry.receivedDate = OleDateTime::fromDate(2020, 6, 1);
        entry.volumeYear = OleDateTime::fromDate(2020, 4, 1);
        entry.setSectionCode("0010010000");
        entry.setSubject("会議の開催について");
        entry.setSender("総務部長");
        entry.setReceiver("各課長");
        entry.completedFlag = 1;
        entry.completedDate = OleDateTime::fromDate(2020, 6, 30);
        for (int step = 0; step < 14; ++step) {
            entry.progressFlag[step] = 1;
            entry.progressDate[step] = OleDateTime::fromDate(2020, 6, 2 + step);
            entry.setProgressText(step, "経過" + std::to_string(step + 1));
        }
        entry.setVolumeTitle("人事");
        entry.setRemarks("備考は写さない");
        departments.AddOrReplace(CSetteiKoumokuData("0010000000", "総務課", ""));
        departments.AddOrReplace(CSetteiKoumokuData("0010010000", "庶務係", ""));
    }
    fs::path volumeFile() const { return folder / "DocMaster.dat"; }
    fs::path catalogueFile() const {
        return folder / "文書/例規/条例/人事/索引目録データ/令和2年度/SakuinMokuroku.dat";
    }
    // The expected image of the mirrored entry, built field by field.
    std::string mirroredImage() const {
        std::string flags, dates, notes;
        for (int k = 1; k <= 14; ++k) {
            const bool edited = k <= 10;
            flags += cb::le32(edited ? 1 : 0);
            dates += edited ? cb::rawDate(static_cast<double>(daysFromCivil(2020, 6, 1 + k)))
                            : cb::rawDate(kNow.days());
            notes += edited ? cb::fixed("経過" + std::to_string(k), 41) : cb::zeros(41);
        }
        return cb::rawDate(static_cast<double>(daysFromCivil(2020, 6, 1))) + cb::fixed("12", 7) +
               cb::fixed("会議の開催について", 161) + cb::zeros(89) + cb::zeros(3) + flags + dates +
               notes + cb::zeros(2) + cb::le32(1) + cb::fixed("総務部長", 41) +
               cb::fixed("各課長", 41) + cb::zeros(2) + cb::le32(1) +
               cb::rawDate(static_cast<double>(daysFromCivil(2020, 6, 30)));
    }

    testing::TempFolder folder;
    testing::FakePrompt prompt;
    testing::FixedClock clock{kNow};
    CSetteiKoumokuList departments;
    CBunshoKenMeiboData entry{};
    const vb::Record jinji = vb::volume("502001001 1 2 3000100", vb::kJinji);
    const vb::Record jinji2019 = vb::volume("431001001 1 2 3000100", vb::kJinji, vb::kApril2019);
    const vb::Record kyuuyo = vb::volume("502001001 1 2 3000200", vb::kKyuuyo);
};

TEST_F(CatalogueMirrorTest, TheChoiceComesFromTheDepartmentTable) {
    const VolumeChoice choice = volumeChoiceOf(entry, departments);
    EXPECT_EQ(choice.sectionName, "総務課");
    EXPECT_EQ(choice.subsectionName, "庶務係");
}

TEST_F(CatalogueMirrorTest, TheMirroredEntryCarriesTheEditedFieldsOnly) {
    const CSakuinMokurokuList mirrored = mirroredCatalogueEntry(entry, kNow);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&mirrored), sizeof mirrored),
              mirroredImage());
}

TEST_F(CatalogueMirrorTest, StoringWritesTheCatalogueOfTheOneMatchingVolume) {
    const std::vector<CDocMasterData> volumes = {volumeOf(jinji2019), volumeOf(kyuuyo),
                                                 volumeOf(jinji)};
    const VolumeChoice choice = volumeChoiceOf(entry, departments);
    EXPECT_EQ(volumesOfEntry(entry, choice, volumes), (std::vector<size_t>{2}));
    ASSERT_EQ(mirrorIntoCatalogue(entry, MirrorAction::store, choice, volumes, volumeFile(), clock,
                                  prompt),
              MirrorOutcome::done);
    EXPECT_EQ(testing::readBytes(catalogueFile()),
              cb::fixed("SakuinMokurokuVer316", 21) + headerOf(jinji) + mirroredImage());
    EXPECT_TRUE(prompt.messages.empty());

    // Deleting the register entry removes it again.
    ASSERT_EQ(mirrorIntoCatalogue(entry, MirrorAction::remove, choice, volumes, volumeFile(), clock,
                                  prompt),
              MirrorOutcome::done);
    EXPECT_EQ(testing::readBytes(catalogueFile()),
              cb::fixed("SakuinMokurokuVer316", 21) + headerOf(jinji));
}

TEST_F(CatalogueMirrorTest, NoOrSeveralVolumesChangeNoCatalogue) {
    const VolumeChoice choice = volumeChoiceOf(entry, departments);
    const std::vector<CDocMasterData> twice = {volumeOf(jinji), volumeOf(kyuuyo), volumeOf(jinji)};
    EXPECT_EQ(
        mirrorIntoCatalogue(entry, MirrorAction::store, choice, twice, volumeFile(), clock, prompt),
        MirrorOutcome::severalVolumes);
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].text,
              "索引処理作成において、複数の簿冊名が確認されました\n索引目録の処理ができません\n"
              "手動で索引目録を登録してください！");
    EXPECT_EQ(prompt.messages[0].caption, "注意");

    // Another sub-section, another year or another title: no volume.
    for (const VolumeChoice& other :
         {VolumeChoice{"総務課", "経理係"}, VolumeChoice{"総務課", ""}}) {
        EXPECT_EQ(mirrorIntoCatalogue(entry, MirrorAction::store, other, twice, volumeFile(), clock,
                                      prompt),
                  MirrorOutcome::noVolume);
    }
    const std::vector<CDocMasterData> earlier = {volumeOf(jinji2019), volumeOf(kyuuyo)};
    EXPECT_EQ(mirrorIntoCatalogue(entry, MirrorAction::store, choice, earlier, volumeFile(), clock,
                                  prompt),
              MirrorOutcome::noVolume);
    EXPECT_EQ(prompt.lastMessage(),
              "索引目録処理において、簿冊名が見つかりません\n索引目録の処理ができません\n"
              "手動で索引目録処理をしてください！");
    EXPECT_FALSE(fs::exists(folder / "文書"));
}

}  // namespace
}  // namespace bunrako
