#include <algorithm>
#include <map>
#include <unordered_map>

#include "common/cp932.h"
#include "common/data_file.h"
#include "common/file_io.h"
#include "common/format_text.h"
#include "common/prompt.h"
#include "register/bunsho_ken_meibo_list.h"
#include "register/hassin_jusin_list.h"
#include "register/shoku_simei_list.h"
#include "register/texts.h"
#include "settings/receipt_file.h"
#include "tool/demo_vocabulary.h"
#include "tool/demo_workshop.h"
#include "tool/texts.h"
#include "volumes/volume_folders.h"

namespace bunrako::cli::demo {
namespace {

constexpr int kSentPercent = 40;
constexpr int kYearInSubjectPercent = 30;
constexpr int kCitySendsPercent = 50;
// Documents older than this have mostly gone through every step.
constexpr double kSettledDays = 60.0;
constexpr int kSettledPercent = 90;
constexpr int kMostDaysBetweenSteps = 4;
constexpr int kFirstHour = 9;
constexpr uint32_t kDaysInYear = 365;
constexpr int kDrawsForADay = 8;
constexpr size_t kRememberedUses = 500;
constexpr int kOfficeMinutes = 8 * 60;

std::string sectionPrefixOf(const CDocMasterData& volume) {
    const std::string name = volume.kaMei();
    for (const Section& section : sections()) {
        if (name == section.name) return section.numberPrefix;
    }
    return {};
}

// Makes the register entries, each filed in a volume that is still in use.
class EntryMaker {
  public:
    EntryMaker(Workshop& workshop, const std::vector<CataloguedVolume>& volumes)
        : m_w(workshop), m_volumes(volumes) {
        for (size_t i = 0; i < volumes.size(); ++i) {
            if (volumes[i].live) m_live.push_back(i);
        }
        // Should every catalogued volume be disposed of, documents are still
        // filed in them.
        if (m_live.empty()) {
            for (size_t i = 0; i < volumes.size(); ++i) m_live.push_back(i);
        }
    }

    bool canFile() const { return !m_live.empty(); }

    FiledEntry make() {
        // A day that has not come yet is drawn again with another volume, so
        // that the volumes of a year just begun do not gather the documents
        // of its first day.
        size_t index = 0;
        OleDateTime received;
        for (int attempt = 0; attempt < kDrawsForADay; ++attempt) {
            index = m_w.random.pick(std::span<const size_t>(m_live));
            received = dayOfYear(m_volumes[index].record);
            if (received.days() <= m_w.options.today.days()) break;
        }
        if (received.days() > m_w.options.today.days()) received = m_w.options.today;
        const CDocMasterData& volume = m_volumes[index].record;
        CBunshoKenMeiboData entry = CBunshoKenMeiboData::newEntry(received);
        entry.registerYear = m_w.tool.FiscalYearStart(received, 0);
        entry.calendarYearFlag = 0;
        entry.volumeYear = volume.SakuseiNendo;
        writeFixedBytes(entry.sectionCode, fixedBytes(volume.KaBunruiCode));
        writeFixedBytes(entry.volumeNumber, fixedBytes(volume.KanriBangou));
        writeFixedBytes(entry.volumeTitle, fixedBytes(volume.Title));
        entry.setDocumentSymbol(sectionPrefixOf(volume));
        const bool sent = m_w.random.chance(kSentPercent);
        entry.setSubject(subject(volume, sent));
        setCorrespondents(entry, volume, sent);
        setProgress(entry, sent);
        return {entry, index, sent};
    }

  private:
    // A working day of the volume's fiscal year.
    OleDateTime dayOfYear(const CDocMasterData& volume) {
        return workingDay(volume.SakuseiNendo + OleSpan::fromDays(m_w.random.below(kDaysInYear)));
    }

    std::string subject(const CDocMasterData& volume, bool sent) {
        const auto patterns = sent ? sentSubjects() : receivedSubjects();
        const char* pattern = m_w.random.pick(patterns);
        const char* topic = m_w.random.pick(topicsOf(volume));
        std::string text = formatText(pattern, topic);
        if (m_w.random.chance(kYearInSubjectPercent)) {
            text = volumeYearFolderName(volume, m_w.tool) + text;
        }
        return text;
    }

    void setCorrespondents(CBunshoKenMeiboData& entry, const CDocMasterData& volume, bool sent) {
        const char* outside = m_w.random.pick(outsideCorrespondents());
        if (!sent) {
            entry.setSender(outside);
            entry.setReceiver(m_w.random.pick(insideAddressees()));
            return;
        }
        const std::string head = m_w.random.chance(kCitySendsPercent)
                                     ? std::string(kCityName) + "長"
                                     : volume.kaMei() + "長";
        entry.setSender(head);
        entry.setReceiver(outside);
    }

    // The steps taken so far, a few days apart, never beyond today; a
    // document that went through every step is completed.
    void setProgress(CBunshoKenMeiboData& entry, bool sent) {
        const auto chain = sent ? sentSteps() : receivedSteps();
        const int all = static_cast<int>(chain.size());
        const double age = m_w.options.today.days() - entry.receivedDate.days();
        const int steps = age > kSettledDays && m_w.random.chance(kSettledPercent)
                              ? all
                              : m_w.random.between(1, all - 1);
        OleDateTime date = entry.receivedDate;
        int done = 0;
        for (int step = 0; step < steps; ++step) {
            if (step > 0) {
                date = workingDay(date +
                                  OleSpan::fromDays(m_w.random.between(0, kMostDaysBetweenSteps)));
            }
            if (date.days() > m_w.options.today.days()) break;
            entry.progressFlag[step] = 1;
            entry.progressDate[step] = date;
            entry.setProgressText(step, chain[static_cast<size_t>(step)]);
            ++done;
        }
        if (done == all) {
            entry.completedFlag = 1;
            entry.completedDate = date;
        }
    }

    Workshop& m_w;
    const std::vector<CataloguedVolume>& m_volumes;
    std::vector<size_t> m_live;
};

// Document numbers start at 1 in each fiscal year, shared by every section,
// in the order the documents were received.
void numberEntries(std::vector<FiledEntry>& filed) {
    std::stable_sort(filed.begin(), filed.end(), [](const FiledEntry& a, const FiledEntry& b) {
        if (a.entry.registerYear.days() != b.entry.registerYear.days()) {
            return a.entry.registerYear.days() < b.entry.registerYear.days();
        }
        return a.entry.receivedDate.days() < b.entry.receivedDate.days();
    });
    std::map<double, int> lastNumber;
    for (FiledEntry& item : filed) {
        const int number = ++lastNumber[item.entry.registerYear.days()];
        item.entry.setDocumentNumber(formatPrintf("%d", number));
    }
}

// The register file's order when the entries are entered as received: the
// register puts a number after the last one of its section and year, and
// the first one of a section and year in front of the file. So each section
// and year is one block, the block begun last first.
std::vector<CBunshoKenMeiboData> registerOrder(const std::vector<FiledEntry>& filed) {
    std::map<std::pair<std::string, int>, size_t> blockStart;
    std::vector<std::pair<size_t, size_t>> order;  // (block, entry index)
    for (size_t i = 0; i < filed.size(); ++i) {
        const CBunshoKenMeiboData& entry = filed[i].entry;
        const auto key =
            std::make_pair(std::string(entry.sectionPrefix()), entry.registerYear.year());
        const auto [found, added] = blockStart.emplace(key, blockStart.size());
        order.emplace_back(found->second, i);
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<CBunshoKenMeiboData> entries;
    entries.reserve(order.size());
    for (const auto& [block, index] : order) entries.push_back(filed[index].entry);
    return entries;
}

// The next receipt number of each section: one more than its documents of
// the current year.
bool writeReceiptNumbers(Workshop& workshop, const std::vector<FiledEntry>& filed) {
    const double thisYear = workshop.tool.FiscalYearStart(workshop.options.today, 0).days();
    std::vector<ReceiptPair> pairs;
    for (const CShokiSetteiData& settings : workshop.settings) {
        const std::string prefix = settings.m_strSectionCode.substr(0, 3);
        const auto count = std::count_if(filed.begin(), filed.end(), [&](const FiledEntry& item) {
            return item.entry.sectionPrefix() == prefix &&
                   item.entry.registerYear.days() == thisYear;
        });
        pairs.push_back({utf8ToCp932(settings.m_strSectionName), static_cast<int32_t>(count + 1)});
    }
    const std::filesystem::path path =
        pathFromUtf8(ReceiptFilePath(workshop.settings.front().m_strRegisterFile));
    return writeDataFile(workshop.prompt, path, ReceiptFileBytes(pairs), pathToUtf8(path), false);
}

OleDateTime duringOfficeHours(Workshop& workshop, const OleDateTime& day) {
    const int minute = kFirstHour * 60 + static_cast<int>(workshop.random.below(kOfficeMinutes));
    return OleDateTime::fromDateTime(day.year(), day.month(), day.day(), minute / 60, minute % 60,
                                     0);
}

// The senders and receivers the clerks typed, and the posts and names of
// those who drafted the sent documents, as the dialogs remember them.
bool writeNameLists(Workshop& workshop, const std::vector<FiledEntry>& filed) {
    HassinJusinList names(workshop.prompt, workshop.clock, workshop.folder);
    // Whatever an earlier office left is not carried over.
    for (NameList* list : {&names.Hassin, &names.Jusin}) {
        for (NameListSlot& slot : list->slots()) slot = {{}, 0, workshop.clock.now()};
    }
    NameList postList(ShokuSimeiList::kSlots, ShokuSimeiList::kSlots, workshop.clock.now());
    NameList personList(ShokuSimeiList::kSlots, ShokuSimeiList::kSlots, workshop.clock.now());
    const auto drafters = personNames();
    // Each use re-orders a list and old counts age away: the last few hundred
    // documents make lists as a clerk would have them, at a bounded cost.
    const size_t first = filed.size() > kRememberedUses ? filed.size() - kRememberedUses : 0;
    for (const FiledEntry& item : std::span(filed).subspan(first)) {
        const OleDateTime when = duringOfficeHours(workshop, item.entry.receivedDate);
        names.Hassin.Record(item.entry.senderText(), when);
        names.Jusin.Record(item.entry.receiverText(), when);
        if (!item.drafted) continue;
        const size_t drafter = workshop.random.below(static_cast<uint32_t>(drafters.size()));
        personList.Record(drafters[drafter], when);
        postList.Record(posts()[drafter % posts().size()], when);
    }
    if (!names.Save()) {
        workshop.prompt.showMessage(
            formatText(tool::texts::kDemoCannotWrite, pathToUtf8(names.path())));
        return false;
    }
    const auto inFolder = [&](const char* name) { return workshop.folder / pathFromUtf8(name); };
    return ShokuSimeiList::SaveFile(workshop.prompt, inFolder(register_::texts::kShokuFileName),
                                    postList) &&
           ShokuSimeiList::SaveFile(workshop.prompt, inFolder(register_::texts::kSimeiFileName),
                                    personList);
}

}  // namespace

std::span<const char* const> topicsOf(const CDocMasterData& volume) {
    static const auto byClass = [] {
        std::unordered_map<std::string, std::span<const char* const>> table;
        for (const MajorClass& major : classes()) {
            for (const MiddleClass& middle : major.middles) {
                for (const MinorClass& minor : middle.minors) {
                    table.emplace(formatPrintf("%s\n%s\n%s", major.name, middle.name, minor.name),
                                  std::span<const char* const>(minor.topics));
                }
            }
        }
        return table;
    }();
    static constexpr const char* kAnyTopic[] = {"事務の取扱い"};
    const auto found = byClass.find(volume.daiBunruiMei() + "\n" + volume.chuuBunruiMei() + "\n" +
                                    volume.shouBunruiMei());
    return found == byClass.end() ? std::span<const char* const>(kAnyTopic) : found->second;
}

bool writeRegister(Workshop& workshop, const std::vector<CataloguedVolume>& volumes,
                   std::vector<FiledEntry>& filed, DemoSummary& summary) {
    EntryMaker maker(workshop, volumes);
    const int wanted = maker.canFile() ? workshop.options.entries : 0;
    filed.reserve(static_cast<size_t>(wanted));
    for (int i = 0; i < wanted; ++i) filed.push_back(maker.make());
    numberEntries(filed);

    CBunshoKenMeiboList list(workshop.prompt, workshop.settings.front().m_nRegisterPeriod);
    list.entries() = registerOrder(filed);
    if (!list.Save(pathFromUtf8(workshop.settings.front().m_strRegisterFile))) return false;
    summary.registerEntries = filed.size();
    return writeReceiptNumbers(workshop, filed) && writeNameLists(workshop, filed);
}

}  // namespace bunrako::cli::demo
