#include "register/ui/bunsho_ken_meibo_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "common/format_text.h"
#include "common/ui/cp932_byte_validator.h"
#include "common/ui/field_label.h"
#include "office/ui/input_method_switcher.h"
#include "office/ui/qt_text.h"
#include "register/texts.h"
#include "register/ui/day_fields.h"

namespace bunrako {
namespace {

constexpr int kNumberCharacters = 6;
constexpr int kSubjectBytes = 160;
constexpr int kNameBytes = 40;
constexpr int kProgressBytes = 40;

QString q(const char* utf8) { return QString::fromUtf8(utf8); }

void fillCombo(QComboBox* combo, const std::vector<std::string>& items, const std::string& chosen) {
    const QSignalBlocker block(combo);
    combo->clear();
    for (const std::string& item : items) combo->addItem(toQString(item));
    combo->setCurrentIndex(combo->findText(toQString(chosen)));
}

QComboBox* nameCombo(QWidget* parent, const std::vector<std::string>& names) {
    auto* combo = new QComboBox(parent);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    for (const std::string& name : names) combo->addItem(toQString(name));
    Cp932ByteValidator::limit(combo->lineEdit(), kNameBytes);
    InputMethodSwitcher::attach(combo, InputMethodSwitcher::Kind::japaneseText);
    return combo;
}

}  // namespace

CDlgBunshoKenMeibo::CDlgBunshoKenMeibo(BunshoKenMeiboForm& form, Prompt& prompt,
                                       const BunshoKenMeiboForm::Stores& stores, QWidget* parent)
    : QDialog(parent), m_form(form), m_prompt(prompt), m_stores(stores) {
    setWindowTitle(q(register_::texts::kEntryCaption));
    build();
    showForm();
    applyEnabling();
}

void CDlgBunshoKenMeibo::build() {
    using namespace register_::texts;
    const bool western = m_form.western();
    auto* grid = new QGridLayout;
    int line = 0;
    auto addLine = [&](const char* caption, QWidget* field, QWidget* after = nullptr) {
        grid->addWidget(fieldLabel(q(caption), field, this), line, 0);
        auto* box = new QHBoxLayout;
        box->addWidget(field);
        if (after) box->addWidget(after);
        box->addStretch();
        grid->addLayout(box, line, 1, 1, 3);
        ++line;
    };

    m_registerYear =
        new DayFields(western, DayFields::Parts::year, shownCaption(q(kLabelRegisterYear)), this);
    m_registerUnit = new QLabel(q(m_form.registerYearUnit()), this);
    auto* heading = new QWidget(this);
    auto* headingBox = new QHBoxLayout(heading);
    headingBox->setContentsMargins(0, 0, 0, 0);
    headingBox->addWidget(m_registerUnit);
    headingBox->addWidget(new QLabel(q(kEntryHeading), heading));
    addLine(kLabelRegisterYear, m_registerYear, heading);

    m_volumeYear =
        new DayFields(western, DayFields::Parts::year, shownCaption(q(kLabelVolumeYear)), this);
    addLine(kLabelVolumeYear, m_volumeYear, new QLabel(q(kUnitFiscalYear), this));

    m_section = new QComboBox(this);
    m_subsection = new QComboBox(this);
    addLine(kLabelSection, m_section);
    addLine(kLabelSubsection, m_subsection);
    m_title = new QComboBox(this);
    m_title->setMinimumContentsLength(30);
    addLine(kLabelVolumeTitle, m_title);

    m_received =
        new DayFields(western, DayFields::Parts::day, shownCaption(q(kLabelReceived)), this);
    addLine(kLabelReceived, m_received);

    m_symbol = new QLabel(this);
    m_number = new QLineEdit(this);
    m_number->setMaxLength(kNumberCharacters);
    m_number->setMaximumWidth(m_number->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) +
                              16);
    Cp932ByteValidator::limit(m_number, kNumberCharacters);
    InputMethodSwitcher::attach(m_number, InputMethodSwitcher::Kind::number);
    auto* numberBox = new QWidget(this);
    auto* numberLayout = new QHBoxLayout(numberBox);
    numberLayout->setContentsMargins(0, 0, 0, 0);
    numberLayout->addWidget(m_symbol);
    numberLayout->addWidget(m_number);
    numberLayout->addWidget(new QLabel(q(kNumberSuffix), numberBox));
    numberLayout->addStretch();
    grid->addWidget(fieldLabel(q(kLabelNumber), m_number, this), line, 0);
    grid->addWidget(numberBox, line++, 1, 1, 3);

    m_subject = new QLineEdit(this);
    m_subject->setMinimumWidth(480);
    Cp932ByteValidator::limit(m_subject, kSubjectBytes);
    InputMethodSwitcher::attach(m_subject, InputMethodSwitcher::Kind::japaneseText);
    addLine(kLabelSubject, m_subject);
    m_sender = nameCombo(this, m_form.senderNames());
    addLine(kLabelSender, m_sender);
    m_receiver = nameCombo(this, m_form.receiverNames());
    addLine(kLabelReceiver, m_receiver);

    m_completed = new QCheckBox(q(kLabelCompleted), this);
    m_completedDate = new DayFields(western, DayFields::Parts::day, q(kLabelCompletedDate), this);
    grid->addWidget(m_completed, line, 1);
    grid->addWidget(m_completedDate, line++, 2, 1, 2);

    m_entryDraft = new QPushButton(q(kEntryDraftButton), this);
    m_entryDraft->setAutoDefault(false);
    grid->addWidget(m_entryDraft, line, 1);
    grid->addWidget(new QLabel(q(kDraftNote), this), line++, 2, 1, 2);
    connect(m_entryDraft, &QPushButton::clicked, this, [this] { onDraft(0); });

    grid->addWidget(new QLabel(q(kProgressHeading), this), line++, 0);
    for (int row = 0; row < BunshoKenMeiboForm::kRows; ++row) {
        Row& widgets = m_rows[static_cast<size_t>(row)];
        const int number = row + 1;
        widgets.check = new QCheckBox(toQString(formatPrintf(kProgressRow, number)), this);
        widgets.date = new DayFields(western, DayFields::Parts::day,
                                     toQString(formatPrintf(kProgressDate, number)), this);
        widgets.text = new QLineEdit(this);
        widgets.text->setAccessibleName(toQString(formatPrintf(kProgressText, number)));
        Cp932ByteValidator::limit(widgets.text, kProgressBytes);
        InputMethodSwitcher::attach(widgets.text, InputMethodSwitcher::Kind::japaneseText);
        widgets.draft = new QPushButton(q(kDraftButton), this);
        widgets.draft->setAutoDefault(false);
        widgets.draft->setAccessibleName(toQString(formatPrintf(kProgressDraft, number)));
        grid->addWidget(widgets.check, line, 0);
        grid->addWidget(widgets.date, line, 1);
        grid->addWidget(widgets.text, line, 2);
        grid->addWidget(widgets.draft, line++, 3);
        connect(widgets.check, &QCheckBox::toggled, this,
                [this, row](bool checked) { onRowToggled(row, checked); });
        connect(widgets.draft, &QPushButton::clicked, this, [this, number] { onDraft(number); });
    }

    m_important = new QCheckBox(q(kLabelImportant), this);
    m_important->setEnabled(false);
    grid->addWidget(m_important, line++, 1, 1, 3);

    m_status = new QLabel(this);
    m_status->setWordWrap(true);
    m_status->hide();

    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(toQString(formatPrintf(kOkAccelerator, m_form.okCaption())),
                              QDialogButtonBox::AcceptRole);
    m_ok->setDefault(true);
    m_ok->setAccessibleName(q(m_form.okCaption()));
    buttons->addButton(q(kCancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgBunshoKenMeibo::onOk);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(m_status);
    layout->addWidget(buttons);

    connect(m_section, &QComboBox::activated, this, &CDlgBunshoKenMeibo::onSectionChosen);
    connect(m_subsection, &QComboBox::activated, this, &CDlgBunshoKenMeibo::onSubsectionChosen);
    connect(m_volumeYear, &DayFields::changed, this, [this] {
        m_form.setVolumeYear(m_volumeYear->year());
        fillTitles();
    });
    connect(m_completed, &QCheckBox::toggled, this, [this](bool checked) {
        m_form.completed = checked;
        applyEnabling();
    });
    m_section->setEnabled(m_form.sectionsEnabled());
    m_subsection->setEnabled(m_form.sectionsEnabled());
}

void CDlgBunshoKenMeibo::showForm() {
    m_registerYear->setYear(m_form.registerYear);
    {
        const QSignalBlocker block(m_volumeYear);
        m_volumeYear->setYear(m_form.volumeYear);
    }
    fillCombo(m_section, m_form.sectionNames(), m_form.section());
    fillSubsections();
    fillTitles();
    m_received->setDay(m_form.received);
    m_symbol->setText(toQString(m_form.symbol));
    m_number->setText(toQString(m_form.number));
    m_subject->setText(toQString(m_form.subject));
    m_sender->setEditText(toQString(m_form.sender));
    m_receiver->setEditText(toQString(m_form.receiver));
    {
        const QSignalBlocker block(m_completed);
        m_completed->setChecked(m_form.completed);
    }
    m_completedDate->setDay(m_form.completedDate);
    for (int row = 0; row < BunshoKenMeiboForm::kRows; ++row) {
        const auto& values = m_form.rows[static_cast<size_t>(row)];
        Row& widgets = m_rows[static_cast<size_t>(row)];
        const QSignalBlocker block(widgets.check);
        widgets.check->setChecked(values.checked);
        widgets.date->setDay(values.date);
        widgets.text->setText(toQString(values.text));
    }
    m_important->setChecked(m_form.important);
}

void CDlgBunshoKenMeibo::fillSubsections() {
    fillCombo(m_subsection, m_form.subsectionNames(), m_form.subsection());
}

void CDlgBunshoKenMeibo::fillTitles() {
    fillCombo(m_title, m_form.volumeTitles(), m_form.volumeTitle());
}

void CDlgBunshoKenMeibo::onSectionChosen() {
    m_form.setSection(toStdString(m_section->currentText()));
    fillSubsections();
    fillTitles();
}

void CDlgBunshoKenMeibo::onSubsectionChosen() {
    m_form.setSubsection(toStdString(m_subsection->currentText()));
    fillTitles();
}

void CDlgBunshoKenMeibo::onRowToggled(int row, bool checked) {
    m_form.setRowChecked(row, checked);
    for (int later = row + 1; later < BunshoKenMeiboForm::kRows; ++later) {
        const QSignalBlocker block(m_rows[static_cast<size_t>(later)].check);
        m_rows[static_cast<size_t>(later)].check->setChecked(
            m_form.rows[static_cast<size_t>(later)].checked);
    }
    applyEnabling();
}

void CDlgBunshoKenMeibo::applyEnabling() {
    const bool drafts = m_form.mode() != BunshoKenMeiboForm::Mode::remove;
    m_completedDate->setEnabled(m_form.completedDateEnabled());
    m_entryDraft->setEnabled(drafts);
    for (int row = 0; row < BunshoKenMeiboForm::kRows; ++row) {
        Row& widgets = m_rows[static_cast<size_t>(row)];
        const bool fields = m_form.rowFieldsEnabled(row);
        widgets.check->setEnabled(m_form.rowCheckEnabled(row));
        widgets.date->setEnabled(fields);
        widgets.text->setEnabled(fields);
        widgets.draft->setEnabled(fields && drafts);
    }
}

void CDlgBunshoKenMeibo::copyToForm() {
    m_form.registerYear = m_registerYear->year();
    m_form.volumeYear = m_volumeYear->year();
    m_form.setVolumeTitle(toStdString(m_title->currentText()));
    m_form.received = m_received->day();
    m_form.number = toStdString(m_number->text());
    m_form.subject = toStdString(m_subject->text());
    m_form.sender = toStdString(m_sender->currentText());
    m_form.receiver = toStdString(m_receiver->currentText());
    m_form.completed = m_completed->isChecked();
    m_form.completedDate = m_completedDate->day();
    for (int row = 0; row < BunshoKenMeiboForm::kRows; ++row) {
        auto& values = m_form.rows[static_cast<size_t>(row)];
        const Row& widgets = m_rows[static_cast<size_t>(row)];
        values.checked = widgets.check->isChecked();
        values.date = widgets.date->day();
        values.text = toStdString(widgets.text->text());
    }
}

void CDlgBunshoKenMeibo::onDraft(int draftNumber) {
    if (!m_draft || m_form.mode() == BunshoKenMeiboForm::Mode::remove) return;
    copyToForm();
    if (m_draft(draftNumber)) onOk();
}

void CDlgBunshoKenMeibo::onOk() {
    copyToForm();
    switch (m_form.Accept(m_prompt, m_stores)) {
        case BunshoKenMeiboForm::Outcome::invalid:
            return;
        case BunshoKenMeiboForm::Outcome::notConfirmed:
            reject();
            return;
        case BunshoKenMeiboForm::Outcome::storeFailed:
            m_status->setText(q(register_::texts::kRegisterNotSaved));
            m_status->show();
            return;
        case BunshoKenMeiboForm::Outcome::accepted:
            break;
    }
    if (m_form.mirrorOutcome() == MirrorOutcome::fileFailed) {
        m_number->setText(toQString(m_form.number));
        m_status->setText(q(register_::texts::kCatalogueNotSaved));
        m_status->show();
        return;
    }
    accept();
}

}  // namespace bunrako
