#include <algorithm>

#include "catalogue/kanren_file.h"
#include "catalogue/sakuin_mokuroku.h"
#include "catalogue/sakuin_mokuroku_file.h"
#include "catalogue/texts.h"
#include "common/cp932.h"
#include "common/data_file.h"
#include "common/file_io.h"
#include "common/format_text.h"
#include "common/prompt.h"
#include "common/texts.h"
#include "tool/demo_vocabulary.h"
#include "tool/demo_workshop.h"
#include "tool/texts.h"

namespace bunrako::cli::demo {
namespace {

namespace ct = bunrako::catalogue::texts;

constexpr int kMostFiledOnly = 3;
constexpr int kFiledCompletedPercent = 80;
// Every so many catalogues, the first document has electronic files.
constexpr size_t kRelatedEvery = 20;
constexpr int kMostRelatedFiles = 2;
constexpr int kRelatedHour = 10;

// The catalogue entry that the register entry dialog makes of an entry:
// date, number, subject, completion, steps 1 to 10, sender and receiver,
// linked with the register.
CSakuinMokurokuList mirrorOf(const CBunshoKenMeiboData& entry) {
    CSakuinMokurokuList mirror = CSakuinMokurokuList::Cleared(entry.receivedDate);
    writeFixedBytes(mirror.documentNumber, fixedBytes(entry.documentNumber));
    writeFixedBytes(mirror.subject, fixedBytes(entry.subject));
    mirror.completedFlag = entry.completedFlag;
    mirror.completedDate = entry.completedDate;
    constexpr int kDialogSteps = 10;
    for (int step = 0; step < kDialogSteps; ++step) {
        mirror.progressFlag[step] = entry.progressFlag[step];
        mirror.progressDate[step] = entry.progressDate[step];
        writeFixedBytes(mirror.progressText[step], fixedBytes(entry.progressText[step]));
    }
    mirror.registerLinkFlag = 1;
    writeFixedBytes(mirror.sender, fixedBytes(entry.sender));
    writeFixedBytes(mirror.receiver, fixedBytes(entry.receiver));
    return mirror;
}

class CatalogueMaker {
  public:
    explicit CatalogueMaker(Workshop& workshop)
        : m_w(workshop),
          m_volumeFile(pathFromUtf8(workshop.settings.front().m_strVolumeFile)),
          m_relatedFolder(workshop.folder / pathFromUtf8(kRelatedFolderName)) {}

    // A few documents of the volume's filing years that were filed without
    // a register entry; one that would be the same document is left out.
    void addFiledOnly(std::vector<CSakuinMokurokuList>& entries, const CDocMasterData& volume) {
        const int count = m_w.random.between(1, kMostFiledOnly);
        for (int i = 0; i < count; ++i) {
            CSakuinMokurokuList entry = CSakuinMokurokuList::Cleared(filingDay(volume));
            entry.setSubjectText(formatText(m_w.random.pick(filedOnlySubjects()),
                                            m_w.random.pick(topicsOf(volume))));
            entry.setRemarksText(m_w.random.pick(filedOnlyRemarks()));
            entry.setSenderText(volume.kaMei() + volume.kakariMei());
            if (m_w.random.chance(kFiledCompletedPercent)) {
                entry.completedFlag = 1;
                entry.completedDate = entry.receivedDate;
            }
            const bool known = std::any_of(entries.begin(), entries.end(),
                                           [&](const auto& other) { return other.SameKey(entry); });
            if (!known) entries.push_back(entry);
        }
    }

    // The catalogue file in the volume's folder tree, its header taken from
    // the volume, its entries in the order of their dates.
    bool write(const CDocMasterData& volume, std::vector<CSakuinMokurokuList>& entries,
               std::filesystem::path& file) {
        std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
            return a.receivedDate.days() < b.receivedDate.days();
        });
        CSakuinMokuroku catalogue(m_w.prompt, m_w.clock);
        catalogue.setVolume(&volume);
        catalogue.OpenForVolume(m_volumeFile);
        if (!catalogue.SyncHeaderFromVolume(volume)) return false;
        file = catalogue.filePath();
        const std::string bytes = serializeCatalogueFile(catalogue.header(), entries);
        return writeDataFile(m_w.prompt, file, bytes,
                             common::texts::kCannotOpenFile + pathToUtf8(file), false);
    }

    // One or two electronic files of the document, in the office's folder
    // of electronic files, listed as its related files.
    bool writeRelated(const std::filesystem::path& catalogueFile,
                      const CSakuinMokurokuList& document, size_t& written) {
        std::error_code ec;
        std::filesystem::create_directories(m_relatedFolder, ec);
        CKanrenFile list(m_w.prompt,
                         CKanrenFile::PathForCatalogueEntry(catalogueFile, document.subjectText()));
        const int count = m_w.random.between(1, kMostRelatedFiles);
        ++m_relatedSerial;
        for (int i = 0; i < count; ++i) {
            const std::string name = formatPrintf("関連資料%04zu_%d.txt", m_relatedSerial, i + 1);
            const std::filesystem::path path = m_relatedFolder / pathFromUtf8(name);
            if (writeWholeFile(path, kRelatedFileText) != FileErrorCause::none) {
                m_w.prompt.showMessage(formatText(tool::texts::kDemoCannotWrite, pathToUtf8(path)));
                return false;
            }
            const OleDateTime& day = document.receivedDate;
            CKanrenFileData record = CKanrenFileData::New(
                OleDateTime::fromDateTime(day.year(), day.month(), day.day(), kRelatedHour, i, 0));
            record.setFileNameText(name);
            record.setFolderText(folderTextOf(m_relatedFolder));
            if (!list.AddOrUpdate(record)) return false;
            ++written;
        }
        return true;
    }

  private:
    // A working day of the volume's filing years that has come.
    OleDateTime filingDay(const CDocMasterData& volume) {
        const OleDateTime first = volume.ShuunouKaisiNendo;
        const OleDateTime last = m_w.tool.FiscalYearEnd(volume.ShuunouShuuryouNendo, 0);
        const auto days = static_cast<uint32_t>(std::max(last.days() - first.days(), 0.0)) + 1;
        const OleDateTime day = workingDay(first + OleSpan::fromDays(m_w.random.below(days)));
        return day.days() > m_w.options.today.days() ? m_w.options.today : day;
    }

    Workshop& m_w;
    std::filesystem::path m_volumeFile;
    std::filesystem::path m_relatedFolder;
    size_t m_relatedSerial = 0;
};

}  // namespace

bool writeCatalogues(Workshop& workshop, const std::vector<CataloguedVolume>& volumes,
                     const std::vector<FiledEntry>& filed, DemoSummary& summary) {
    std::vector<std::vector<CSakuinMokurokuList>> byVolume(volumes.size());
    for (const FiledEntry& item : filed) byVolume[item.volume].push_back(mirrorOf(item.entry));
    CatalogueMaker maker(workshop);
    for (size_t i = 0; i < volumes.size(); ++i) {
        std::vector<CSakuinMokurokuList>& entries = byVolume[i];
        maker.addFiledOnly(entries, volumes[i].record);
        std::filesystem::path file;
        if (!maker.write(volumes[i].record, entries, file)) return false;
        ++summary.catalogues;
        summary.catalogueEntries += entries.size();
        if (i % kRelatedEvery == 0 &&
            !maker.writeRelated(file, entries.front(), summary.relatedFiles)) {
            return false;
        }
    }
    return true;
}

}  // namespace bunrako::cli::demo
