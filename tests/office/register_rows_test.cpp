#include "office/register_rows.h"

#include <gtest/gtest.h>

#include "catalogue/kanren_file.h"
#include "catalogue/sakuin_mokuroku.h"
#include "common/cp932.h"
#include "common/file_io.h"
#include "office/document_data.h"
#include "register/bunsho_ken_meibo_list.h"
#include "settings/shoki_settei_file.h"
#include "support/fake_prompt.h"
#include "support/fixed_clock.h"
#include "support/temp_folder.h"
#include "volumes/doc_master_list.h"
#include "volumes/hozon_nengen_henkousho_list.h"

namespace bunrako {
namespace {

using testing::FakePrompt;
using testing::FixedClock;
using testing::TempFolder;
using testing::writeBytes;

OleDateTime date(int y, int m, int d) { return OleDateTime::fromDate(y, m, d); }

CDocMasterData volume(const std::string& title, const OleDateTime& created,
                      const std::string& department = "総務課") {
    CDocMasterData v = CDocMasterData::NewRecord(created);
    v.setKaMei(department);
    v.setKakariMei("庶務係");
    v.setKaBunruiCode("0010010000");
    v.setDaiBunruiMei("総務");
    v.setChuuBunruiMei("文書");
    v.setShouBunruiMei("例規");
    v.setTitle(title);
    return v;
}

CHozonNengenHenkoushoData form(const std::string& title, const OleDateTime& created,
                               const std::string& department = "総務課") {
    CHozonNengenHenkoushoData f = CHozonNengenHenkoushoData::newForm(created, 0);
    writeFixedText(f.HenkouKaMei, department);
    writeFixedText(f.HenkouKakariMei, "庶務係");
    f.setTitle(title);
    f.setMaeShubetu("10年");
    f.setGoShubetu("永年");
    return f;
}

std::vector<std::string> titles(const std::vector<CDocMasterData>& volumes) {
    std::vector<std::string> out;
    for (const CDocMasterData& v : volumes) out.push_back(v.title());
    return out;
}

// A section of 総務課 庶務係 whose registers are all in one temporary folder,
// on 1 April 2008 (fiscal 2008, 平成20年度).
class RegisterRowsTest : public ::testing::Test {
  protected:
    RegisterRowsTest() {
        CShokiSetteiData section;
        section.m_strSectionName = "総務課";
        section.m_strSubsectionName = "庶務係";
        section.m_strVolumeFile = file("DocMaster.dat");
        section.m_strDisposedFile = file("HaikiDoc.dat");
        section.m_strRegisterFile = file("KenMeibo.dat");
        section.m_strRetentionChangeFile = file("Minaosi.dat");
        writeBytes(folder / "ShokiSettei.dat", ShokiSetteiFileBytes({section}));
        document = std::make_unique<DocumentData>(prompt, clock, pathToUtf8(folder.path()) + "/");
    }

    std::string file(const char* name) const { return pathToUtf8(folder / name); }

    void store(const char* name, const std::vector<CDocMasterData>& volumes) {
        CDocMasterList list(pathFromUtf8(file(name)), prompt);
        for (const CDocMasterData& v : volumes) list.AddOrReplace(v, true);
        list.sort();
        ASSERT_EQ(list.Write(), 1);
    }

    TempFolder folder;
    FakePrompt prompt;
    FixedClock clock{date(2008, 4, 1)};
    std::unique_ptr<DocumentData> document;
};

TEST_F(RegisterRowsTest, TheVolumeListShowsTheSectionsVolumesOfThisFiscalYear) {
    store("DocMaster.dat",
          {volume("会議録", date(2008, 4, 1)), volume("旧会議録", date(2007, 4, 1)),
           volume("予算書", date(2008, 4, 1), "財政課")});
    const auto rows = RefillVolumeTab(*document, VolumeTab::volumeList, false);
    EXPECT_EQ(titles(rows.records), std::vector<std::string>{"会議録"});
    EXPECT_EQ(rows.caption, "平成20年度　文書整理一覧表");
}

TEST_F(RegisterRowsTest, EveryRefillReadsTheFileAgain) {
    EXPECT_TRUE(RefillVolumeTab(*document, VolumeTab::volumeList, false).records.empty());
    // Another workstation stores two volumes meanwhile.
    store("DocMaster.dat",
          {volume("会議録", date(2008, 4, 1)), volume("例規集", date(2008, 5, 1))});
    EXPECT_EQ(RefillVolumeTab(*document, VolumeTab::volumeList, false).records.size(), 2u);
    EXPECT_EQ(RefillVolumeTab(*document, VolumeTab::permanentLedger, false).records.size(), 2u);
    // The disposed list reads its own file.
    EXPECT_TRUE(RefillVolumeTab(*document, VolumeTab::disposedList, false).records.empty());
    store("HaikiDoc.dat", {volume("廃棄済", date(2008, 6, 1))});
    const auto disposed = RefillVolumeTab(*document, VolumeTab::disposedList, false);
    EXPECT_EQ(titles(disposed.records), std::vector<std::string>{"廃棄済"});
    EXPECT_EQ(disposed.caption, "平成20年度　廃棄簿冊名一覧表");
}

TEST_F(RegisterRowsTest, EachTabKeepsItsOwnCriteria) {
    store("DocMaster.dat",
          {volume("会議録", date(2008, 4, 1)), volume("旧会議録", date(2006, 4, 1))});
    document->m_permanentCriteria.byCreationYear = 0;
    EXPECT_EQ(RefillVolumeTab(*document, VolumeTab::volumeList, false).records.size(), 1u);
    const auto ledger = RefillVolumeTab(*document, VolumeTab::permanentLedger, false);
    EXPECT_EQ(ledger.records.size(), 2u);
    EXPECT_EQ(ledger.caption, "永年簿冊台帳");

    document->m_volumeCriteria.creationFrom = date(2006, 4, 1);
    document->m_settings.Current().m_nCalendarMode = 1;
    document->LoadAll(prompt);
    const auto rows = RefillVolumeTab(*document, VolumeTab::volumeList, false);
    EXPECT_EQ(rows.records.size(), 2u);
    EXPECT_EQ(rows.caption, "2006年度～2008年度　文書整理一覧表");
}

TEST_F(RegisterRowsTest, TitleOrderSortsOnlyTheVolumeList) {
    store("DocMaster.dat", {volume("予算書", date(2008, 4, 1)), volume("会議録", date(2008, 4, 1)),
                            volume("例規集", date(2008, 4, 1))});
    const auto fileOrder = titles(RefillVolumeTab(*document, VolumeTab::volumeList, false).records);
    // Titles compare as CP932 bytes: 会 (89EF) < 予 (975C) < 例 (97E1).
    EXPECT_EQ(titles(RefillVolumeTab(*document, VolumeTab::volumeList, true).records),
              (std::vector<std::string>{"会議録", "予算書", "例規集"}));
    EXPECT_EQ(titles(RefillVolumeTab(*document, VolumeTab::permanentLedger, true).records),
              fileOrder);
}

TEST_F(RegisterRowsTest, TheCatalogueCriterionReadsEachVolumesCatalogue) {
    const CDocMasterData filed = volume("会議録", date(2008, 4, 1));
    const CDocMasterData empty = volume("例規集", date(2008, 4, 1));
    store("DocMaster.dat", {filed, empty});
    CDocMasterList list(pathFromUtf8(file("DocMaster.dat")), prompt);
    ASSERT_EQ(list.Read(), 1);
    for (const CDocMasterData& v : list.records()) {
        if (v.title() != "会議録") continue;
        CSakuinMokuroku catalogue(prompt, clock);
        catalogue.setVolume(&v);
        ASSERT_EQ(catalogue.OpenForVolume(list.path()), 1);
        CSakuinMokurokuList entry = CSakuinMokurokuList::Cleared(date(2008, 4, 2));
        entry.setSubjectText("第1回会議");
        ASSERT_GE(catalogue.AddOrReplace(entry), 0);
    }
    document->m_volumeCriteria.byCatalogue = 1;
    document->m_volumeCriteria.catalogueHasEntries = 1;
    EXPECT_EQ(titles(RefillVolumeTab(*document, VolumeTab::volumeList, false).records),
              std::vector<std::string>{"会議録"});
    document->m_volumeCriteria.catalogueHasEntries = 0;
    EXPECT_EQ(titles(RefillVolumeTab(*document, VolumeTab::volumeList, false).records),
              std::vector<std::string>{"例規集"});
}

TEST_F(RegisterRowsTest, ChangeFormsOfTheSectionAndYear) {
    CHozonNengenHenkoushoList forms(prompt, pathFromUtf8(file("Minaosi.dat")));
    forms.forms() = {form("会議録", date(2008, 4, 1)), form("予算書", date(2008, 4, 1), "財政課"),
                     form("旧会議録", date(2007, 4, 1))};
    ASSERT_EQ(forms.Write(), 1);
    const auto rows = RefillChangeFormTab(*document);
    ASSERT_EQ(rows.records.size(), 1u);
    EXPECT_EQ(rows.records[0].title(), "会議録");
    EXPECT_EQ(rows.caption, "平成20年度　保存年限変更書");
}

TEST_F(RegisterRowsTest, TheRegisterListsTheSectionsDocumentsOfTheYear) {
    CBunshoKenMeiboList list(prompt);
    CBunshoKenMeiboData entry = CBunshoKenMeiboData::newEntry(date(2008, 4, 2));
    entry.registerYear = date(2008, 4, 1);
    entry.setSectionCode("0010010000");
    entry.setSubject("照会");
    CBunshoKenMeiboData other = entry;
    other.setSectionCode("0020010000");
    list.entries() = {entry, other};
    ASSERT_TRUE(list.Save(pathFromUtf8(file("KenMeibo.dat"))));
    document->m_settings.Current().m_strSectionCode = "0010010000";
    document->LoadAll(prompt);
    const auto rows = RefillRegisterTab(*document);
    ASSERT_EQ(rows.records.size(), 1u);
    EXPECT_EQ(rows.records[0].subjectText(), "照会");
    EXPECT_EQ(rows.caption, "平成20年度　文書件名簿");

    // A section that keeps no register lists none.
    document->m_settings.Current().m_strRegisterFile.clear();
    document->LoadAll(prompt);
    EXPECT_TRUE(RefillRegisterTab(*document).records.empty());
}

TEST_F(RegisterRowsTest, ARegisterDocumentsRelatedFilesLieWithItsVolume) {
    store("DocMaster.dat", {volume("会議録", date(2008, 4, 1))});
    CDocMasterList list(pathFromUtf8(file("DocMaster.dat")), prompt);
    ASSERT_EQ(list.Read(), 1);
    const CDocMasterData& stored = list[0];
    CBunshoKenMeiboData entry = CBunshoKenMeiboData::newEntry(date(2008, 4, 2));
    entry.setSubject("照会");
    entry.setVolumeNumber(stored.kanriBangou());
    const auto path = RelatedFilesOfRegisterEntry(*document, entry);
    ASSERT_TRUE(path.has_value());
    EXPECT_EQ(*path, CKanrenFile::PathForRegisterDocument(list.path(), stored, "照会"));
    // The same subject filed in the catalogue shares the list.
    CSakuinMokurokuList filed = CSakuinMokurokuList::Cleared(date(2008, 4, 2));
    filed.setSubjectText("照会");
    EXPECT_EQ(RelatedFilesOfCatalogueEntry(*document, stored, filed), *path);

    entry.setVolumeNumber("");
    EXPECT_FALSE(RelatedFilesOfRegisterEntry(*document, entry).has_value());
    const auto none = RefillRelatedFileTab(*document, std::nullopt, "照会");
    EXPECT_TRUE(none.records.empty());
    EXPECT_EQ(none.caption, "照会　関連ファイル");
}

TEST_F(RegisterRowsTest, AFileThatIsGoneLeavesAnEmptyList) {
    store("DocMaster.dat", {volume("会議録", date(2008, 4, 1))});
    std::filesystem::remove(folder / "DocMaster.dat");
    EXPECT_TRUE(RefillVolumeTab(*document, VolumeTab::volumeList, false).records.empty());
    // A missing file is created empty again, as every reader does.
    EXPECT_TRUE(std::filesystem::exists(folder / "DocMaster.dat"));
}

}  // namespace
}  // namespace bunrako
