// The batched disposal, retention-type change and data disposal against
// storing the selected records one by one: on copies of one office, a
// random selection done both ways leaves the same files byte for byte.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "common/file_io.h"
#include "settings/settei_koumoku_list.h"
#include "support/fake_prompt.h"
#include "support/temp_folder.h"
#include "volumes/data_haiki.h"
#include "volumes/doc_master_data.h"
#include "volumes/doc_master_list.h"
#include "volumes/haiki_shori.h"
#include "volumes/hozon_nengen_henkousho_list.h"
#include "volumes/hozon_shubetu_henkou.h"

namespace bunrako {
namespace {

namespace fs = std::filesystem;

// The one-by-one reference: every record stored with its own re-read and
// write of each file, as the list operations store a single record.
namespace one_by_one {

void dispose(const std::vector<CDocMasterData>& selected, const OleDateTime& month,
             const fs::path& master, const fs::path& disposed, Prompt& prompt) {
    CDocMasterList masterList(master, prompt);
    CDocMasterList disposedList(disposed, prompt);
    for (CDocMasterData volume : selected) {
        volume.HaikiNengetu = month;
        volume.Haiki = 1;
        ASSERT_TRUE(masterList.AddOrReplace(volume) && disposedList.AddOrReplace(volume));
    }
}

void changeType(const std::vector<CDocMasterData>& selected, const RetentionType& type,
                const std::string& reason, const fs::path& master, const fs::path& forms,
                Prompt& prompt) {
    CDocMasterList masterList(master, prompt);
    CHozonNengenHenkoushoList formList(prompt, forms);
    for (const CDocMasterData& volume : selected) {
        const CDocMasterData changed = withRetentionType(volume, type);
        ASSERT_TRUE(masterList.AddOrReplace(changed) &&
                    formList.Add(changeFormOf(volume, changed, reason)));
    }
}

void disposeData(const std::vector<CDocMasterData>& selected, const fs::path& source,
                 VolumeSource kind, Prompt& prompt) {
    CDocMasterList sourceList(source, prompt);
    for (const CDocMasterData& volume : selected) sourceList.Remove(volume);
    for (const CDocMasterData& volume : selected) {
        CDocMasterList archive(volumeArchivePath(source, kind, volume), prompt);
        ASSERT_TRUE(archive.AddOrReplace(volume));
    }
}

void disposeForms(const std::vector<CHozonNengenHenkoushoData>& selected, const fs::path& source,
                  Prompt& prompt) {
    CHozonNengenHenkoushoList sourceList(prompt, source);
    for (const auto& form : selected) sourceList.Remove(form);
    for (const auto& form : selected) {
        CHozonNengenHenkoushoList archive(prompt, formArchivePath(source, form));
        ASSERT_TRUE(archive.Add(form));
    }
}

}  // namespace one_by_one

// A small office of random volumes over four years, two sections and a few
// titles, some disposed before and some with change forms.
class Office {
  public:
    explicit Office(std::mt19937& random) {
        retention.Items() = {{"0010000000", "1年", "1"},
                             {"0020000000", "5年", "5"},
                             {"0030000000", "10年", "10"},
                             {"0040000000", "永年", "99"}};
        CDocMasterList master(folder / "DocMaster.dat", prompt);
        CDocMasterList disposed(folder / "HaikiDoc.dat", prompt);
        CHozonNengenHenkoushoList forms(prompt, folder / "Minaosi.dat");
        master.Read();
        disposed.Read();
        forms.Read();
        for (int i = 0; i < 40; ++i) {
            const CDocMasterData volume = randomVolume(random);
            master.AddOrReplace(volume, true);
            if (pick(random, 4)) disposed.AddOrReplace(volume, true);
            if (pick(random, 4)) forms.AddInList(std::span(&formOf(volume), 1));
        }
        master.sort();
        disposed.sort();
        EXPECT_TRUE(master.Write() && disposed.Write() && forms.Write());
        // An archive of earlier disposals.
        fs::copy_file(
            folder / "HaikiDoc.dat",
            volumeArchivePath(folder / "DocMaster.dat", VolumeSource::volumeFile, master[0]));
    }

    static bool pick(std::mt19937& random, int oneIn) {
        return std::uniform_int_distribution<int>(1, oneIn)(random) == 1;
    }

    static CDocMasterData randomVolume(std::mt19937& random) {
        const auto any = [&](int upper) {
            return std::uniform_int_distribution<int>(0, upper - 1)(random);
        };
        CDocMasterData volume =
            CDocMasterData::NewRecord(OleDateTime::fromDate(2018 + any(4), 5, 1));
        volume.setKaMei("総務課");
        volume.setKakariMei(any(2) ? "庶務係" : "経理係");
        volume.setKaBunruiCode("0010010000");
        volume.setDaiBunruiCode("1");
        volume.setDaiBunruiMei("文書");
        volume.setChuuBunruiCode("2");
        volume.setChuuBunruiMei("例規");
        volume.setShouBunruiCode("3");
        volume.setShouBunruiMei(any(2) ? "条例" : "規則");
        volume.setHozonShubetuMei("5年");
        volume.setTitle("簿冊" + std::to_string(any(12)));
        return volume;
    }

    static const CHozonNengenHenkoushoData& formOf(const CDocMasterData& volume) {
        static CHozonNengenHenkoushoData form;
        form = changeFormOf(volume, volume, "前の変更");
        return form;
    }

    // A random selection of the file's records in random order, with now
    // and then a record twice or one the file does not hold.
    template <typename Record>
    static std::vector<Record> select(std::mt19937& random, const std::vector<Record>& stored,
                                      const Record& stranger) {
        std::vector<Record> chosen;
        for (const Record& record : stored) {
            if (pick(random, 2)) chosen.push_back(record);
        }
        if (!chosen.empty() && pick(random, 3)) chosen.push_back(chosen.front());
        if (pick(random, 3)) chosen.push_back(stranger);
        std::shuffle(chosen.begin(), chosen.end(), random);
        return chosen;
    }

    std::vector<CDocMasterData> volumes(const char* name) {
        CDocMasterList list(folder / name, prompt);
        list.Read();
        return {list.records().begin(), list.records().end()};
    }
    std::vector<CHozonNengenHenkoushoData> forms() {
        CHozonNengenHenkoushoList list(prompt, folder / "Minaosi.dat");
        list.Read();
        return list.forms();
    }

    // The data files of the office (no safety copies, no locks) by name.
    std::map<std::string, std::string> files() const {
        std::map<std::string, std::string> found;
        for (const auto& entry : fs::directory_iterator(folder.path())) {
            if (entry.path().extension() != ".dat") continue;
            found[pathToUtf8(entry.path().filename())] = testing::readBytes(entry.path());
        }
        return found;
    }

    void copyTo(const Office& other) const {
        for (const auto& [name, bytes] : files()) {
            testing::writeBytes(other.folder / name, bytes);
        }
    }

    fs::path path(const char* name) const { return folder / name; }

    testing::TempFolder folder;
    testing::FakePrompt prompt;
    CSetteiKoumokuList retention;
};

class BatchEqualityTest : public ::testing::TestWithParam<unsigned> {
  protected:
    BatchEqualityTest() : random(GetParam()), batched(random), reference(random) {
        for (const auto& entry : fs::directory_iterator(reference.folder.path())) {
            fs::remove_all(entry.path());
        }
        batched.copyTo(reference);
        batched.prompt.answers.assign(8, Answer::ok);
    }

    void expectSameFiles() {
        const auto written = batched.files();
        const auto expected = reference.files();
        ASSERT_EQ(written.size(), expected.size());
        for (const auto& [name, bytes] : expected) {
            // Named, not printed: the files run to many kilobytes.
            EXPECT_TRUE(written.count(name) && written.at(name) == bytes) << name;
        }
        EXPECT_TRUE(batched.prompt.messages.empty());
    }

    std::mt19937 random;
    Office batched;
    Office reference;
};

TEST_P(BatchEqualityTest, DisposalWritesWhatStoringOneByOneWrites) {
    const auto selected =
        Office::select(random, batched.volumes("DocMaster.dat"), Office::randomVolume(random));
    const auto month = OleDateTime::fromDate(2026, 1 + Office::pick(random, 2), 1);
    const auto result = disposeVolumes(selected, month, batched.path("DocMaster.dat"),
                                       batched.path("HaikiDoc.dat"), batched.prompt);
    one_by_one::dispose(selected, month, reference.path("DocMaster.dat"),
                        reference.path("HaikiDoc.dat"), reference.prompt);
    EXPECT_EQ(result.done.size(), selected.size());
    EXPECT_EQ(result.written.size(), selected.empty() ? 0u : 2u);
    expectSameFiles();
}

TEST_P(BatchEqualityTest, RetentionChangeWritesWhatStoringOneByOneWrites) {
    const auto selected =
        Office::select(random, batched.volumes("DocMaster.dat"), Office::randomVolume(random));
    const auto type = batched.retention.Items()[static_cast<size_t>(random() % 4)].Name();
    const auto result = changeRetentionType(selected, type, "見直し", batched.retention,
                                            batched.path("DocMaster.dat"),
                                            batched.path("Minaosi.dat"), batched.prompt);
    one_by_one::changeType(selected, *RetentionType::Find(type, reference.retention), "見直し",
                           reference.path("DocMaster.dat"), reference.path("Minaosi.dat"),
                           reference.prompt);
    EXPECT_EQ(result.done.size(), selected.size());
    expectSameFiles();
}

TEST_P(BatchEqualityTest, DataDisposalWritesWhatStoringOneByOneWrites) {
    for (const auto& [name, kind] : {std::pair{"DocMaster.dat", VolumeSource::volumeFile},
                                     std::pair{"HaikiDoc.dat", VolumeSource::disposedFile}}) {
        const auto selected =
            Office::select(random, batched.volumes(name), Office::randomVolume(random));
        disposeVolumeData(selected, batched.path(name), kind, batched.prompt);
        one_by_one::disposeData(selected, reference.path(name), kind, reference.prompt);
    }
    const auto forms =
        Office::select(random, batched.forms(), Office::formOf(Office::randomVolume(random)));
    disposeFormData(forms, batched.path("Minaosi.dat"), batched.prompt);
    one_by_one::disposeForms(forms, reference.path("Minaosi.dat"), reference.prompt);
    expectSameFiles();
}

INSTANTIATE_TEST_SUITE_P(Seeds, BatchEqualityTest, ::testing::Range(1u, 7u));

}  // namespace
}  // namespace bunrako
