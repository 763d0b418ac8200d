#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <map>
#include <string>
#include <unordered_map>

#include "common/file_io.h"
#include "common/format_text.h"
#include "tool/demo_vocabulary.h"
#include "tool/demo_workshop.h"
#include "volumes/doc_master_list.h"
#include "volumes/hozon_nengen_henkousho_list.h"
#include "volumes/hozon_shubetu_henkou.h"

namespace bunrako::cli::demo {
namespace {

// Volumes come up in the files of the fiscal years the office keeps; a few
// are lengthened with a change form, most of the expired ones are disposed.
constexpr int kChangePerMille = 25;
constexpr size_t kMostChangeForms = 50;
constexpr int kDisposedPercent = 75;
constexpr int kSeveralBooksPercent = 10;
constexpr int kDailyUsePercent = 25;
constexpr int kReviewPercent = 50;
constexpr int kLongRetention = 4;  // ３０年 and 永年 volumes may span years
constexpr int kSpanningPercent = 40;

struct SubsectionRef {
    size_t section;
    size_t subsection;
};

OleDateTime firstOfMonthAfter(const OleDateTime& date, int months) {
    const int index = date.year() * 12 + (date.month() - 1) + months;
    return OleDateTime::fromDate(index / 12, index % 12 + 1, 1);
}

// Makes the volumes one after another, in the order of their fiscal years.
class VolumeMaker {
  public:
    explicit VolumeMaker(Workshop& workshop) : m_w(workshop) {
        const auto& all = sections();
        for (size_t s = 0; s < all.size(); ++s) {
            for (size_t k = 0; k < all[s].subsections.size(); ++k) {
                if (all[s].subsections[k].middles.empty()) continue;
                m_subsections.push_back({s, k});
                m_weights.push_back(all[s].subsections[k].weight);
            }
        }
        m_todayYear = m_w.tool.FiscalYearStart(m_w.options.today, 0).year();
        m_firstYear = m_todayYear - (kDemoFiscalYears - 1);
    }

    // Volume `index` of all, as the entry dialog would have stored it.
    CDocMasterData make(size_t index) {
        const auto total = static_cast<size_t>(m_w.options.volumes);
        const int year = m_firstYear + static_cast<int>(index * kDemoFiscalYears / total);
        const SubsectionRef where = m_subsections[m_w.random.weighted(m_weights)];
        const Subsection& subsection = sections()[where.section].subsections[where.subsection];
        const auto [major, middle] = m_w.random.pick(std::span(subsection.middles));
        const auto& minors =
            classes()[static_cast<size_t>(major)].middles[static_cast<size_t>(middle)].minors;
        const size_t minor = m_w.random.below(static_cast<uint32_t>(minors.size()));
        const TitleStem& stem = m_w.random.pick(std::span(minors[minor].titles));

        CDocMasterData volume = CDocMasterData::NewRecord(m_w.options.today);
        setDepartment(volume, where);
        setClassification(volume, static_cast<size_t>(major) + 1, static_cast<size_t>(middle) + 1,
                          minor + 1);
        volume.setTitle(uniqueTitle(year, stem.title));
        setYears(volume, year, stem.retention);
        if (m_w.random.chance(kSeveralBooksPercent)) volume.Sassuu = m_w.random.between(2, 3);
        volume = withRetention(volume, stem.retention);
        volume.Jouyou = year == m_todayYear && m_w.random.chance(kDailyUsePercent) ? 1 : 0;
        if (stem.retention == kPermanentRetention) {
            volume.Minaosi1 = m_w.random.chance(kReviewPercent) ? 1 : 0;
        }
        return volume;
    }

    // Now and then a volume's retention is lengthened, with its change form.
    void maybeLengthen(CDocMasterData& volume, std::vector<CHozonNengenHenkoushoData>& forms) {
        const int current = volume.HozonShubetuIndex;
        if (current >= kPermanentRetention || forms.size() >= kMostChangeForms) return;
        if (m_w.random.below(1000) >= static_cast<uint32_t>(kChangePerMille)) return;
        const int longer = std::min(current + m_w.random.between(1, 2), kPermanentRetention);
        const CDocMasterData changed = withRetention(volume, longer);
        const char* reason = changeReason(longer, static_cast<int>(m_w.random.below(2)));
        forms.push_back(changeFormOf(volume, changed, reason));
        volume = changed;
    }

    // Most volumes whose retention has run out have been disposed of, within
    // a few months of their expiry. True when this one was.
    bool maybeDispose(CDocMasterData& volume) {
        const OleDateTime& today = m_w.options.today;
        if (volume.ManryouNengetu.days() > today.days()) return false;
        if (!m_w.random.chance(kDisposedPercent)) return false;
        const OleDateTime thisMonth = firstOfMonthAfter(today, 0);
        OleDateTime month = firstOfMonthAfter(volume.ManryouNengetu, m_w.random.between(0, 2));
        if (month.days() > thisMonth.days()) month = thisMonth;
        volume.HaikiNengetu = month;
        volume.Haiki = 1;
        return true;
    }

  private:
    // The department fields as the department master gives them, looked up
    // once per sub-section.
    void setDepartment(CDocMasterData& volume, const SubsectionRef& where) {
        const std::array<size_t, 3> key = {where.section + 1, where.subsection + 1, 0};
        auto found = m_departmentFields.find(key);
        if (found == m_departmentFields.end()) {
            CDocMasterData fields{};
            const std::string code = masterCode(key[0], key[1]);
            fields.setKaMei(m_w.department.NameByCode(masterCode(key[0])));
            fields.setKakariMei(m_w.department.NameByCode(code));
            fields.setKaBunruiCode(code);
            found = m_departmentFields.emplace(key, fields).first;
        }
        copyFields(volume, found->second, offsetof(CDocMasterData, KaMei),
                   offsetof(CDocMasterData, DaiBunruiCode));
    }

    // Names and short codes as the classification master gives them, looked
    // up once per minor class.
    void setClassification(CDocMasterData& volume, size_t major, size_t middle, size_t minor) {
        const std::array<size_t, 3> key = {major, middle, minor};
        auto found = m_classFields.find(key);
        if (found == m_classFields.end()) {
            const CSetteiKoumokuList& master = m_w.classification;
            CDocMasterData fields{};
            fields.setDaiBunruiMei(master.NameByCode(masterCode(major)));
            fields.setDaiBunruiCode(master.SubNameByCode(masterCode(major)));
            fields.setChuuBunruiMei(master.NameByCode(masterCode(major, middle)));
            fields.setChuuBunruiCode(master.SubNameByCode(masterCode(major, middle)));
            fields.setShouBunruiMei(master.NameByCode(masterCode(major, middle, minor)));
            fields.setShouBunruiCode(master.SubNameByCode(masterCode(major, middle, minor)));
            found = m_classFields.emplace(key, fields).first;
        }
        copyFields(volume, found->second, offsetof(CDocMasterData, DaiBunruiCode),
                   offsetof(CDocMasterData, Title));
    }

    // The bytes of the fields from `begin` up to `end`.
    static void copyFields(CDocMasterData& volume, const CDocMasterData& fields, size_t begin,
                           size_t end) {
        std::memcpy(reinterpret_cast<char*>(&volume) + begin,
                    reinterpret_cast<const char*>(&fields) + begin, end - begin);
    }

    // A title is used once a year, so that each volume has its own folder
    // tree; later volumes of the same kind are numbered.
    std::string uniqueTitle(int year, const char* stem) {
        const int count = ++m_titles[std::to_string(year) + "\n" + stem];
        return count == 1 ? std::string(stem) : formatPrintf("%s（その%d）", stem, count);
    }

    void setYears(CDocMasterData& volume, int year, int retention) {
        int lastYear = year;
        if (retention >= kLongRetention && m_w.random.chance(kSpanningPercent)) {
            lastYear = std::min(year + m_w.random.between(1, 2), m_todayYear);
        }
        volume.SakuseiNendo = m_w.tool.FiscalStartFromYear(year, 0);
        volume.ShuunouKaisiNendo = volume.SakuseiNendo;
        volume.ShuunouShuuryouNendo = m_w.tool.FiscalStartFromYear(lastYear, 0);
    }

    CDocMasterData withRetention(const CDocMasterData& volume, int row) const {
        const auto type = RetentionType::Find(
            m_w.retention.Items()[static_cast<size_t>(row)].Name(), m_w.retention);
        return type ? withRetentionType(volume, *type) : volume;
    }

    Workshop& m_w;
    std::vector<SubsectionRef> m_subsections;
    std::vector<int> m_weights;
    int m_todayYear = 0;
    int m_firstYear = 0;
    std::unordered_map<std::string, int> m_titles;
    std::map<std::array<size_t, 3>, CDocMasterData> m_departmentFields;
    std::map<std::array<size_t, 3>, CDocMasterData> m_classFields;
};

// The disposed-volume file gets the disposed volumes in the order of their
// disposal, each numbered in that file as the disposal command numbers it.
bool writeDisposed(const Workshop& workshop, const CDocMasterList& master,
                   std::vector<size_t> disposed) {
    std::stable_sort(disposed.begin(), disposed.end(), [&](size_t a, size_t b) {
        return master[a].HaikiNengetu.days() < master[b].HaikiNengetu.days();
    });
    CDocMasterList list(pathFromUtf8(workshop.settings.front().m_strDisposedFile), workshop.prompt);
    for (const size_t index : disposed) {
        if (!list.AddOrReplace(master[index], true)) return false;
    }
    list.sort();
    return list.Write() == 1;
}

}  // namespace

VolumeOutcome writeVolumes(Workshop& workshop, DemoSummary& summary) {
    VolumeOutcome outcome;
    const CShokiSetteiData& settings = workshop.settings.front();
    CDocMasterList master(pathFromUtf8(settings.m_strVolumeFile), workshop.prompt);
    std::vector<CHozonNengenHenkoushoData> forms;
    std::vector<size_t> disposed;
    VolumeMaker maker(workshop);
    const auto total = static_cast<size_t>(workshop.options.volumes);
    for (size_t i = 0; i < total; ++i) {
        CDocMasterData volume = maker.make(i);
        maker.maybeLengthen(volume, forms);
        if (maker.maybeDispose(volume)) disposed.push_back(i);
        // Each volume is numbered as it is registered; the file is sorted
        // and written once at the end.
        if (!master.AddOrReplace(volume, true)) return outcome;
    }
    // Until the sort, the list holds the volumes in the order of registration.
    const auto limit = static_cast<size_t>(std::max(workshop.options.catalogueLimit, 0));
    for (size_t i = total > limit ? total - limit : 0; i < total; ++i) {
        outcome.catalogued.push_back({master[i], master[i].Haiki == 0});
    }
    if (!writeDisposed(workshop, master, disposed)) return outcome;
    master.sort();
    if (!master.Write()) return outcome;
    CHozonNengenHenkoushoList formList(workshop.prompt,
                                       pathFromUtf8(settings.m_strRetentionChangeFile));
    formList.forms() = forms;
    if (!formList.Write()) return outcome;

    summary.volumes = total;
    summary.disposed = disposed.size();
    summary.changeForms = forms.size();
    outcome.written = true;
    return outcome;
}

}  // namespace bunrako::cli::demo
