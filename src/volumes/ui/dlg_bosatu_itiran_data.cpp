#include "volumes/ui/dlg_bosatu_itiran_data.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "common/prompt.h"
#include "common/ui/cp932_byte_validator.h"
#include "office/ui/input_method_switcher.h"
#include "office/ui/qt_text.h"
#include "volumes/texts.h"
#include "volumes/ui/era_combo_box.h"
#include "volumes/ui/texts.h"
#include "volumes/ui/year_input_edit.h"

namespace bunrako {
namespace {

namespace uitexts = volumes::ui::texts;
namespace vtexts = volumes::texts;

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

int numberOf(const QLineEdit* edit) { return edit->text().toInt(); }

void setNumber(QLineEdit* edit, int number) {
    edit->setText(number > 0 ? QString::number(number) : QString());
}

QLabel* buddyLabel(const char* caption, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text(caption), parent);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

CDlgBosatuItiranData::CDlgBosatuItiranData(const CDocMasterData& record,
                                           const VolumeChoices& choices, VolumeEntryMode mode,
                                           bool western, int periodType, Prompt& prompt,
                                           Store store, QWidget* parent)
    : QDialog(parent),
      m_record(record),
      m_form(record, choices, mode, western, periodType),
      m_western(western),
      m_prompt(prompt),
      m_store(std::move(store)) {
    setWindowTitle(text(uitexts::kEntryCaption));
    build();
    connectRules();
    showValues();
}

// ---- Building ---------------------------------------------------------------------

QComboBox* CDlgBosatuItiranData::comboBox(const char* name, const char* objectName) {
    auto* combo = new QComboBox(this);
    combo->setObjectName(QString::fromLatin1(objectName));
    combo->setAccessibleName(text(name));
    combo->setMinimumContentsLength(8);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return combo;
}

QLineEdit* CDlgBosatuItiranData::numberEdit(int digits, const char* name, const char* objectName) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(objectName));
    edit->setAccessibleName(text(name));
    edit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(digits)), edit));
    edit->setMaxLength(digits);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * (digits + 1) +
                        12);
    InputMethodSwitcher::attachNumber({edit});
    return edit;
}

YearInputEdit* CDlgBosatuItiranData::yearEdit(bool withMonth, const char* name,
                                              const char* objectName) {
    auto* edit = new YearInputEdit(
        withMonth ? YearInputEdit::Kind::yearMonth : YearInputEdit::Kind::fiscalYear, m_western,
        text(name), this);
    edit->setObjectName(QString::fromLatin1(objectName));
    InputMethodSwitcher::attachNumber({edit->eraYearEdit(), edit->westernYearEdit()});
    if (edit->monthEdit()) InputMethodSwitcher::attachNumber({edit->monthEdit()});
    return edit;
}

void CDlgBosatuItiranData::build() {
    const auto modeIndex = static_cast<size_t>(m_form.mode());
    auto* grid = new QGridLayout;
    int row = 0;

    m_modeMark = new QLabel(text(uitexts::kModeMarks[modeIndex]), this);
    m_modeMark->setObjectName(QStringLiteral("modeMark"));
    m_modeMark->setAccessibleName(text(uitexts::kModeMarkName));
    m_modeMark->setFrameStyle(QFrame::Box);
    m_modeMark->setAlignment(Qt::AlignCenter);
    m_modeMark->setMargin(4);

    m_department = comboBox(uitexts::kDepartmentName, "department");
    m_section = comboBox(uitexts::kSectionName, "section");
    auto* departmentRow = new QHBoxLayout;
    departmentRow->addWidget(m_department);
    departmentRow->addWidget(m_section);
    departmentRow->addStretch(1);
    departmentRow->addWidget(m_modeMark);
    grid->addWidget(buddyLabel(uitexts::kDepartment, m_department, this), row, 0);
    grid->addLayout(departmentRow, row++, 1);

    m_creation = yearEdit(false, uitexts::kCreationYearName, "creation");
    grid->addWidget(buddyLabel(uitexts::kCreationYear, m_creation, this), row, 0);
    grid->addWidget(m_creation, row++, 1);

    m_title = new QLineEdit(this);
    m_title->setObjectName(QStringLiteral("title"));
    m_title->setAccessibleName(text(uitexts::kTitleName));
    m_title->setValidator(new Cp932ByteValidator(VolumeEntryForm::kTitleBytes, m_title));
    m_title->setMinimumWidth(m_title->fontMetrics().horizontalAdvance(QChar(0x3042)) * 36);
    InputMethodSwitcher::attachJapanese({m_title});
    grid->addWidget(buddyLabel(uitexts::kTitle, m_title, this), row, 0);
    grid->addWidget(m_title, row++, 1);

    m_books = numberEdit(2, uitexts::kBooksName, "books");
    grid->addWidget(buddyLabel(uitexts::kBooks, m_books, this), row, 0);
    grid->addWidget(m_books, row++, 1, Qt::AlignLeft);

    m_major = comboBox(uitexts::kMajorName, "major");
    m_middle = comboBox(uitexts::kMiddleName, "middle");
    m_minor = comboBox(uitexts::kMinorName, "minor");
    auto* classificationRow = new QHBoxLayout;
    for (QComboBox* combo : {m_major, m_middle, m_minor}) classificationRow->addWidget(combo);
    classificationRow->addStretch(1);
    grid->addWidget(buddyLabel(uitexts::kClassification, m_major, this), row, 0);
    grid->addLayout(classificationRow, row++, 1);

    m_filingFrom = yearEdit(false, uitexts::kFilingFromName, "filingFrom");
    m_filingTo = yearEdit(false, uitexts::kFilingToName, "filingTo");
    auto* filingRow = new QHBoxLayout;
    filingRow->addWidget(m_filingFrom);
    filingRow->addWidget(new QLabel(text(uitexts::kRangeSign), this));
    filingRow->addWidget(m_filingTo);
    filingRow->addStretch(1);
    grid->addWidget(buddyLabel(uitexts::kFiling, m_filingFrom, this), row, 0);
    grid->addLayout(filingRow, row++, 1);

    m_retentionType = comboBox(uitexts::kRetentionTypeName, "retentionType");
    m_retentionType->setEditable(true);
    m_retentionType->setInsertPolicy(QComboBox::NoInsert);
    m_retentionType->setValidator(
        new Cp932ByteValidator(VolumeEntryForm::kRetentionTypeBytes, m_retentionType));
    m_retentionType->lineEdit()->setAccessibleName(text(uitexts::kRetentionTypeName));
    InputMethodSwitcher::attachJapanese({m_retentionType->lineEdit()});
    m_retentionYears = numberEdit(3, uitexts::kRetentionYearsName, "retentionYears");
    auto* retentionRow = new QHBoxLayout;
    retentionRow->addWidget(m_retentionType);
    retentionRow->addSpacing(12);
    retentionRow->addWidget(buddyLabel(uitexts::kRetentionYears, m_retentionYears, this));
    retentionRow->addWidget(m_retentionYears);
    retentionRow->addWidget(new QLabel(text(uitexts::kYearSuffix), this));
    retentionRow->addStretch(1);
    grid->addWidget(buddyLabel(uitexts::kRetentionType, m_retentionType, this), row, 0);
    grid->addLayout(retentionRow, row++, 1);

    m_expiry = yearEdit(true, uitexts::kExpiryName, "expiry");
    grid->addWidget(buddyLabel(uitexts::kExpiry, m_expiry, this), row, 0);
    grid->addWidget(m_expiry, row++, 1);

    m_dailyUse = new QCheckBox(text(uitexts::kDailyUse), this);
    m_contents = new QCheckBox(text(uitexts::kContents), this);
    m_disposed = new QCheckBox(text(uitexts::kDisposed), this);
    const std::pair<QCheckBox*, const char*> checks[] = {
        {m_dailyUse, "dailyUse"}, {m_contents, "contents"}, {m_disposed, "disposed"}};
    for (const auto& [check, objectName] : checks) {
        check->setObjectName(QString::fromLatin1(objectName));
        grid->addWidget(check, row++, 1);
    }

    m_disposal = yearEdit(true, uitexts::kDisposalName, "disposal");
    grid->addWidget(buddyLabel(uitexts::kDisposal, m_disposal, this), row, 0);
    grid->addWidget(m_disposal, row++, 1);

    grid->addWidget(buildReviewGroup(), row++, 0, 1, 2);

    m_removeBefore = new QCheckBox(text(uitexts::kRemoveBefore), this);
    m_removeBefore->setObjectName(QStringLiteral("removeBefore"));
    grid->addWidget(m_removeBefore, row++, 0, 1, 2);

    auto* note = new QLabel(text(uitexts::kNote), this);
    note->setWordWrap(true);
    grid->addWidget(note, row++, 0, 1, 2);

    m_ok = new QPushButton(text(uitexts::kModeButtons[modeIndex]), this);
    m_ok->setObjectName(QStringLiteral("ok"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(text(uitexts::kCancel), this);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

QWidget* CDlgBosatuItiranData::buildReviewGroup() {
    m_reviewGroup = new QGroupBox(text(uitexts::kReviewGroup), this);
    auto* grid = new QGridLayout(m_reviewGroup);
    for (size_t slot = 0; slot < 3; ++slot) {
        const int row = static_cast<int>(slot);
        const QString suffix = QString::number(row);
        YearInputEdit* time = new YearInputEdit(YearInputEdit::Kind::yearMonth, m_western,
                                                text(uitexts::kReviewNames[slot]), m_reviewGroup);
        time->setObjectName(QStringLiteral("reviewTime") + suffix);
        InputMethodSwitcher::attachNumber(
            {time->eraYearEdit(), time->westernYearEdit(), time->monthEdit()});
        auto* done =
            new QCheckBox(text(slot == 0 ? uitexts::kReviewToDo : uitexts::kReviewDone), this);
        done->setObjectName(QStringLiteral("reviewDone") + suffix);
        done->setAccessibleName(text(uitexts::kReviewNames[slot]) + QLatin1Char(' ') +
                                done->text());
        QLineEdit* years = numberEdit(3, uitexts::kReviewPeriodNames[slot], "reviewYears");
        years->setObjectName(QStringLiteral("reviewYears") + suffix);
        grid->addWidget(buddyLabel(uitexts::kReviewLabels[slot], time, m_reviewGroup), row, 0);
        grid->addWidget(time, row, 1);
        grid->addWidget(done, row, 2);
        grid->addWidget(buddyLabel(uitexts::kReviewPeriod, years, m_reviewGroup), row, 3);
        grid->addWidget(years, row, 4);
        grid->addWidget(new QLabel(text(uitexts::kYearSuffix), m_reviewGroup), row, 5);
        if (slot == 0) {
            m_reviewButton = new QPushButton(text(uitexts::kReviewButton), m_reviewGroup);
            m_reviewButton->setObjectName(QStringLiteral("review"));
            m_reviewButton->setAutoDefault(false);
            grid->addWidget(m_reviewButton, row, 6);
        }
        m_reviewTimes[slot] = time;
        m_reviewDone[slot] = done;
        m_reviewYears[slot] = years;
    }
    grid->setColumnStretch(7, 1);
    return m_reviewGroup;
}

void CDlgBosatuItiranData::connectRules() {
    connect(m_ok, &QPushButton::clicked, this, &CDlgBosatuItiranData::accept);
    connect(m_cancel, &QPushButton::clicked, this, &CDlgBosatuItiranData::reject);
    for (QComboBox* combo : {m_department, m_major, m_middle}) {
        connect(combo, &QComboBox::currentTextChanged, this,
                &CDlgBosatuItiranData::onDependentChoice);
    }
    connect(m_retentionType, &QComboBox::activated, this,
            &CDlgBosatuItiranData::onRetentionTypeChosen);
    m_retentionType->lineEdit()->installEventFilter(this);
    for (QCheckBox* check : {m_disposed, m_reviewDone[0]}) {
        connect(check, &QCheckBox::toggled, this, [this] {
            if (m_showing) return;
            readValues();
            applyEnabling();
        });
    }
    connect(m_reviewButton, &QPushButton::clicked, this, &CDlgBosatuItiranData::onReview);
}

// ---- Values -----------------------------------------------------------------------

void CDlgBosatuItiranData::refill(QComboBox* combo, const std::vector<std::string>& names,
                                  const std::string& chosen) {
    combo->clear();
    for (const std::string& name : names) combo->addItem(toQString(name));
    combo->setCurrentIndex(combo->findText(toQString(chosen), Qt::MatchExactly));
}

void CDlgBosatuItiranData::showValues() {
    m_showing = true;
    const VolumeEntryValues& v = m_form.values();
    const VolumeChoices& choices = m_form.choices();
    refill(m_department, choices.departments(), v.department);
    refill(m_section, m_form.sections(), v.section);
    m_creation->setYear(v.creation);
    m_title->setText(toQString(v.title));
    setNumber(m_books, v.books);
    refill(m_major, choices.majors(), v.major);
    refill(m_middle, m_form.middles(), v.middle);
    refill(m_minor, m_form.minors(), v.minor);
    m_filingFrom->setYear(v.filingFrom);
    m_filingTo->setYear(v.filingTo);
    refill(m_retentionType, choices.retentionTypes(), v.retentionType);
    m_retentionType->setEditText(toQString(v.retentionType));
    setNumber(m_retentionYears, v.retentionYears);
    m_expiry->setYearMonth(v.expiry);
    m_dailyUse->setChecked(v.dailyUse);
    m_contents->setChecked(v.contents);
    m_disposed->setChecked(v.disposed);
    m_disposal->setYearMonth(v.disposal);
    for (size_t slot = 0; slot < 3; ++slot) {
        m_reviewTimes[slot]->setYearMonth(v.reviews[slot].time);
        m_reviewDone[slot]->setChecked(v.reviews[slot].done);
        setNumber(m_reviewYears[slot], v.reviews[slot].years);
    }
    m_removeBefore->setChecked(v.removeBefore);
    applyEnabling();
    m_showing = false;
}

void CDlgBosatuItiranData::readValues() {
    VolumeEntryValues& v = m_form.values();
    v.department = toStdString(m_department->currentText());
    v.section = toStdString(m_section->currentText());
    v.creation = m_creation->year();
    v.title = toStdString(m_title->text());
    v.books = numberOf(m_books);
    v.major = toStdString(m_major->currentText());
    v.middle = toStdString(m_middle->currentText());
    v.minor = toStdString(m_minor->currentText());
    v.filingFrom = m_filingFrom->year();
    v.filingTo = m_filingTo->year();
    v.retentionType = toStdString(m_retentionType->currentText());
    v.retentionYears = numberOf(m_retentionYears);
    v.expiry = m_expiry->yearMonth();
    v.dailyUse = m_dailyUse->isChecked();
    v.contents = m_contents->isChecked();
    v.disposed = m_disposed->isChecked();
    v.disposal = m_disposal->yearMonth();
    for (size_t slot = 0; slot < 3; ++slot) {
        v.reviews[slot] = {m_reviewTimes[slot]->yearMonth(), m_reviewDone[slot]->isChecked(),
                           numberOf(m_reviewYears[slot])};
    }
    v.removeBefore = m_removeBefore->isChecked();
}

void CDlgBosatuItiranData::applyEnabling() {
    const VolumeEntryEnabling e = m_form.enabling();
    m_disposal->setEnabled(e.disposalMonth);
    m_reviewTimes[0]->setEnabled(e.nextReview);
    m_reviewDone[0]->setEnabled(e.nextReview);
    m_reviewYears[0]->setEnabled(e.nextReviewPeriod);
    m_reviewButton->setEnabled(e.nextReviewPeriod);
    const bool earlier[] = {e.previousReview, e.reviewBeforePrevious};
    for (size_t slot = 1; slot < 3; ++slot) {
        m_reviewTimes[slot]->setEnabled(earlier[slot - 1]);
        m_reviewDone[slot]->setEnabled(earlier[slot - 1]);
        m_reviewYears[slot]->setEnabled(earlier[slot - 1]);
    }
    m_removeBefore->setVisible(e.removeBeforeShown);
    if (m_form.mode() == VolumeEntryMode::remove) lockValues();
}

QWidget* CDlgBosatuItiranData::widgetOf(VolumeEntryField field) const {
    using F = VolumeEntryField;
    switch (field) {
        case F::department:
            return m_department;
        case F::section:
            return m_section;
        case F::creation:
            return m_creation;
        case F::title:
            return m_title;
        case F::books:
            return m_books;
        case F::major:
            return m_major;
        case F::middle:
            return m_middle;
        case F::minor:
            return m_minor;
        case F::filingFrom:
            return m_filingFrom;
        case F::filingTo:
            return m_filingTo;
        case F::retentionType:
            return m_retentionType;
        case F::retentionYears:
            return m_retentionYears;
        case F::expiry:
            return m_expiry;
        case F::disposal:
            return m_disposal;
        case F::nextReview:
            return m_reviewTimes[0];
        case F::nextReviewYears:
            return m_reviewYears[0];
        case F::previousReview:
            return m_reviewTimes[1];
        case F::previousReviewYears:
            return m_reviewYears[1];
        case F::reviewBeforePrevious:
            return m_reviewTimes[2];
        case F::reviewBeforePreviousYears:
            return m_reviewYears[2];
    }
    return m_title;
}

// A volume to delete is shown, not edited: it goes as it was chosen.
void CDlgBosatuItiranData::lockValues() {
    for (QWidget* input : std::initializer_list<QWidget*>{
             m_department, m_section, m_creation, m_books, m_major, m_middle, m_minor, m_filingFrom,
             m_filingTo, m_retentionType, m_retentionYears, m_expiry, m_dailyUse, m_contents,
             m_disposed, m_disposal, m_reviewGroup}) {
        input->setEnabled(false);
    }
    m_title->setReadOnly(true);
}

void CDlgBosatuItiranData::showWarnings(const std::vector<std::string>& warnings) {
    m_warning = true;
    for (const std::string& warning : warnings) {
        m_prompt.showMessage(warning, vtexts::kEntryWarningCaption, MessageIcon::error);
    }
    m_warning = false;
}

// ---- Rules ------------------------------------------------------------------------

void CDlgBosatuItiranData::onDependentChoice() {
    if (m_showing) return;
    readValues();
    m_showing = true;
    VolumeEntryValues& v = m_form.values();
    refill(m_section, m_form.sections(), v.section);
    refill(m_middle, m_form.middles(), v.middle);
    v.middle = toStdString(m_middle->currentText());
    refill(m_minor, m_form.minors(), v.minor);
    m_showing = false;
}

void CDlgBosatuItiranData::onRetentionTypeChosen(int index) {
    if (m_showing || index < 0) return;
    readValues();
    const auto warnings = m_form.chooseRetentionType(toStdString(m_retentionType->itemText(index)));
    showValues();
    showWarnings(warnings);
}

void CDlgBosatuItiranData::onRetentionTypeLeft() {
    if (m_showing || m_warning) return;
    readValues();
    const auto warnings = m_form.leaveRetentionType(m_form.values().retentionType);
    showValues();
    showWarnings(warnings);
}

void CDlgBosatuItiranData::onReview() {
    readValues();
    const auto warnings = m_form.reviewRetention();
    showValues();
    showWarnings(warnings);
}

bool CDlgBosatuItiranData::eventFilter(QObject* watched, QEvent* event) {
    // Leaving the box counts when the clerk moves on inside the dialog; not
    // when its own list opens, another window comes up or the dialog closes.
    if (watched == m_retentionType->lineEdit() && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (isVisible() && reason != Qt::PopupFocusReason &&
            reason != Qt::ActiveWindowFocusReason) {
            onRetentionTypeLeft();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CDlgBosatuItiranData::accept() {
    if (m_form.mode() == VolumeEntryMode::remove) {
        confirmRemoval();
        return;
    }
    readValues();
    // A type typed but not yet confirmed counts as left.
    onRetentionTypeLeft();
    if (const auto message = m_form.validate()) {
        m_prompt.showMessage(*message, vtexts::kEntryWarningCaption, MessageIcon::error);
        if (const auto field = m_form.firstInvalidField()) widgetOf(*field)->setFocus();
        return;
    }
    CDocMasterData edited = m_record;
    m_form.gather(edited);
    if (m_store && !m_store(edited, removeBefore())) return;
    m_record = edited;
    QDialog::accept();
}

// The volume as it was chosen is removed: nothing typed is stored, so the
// values are not checked (a volume whose names have left the masters can be
// deleted all the same).
void CDlgBosatuItiranData::confirmRemoval() {
    if (m_prompt.ask(vtexts::kDeleteQuestion, vtexts::kDeleteCaption, Buttons::yesNo,
                     MessageIcon::question) != Answer::yes) {
        reject();
        return;
    }
    if (m_store && !m_store(m_record, false)) return;
    QDialog::accept();
}

}  // namespace bunrako
