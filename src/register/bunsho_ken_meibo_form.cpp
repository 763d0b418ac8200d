#include "register/bunsho_ken_meibo_form.h"

#include "common/clock.h"
#include "common/cp932.h"
#include "common/file_io.h"
#include "common/format_text.h"
#include "common/my_tool.h"
#include "common/prompt.h"
#include "register/draft_file.h"
#include "register/hassin_jusin_list.h"
#include "register/texts.h"
#include "settings/settei_koumoku_data.h"
#include "settings/settei_koumoku_list.h"
#include "volumes/doc_master_data.h"

namespace bunrako {
namespace {

constexpr size_t kSectionCodeLength = 10;

// The day the year controls show: the register year as it is for a
// calendar-year entry, else the label day of its fiscal year.
OleDateTime shownRegisterYear(const CBunshoKenMeiboData& entry, int period, const CMyTool& tool) {
    if (entry.calendarYearFlag != 0) return entry.registerYear;
    return tool.FiscalLabelDate(entry.registerYear, period);
}

OleDateTime firstOfJanuary(const YearInput& year, const CMyTool& tool) {
    if (year.western) return tool.WesternTextToDate(formatPrintf("%04d,01,01", year.year));
    return tool.EraTextToDate(formatPrintf("%d,%02d,01,01", year.era, year.eraYear));
}

bool eraYearChosen(const YearInput& year) {
    return year.western ? year.year > 0 : year.era > 0 && year.eraYear > 0;
}

}  // namespace

BunshoKenMeiboForm::BunshoKenMeiboForm(const CBunshoKenMeiboData& entry, Mode mode,
                                       const Office& office, Prompt& prompt, const Clock& clock)
    : m_entry(entry),
      m_mode(mode),
      m_office(office),
      m_western(office.calendarMode != 0),
      m_clock(clock),
      m_names(std::make_unique<HassinJusinList>(prompt, clock, office.dataFolder)) {
    const CMyTool tool;
    const int period = office.managementPeriod;
    registerYear = yearInputOf(shownRegisterYear(entry, period, tool), m_western, tool);
    volumeYear = yearInputOf(tool.FiscalLabelDate(entry.volumeYear, period), m_western, tool);
    received = DayInput::of(entry.receivedDate, m_western, tool);
    number = entry.documentNumberText();
    symbol = entry.documentSymbolText();
    subject = entry.subjectText();
    sender = entry.senderText();
    receiver = entry.receiverText();
    completed = entry.completedFlag == 1;
    completedDate = DayInput::of(entry.completedDate, m_western, tool);
    for (int row = 0; row < kRows; ++row) {
        ProgressRow& shown = rows[static_cast<size_t>(row)];
        shown.checked = entry.progressFlag[row] != 0;
        shown.date = DayInput::of(entry.progressDate[row], m_western, tool);
        shown.text = entry.progressTextOf(row);
    }
    // A later row checked below an unchecked one cannot be shown that way.
    for (int row = 1; row < kRows; ++row) {
        if (!rows[static_cast<size_t>(row - 1)].checked)
            rows[static_cast<size_t>(row)].checked = false;
    }
    important = entry.importantFlag != 0;

    const VolumeChoice choice = volumeChoiceOf(entry, office.departments);
    m_section = choice.sectionName;
    m_subsections = office.departments.ListChildren(office.departments.CodeByNames(m_section));
    m_subsection = choice.subsectionName;
    m_volumeTitle = entry.volumeTitleText();
    refillTitles();
}

BunshoKenMeiboForm::~BunshoKenMeiboForm() = default;

std::vector<std::string> BunshoKenMeiboForm::senderNames() const { return m_names->Hassin.Names(); }

std::vector<std::string> BunshoKenMeiboForm::receiverNames() const {
    return m_names->Jusin.Names();
}

const char* BunshoKenMeiboForm::okCaption() const {
    switch (m_mode) {
        case Mode::add:
            return register_::texts::kOkAdd;
        case Mode::change:
            return register_::texts::kOkChange;
        case Mode::remove:
            break;
    }
    return register_::texts::kOkDelete;
}

const char* BunshoKenMeiboForm::registerYearUnit() const {
    return m_entry.calendarYearFlag != 0 ? register_::texts::kUnitCalendarYear
                                         : register_::texts::kUnitFiscalYear;
}

std::vector<std::string> BunshoKenMeiboForm::sectionNames() const {
    return m_office.departments.ListChildren(kRootCode);
}

void BunshoKenMeiboForm::setSection(const std::string& name) {
    if (name == m_section) return;
    m_section = name;
    m_subsections = m_office.departments.ListChildren(m_office.departments.CodeByNames(name));
    m_subsection.clear();
    refillTitles();
}

void BunshoKenMeiboForm::setSubsection(const std::string& name) {
    if (name == m_subsection) return;
    m_subsection = name;
    refillTitles();
}

void BunshoKenMeiboForm::setVolumeYear(const YearInput& year) {
    volumeYear = year;
    refillTitles();
}

bool BunshoKenMeiboForm::titlesCanBeListed() const {
    if (m_section.empty() || m_subsection.empty()) return false;
    if (m_western) return volumeYear.year > 0;
    return volumeYear.era > 0 && volumeYear.eraYear >= 1 && volumeYear.eraYear <= 100;
}

void BunshoKenMeiboForm::refillTitles() {
    m_titles.clear();
    if (!titlesCanBeListed()) return;
    const CMyTool tool;
    // The names are compared as stored, so that a long list is not
    // converted volume by volume.
    const std::string section = utf8ToCp932(m_section);
    const std::string subsection = utf8ToCp932(m_subsection);
    for (const CDocMasterData& volume : m_office.volumes) {
        if (fixedBytes(volume.KaMei) != section || fixedBytes(volume.KakariMei) != subsection) {
            continue;
        }
        const OleDateTime label =
            tool.FiscalLabelDate(volume.SakuseiNendo, m_office.managementPeriod);
        const YearInput year = yearInputOf(label, m_western, tool);
        const bool sameYear =
            m_western ? year.year == volumeYear.year
                      : year.era == volumeYear.era && year.eraYear == volumeYear.eraYear;
        if (sameYear) m_titles.push_back(volume.title());
    }
}

bool BunshoKenMeiboForm::rowCheckEnabled(int row) const {
    return row == 0 || rows[static_cast<size_t>(row - 1)].checked;
}

void BunshoKenMeiboForm::setRowChecked(int row, bool checked) {
    if (!rowCheckEnabled(row)) return;
    rows[static_cast<size_t>(row)].checked = checked;
    if (checked) return;
    for (int later = row + 1; later < kRows; ++later)
        rows[static_cast<size_t>(later)].checked = false;
}

bool BunshoKenMeiboForm::isComplete() const {
    if (!eraYearChosen(registerYear) || !eraYearChosen(volumeYear)) return false;
    if (m_mode != Mode::remove &&
        (m_section.empty() || m_subsection.empty() || m_volumeTitle.empty())) {
        return false;
    }
    return received.isFilled() && !number.empty() && !subject.empty() && !sender.empty() &&
           !receiver.empty();
}

CBunshoKenMeiboData BunshoKenMeiboForm::gather() const {
    const CMyTool tool;
    const int period = m_office.managementPeriod;
    CBunshoKenMeiboData entry = m_entry;
    entry.setDocumentNumber(number);
    entry.registerYear = entry.calendarYearFlag != 0
                             ? firstOfJanuary(registerYear, tool)
                             : fiscalYearStartOf(registerYear, period, tool);
    entry.volumeYear = fiscalYearStartOf(volumeYear, period, tool);
    std::string code = m_office.departments.CodeByNames(m_section, m_subsection);
    if (code.size() > kSectionCodeLength) code.resize(kSectionCodeLength);
    entry.setSectionCode(code);
    entry.receivedDate = received.toDate(tool);
    entry.completedDate = completedDate.toDate(tool);
    entry.setSubject(subject);
    entry.setSender(sender);
    entry.setReceiver(receiver);
    entry.completedFlag = completed ? 1 : 0;
    for (int row = 0; row < kRows; ++row) {
        const ProgressRow& shown = rows[static_cast<size_t>(row)];
        entry.progressFlag[row] = shown.checked ? 1 : 0;
        entry.progressDate[row] = shown.date.toDate(tool);
        entry.setProgressText(row, shown.text);
    }
    entry.setVolumeTitle(m_volumeTitle);
    const std::vector<size_t> found = volumesOfEntry(entry, volumeChoice(), m_office.volumes);
    if (!found.empty()) {
        writeFixedBytes(entry.volumeNumber,
                        fixedBytes(m_office.volumes[found.front()].KanriBangou));
    }
    entry.importantFlag = important ? 1 : 0;
    return entry;
}

bool BunshoKenMeiboForm::receivedInRegisterYear(const CBunshoKenMeiboData& entry) const {
    if (!entry.receivedDate.isValid() || !entry.registerYear.isValid()) return false;
    const OleDateTime day = entry.receivedDate.datePart();
    if (entry.calendarYearFlag != 0) return day.year() == entry.registerYear.year();
    const CMyTool tool;
    const int period = m_office.managementPeriod;
    const double start = tool.FiscalYearStart(entry.registerYear, period).datePart().days();
    const double end = tool.FiscalYearEnd(entry.registerYear, period).datePart().days();
    return day.days() >= start && day.days() <= end;
}

BunshoKenMeiboForm::Outcome BunshoKenMeiboForm::Accept(Prompt& prompt, const Stores& stores) {
    using namespace register_::texts;
    if (!isComplete()) {
        prompt.showMessage(kInvalidInput, kConfirmCaption, MessageIcon::warning);
        return Outcome::invalid;
    }
    if (m_mode == Mode::remove && prompt.ask(kDeleteQuestion, kDeleteCaption, Buttons::yesNo,
                                             MessageIcon::question) != Answer::yes) {
        return Outcome::notConfirmed;
    }
    // A delete removes the entry the clerk opened and confirmed, whatever
    // was typed into its fields meanwhile.
    CBunshoKenMeiboData entry = m_mode == Mode::remove ? m_entry : gather();
    if (m_mode != Mode::remove && !receivedInRegisterYear(entry)) {
        prompt.showMessage(kInvalidInput, kConfirmCaption, MessageIcon::warning);
        return Outcome::invalid;
    }
    if (!stores.store(entry)) return Outcome::storeFailed;
    m_entry = entry;
    number = entry.documentNumberText();
    m_names->AddSender(sender);
    m_names->AddReceiver(receiver);
    const MirrorAction action = m_mode == Mode::remove ? MirrorAction::remove : MirrorAction::store;
    m_mirror = mirrorIntoCatalogue(entry, action, volumeChoice(), m_office.volumes,
                                   stores.volumeFile, m_clock, prompt);
    return Outcome::accepted;
}

std::optional<BunshoKenMeiboForm::DraftTarget> BunshoKenMeiboForm::draftTarget(
    int draftNumber, const std::filesystem::path& volumeFile, const std::string& extension,
    Prompt& prompt) const {
    using namespace register_::texts;
    if (!isComplete()) {
        prompt.showMessage(kInvalidInput, kConfirmCaption, MessageIcon::warning);
        return std::nullopt;
    }
    const CBunshoKenMeiboData entry = gather();
    const std::vector<size_t> found = volumesOfEntry(entry, volumeChoice(), m_office.volumes);
    if (found.size() != 1) {
        prompt.showMessage(found.empty() ? kVolumeNotFound : kSeveralVolumes, kNoticeCaption,
                           MessageIcon::warning);
        return std::nullopt;
    }
    if (draftNumber == 0 && !receivedInRegisterYear(entry)) return std::nullopt;
    const CDocMasterData& volume = m_office.volumes[found.front()];
    const OleDateTime now = m_clock.now();
    DraftTarget target{{}, mirroredCatalogueEntry(entry, now), CSakuinMokurokuHeader::Cleared(now)};
    target.header.CopyVolumeFields(volume);
    target.path = draftFilePath(volumeFile, volume, subject, draftNumber, extension);
    return target;
}

}  // namespace bunrako
