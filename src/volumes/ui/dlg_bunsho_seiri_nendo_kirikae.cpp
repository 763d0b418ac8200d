#include "volumes/ui/dlg_bunsho_seiri_nendo_kirikae.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/file_io.h"
#include "common/format_text.h"
#include "common/my_tool.h"
#include "common/prompt.h"
#include "common/ui/field_label.h"
#include "office/ui/input_method_switcher.h"
#include "office/ui/qt_text.h"
#include "office/ui/wait_cursor.h"
#include "volumes/texts.h"
#include "volumes/ui/era_combo_box.h"
#include "volumes/ui/texts.h"
#include "volumes/ui/year_input_edit.h"

namespace bunrako {
namespace {

namespace uitexts = volumes::ui::texts;

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

void refill(QComboBox* combo, const std::vector<std::string>& names, const std::string& chosen) {
    combo->clear();
    for (const std::string& name : names) combo->addItem(toQString(name));
    combo->setCurrentIndex(combo->findText(toQString(chosen), Qt::MatchExactly));
}

QComboBox* nameCombo(const char* objectName, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QString::fromLatin1(objectName));
    combo->setMinimumContentsLength(10);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return combo;
}

}  // namespace

CDlgBunshoSeiriNendoKirikae::CDlgBunshoSeiriNendoKirikae(const VolumeChoices& choices,
                                                         NendoKirikaeForm::Setup setup,
                                                         std::span<const CDocMasterData> displayed,
                                                         std::span<const int> mask, Prompt& prompt,
                                                         FileBrowser& fileBrowser, QWidget* parent)
    : QDialog(parent),
      m_form(choices, std::move(setup)),
      m_displayed(displayed),
      m_mask(mask),
      m_prompt(prompt),
      m_fileBrowser(fileBrowser) {
    setWindowTitle(text(uitexts::kYearSwitchCaption));
    build();
    showValues();
}

void CDlgBunshoSeiriNendoKirikae::build() {
    auto* explanation = new QLabel(text(uitexts::kYearSwitchExplanation), this);
    explanation->setObjectName(QStringLiteral("explanation"));
    explanation->setWordWrap(true);

    auto* grid = new QGridLayout;
    int row = 0;
    m_year = new YearInputEdit(YearInputEdit::Kind::fiscalYear, m_form.western(),
                               text(uitexts::kYearSwitchYearName), this);
    m_year->setObjectName(QStringLiteral("year"));
    InputMethodSwitcher::attachNumber({m_year->eraYearEdit(), m_year->westernYearEdit()});
    grid->addWidget(fieldLabel(text(uitexts::kYearSwitchYear), m_year, this), row, 0);
    grid->addWidget(m_year, row++, 1);

    m_reorganise = new QCheckBox(text(uitexts::kYearSwitchReorganise), this);
    m_reorganise->setObjectName(QStringLiteral("reorganise"));
    grid->addWidget(m_reorganise, row++, 0, 1, 2);

    m_department = nameCombo("department", this);
    m_section = nameCombo("section", this);
    m_departmentLabel = fieldLabel(text(uitexts::kYearSwitchDepartment), m_department, this);
    m_sectionLabel = fieldLabel(text(uitexts::kYearSwitchSection), m_section, this);
    auto* departmentRow = new QHBoxLayout;
    departmentRow->addWidget(m_department);
    departmentRow->addWidget(m_sectionLabel);
    departmentRow->addWidget(m_section);
    departmentRow->addStretch(1);
    grid->addWidget(m_departmentLabel, row, 0);
    grid->addLayout(departmentRow, row++, 1);

    m_file = new QLineEdit(this);
    m_file->setObjectName(QStringLiteral("masterFile"));
    m_file->setMinimumWidth(m_file->fontMetrics().horizontalAdvance(QChar(0x3042)) * 28);
    m_browse = new QPushButton(text(uitexts::kBrowse), this);
    m_browse->setObjectName(QStringLiteral("browse"));
    m_browse->setAutoDefault(false);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(m_file, 1);
    fileRow->addWidget(m_browse);
    grid->addWidget(fieldLabel(text(uitexts::kYearSwitchFile), m_file, this), row, 0);
    grid->addLayout(fileRow, row++, 1);

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("progress"));
    m_progress->setAccessibleName(text(uitexts::kProgressName));
    m_progress->setRange(0, 100);
    m_progress->setValue(0);

    m_ok = new QPushButton(text(uitexts::kOk), this);
    m_ok->setObjectName(QStringLiteral("ok"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(text(uitexts::kCancel), this);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    m_cancel->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addLayout(grid);
    layout->addWidget(m_progress);
    layout->addLayout(buttons);

    connect(m_reorganise, &QCheckBox::toggled, this, &CDlgBunshoSeiriNendoKirikae::onReorganise);
    connect(m_department, &QComboBox::currentTextChanged, this,
            &CDlgBunshoSeiriNendoKirikae::onDepartment);
    connect(m_browse, &QPushButton::clicked, this, &CDlgBunshoSeiriNendoKirikae::browse);
    connect(m_ok, &QPushButton::clicked, this, &CDlgBunshoSeiriNendoKirikae::accept);
    connect(m_cancel, &QPushButton::clicked, this, &CDlgBunshoSeiriNendoKirikae::reject);
}

void CDlgBunshoSeiriNendoKirikae::showValues() {
    m_showing = true;
    const NendoKirikaeValues& v = m_form.values();
    m_year->setYear(v.year);
    m_reorganise->setChecked(v.reorganise);
    refill(m_department, m_form.choices().departments(), v.department);
    refill(m_section, m_form.sections(), v.section);
    m_file->setText(toQString(v.masterFile));
    applyEnabling();
    m_showing = false;
}

void CDlgBunshoSeiriNendoKirikae::readValues() {
    NendoKirikaeValues& v = m_form.values();
    v.year = m_year->year();
    v.reorganise = m_reorganise->isChecked();
    v.department = toStdString(m_department->currentText());
    v.section = toStdString(m_section->currentText());
    v.masterFile = toStdString(m_file->text());
}

void CDlgBunshoSeiriNendoKirikae::applyEnabling() {
    const bool on = m_form.departmentEnabled();
    for (QWidget* widget : std::initializer_list<QWidget*>{m_departmentLabel, m_department,
                                                           m_sectionLabel, m_section}) {
        widget->setEnabled(on);
    }
}

void CDlgBunshoSeiriNendoKirikae::onReorganise(bool on) {
    if (m_showing) return;
    readValues();
    m_form.setReorganise(on);
    showValues();
}

void CDlgBunshoSeiriNendoKirikae::onDepartment() {
    if (m_showing) return;
    readValues();
    m_form.chooseDepartment(m_form.values().department);
    m_showing = true;
    refill(m_section, m_form.sections(), m_form.values().section);
    m_showing = false;
}

void CDlgBunshoSeiriNendoKirikae::browse() {
    readValues();
    const QFileInfo current(
        QDir::fromNativeSeparators(toQString(pathToUtf8(m_form.target().file))));
    const std::string chosen =
        m_fileBrowser.browse(toStdString(QDir::toNativeSeparators(current.absolutePath())),
                             toStdString(current.fileName()), NendoKirikaeForm::defaultExtension(),
                             NendoKirikaeForm::fileFilter(), true);
    if (!chosen.empty()) m_file->setText(toQString(chosen));
    m_file->setFocus();
}

void CDlgBunshoSeiriNendoKirikae::focusField(NendoKirikaeField field) {
    switch (field) {
        case NendoKirikaeField::year:
            m_year->setFocus();
            break;
        case NendoKirikaeField::department:
            m_department->setFocus();
            break;
        case NendoKirikaeField::section:
            m_section->setFocus();
            break;
        case NendoKirikaeField::masterFile:
            m_file->setFocus();
            m_file->selectAll();
            break;
    }
}

void CDlgBunshoSeiriNendoKirikae::setBusy(bool busy) {
    for (QWidget* widget :
         std::initializer_list<QWidget*>{m_year, m_reorganise, m_file, m_browse, m_ok, m_cancel}) {
        widget->setEnabled(!busy);
    }
    if (!busy) applyEnabling();
}

void CDlgBunshoSeiriNendoKirikae::accept() {
    readValues();
    if (const auto problem = m_form.validate()) {
        m_prompt.showMessage(problem->message, volumes::texts::kEntryWarningCaption,
                             MessageIcon::error);
        focusField(problem->field);
        return;
    }
    m_request = m_form.request();
    {
        // The file is written once at the end: there is no point at which
        // stopping would leave less than the whole switch undone, so the
        // clerk waits for it (it takes seconds, not minutes).
        const WaitCursor wait;
        setBusy(true);
        m_result = switchFiscalYear(
            m_displayed, m_mask, m_request, m_prompt, [this](int position, int upper) {
                m_progress->setRange(0, upper);
                m_progress->setValue(position);
                QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            });
        setBusy(false);
    }
    if (!m_result.written) {
        // Why has been told; what was entered stays for another try.
        m_progress->setValue(0);
        m_prompt.showMessage(formatPrintf(volumes::texts::kYearSwitchFailed,
                                          pathToUtf8(m_request.masterFile).c_str()),
                             volumes::texts::kEntryWarningCaption, MessageIcon::error);
        return;
    }
    QDialog::accept();
}

}  // namespace bunrako
