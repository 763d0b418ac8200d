#include "volumes/volume_entry_form.h"

#include <cmath>

#include "common/cp932.h"
#include "volumes/texts.h"

namespace bunrako {
namespace {

namespace vtexts = volumes::texts;

// Era years of the filing and creation years and of the expiry and disposal
// months; the review months may lie further ahead.
constexpr int kEraYears = 100;
constexpr int kReviewEraYears = 110;
constexpr int kFirstWesternYear = 1900;
constexpr int kLastWesternYear = 3000;
constexpr int kMostBooks = 99;
constexpr int kMostYears = 100;
// The widths of the record's name and code fields, in CP932 bytes.
constexpr size_t kNameBytes = 20;
constexpr size_t kMajorCodeBytes = 4;
constexpr size_t kMinorCodeBytes = 2;

bool fits(const std::string& utf8, size_t bytes) {
    bool lossless = true;
    const std::string cp932 = utf8ToCp932(utf8, &lossless);
    return lossless && cp932.size() <= bytes;
}

bool inRange(int value, int low, int high) { return value >= low && value <= high; }

int wholeYears(const OleSpan& span) {
    if (!span.isValid()) return 0;
    return static_cast<int>(std::llround(span.days()) / static_cast<long long>(366));
}

}  // namespace

VolumeEntryForm::VolumeEntryForm(const CDocMasterData& record, const VolumeChoices& choices,
                                 VolumeEntryMode mode, bool western, int periodType)
    : m_choices(choices), m_mode(mode), m_western(western), m_periodType(periodType) {
    show(record);
}

// ---- Showing a record -----------------------------------------------------------

void VolumeEntryForm::show(const CDocMasterData& record) {
    const auto chosen = [](const std::vector<std::string>& list, std::string name) {
        return isOneOf(list, name) ? name : std::string();
    };
    VolumeEntryValues& v = m_values;
    v.creation = fiscalYearInput(record.SakuseiNendo);
    v.department = chosen(m_choices.departments(), record.kaMei());
    v.section = chosen(sections(), record.kakariMei());
    v.title = record.title();
    v.books = record.Sassuu;
    v.major = chosen(m_choices.majors(), record.daiBunruiMei());
    v.middle = chosen(middles(), record.chuuBunruiMei());
    v.minor = chosen(minors(), record.shouBunruiMei());
    v.filingFrom = fiscalYearInput(record.ShuunouKaisiNendo);
    v.filingTo = fiscalYearInput(record.ShuunouShuuryouNendo);
    v.retentionType = chosen(m_choices.retentionTypes(), record.hozonShubetuMei());
    v.retentionYears = wholeYears(record.HozonNengen);
    v.expiry = monthInput(record.ManryouNengetu);
    v.dailyUse = record.Jouyou == 1;
    v.contents = record.Mokuji == 1;
    v.disposed = record.Haiki == 1;
    v.disposal = monthInput(record.HaikiNengetu);
    v.reviews[0] = {monthInput(record.Minaosi1Jiki), record.Minaosi1 == 1,
                    wholeYears(record.Minaosi1Nengen)};
    v.reviews[1] = {monthInput(record.Minaosi2Jiki), record.Minaosi2 == 1,
                    wholeYears(record.Minaosi2Nengen)};
    v.reviews[2] = {monthInput(record.Minaosi3Jiki), record.Minaosi3 == 1,
                    wholeYears(record.Minaosi3Nengen)};
    m_typeInForce = v.retentionType;
}

YearInput VolumeEntryForm::fiscalYearInput(const OleDateTime& date) const {
    return fiscalYearInputOf(date, m_western, m_periodType, m_tool);
}

YearMonthInput VolumeEntryForm::monthInput(const OleDateTime& date) const {
    return monthInputOf(date, m_western, m_tool);
}

int VolumeEntryForm::firstMonth() const {
    static constexpr int kFirstMonths[] = {4, 7, 10, 1};
    return m_periodType >= 0 && m_periodType < 4 ? kFirstMonths[m_periodType] : 4;
}

// ---- Choices and enabling -------------------------------------------------------

std::vector<std::string> VolumeEntryForm::sections() const {
    return m_choices.sectionsOf(m_values.department);
}

std::vector<std::string> VolumeEntryForm::middles() const {
    return m_choices.middlesOf(m_values.major);
}

std::vector<std::string> VolumeEntryForm::minors() const {
    return m_choices.minorsOf(m_values.major, m_values.middle);
}

bool VolumeEntryForm::isPermanent() const {
    return m_values.retentionType == vtexts::kPermanentType;
}

VolumeEntryEnabling VolumeEntryForm::enabling() const {
    const bool permanent = isPermanent();
    VolumeEntryEnabling enabling;
    enabling.disposalMonth = m_values.disposed;
    enabling.nextReview = permanent;
    enabling.previousReview = permanent && m_values.reviews[1].done;
    enabling.reviewBeforePrevious = permanent && m_values.reviews[2].done;
    enabling.nextReviewPeriod = permanent && m_values.reviews[0].done;
    enabling.removeBeforeShown = m_mode == VolumeEntryMode::change;
    enabling.western = m_western;
    return enabling;
}

// ---- Years --------------------------------------------------------------------

bool VolumeEntryForm::isYear(const YearInput& input, int eraYears) const {
    if (m_western) return inRange(input.year, kFirstWesternYear, kLastWesternYear);
    return inRange(input.era, 1, m_tool.EraCount()) && inRange(input.eraYear, 1, eraYears);
}

bool VolumeEntryForm::isMonth(const YearMonthInput& input, int eraYears) const {
    return isYear(input.year, eraYears) && inRange(input.month, 1, 12);
}

int VolumeEntryForm::westernYear(const YearInput& input) const {
    return m_western ? input.year : westernYearOf(input.era, input.eraYear, m_tool);
}

// The same era carries on past its end: the calendar turns such a year into
// the right date.
YearInput VolumeEntryForm::yearsLater(const YearInput& input, int years) const {
    YearInput later = input;
    later.western = m_western;
    if (m_western) {
        later.year += years;
    } else {
        later.eraYear += years;
    }
    return later;
}

OleDateTime VolumeEntryForm::fiscalStart(const YearInput& input) const {
    return fiscalYearStartOfEntry(input, m_periodType, m_tool);
}

OleDateTime VolumeEntryForm::dayOne(const YearMonthInput& input) const {
    return firstDayOfEntryMonth(input, m_tool);
}

// ---- Derivations ----------------------------------------------------------------

std::vector<std::string> VolumeEntryForm::chooseRetentionType(const std::string& name) {
    m_values.retentionType = name;
    m_typeInForce = name;
    std::vector<std::string> warnings;
    deriveDates(warnings);
    return warnings;
}

std::vector<std::string> VolumeEntryForm::leaveRetentionType(const std::string& typed) {
    if (typed == m_typeInForce) {
        m_values.retentionType = typed;
        return {};
    }
    if (!isOneOf(m_choices.retentionTypes(), typed)) {
        m_values.retentionType.clear();
        m_typeInForce.clear();
        return {vtexts::kRetentionTypeTyped};
    }
    return chooseRetentionType(typed);
}

// Each step that meets an invalid input warns and leaves its own target as
// it was; the later steps run all the same.
void VolumeEntryForm::deriveDates(std::vector<std::string>& warnings) {
    VolumeEntryValues& v = m_values;
    if (const auto years = m_choices.retentionYears(v.retentionType)) v.retentionYears = *years;

    v.expiry.month = firstMonth();
    if (isYear(v.filingTo, kEraYears)) {
        v.expiry.year = yearsLater(v.filingTo, v.retentionYears + 1);
    } else {
        warnings.emplace_back(vtexts::kFilingToInvalid);
    }
    for (YearMonthInput* target : {&v.disposal, &v.reviews[0].time}) {
        if (isMonth(v.expiry, kReviewEraYears)) {
            *target = v.expiry;
        } else {
            warnings.emplace_back(vtexts::kExpiryInvalid);
        }
    }
    copyNextToPrevious(warnings);
    copyPreviousToBeforePrevious(warnings);
}

void VolumeEntryForm::copyNextToPrevious(std::vector<std::string>& warnings) {
    if (isMonth(m_values.reviews[0].time, kReviewEraYears)) {
        m_values.reviews[1] = m_values.reviews[0];
    } else {
        warnings.emplace_back(vtexts::kNextReviewInvalid);
    }
}

void VolumeEntryForm::copyPreviousToBeforePrevious(std::vector<std::string>& warnings) {
    if (isMonth(m_values.reviews[1].time, kReviewEraYears)) {
        m_values.reviews[2] = m_values.reviews[1];
    } else {
        warnings.emplace_back(vtexts::kPreviousReviewInvalid);
    }
}

std::vector<std::string> VolumeEntryForm::reviewRetention() {
    VolumeEntryValues& v = m_values;
    std::vector<std::string> warnings;
    copyPreviousToBeforePrevious(warnings);
    copyNextToPrevious(warnings);
    // Without a complete next review there is nothing to move on from.
    if (!isMonth(v.reviews[0].time, kReviewEraYears)) return warnings;
    ReviewSlot& next = v.reviews[0];
    next.time.year = yearsLater(next.time.year, next.years);
    next.done = false;
    v.expiry = next.time;
    v.disposal = next.time;
    const int expiryYear = westernYear(v.expiry.year);
    const int filingYear = westernYear(v.filingTo);
    if (expiryYear > 0 && filingYear > 0) v.retentionYears = expiryYear - filingYear - 1;
    return warnings;
}

// ---- Validation and gathering --------------------------------------------------

std::optional<std::string> VolumeEntryForm::validate() const {
    if (!firstInvalidField()) return std::nullopt;
    return std::string(vtexts::kInvalidInput);
}

// In the order of the dialog, so that the clerk is taken to the first
// field at fault.
std::optional<VolumeEntryField> VolumeEntryForm::firstInvalidField() const {
    using F = VolumeEntryField;
    const VolumeEntryValues& v = m_values;
    const auto codes = m_choices.classificationCodes(v.major, v.middle, v.minor);
    // Names and codes must fit the record whole rather than be cut.
    const std::pair<F, bool> checks[] = {
        {F::department, !v.department.empty() && fits(v.department, kNameBytes)},
        {F::section, !v.section.empty() && fits(v.section, kNameBytes)},
        {F::creation, isYear(v.creation, kEraYears)},
        {F::title, !v.title.empty() && fits(v.title, kTitleBytes)},
        {F::books, inRange(v.books, 1, kMostBooks)},
        {F::major,
         !v.major.empty() && fits(v.major, kNameBytes) && fits(codes.major, kMajorCodeBytes)},
        {F::middle,
         !v.middle.empty() && fits(v.middle, kNameBytes) && fits(codes.middle, kMinorCodeBytes)},
        {F::minor,
         !v.minor.empty() && fits(v.minor, kNameBytes) && fits(codes.minor, kMinorCodeBytes)},
        {F::filingFrom, isYear(v.filingFrom, kEraYears)},
        {F::filingTo, isYear(v.filingTo, kEraYears)},
        {F::retentionType, isOneOf(m_choices.retentionTypes(), v.retentionType)},
        {F::retentionYears, inRange(v.retentionYears, 1, kMostYears)},
        {F::expiry, isMonth(v.expiry, kEraYears)},
        {F::disposal, isMonth(v.disposal, kEraYears)},
        {F::nextReview, isMonth(v.reviews[0].time, kReviewEraYears)},
        {F::nextReviewYears, inRange(v.reviews[0].years, 1, kMostYears)},
        {F::previousReview, isMonth(v.reviews[1].time, kReviewEraYears)},
        {F::previousReviewYears, inRange(v.reviews[1].years, 1, kMostYears)},
        {F::reviewBeforePrevious, isMonth(v.reviews[2].time, kReviewEraYears)},
        {F::reviewBeforePreviousYears, inRange(v.reviews[2].years, 1, kMostYears)},
    };
    for (const auto& [field, valid] : checks) {
        if (!valid) return field;
    }
    return std::nullopt;
}

void VolumeEntryForm::gather(CDocMasterData& record) const {
    const VolumeEntryValues& v = m_values;
    record.SakuseiNendo = fiscalStart(v.creation);
    record.ShuunouKaisiNendo = fiscalStart(v.filingFrom);
    record.ShuunouShuuryouNendo = fiscalStart(v.filingTo);
    record.setKaMei(v.department);
    record.setKakariMei(v.section);
    record.setKaBunruiCode(m_choices.departmentCode(v.department, v.section));
    const auto codes = m_choices.classificationCodes(v.major, v.middle, v.minor);
    record.setDaiBunruiMei(v.major);
    record.setDaiBunruiCode(codes.major);
    record.setChuuBunruiMei(v.middle);
    record.setChuuBunruiCode(codes.middle);
    record.setShouBunruiMei(v.minor);
    record.setShouBunruiCode(codes.minor);
    record.setTitle(v.title);
    record.Sassuu = v.books;
    record.ManryouNengetu = dayOne(v.expiry);
    record.HaikiNengetu = dayOne(v.disposal);
    record.HozonNengen = OleSpan::fromYears(v.retentionYears);
    if (const auto row = m_choices.retentionRow(v.retentionType)) {
        record.HozonShubetuIndex = static_cast<int32_t>(*row);
    }
    record.setHozonShubetuMei(v.retentionType);
    record.Jouyou = v.dailyUse ? 1 : 0;
    record.Mokuji = v.contents ? 1 : 0;
    record.Haiki = v.disposed ? 1 : 0;
    int32_t* checks[] = {&record.Minaosi1, &record.Minaosi2, &record.Minaosi3};
    OleDateTime* times[] = {&record.Minaosi1Jiki, &record.Minaosi2Jiki, &record.Minaosi3Jiki};
    OleSpan* periods[] = {&record.Minaosi1Nengen, &record.Minaosi2Nengen, &record.Minaosi3Nengen};
    for (size_t slot = 0; slot < v.reviews.size(); ++slot) {
        *checks[slot] = v.reviews[slot].done ? 1 : 0;
        *times[slot] = dayOne(v.reviews[slot].time);
        *periods[slot] = OleSpan::fromYears(v.reviews[slot].years);
    }
}

}  // namespace bunrako
