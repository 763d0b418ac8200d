#include "catalogue/ui/sakuin_mokuroku_dialog.h"

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

#include "catalogue/texts.h"
#include "common/format_text.h"
#include "common/ui/cp932_byte_validator.h"
#include "common/ui/field_label.h"
#include "office/ui/input_method_switcher.h"
#include "office/ui/qt_text.h"
#include "register/ui/day_fields.h"

namespace bunrako {
namespace {

namespace ct = catalogue::texts;

constexpr int kNumberBytes = 6;
constexpr int kSubjectBytes = 160;
constexpr int kRemarksBytes = 88;
constexpr int kNameBytes = 40;
constexpr int kProgressBytes = 40;

QString q(const char* utf8) { return QString::fromUtf8(utf8); }

// A value of the volume: selectable, but Tab passes it by.
QLineEdit* shownValue(const std::string& text, QWidget* parent) {
    auto* value = new QLineEdit(toQString(text), parent);
    value->setReadOnly(true);
    value->setFocusPolicy(Qt::ClickFocus);
    value->setCursorPosition(0);
    return value;
}

QLineEdit* textEdit(int bytes, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    Cp932ByteValidator::limit(edit, bytes);
    InputMethodSwitcher::attach(edit, InputMethodSwitcher::Kind::japaneseText);
    return edit;
}

QComboBox* nameCombo(QWidget* parent, const std::vector<std::string>& names) {
    auto* combo = new QComboBox(parent);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMinimumContentsLength(20);
    for (const std::string& name : names) combo->addItem(toQString(name));
    Cp932ByteValidator::limit(combo->lineEdit(), kNameBytes);
    InputMethodSwitcher::attach(combo, InputMethodSwitcher::Kind::japaneseText);
    return combo;
}

QWidget* inLine(QWidget* parent, std::initializer_list<QWidget*> widgets) {
    auto* box = new QWidget(parent);
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* widget : widgets) layout->addWidget(widget);
    layout->addStretch();
    return box;
}

}  // namespace

CDlgSakuinMokuroku::CDlgSakuinMokuroku(SakuinMokurokuForm& form, Prompt& prompt,
                                       SakuinMokurokuForm::Store store, QWidget* parent)
    : QDialog(parent), m_form(form), m_prompt(prompt), m_store(std::move(store)) {
    setWindowTitle(q(ct::kEntryCaption));
    build();
    showForm();
    applyEnabling();
}

void CDlgSakuinMokuroku::build() {
    const bool western = m_form.western();
    auto* grid = new QGridLayout;
    int line = 0;
    const auto addLine = [&](const char* caption, QWidget* field) {
        grid->addWidget(fieldLabel(q(caption), field, this), line, 0);
        grid->addWidget(field, line++, 1, 1, 3);
    };

    addLine(ct::kEntryFiscalYear, shownValue(m_form.fiscalYearText(), this));
    addLine(ct::kEntryClassification, shownValue(m_form.classificationText(), this));
    addLine(ct::kEntryVolumeTitle, shownValue(m_form.volumeTitle(), this));

    m_received =
        new DayFields(western, DayFields::Parts::day, shownCaption(q(ct::kEntryReceived)), this);
    m_entryDraft = new QPushButton(q(ct::kEntryDraft), this);
    m_entryDraft->setAutoDefault(false);
    grid->addWidget(fieldLabel(q(ct::kEntryReceived), m_received, this), line, 0);
    grid->addWidget(inLine(this, {m_received, m_entryDraft}), line++, 1, 1, 3);
    connect(m_entryDraft, &QPushButton::clicked, this, [this] { onDraft(0); });

    m_number = new QLineEdit(this);
    m_number->setMaximumWidth(m_number->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) +
                              16);
    Cp932ByteValidator::limit(m_number, kNumberBytes);
    InputMethodSwitcher::attach(m_number, InputMethodSwitcher::Kind::number);
    m_link = new QCheckBox(q(ct::kEntryLinkRegister), this);
    grid->addWidget(fieldLabel(q(ct::kEntryNumber), m_number, this), line, 0);
    grid->addWidget(inLine(this, {m_number, m_link}), line++, 1, 1, 3);
    connect(m_link, &QCheckBox::toggled, this, &CDlgSakuinMokuroku::onLinkToggled);

    m_subject = textEdit(kSubjectBytes, this);
    m_subject->setMinimumWidth(480);
    addLine(ct::kEntrySubject, m_subject);
    m_remarks = textEdit(kRemarksBytes, this);
    addLine(ct::kEntryRemarks, m_remarks);
    m_sender = nameCombo(this, m_form.senderNames());
    addLine(ct::kEntrySender, m_sender);
    m_receiver = nameCombo(this, m_form.receiverNames());
    addLine(ct::kEntryReceiver, m_receiver);

    m_completed = new QCheckBox(q(ct::kEntryCompleted), this);
    m_completedDate =
        new DayFields(western, DayFields::Parts::day, q(ct::kEntryCompletedDate), this);
    grid->addWidget(m_completed, line, 1);
    grid->addWidget(m_completedDate, line++, 2, 1, 2);
    connect(m_completed, &QCheckBox::toggled, this, [this](bool checked) {
        m_form.completed = checked;
        applyEnabling();
    });

    buildProgressRows(grid, line);

    m_removeBefore = new QCheckBox(q(ct::kEntryRemoveBefore), this);
    m_removeBefore->setVisible(m_form.removeBeforeEnabled());
    grid->addWidget(m_removeBefore, line++, 1, 1, 3);

    m_status = new QLabel(this);
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_status->hide();

    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(toQString(formatPrintf(ct::kEntryOkAccelerator, m_form.okCaption())),
                              QDialogButtonBox::AcceptRole);
    m_ok->setDefault(true);
    m_ok->setAccessibleName(q(m_form.okCaption()));
    buttons->addButton(q(ct::kEntryCancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgSakuinMokuroku::onOk);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(m_status);
    layout->addWidget(buttons);
}

void CDlgSakuinMokuroku::buildProgressRows(QGridLayout* grid, int& line) {
    const bool western = m_form.western();
    grid->addWidget(new QLabel(q(ct::kEntryProgressHeading), this), line++, 0);
    for (int row = 0; row < SakuinMokurokuForm::kRows; ++row) {
        Row& widgets = m_rows[static_cast<size_t>(row)];
        const int number = row + 1;
        widgets.check = new QCheckBox(toQString(formatPrintf(ct::kEntryProgressRow, number)), this);
        widgets.date = new DayFields(western, DayFields::Parts::day,
                                     toQString(formatPrintf(ct::kEntryProgressDate, number)), this);
        widgets.text = textEdit(kProgressBytes, this);
        widgets.text->setAccessibleName(toQString(formatPrintf(ct::kEntryProgressText, number)));
        widgets.draft = new QPushButton(q(ct::kEntryRowDraft), this);
        widgets.draft->setAutoDefault(false);
        widgets.draft->setAccessibleName(toQString(formatPrintf(ct::kEntryProgressDraft, number)));
        grid->addWidget(widgets.check, line, 0);
        grid->addWidget(widgets.date, line, 1);
        grid->addWidget(widgets.text, line, 2);
        grid->addWidget(widgets.draft, line++, 3);
        connect(widgets.check, &QCheckBox::toggled, this, [this, row](bool checked) {
            m_form.rows[static_cast<size_t>(row)].checked = checked;
            applyEnabling();
        });
        connect(widgets.draft, &QPushButton::clicked, this, [this, number] { onDraft(number); });
    }
}

void CDlgSakuinMokuroku::showForm() {
    m_received->setDay(m_form.received);
    m_number->setText(toQString(m_form.number));
    {
        const QSignalBlocker block(m_link);
        m_link->setChecked(m_form.linkToRegister);
    }
    m_subject->setText(toQString(m_form.subject));
    m_remarks->setText(toQString(m_form.remarks));
    m_sender->setCurrentIndex(m_sender->findText(toQString(m_form.sender)));
    m_receiver->setCurrentIndex(m_receiver->findText(toQString(m_form.receiver)));
    m_sender->setEditText(toQString(m_form.sender));
    m_receiver->setEditText(toQString(m_form.receiver));
    {
        const QSignalBlocker block(m_completed);
        m_completed->setChecked(m_form.completed);
    }
    m_completedDate->setDay(m_form.completedDate);
    for (int row = 0; row < SakuinMokurokuForm::kRows; ++row) {
        const auto& values = m_form.rows[static_cast<size_t>(row)];
        Row& widgets = m_rows[static_cast<size_t>(row)];
        const QSignalBlocker block(widgets.check);
        widgets.check->setChecked(values.checked);
        widgets.date->setDay(values.date);
        widgets.text->setText(toQString(values.text));
    }
    m_removeBefore->setChecked(m_form.removeBefore);
}

void CDlgSakuinMokuroku::applyEnabling() {
    const bool editable = m_form.fieldsEditable();
    for (QWidget* field :
         std::initializer_list<QWidget*>{m_received, m_number, m_link, m_subject, m_remarks,
                                         m_sender, m_receiver, m_completed}) {
        field->setEnabled(editable);
    }
    m_entryDraft->setEnabled(m_form.draftsEnabled());
    m_completedDate->setEnabled(m_form.completedDateEnabled());
    for (int row = 0; row < SakuinMokurokuForm::kRows; ++row) {
        Row& widgets = m_rows[static_cast<size_t>(row)];
        const bool fields = m_form.rowFieldsEnabled(row);
        widgets.check->setEnabled(editable);
        widgets.date->setEnabled(fields);
        widgets.text->setEnabled(fields);
        widgets.draft->setEnabled(fields && m_form.draftsEnabled());
    }
}

void CDlgSakuinMokuroku::copyToForm() {
    m_form.received = m_received->day();
    m_form.number = toStdString(m_number->text());
    m_form.linkToRegister = m_link->isChecked();
    m_form.subject = toStdString(m_subject->text());
    m_form.remarks = toStdString(m_remarks->text());
    m_form.sender = toStdString(m_sender->currentText());
    m_form.receiver = toStdString(m_receiver->currentText());
    m_form.completed = m_completed->isChecked();
    m_form.completedDate = m_completedDate->day();
    for (int row = 0; row < SakuinMokurokuForm::kRows; ++row) {
        auto& values = m_form.rows[static_cast<size_t>(row)];
        const Row& widgets = m_rows[static_cast<size_t>(row)];
        values.checked = widgets.check->isChecked();
        values.date = widgets.date->day();
        values.text = toStdString(widgets.text->text());
    }
    m_form.removeBefore = m_removeBefore->isChecked();
}

void CDlgSakuinMokuroku::onLinkToggled(bool checked) {
    copyToForm();
    m_form.setLinkToRegister(checked);
    m_number->setText(toQString(m_form.number));
}

void CDlgSakuinMokuroku::onDraft(int draftNumber) {
    if (!m_draft) return;
    copyToForm();
    const std::optional<CSakuinMokurokuList> entry = m_form.draftEntry(m_prompt);
    if (entry && m_draft(draftNumber, *entry)) onOk();
}

void CDlgSakuinMokuroku::showStatus(const QString& text) {
    m_status->setText(text);
    m_status->show();
}

void CDlgSakuinMokuroku::onOk() {
    copyToForm();
    switch (m_form.Accept(m_prompt, m_store)) {
        case SakuinMokurokuForm::Outcome::invalid:
        case SakuinMokurokuForm::Outcome::notConfirmed:
            return;
        case SakuinMokurokuForm::Outcome::storeFailed:
            showStatus(toQString(m_form.storeFailedText()));
            return;
        case SakuinMokurokuForm::Outcome::registerFailed:
            showStatus(q(ct::kEntryRegisterNotSaved));
            return;
        case SakuinMokurokuForm::Outcome::accepted:
            accept();
            return;
    }
}

}  // namespace bunrako
