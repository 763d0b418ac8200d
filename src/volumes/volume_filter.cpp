#include "volumes/volume_filter.h"

#include <algorithm>

#include "common/cp932.h"
#include "common/keep_matching.h"
#include "common/my_tool.h"
#include "settings/settei_koumoku_list.h"
#include "volumes/doc_master_data.h"
#include "volumes/texts.h"

namespace bunrako {
VolumeFilter::VolumeFilter(const CBosatuTyuushutuJouken& criteria, int periodType,
                           const CSetteiKoumokuList& retention, CatalogueProbe catalogue)
    : m_catalogue(std::move(catalogue)) {
    const CMyTool tool;
    const auto fiscalYears = [&](const OleDateTime& from, const OleDateTime& to) {
        return FiscalYearRange::Of(from, to, periodType, tool);
    };
    const auto months = MonthRange::Of;
    // An empty title text lets every volume through.
    if (criteria.byTitle == 1 && !criteria.titleText.empty()) {
        m_title = utf8ToCp932(criteria.titleText);
    }
    if (criteria.byCreationYear == 1) {
        m_creation = fiscalYears(criteria.creationFrom, criteria.creationTo);
    }
    // The lower levels count only together with the level above them.
    m_department = nameCriterion(criteria.byDepartment, criteria.department);
    if (m_department) m_section = nameCriterion(criteria.bySection, criteria.section);
    m_major = nameCriterion(criteria.byMajor, criteria.major);
    if (m_major) m_middle = nameCriterion(criteria.byMiddle, criteria.middle);
    if (m_middle) m_minor = nameCriterion(criteria.byMinor, criteria.minor);
    m_retentionType = nameCriterion(criteria.byRetentionType, criteria.retentionType);
    if (m_retentionType) {
        for (const CSetteiKoumokuData& row : retention.Items()) {
            m_retentionNames.emplace_back(fixedBytes(row.name));
        }
    }
    if (criteria.byFilingYear == 1) {
        m_filing = fiscalYears(criteria.filingFrom, criteria.filingTo);
    }
    if (criteria.byExpiry == 1) m_expiry = months(criteria.expiryFrom, criteria.expiryTo);
    if (criteria.byDisposal == 1) m_disposal = months(criteria.disposalFrom, criteria.disposalTo);
    if (criteria.byReview == 1) m_review = months(criteria.reviewFrom, criteria.reviewTo);
    if (criteria.byCatalogue == 1) m_catalogueHasEntries = criteria.catalogueHasEntries == 1;
}

bool VolumeFilter::operator()(const CDocMasterData& volume) const {
    if (m_title && !containsCp932(fixedBytes(volume.Title), *m_title)) return false;
    if (!passesNames(volume) || !passesDates(volume)) return false;
    // Reading the catalogue is the dearest test: it comes last.
    if (m_catalogueHasEntries) {
        const bool hasEntries = m_catalogue ? m_catalogue(volume) : false;
        if (hasEntries != *m_catalogueHasEntries) return false;
    }
    return true;
}

bool VolumeFilter::passesNames(const CDocMasterData& volume) const {
    if (!passesName(m_department, fixedBytes(volume.KaMei))) return false;
    if (!passesName(m_section, fixedBytes(volume.KakariMei))) return false;
    if (!passesName(m_major, fixedBytes(volume.DaiBunruiMei))) return false;
    if (!passesName(m_middle, fixedBytes(volume.ChuuBunruiMei))) return false;
    if (!passesName(m_minor, fixedBytes(volume.ShouBunruiMei))) return false;
    if (m_retentionType) {
        const int row = volume.HozonShubetuIndex;
        if (row < 0 || static_cast<size_t>(row) >= m_retentionNames.size()) return false;
        if (m_retentionNames[static_cast<size_t>(row)] != *m_retentionType) return false;
    }
    return true;
}

bool VolumeFilter::passesDates(const CDocMasterData& volume) const {
    if (m_creation && !m_creation->contains(volume.SakuseiNendo)) return false;
    if (m_filing && !m_filing->contains(volume.ShuunouKaisiNendo) &&
        !m_filing->contains(volume.ShuunouShuuryouNendo)) {
        return false;
    }
    if (m_expiry && !m_expiry->contains(volume.ManryouNengetu)) return false;
    if (m_disposal && (volume.Haiki != 1 || !m_disposal->contains(volume.HaikiNengetu))) {
        return false;
    }
    if (m_review) {
        static const std::string permanent = utf8ToCp932(volumes::texts::kPermanentRetention);
        if (fixedBytes(volume.HozonShubetuMei) != permanent) return false;
        if (!m_review->contains(volume.Minaosi1Jiki)) return false;
    }
    return true;
}

std::vector<CDocMasterData> extractVolumes(std::span<const CDocMasterData> volumes,
                                           const VolumeFilter& filter,
                                           std::vector<CDocMasterData> storage) {
    return keepMatching(volumes, filter, std::move(storage));
}

void sortVolumesByTitle(std::vector<CDocMasterData>& volumes) {
    // The titles are sorted with their row numbers, and the 656-byte records
    // moved once into their places. Text views compare their bytes as
    // unsigned, which is JIS order for CP932.
    struct Row {
        std::string_view title;
        size_t index;
    };
    std::vector<Row> rows;
    rows.reserve(volumes.size());
    for (size_t i = 0; i < volumes.size(); ++i) rows.push_back({fixedBytes(volumes[i].Title), i});
    std::stable_sort(rows.begin(), rows.end(),
                     [](const Row& a, const Row& b) { return a.title < b.title; });
    std::vector<CDocMasterData> sorted;
    sorted.reserve(volumes.size());
    for (const Row& row : rows) sorted.push_back(volumes[row.index]);
    volumes = std::move(sorted);
}

}  // namespace bunrako
