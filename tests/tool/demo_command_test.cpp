#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <sstream>

#include "catalogue/kanren_file.h"
#include "catalogue/sakuin_mokuroku.h"
#include "common/file_io.h"
#include "common/my_tool.h"
#include "office/document_data.h"
#include "register/bunsho_ken_meibo_list.h"
#include "register/hassin_jusin_list.h"
#include "register/kessai_kubun_table.h"
#include "register/shoku_simei_list.h"
#include "settings/receipt_file.h"
#include "support/fake_prompt.h"
#include "support/fixed_clock.h"
#include "support/temp_folder.h"
#include "support/tool_run.h"
#include "tool/cli.h"
#include "tool/demo_office.h"
#include "volumes/doc_master_list.h"
#include "volumes/hozon_nengen_henkousho_list.h"

namespace bunrako::cli {
namespace {

using bunrako::testing::runDump;
using bunrako::testing::runTool;
using bunrako::testing::ToolRun;

namespace fs = std::filesystem;
using testing::FakePrompt;
using testing::FixedClock;
using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

ToolRun makeDemo(const fs::path& folder, std::vector<std::string> extra = {}) {
    std::vector<std::string> args = {"demo", pathToUtf8(folder), "--volumes",
                                     "60",   "--entries",        "40"};
    args.insert(args.end(), extra.begin(), extra.end());
    return runTool(args);
}

// Every file below the folder with its bytes, by path inside it.
std::map<std::string, std::string> filesBelow(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& item : fs::recursive_directory_iterator(folder)) {
        if (item.is_regular_file()) {
            files[pathToUtf8(fs::relative(item.path(), folder))] = readBytes(item.path());
        }
    }
    return files;
}

std::vector<fs::path> filesNamed(const fs::path& folder, const std::string& name) {
    std::vector<fs::path> found;
    for (const auto& item : fs::recursive_directory_iterator(folder)) {
        if (item.is_regular_file() && pathToUtf8(item.path().filename()) == name) {
            found.push_back(item.path());
        }
    }
    return found;
}

const OleDateTime kToday = OleDateTime::fromDate(2026, 4, 1);

// One office, made once through the command line, read back by the tests.
class DemoOffice : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        s_temp = std::make_unique<TempFolder>();
        s_made = std::make_unique<ToolRun>(makeDemo(folder()));
    }
    static void TearDownTestSuite() { s_temp.reset(); }

    static fs::path folder() { return s_temp->path() / "office"; }
    static std::string folderText() { return pathToUtf8(folder()) + "/"; }
    static fs::path file(const char* name) { return folder() / name; }

    void TearDown() override {
        EXPECT_TRUE(prompt.messages.empty()) << prompt.lastMessage();
        EXPECT_TRUE(prompt.retries.empty());
    }

    FakePrompt prompt;
    FixedClock clock{kToday};
    static std::unique_ptr<TempFolder> s_temp;
    static std::unique_ptr<ToolRun> s_made;
};

std::unique_ptr<TempFolder> DemoOffice::s_temp;
std::unique_ptr<ToolRun> DemoOffice::s_made;

TEST_F(DemoOffice, MakesEveryFileAndSaysWhatItMade) {
    ASSERT_EQ(s_made->status, kSuccess) << s_made->err;
    EXPECT_EQ(s_made->err, "");
    EXPECT_NE(s_made->out.find("簿冊 60 冊"), std::string::npos) << s_made->out;
    EXPECT_NE(s_made->out.find("文書件名簿 40 件"), std::string::npos) << s_made->out;
    for (const char* name : {"ShokiSetteiFileName.dat", "ShokiSettei.dat", "Kamei.dat",
                             "BosatuBunrui.dat", "HozonNengen.dat", "DocMaster.dat", "HaikiDoc.dat",
                             "Minaosi.dat", "KenMeibo.dat", "KenMeibo.dan", "HassinJusinList.dat",
                             "ShokuList.dat", "SimeiList.dat", "KessaiKubun.dat"}) {
        EXPECT_GT(fs::file_size(file(name)), 0u) << name;
    }
    // Every volume of a small office has its catalogue; no safety copies.
    EXPECT_EQ(filesNamed(folder(), "SakuinMokuroku.dat").size(), 60u);
    for (const auto& [path, bytes] : filesBelow(folder())) {
        EXPECT_FALSE(path.ends_with(".da$")) << path;
    }
}

TEST_F(DemoOffice, AProgramPlacedInTheFolderFindsTheOffice) {
    DocumentData document(prompt, clock, folderText());
    EXPECT_EQ(document.m_strDataFolder, folderText());
    const auto& sections = document.m_settings.Records();
    ASSERT_EQ(sections.size(), 2u);
    EXPECT_EQ(sections[0].m_strSectionName, "総務課");
    EXPECT_EQ(sections[0].m_strVolumeFile, folderText() + "DocMaster.dat");
    EXPECT_EQ(sections[1].m_strRegisterFile, folderText() + "KenMeibo.dat");
    EXPECT_EQ(document.m_department.NameByCode(sections[1].m_strSectionCode),
              sections[1].m_strSubsectionName);
    std::vector<std::string> retention;
    for (const auto& row : document.m_retention.Items()) {
        retention.push_back(row.Name() + "=" + row.SubName());
    }
    EXPECT_EQ(retention, (std::vector<std::string>{"１年=1", "３年=3", "５年=5", "１０年=10",
                                                   "３０年=30", "永年=99"}));
    EXPECT_GT(document.m_classification.size(), 30u);
}

TEST_F(DemoOffice, VolumesTakeTheirWordsFromTheMastersAndDisposalsAgree) {
    DocumentData document(prompt, clock, folderText());
    CDocMasterList master(file("DocMaster.dat"), prompt);
    ASSERT_EQ(master.Read(), 1);
    ASSERT_EQ(master.size(), 60u);
    std::set<std::string> disposedInMaster;
    for (const CDocMasterData& volume : master.records()) {
        EXPECT_EQ(document.m_department.NameByCode(volume.kaBunruiCode()), volume.kakariMei());
        const std::string minor = document.m_classification.CodeByNames(
            volume.daiBunruiMei(), volume.chuuBunruiMei(), volume.shouBunruiMei());
        EXPECT_EQ(document.m_classification.SubNameByCode(minor), volume.shouBunruiCode());
        const auto& type = document.m_retention.Items().at(volume.HozonShubetuIndex);
        EXPECT_EQ(type.Name(), volume.hozonShubetuMei());
        EXPECT_EQ(volume.kanriBangou().substr(3, 6), volume.kaBunruiCode().substr(0, 6));
        if (volume.Haiki)
            disposedInMaster.insert(volume.title() + volume.SakuseiNendo.format("%Y"));
    }
    CDocMasterList disposed(file("HaikiDoc.dat"), prompt);
    ASSERT_EQ(disposed.Read(), 1);
    std::set<std::string> disposedList;
    for (const CDocMasterData& volume : disposed.records()) {
        EXPECT_EQ(volume.Haiki, 1);
        EXPECT_LE(volume.HaikiNengetu.days(), kToday.days());
        disposedList.insert(volume.title() + volume.SakuseiNendo.format("%Y"));
    }
    EXPECT_EQ(disposedList, disposedInMaster);
    CHozonNengenHenkoushoList forms(prompt, file("Minaosi.dat"));
    ASSERT_EQ(forms.Read(), 1);
    for (const auto& form : forms.forms()) {
        const auto changed = std::find_if(master.records().begin(), master.records().end(),
                                          [&](const auto& v) { return v.title() == form.title(); });
        ASSERT_NE(changed, master.records().end());
        EXPECT_EQ(changed->hozonShubetuMei(), form.goShubetu());
        EXPECT_NE(form.maeShubetu(), form.goShubetu());
    }
}

TEST_F(DemoOffice, RegisterEntriesAreFiledInVolumesInUseAndMirroredInTheirCatalogues) {
    CDocMasterList master(file("DocMaster.dat"), prompt);
    ASSERT_EQ(master.Read(), 1);
    CBunshoKenMeiboList book(prompt);
    ASSERT_TRUE(book.Load(file("KenMeibo.dat")));
    EXPECT_EQ(book.lastLoad().format, CBunshoKenMeiboList::LoadReport::Format::current);
    ASSERT_EQ(book.entries().size(), 40u);
    const CMyTool tool;
    std::set<std::pair<int, int>> numbers;
    for (const CBunshoKenMeiboData& entry : book.entries()) {
        const auto volume = std::find_if(
            master.records().begin(), master.records().end(),
            [&](const auto& v) { return v.kanriBangou() == entry.volumeNumberText(); });
        ASSERT_NE(volume, master.records().end()) << entry.volumeNumberText();
        EXPECT_EQ(volume->title(), entry.volumeTitleText());
        EXPECT_EQ(volume->SakuseiNendo, entry.volumeYear);
        EXPECT_EQ(volume->kaBunruiCode(), entry.sectionCodeText());
        EXPECT_EQ(volume->Haiki, 0);
        EXPECT_GE(entry.receivedDate.days(), tool.FiscalYearStart(entry.registerYear, 0).days());
        EXPECT_LE(entry.receivedDate.days(), tool.FiscalYearEnd(entry.registerYear, 0).days());
        EXPECT_LE(entry.receivedDate.days(), kToday.days());
        EXPECT_NE(entry.receivedDate.dayOfWeek(), 1) << "a Sunday";
        EXPECT_NE(entry.receivedDate.dayOfWeek(), 7) << "a Saturday";
        EXPECT_TRUE(numbers.emplace(entry.registerYear.year(), entry.documentNumberValue()).second);

        CSakuinMokuroku catalogue(prompt, clock);
        catalogue.setVolume(&*volume);
        catalogue.OpenForVolume(file("DocMaster.dat"));
        ASSERT_EQ(catalogue.Load(), 1);
        EXPECT_EQ(catalogue.header().volumeNumberText(), volume->kanriBangou());
        const auto& filed = catalogue.entries();
        EXPECT_TRUE(std::any_of(filed.begin(), filed.end(), [&](const auto& document) {
            return document.registerLinkFlag == 1 &&
                   document.documentNumberText() == entry.documentNumberText() &&
                   document.subjectText() == entry.subjectText() &&
                   document.receivedDate == entry.receivedDate;
        })) << entry.subjectText();
        EXPECT_TRUE(std::is_sorted(filed.begin(), filed.end(), [](const auto& a, const auto& b) {
            return a.receivedDate.days() < b.receivedDate.days();
        }));
    }
}

TEST_F(DemoOffice, TheRegisterIsInTheOrderItsOwnAddGivesEntriesAddedAsReceived) {
    CBunshoKenMeiboList book(prompt);
    ASSERT_TRUE(book.Load(file("KenMeibo.dat")));
    std::vector<CBunshoKenMeiboData> received = book.entries();
    std::stable_sort(received.begin(), received.end(), [](const auto& a, const auto& b) {
        if (a.registerYear.days() != b.registerYear.days()) {
            return a.registerYear.days() < b.registerYear.days();
        }
        return a.documentNumberValue() < b.documentNumberValue();
    });
    CBunshoKenMeiboList added(prompt);
    for (const auto& entry : received) added.AddOrReplace(entry);
    ASSERT_EQ(added.entries().size(), book.entries().size());
    for (size_t i = 0; i < added.entries().size(); ++i) {
        EXPECT_EQ(std::memcmp(&added.entries()[i], &book.entries()[i], CBunshoKenMeiboData::kSize),
                  0)
            << i;
    }
}

TEST_F(DemoOffice, NameListsApproversReceiptsAndRelatedFilesReadWhole) {
    HassinJusinList names(prompt, clock, folder());
    EXPECT_TRUE(names.Load().complete());
    EXPECT_FALSE(names.Hassin.Names().empty());
    EXPECT_FALSE(names.Jusin.Names().empty());
    NameList posts(ShokuSimeiList::kSlots, ShokuSimeiList::kSlots, kToday);
    EXPECT_TRUE(
        ShokuSimeiList::LoadFile(prompt, file("ShokuList.dat"), "ShokuList", posts).complete());
    EXPECT_FALSE(posts.Names().empty());
    KessaiKubunTable approvers;
    EXPECT_TRUE(approvers.Load(prompt, file("KessaiKubun.dat")).complete);
    EXPECT_EQ(approvers.name(1, 2), "部長");
    const ReceiptFileContent receipts = ReadReceiptFile(readBytes(file("KenMeibo.dan")));
    ASSERT_EQ(receipts.pairs.size(), 2u);
    EXPECT_EQ(receipts.unreadBytes, 0u);

    size_t related = 0;
    for (const auto& item : fs::recursive_directory_iterator(folder())) {
        const fs::path& path = item.path();
        if (path.extension() != ".dat" || path.filename() == "SakuinMokuroku.dat" ||
            pathToUtf8(path.parent_path().filename()) != "索引目録データ") {
            continue;
        }
        CKanrenFile list(prompt, path);
        ASSERT_EQ(list.Load(), 1);
        for (const CKanrenFileData& record : list.records()) {
            EXPECT_TRUE(fs::exists(pathFromUtf8(record.folderText() + record.fileNameText())));
            ++related;
        }
    }
    EXPECT_GT(related, 0u);
}

TEST_F(DemoOffice, CheckFindsNothingWrong) {
    const ToolRun check = runTool({"check", pathToUtf8(folder())});
    EXPECT_EQ(check.status, kSuccess) << check.out;
}

TEST(DemoCommand, TheSameSeedGivesTheSameBytesAndAnotherSeedOthers) {
    TempFolder temp;
    const fs::path office = temp / "office";
    ASSERT_EQ(makeDemo(office, {"--seed", "7", "--volumes", "30"}).status, kSuccess);
    const auto first = filesBelow(office);
    fs::remove_all(office);
    ASSERT_EQ(makeDemo(office, {"--seed", "7", "--volumes", "30"}).status, kSuccess);
    EXPECT_TRUE(filesBelow(office) == first);
    fs::remove_all(office);
    ASSERT_EQ(makeDemo(office, {"--seed", "8", "--volumes", "30"}).status, kSuccess);
    const auto other = filesBelow(office);
    EXPECT_NE(other.at("DocMaster.dat"), first.at("DocMaster.dat"));
    EXPECT_NE(other.at("KenMeibo.dat"), first.at("KenMeibo.dat"));
}

TEST(DemoCommand, RefusesAFolderThatIsNotEmptyUnlessForced) {
    TempFolder temp;
    writeBytes(temp / "notes.txt", "keep me");
    const ToolRun refused = makeDemo(temp.path());
    EXPECT_EQ(refused.status, kFailure);
    EXPECT_NE(refused.err.find("空ではない"), std::string::npos) << refused.err;
    EXPECT_EQ(filesBelow(temp.path()).size(), 1u);

    EXPECT_EQ(makeDemo(temp.path(), {"--force"}).status, kSuccess);
    EXPECT_EQ(readBytes(temp / "notes.txt"), "keep me");
    EXPECT_TRUE(fs::exists(temp / "DocMaster.dat"));
}

TEST(DemoCommand, WrongArgumentsAreUsageErrors) {
    TempFolder temp;
    const std::string office = pathToUtf8(temp / "office");
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"demo"},
                                               {"demo", office, "--volumes"},
                                               {"demo", office, "--volumes", "abc"},
                                               {"demo", office, "--volumes", "0"},
                                               {"demo", office, "--entries", "200001"},
                                               {"demo", office, "--seed", "4294967296"},
                                               {"demo", office, "--today", "2026-02-30"},
                                               {"demo", office, "--colour"},
                                               {"demo", office, "other"}}) {
        const ToolRun result = runTool(args);
        EXPECT_EQ(result.status, kUsage) << args.back();
        EXPECT_NE(result.err.find("usage: bunrako-tool demo"), std::string::npos);
    }
    EXPECT_FALSE(fs::exists(temp / "office"));
    writeBytes(temp / "file", "x");
    EXPECT_EQ(makeDemo(temp / "file").status, kFailure);
}

TEST(DemoOfficeMaker, OnlyTheNewestVolumesGetCataloguesAndEveryDateHasCome) {
    TempFolder temp;
    DemoOptions options;
    options.folder = temp.path();
    options.volumes = 120;
    options.entries = 30;
    options.catalogueLimit = 15;
    options.today = OleDateTime::fromDate(2020, 10, 1);
    FakePrompt prompt;
    const DemoSummary made = makeDemoOffice(options, prompt);
    ASSERT_TRUE(made.written) << prompt.lastMessage();
    EXPECT_TRUE(prompt.messages.empty()) << prompt.lastMessage();
    EXPECT_EQ(made.catalogues, 15u);
    EXPECT_EQ(filesNamed(temp.path(), "SakuinMokuroku.dat").size(), 15u);

    CDocMasterList master(temp / "DocMaster.dat", prompt);
    ASSERT_EQ(master.Read(), 1);
    for (const CDocMasterData& volume : master.records()) {
        EXPECT_GE(volume.SakuseiNendo.year(), 2011);
        EXPECT_LE(volume.SakuseiNendo.days(), OleDateTime::fromDate(2020, 4, 1).days());
    }
    CBunshoKenMeiboList book(prompt);
    ASSERT_TRUE(book.Load(temp / "KenMeibo.dat"));
    EXPECT_EQ(book.entries().size(), 30u);
    for (const auto& entry : book.entries()) {
        EXPECT_LE(entry.receivedDate.days(), options.today.days());
        EXPECT_LE(entry.completedDate.days(), options.today.days());
        // Register entries go to the catalogued volumes: this year's and last.
        EXPECT_GE(entry.volumeYear.year(), 2019);
    }
}

}  // namespace
}  // namespace bunrako::cli
