#include "catalogue/sakuin_mokuroku_form.h"

#include <algorithm>

#include "catalogue/catalogue_entry_commands.h"
#include "catalogue/texts.h"
#include "common/cp932.h"
#include "common/file_io.h"
#include "common/format_text.h"
#include "common/my_tool.h"
#include "common/prompt.h"
#include "volumes/texts.h"

namespace bunrako {
namespace {

namespace ct = catalogue::texts;

constexpr int kEraYearForm = 2;

// A date the fields name that is a real day (not 31 February).
bool isRealDay(const DayInput& input, const CMyTool& tool) {
    return input.isFilled() && input.toDate(tool).isValid();
}

}  // namespace

SakuinMokurokuForm::SakuinMokurokuForm(const CSakuinMokurokuList& entry,
                                       const CSakuinMokurokuHeader& header, Mode mode,
                                       const Office& office, RegisterSide registerSide)
    : m_entry(entry),
      m_header(header),
      m_mode(mode),
      m_office(office),
      m_register(std::move(registerSide)),
      m_western(office.calendarMode != 0) {
    const CMyTool tool;
    received = DayInput::of(entry.receivedDate, m_western, tool);
    number = entry.documentNumberText();
    subject = entry.subjectText();
    remarks = entry.remarksText();
    sender = entry.senderText();
    receiver = entry.receiverText();
    linkToRegister = entry.registerLinkFlag == 1;
    completed = entry.completedFlag == 1;
    completedDate = DayInput::of(entry.completedDate, m_western, tool);
    for (int row = 0; row < kRows; ++row) {
        ProgressRow& shown = rows[static_cast<size_t>(row)];
        shown.checked = entry.progressFlag[row] != 0;
        shown.date = DayInput::of(entry.progressDate[row], m_western, tool);
        shown.text = entry.progressTextText(row);
    }
    // A name the lists do not hold yet is offered all the same.
    const auto offer = [](std::vector<std::string>& names, const std::string& name) {
        if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end()) {
            names.insert(names.begin(), name);
        }
    };
    offer(m_register.senders, sender);
    offer(m_register.receivers, receiver);
}

const char* SakuinMokurokuForm::okCaption() const {
    switch (m_mode) {
        case Mode::add:
            return ct::kEntryOkAdd;
        case Mode::change:
            return ct::kEntryOkChange;
        case Mode::remove:
            break;
    }
    return ct::kEntryOkDelete;
}

std::string SakuinMokurokuForm::fiscalYearText() const {
    const CMyTool tool;
    const OleDateTime label = tool.FiscalLabelDate(m_header.fiscalYear, m_office.managementPeriod);
    if (!label.isValid()) return {};
    if (m_western) return formatPrintf(ct::kEntryWesternYear, label.year());
    return tool.FormatDate(label, kEraYearForm) + ct::kEntryEraYearSuffix;
}

std::string SakuinMokurokuForm::classificationText() const {
    return formatPrintf(
        ct::kEntryClassificationText, readFixedText(m_header.majorClassCode).c_str(),
        readFixedText(m_header.middleClassCode).c_str(),
        readFixedText(m_header.minorClassCode).c_str(), m_header.majorClassNameText().c_str(),
        m_header.middleClassNameText().c_str(), m_header.minorClassNameText().c_str());
}

bool SakuinMokurokuForm::rowFieldsEnabled(int row) const {
    return fieldsEditable() && rows[static_cast<size_t>(row)].checked;
}

void SakuinMokurokuForm::setLinkToRegister(bool on) {
    linkToRegister = on;
    if (!on || m_mode != Mode::add || !m_register.nextNumber) return;
    const CMyTool tool;
    if (!isRealDay(received, tool)) return;
    number = m_register.nextNumber(received.toDate(tool));
}

bool SakuinMokurokuForm::isComplete() const {
    const CMyTool tool;
    if (subject.empty() || !isRealDay(received, tool)) return false;
    if (completed && !isRealDay(completedDate, tool)) return false;
    for (const ProgressRow& row : rows) {
        if (row.checked && (!isRealDay(row.date, tool) || row.text.empty())) return false;
    }
    return true;
}

CSakuinMokurokuList SakuinMokurokuForm::gather() const {
    const CMyTool tool;
    CSakuinMokurokuList entry = m_entry;
    entry.receivedDate = received.toDate(tool);
    entry.setDocumentNumberText(number);
    entry.setSubjectText(subject);
    entry.setRemarksText(remarks);
    entry.setSenderText(sender);
    entry.setReceiverText(receiver);
    entry.registerLinkFlag = linkToRegister ? 1 : 0;
    entry.completedFlag = completed ? 1 : 0;
    // A date left as it was when its check is off.
    if (completed) entry.completedDate = completedDate.toDate(tool);
    for (int row = 0; row < kRows; ++row) {
        const ProgressRow& shown = rows[static_cast<size_t>(row)];
        entry.progressFlag[row] = shown.checked ? 1 : 0;
        if (shown.checked) entry.progressDate[row] = shown.date.toDate(tool);
        entry.setProgressTextText(row, shown.text);
    }
    return entry;
}

bool SakuinMokurokuForm::receivedWithinStorage(const CSakuinMokurokuList& entry) const {
    return receivedWithinStorageYears(entry.receivedDate, m_header, m_office.managementPeriod);
}

bool SakuinMokurokuForm::validEntry(Prompt& prompt, CSakuinMokurokuList& entry) const {
    if (isComplete()) {
        entry = gather();
        if (receivedWithinStorage(entry)) return true;
    }
    prompt.showMessage(volumes::texts::kInvalidInput, volumes::texts::kConfirmCaption,
                       MessageIcon::warning);
    return false;
}

SakuinMokurokuForm::Outcome SakuinMokurokuForm::Accept(Prompt& prompt, const Store& store) {
    CSakuinMokurokuList entry = m_entry;
    if (m_mode == Mode::remove) {
        // The entry the clerk opened and confirmed is removed as stored.
        if (prompt.ask(ct::kEntryDeleteQuestion, volumes::texts::kConfirmCaption, Buttons::yesNo,
                       MessageIcon::question) != Answer::yes) {
            return Outcome::notConfirmed;
        }
        return store(entry) ? Outcome::accepted : Outcome::storeFailed;
    }
    // The register is written only for an entry the catalogue takes, after
    // the storage-year check.
    if (!validEntry(prompt, entry)) return Outcome::invalid;
    if (!store(entry)) return Outcome::storeFailed;
    m_entry = entry;
    if (m_register.rememberNames) m_register.rememberNames(sender, receiver);
    if (linkToRegister && m_register.write && !m_register.write(entry, m_header)) {
        return Outcome::registerFailed;
    }
    return Outcome::accepted;
}

std::string SakuinMokurokuForm::storeFailedText() const {
    return formatPrintf(ct::kEntryNotSaved, pathToUtf8(m_office.catalogueFolder).c_str());
}

std::optional<CSakuinMokurokuList> SakuinMokurokuForm::draftEntry(Prompt& prompt) const {
    CSakuinMokurokuList entry = m_entry;
    if (!fieldsEditable() || !validEntry(prompt, entry)) return std::nullopt;
    return entry;
}

}  // namespace bunrako
