#include "settings/ui/shoki_settei_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include "common/my_tool.h"
#include "common/ui/field_label.h"
#include "office/ui/folder_chooser.h"
#include "office/ui/input_method_switcher.h"
#include "office/ui/qt_text.h"
#include "office/ui/texts.h"
#include "settings/texts.h"

namespace bunrako {
namespace {

using namespace settings::texts;
using D = CShokiSetteiData;

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

QGridLayout* gridOf(QWidget* page) {
    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(grid);
    return grid;
}

void finishPage(QWidget* page) { static_cast<QVBoxLayout*>(page->layout())->addStretch(); }

}  // namespace

CDlgShokiSettei::CDlgShokiSettei(ShokiSetteiForm& form, FileBrowser& browser, QWidget* parent)
    : QDialog(parent), m_form(form), m_browser(browser) {
    setWindowTitle(text(kSettingsCaption));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildSectionChoice());

    m_pages = new QTabWidget(this);
    m_pages->addTab(generalPage(), text(kPageGeneral));
    m_pages->addTab(registerPage(), text(kPageRegister));
    m_pages->addTab(wordProcessorPage(), text(kPageWordProcessor));
    m_pages->addTab(spreadsheetPage(), text(kPageSpreadsheet));
    m_pages->addTab(fileManagerPage(), text(kPageFileManager));
    m_pages->addTab(personalPage(), text(kPagePersonal));
    layout->addWidget(m_pages, 1);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("status"));
    m_status->setWordWrap(true);
    m_status->setStyleSheet(QStringLiteral("color: #b00000"));
    layout->addWidget(m_status);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setText(text(office::ui::texts::kButtonOk));
    m_ok->setDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setText(text(office::ui::texts::kButtonCancel));
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgShokiSettei::confirm);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    // Wide enough for the six tabs and for paths to be read whole.
    resize(720, sizeHint().height());
    showRecord();
    m_section->setFocus();
}

// ---- Section and sub-section ------------------------------------------------------

QWidget* CDlgShokiSettei::buildSectionChoice() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    m_section = new QComboBox(box);
    m_subsection = new QComboBox(box);
    m_section->setAccessibleName(text(kSectionCombo));
    m_subsection->setAccessibleName(text(kSubsectionCombo));
    for (QComboBox* combo : {m_section, m_subsection}) combo->setMinimumContentsLength(12);
    auto* label = new QLabel(text(kAffiliation), box);
    label->setBuddy(m_section);
    row->addWidget(label);
    row->addWidget(m_section);
    row->addWidget(m_subsection);
    row->addStretch();

    for (const std::string& section : m_form.Sections()) m_section->addItem(toQString(section));
    m_section->setCurrentIndex(m_section->findText(toQString(m_form.Section())));
    fillSubsections();

    connect(m_section, &QComboBox::currentIndexChanged, this, [this] {
        m_form.ChooseSection(toStdString(m_section->currentText()));
        fillSubsections();
    });
    connect(m_subsection, &QComboBox::currentIndexChanged, this, [this] {
        if (m_form.ChooseSubsection(toStdString(m_subsection->currentText()))) showRecord();
    });
    return box;
}

void CDlgShokiSettei::fillSubsections() {
    const QSignalBlocker block(m_subsection);
    m_subsection->clear();
    for (const std::string& name : m_form.Subsections()) m_subsection->addItem(toQString(name));
    m_subsection->setCurrentIndex(m_subsection->findText(toQString(m_form.Subsection())));
}

// ---- Pages -----------------------------------------------------------------------

QLineEdit* CDlgShokiSettei::addText(QGridLayout* grid, int row, const char* label,
                                    std::string CShokiSetteiData::*field,
                                    std::optional<SettingsBrowse> browse, QWidget* page,
                                    std::vector<QWidget*>* dependents) {
    auto* edit = new QLineEdit(page);
    grid->addWidget(fieldLabel(text(label), edit, page), row, 0);
    grid->addWidget(edit, row, 1);
    m_texts.push_back({edit, field});
    connect(edit, &QLineEdit::textEdited, this,
            [this, field](const QString& value) { m_form.Record().*field = toStdString(value); });
    if (dependents) dependents->push_back(edit);
    if (browse) {
        auto* button = new QPushButton(text(kBrowse), page);
        button->setAutoDefault(false);
        button->setAccessibleName(text(kBrowse) + text(label));
        grid->addWidget(button, row, 2);
        connect(button, &QPushButton::clicked, this,
                [this, target = *browse] { this->browse(target); });
        if (dependents) dependents->push_back(button);
    }
    return edit;
}

QCheckBox* CDlgShokiSettei::addFlag(const char* label, int32_t CShokiSetteiData::*field,
                                    QWidget* page) {
    auto* check = new QCheckBox(text(label), page);
    m_flags.push_back({check, field});
    connect(check, &QCheckBox::toggled, this, [this, field](bool on) {
        m_form.Record().*field = on ? 1 : 0;
        showEnabling();
    });
    return check;
}

QWidget* CDlgShokiSettei::addChoice(const char* title, std::initializer_list<const char*> labels,
                                    int32_t CShokiSetteiData::*field, QWidget* page) {
    auto* box = new QGroupBox(text(title), page);
    auto* column = new QVBoxLayout(box);
    auto* group = new QButtonGroup(box);
    int id = 0;
    for (const char* label : labels) {
        auto* radio = new QRadioButton(text(label), box);
        group->addButton(radio, id++);
        column->addWidget(radio);
    }
    m_choices.push_back({group, field});
    connect(group, &QButtonGroup::idToggled, this, [this, field](int chosen, bool on) {
        if (on) m_form.Record().*field = chosen;
    });
    return box;
}

QWidget* CDlgShokiSettei::generalPage() {
    auto* page = new QWidget(this);
    auto* choices = new QHBoxLayout;
    choices->addWidget(
        addChoice(kGroupCalendar, {kEraYears, kWesternYears}, &D::m_nCalendarMode, page));
    choices->addWidget(addChoice(kGroupManagementPeriod,
                                 {kPeriodApril, kPeriodJuly, kPeriodOctober, kPeriodJanuary},
                                 &D::m_nManagementPeriod, page));
    choices->addStretch();
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(choices);
    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);
    addText(grid, 0, kVolumeFileLabel, &D::m_strVolumeFile, SettingsBrowse::volumeFile, page);
    addText(grid, 1, kRetentionChangeFileLabel, &D::m_strRetentionChangeFile,
            SettingsBrowse::retentionChangeFile, page);
    addText(grid, 2, kDisposedFileLabel, &D::m_strDisposedFile, SettingsBrowse::disposedFile, page);
    addText(grid, 3, kRegisterFileLabel, &D::m_strRegisterFile, SettingsBrowse::registerFile, page);
    layout->addStretch();
    return page;
}

QWidget* CDlgShokiSettei::registerPage() {
    auto* page = new QWidget(this);
    QGridLayout* grid = gridOf(page);
    grid->addWidget(
        addChoice(kGroupNumberPeriod, {kSameAsVolumes, kCalendarYear}, &D::m_nRegisterPeriod, page),
        0, 0, 1, 3);
    QLineEdit* prefix = addText(grid, 1, kNumberPrefix, &D::m_strNumberPrefix, std::nullopt, page);
    InputMethodSwitcher::attachJapanese({prefix});
    finishPage(page);
    return page;
}

QWidget* CDlgShokiSettei::wordProcessorPage() {
    auto* page = new QWidget(this);
    QGridLayout* grid = gridOf(page);
    Dependents uses{addFlag(kUseWordProcessor, &D::m_bUseWordProcessor, page),
                    &ShokiSetteiForm::WordProcessorFieldsEnabled,
                    {}};
    grid->addWidget(uses.check, 0, 0, 1, 3);
    addText(grid, 1, kProgramLabel, &D::m_strWordProcessorExe, SettingsBrowse::wordProcessorExe,
            page, &uses.widgets)
        ->setAccessibleName(text(kPageWordProcessor) + text(kProgramLabel));
    addText(grid, 2, kStandardExtension, &D::m_strWordProcessorExt, std::nullopt, page)
        ->setAccessibleName(text(kPageWordProcessor) + text(kStandardExtension));
    auto* forms = new QGroupBox(text(kGroupForms), page);
    auto* formGrid = new QGridLayout(forms);
    formGrid->setColumnStretch(1, 1);
    addText(formGrid, 0, kVolumeTitleLabel, &D::m_strVolumeTitleForm,
            SettingsBrowse::volumeTitleForm, forms);
    addText(formGrid, 1, kIndexBatchLabel, &D::m_strIndexBatchForm, SettingsBrowse::indexBatchForm,
            forms);
    addText(formGrid, 2, kDraftLabel, &D::m_strDraftForm, SettingsBrowse::draftForm, forms);
    grid->addWidget(forms, 3, 0, 1, 3);
    for (const char* note : {kWordMacroNote, kExtensionNote}) {
        auto* label = new QLabel(text(note), page);
        label->setWordWrap(true);
        grid->addWidget(label, grid->rowCount(), 0, 1, 3);
    }
    m_dependents.push_back(std::move(uses));
    finishPage(page);
    return page;
}

QWidget* CDlgShokiSettei::spreadsheetPage() {
    auto* page = new QWidget(this);
    QGridLayout* grid = gridOf(page);
    Dependents uses{addFlag(kUseSpreadsheet, &D::m_bUseSpreadsheet, page),
                    &ShokiSetteiForm::SpreadsheetFieldsEnabled,
                    {}};
    grid->addWidget(uses.check, 0, 0, 1, 3);
    addText(grid, 1, kProgramLabel, &D::m_strSpreadsheetExe, SettingsBrowse::spreadsheetExe, page,
            &uses.widgets)
        ->setAccessibleName(text(kPageSpreadsheet) + text(kProgramLabel));
    addText(grid, 2, kStandardExtension, &D::m_strSpreadsheetExt, std::nullopt, page)
        ->setAccessibleName(text(kPageSpreadsheet) + text(kStandardExtension));
    auto* links = new QGroupBox(text(kGroupLinkPrograms), page);
    auto* linkGrid = new QGridLayout(links);
    linkGrid->setColumnStretch(1, 1);
    struct Link {
        const char* label;
        std::string D::*field;
        SettingsBrowse browse;
    };
    const Link rows[] = {
        {kLinkRegisterLabel, &D::m_strLinkRegisterProgram, SettingsBrowse::linkRegister},
        {kLinkVolumeLabel, &D::m_strLinkVolumeProgram, SettingsBrowse::linkVolume},
        {kLinkIndexLabel, &D::m_strLinkIndexProgram, SettingsBrowse::linkIndex},
        {kLinkRetentionLabel, &D::m_strLinkRetentionProgram, SettingsBrowse::linkRetention},
        {kLinkPermanentLabel, &D::m_strLinkPermanentProgram, SettingsBrowse::linkPermanent},
        {kLinkDisposedLabel, &D::m_strLinkDisposedProgram, SettingsBrowse::linkDisposed},
    };
    int row = 0;
    for (const Link& link : rows) {
        addText(linkGrid, row++, link.label, link.field, link.browse, links);
    }
    grid->addWidget(links, 3, 0, 1, 3);
    m_dependents.push_back(std::move(uses));
    finishPage(page);
    return page;
}

QWidget* CDlgShokiSettei::fileManagerPage() {
    auto* page = new QWidget(this);
    QGridLayout* grid = gridOf(page);
    Dependents uses{addFlag(kUseFileManager, &D::m_bUseFileManager, page),
                    &ShokiSetteiForm::FileManagerFieldsEnabled,
                    {}};
    grid->addWidget(uses.check, 0, 0, 1, 3);
    addText(grid, 1, kProgramLabel, &D::m_strFileManagerExe, SettingsBrowse::fileManagerExe, page,
            &uses.widgets)
        ->setAccessibleName(text(kPageFileManager) + text(kProgramLabel));
    m_dependents.push_back(std::move(uses));
    finishPage(page);
    return page;
}

QWidget* CDlgShokiSettei::personalPage() {
    auto* page = new QWidget(this);
    QGridLayout* grid = gridOf(page);
    Dependents uses{addFlag(kUsePersonalFolder, &D::m_bUsePersonalFolder, page),
                    &ShokiSetteiForm::PersonalFolderFieldsEnabled,
                    {}};
    grid->addWidget(uses.check, 0, 0, 1, 3);
    QLineEdit* folder =
        addText(grid, 1, kFolderName, &D::m_strPersonalFolder, std::nullopt, page, &uses.widgets);
    auto* button = new QPushButton(text(kBrowse), page);
    button->setAutoDefault(false);
    button->setAccessibleName(text(kBrowse) + text(kFolderName));
    grid->addWidget(button, 1, 2);
    uses.widgets.push_back(button);
    connect(button, &QPushButton::clicked, this, &CDlgShokiSettei::browsePersonalFolder);
    InputMethodSwitcher::attachJapanese({folder});
    m_dependents.push_back(std::move(uses));
    finishPage(page);
    return page;
}

// ---- Values --------------------------------------------------------------------

QLineEdit* CDlgShokiSettei::edit(const QString& accessibleName) const {
    for (const TextBinding& binding : m_texts) {
        if (binding.edit->accessibleName() == accessibleName) return binding.edit;
    }
    return nullptr;
}

void CDlgShokiSettei::showRecord() {
    const CShokiSetteiData& record = m_form.Record();
    for (const TextBinding& binding : m_texts) {
        binding.edit->setText(toQString(record.*binding.field));
        binding.edit->setCursorPosition(0);
    }
    for (const FlagBinding& binding : m_flags) {
        const QSignalBlocker block(binding.check);
        binding.check->setChecked(record.*binding.field != 0);
    }
    for (const ChoiceBinding& binding : m_choices) {
        QAbstractButton* chosen = binding.group->button(record.*binding.field);
        if (chosen) {
            const QSignalBlocker block(binding.group);
            chosen->setChecked(true);
        }
    }
    showEnabling();
}

void CDlgShokiSettei::showEnabling() {
    for (const Dependents& dependents : m_dependents) {
        const bool enabled = (m_form.*dependents.enabled)();
        for (QWidget* widget : dependents.widgets) widget->setEnabled(enabled);
    }
}

void CDlgShokiSettei::browse(SettingsBrowse target) {
    std::string& field = m_form.BrowseField(target);
    const std::string chosen = CMyTool::BrowseFile(m_browser, m_form.BrowseExtension(target), field,
                                                   m_form.BrowseFilter(target), true);
    if (chosen.empty()) return;
    field = chosen;
    showRecord();
}

void CDlgShokiSettei::browsePersonalFolder() {
    const std::string chosen =
        FolderChooser::choose(this, kPersonalFolderCaption, m_form.Record().m_strPersonalFolder);
    if (chosen.empty()) return;
    m_form.Record().m_strPersonalFolder = chosen;
    showRecord();
}

void CDlgShokiSettei::confirm() {
    const ShokiSetteiForm::Missing missing = m_form.Confirm();
    if (missing != ShokiSetteiForm::Missing::none) {
        m_status->setText(toQString(ShokiSetteiForm::MissingText(missing)));
        (missing == ShokiSetteiForm::Missing::section ? m_section : m_subsection)->setFocus();
        return;
    }
    if (m_saver && !m_saver()) {
        m_status->setText(text(kSettingsNotSaved));
        return;
    }
    accept();
}

}  // namespace bunrako
