#include "register/ui/kian_dialog.h"

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
#include <QVBoxLayout>

#include "common/format_text.h"
#include "common/my_tool.h"
#include "common/ui/cp932_byte_validator.h"
#include "common/ui/field_label.h"
#include "office/ui/input_method_switcher.h"
#include "office/ui/qt_text.h"
#include "register/kessai_kubun_form.h"
#include "register/kian_form.h"
#include "register/texts.h"
#include "register/ui/day_fields.h"
#include "register/ui/kessaisha_kubun_dialog.h"

namespace bunrako {
namespace {

constexpr int kNameBytes = 22;
constexpr int kAigiBytes = 22;

QString q(const char* utf8) { return QString::fromUtf8(utf8); }

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

CDlgKian::CDlgKian(KianForm& form, FileBrowser& browser, QWidget* parent)
    : QDialog(parent), m_form(form), m_browser(browser) {
    setWindowTitle(q(register_::texts::kKianCaption));
    build();
    showForm();
}

void CDlgKian::build() {
    using namespace register_::texts;
    auto* layout = new QVBoxLayout(this);

    auto* typeBox = new QGroupBox(q(kKianType), this);
    auto* typeLayout = new QHBoxLayout(typeBox);
    auto* typeGroup = new QButtonGroup(this);
    for (int type = 0; type < 2; ++type) {
        m_types[static_cast<size_t>(type)] = new QRadioButton(q(kKianTypeNames[type]), typeBox);
        typeGroup->addButton(m_types[static_cast<size_t>(type)], type);
        typeLayout->addWidget(m_types[static_cast<size_t>(type)]);
    }
    m_approvers = new QPushButton(q(kKianApproverSettings), typeBox);
    m_approvers->setAutoDefault(false);
    typeLayout->addWidget(m_approvers);
    layout->addWidget(typeBox);

    auto* classBox = new QGroupBox(q(kKianClass), this);
    auto* classLayout = new QHBoxLayout(classBox);
    m_classGroup = new QButtonGroup(this);
    for (int level = 0; level < 4; ++level) {
        m_classes[static_cast<size_t>(level)] = new QRadioButton(classBox);
        m_classGroup->addButton(m_classes[static_cast<size_t>(level)], level);
        classLayout->addWidget(m_classes[static_cast<size_t>(level)]);
    }
    layout->addWidget(classBox);

    auto* grid = new QGridLayout;
    int line = 0;
    m_date =
        new DayFields(m_form.western(), DayFields::Parts::day, shownCaption(q(kKianDate)), this);
    grid->addWidget(fieldLabel(q(kKianDate), m_date, this), line, 0);
    grid->addWidget(m_date, line++, 1, 1, 3);
    m_post = nameCombo(this, m_form.posts());
    m_name = nameCombo(this, m_form.names());
    grid->addWidget(fieldLabel(q(kKianPost), m_post, this), line, 0);
    grid->addWidget(m_post, line, 1);
    grid->addWidget(fieldLabel(q(kKianName), m_name, this), line, 2);
    grid->addWidget(m_name, line++, 3);
    grid->addWidget(new QLabel(q(kKianAigi), this), line++, 0);
    for (int index = 0; index < KianInput::kAigiCount; ++index) {
        auto* edit = new QLineEdit(this);
        edit->setAccessibleName(toQString(formatPrintf(kKianAigiField, index + 1)));
        Cp932ByteValidator::limit(edit, kAigiBytes);
        InputMethodSwitcher::attach(edit, InputMethodSwitcher::Kind::japaneseText);
        m_aigi[static_cast<size_t>(index)] = edit;
        grid->addWidget(edit, line + index / 2, 1 + (index % 2) * 2, 1, 1);
    }
    line += KianInput::kAigiCount / 2;
    layout->addLayout(grid);

    m_useReference = new QCheckBox(q(kKianUseReference), this);
    m_reference = new QLineEdit(this);
    m_browse = new QPushButton(q(kKianBrowse), this);
    m_browse->setAutoDefault(false);
    auto* referenceLine = new QHBoxLayout;
    referenceLine->addWidget(fieldLabel(q(kKianReferenceFile), m_reference, this));
    referenceLine->addWidget(m_reference, 1);
    referenceLine->addWidget(m_browse);
    layout->addWidget(m_useReference);
    layout->addLayout(referenceLine);
    for (const char* note : {kKianIchitaroNote, kKianWordNote}) {
        auto* label = new QLabel(q(note), this);
        label->setWordWrap(true);
        layout->addWidget(label);
    }

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    buttons->addButton(q(kKianCancel), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgKian::onOk);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(typeGroup, &QButtonGroup::idClicked, this, [this](int type) {
        copyToForm();
        m_form.setType(type);
        showClasses();
    });
    connect(m_useReference, &QCheckBox::toggled, this, [this](bool on) {
        m_reference->setEnabled(on);
        m_browse->setEnabled(on);
    });
    connect(m_browse, &QPushButton::clicked, this, &CDlgKian::browseReference);
    connect(m_approvers, &QPushButton::clicked, this, &CDlgKian::editApprovers);
}

void CDlgKian::showForm() {
    const KianInput& input = m_form.input;
    m_types[input.kessaiShubetsu == 1 ? 1 : 0]->setChecked(true);
    showClasses();
    DayInput date;
    date.year = {m_form.western(), input.era, input.eraYear, input.westernYear};
    date.month = input.month;
    date.day = input.day;
    m_date->setDay(date);
    m_post->setEditText(toQString(input.shoku));
    m_name->setEditText(toQString(input.simei));
    for (int index = 0; index < KianInput::kAigiCount; ++index) {
        m_aigi[static_cast<size_t>(index)]->setText(
            toQString(input.aigi[static_cast<size_t>(index)]));
    }
    m_useReference->setChecked(input.useReference);
    m_reference->setText(toQString(input.referenceFile));
    m_reference->setEnabled(input.useReference);
    m_browse->setEnabled(input.useReference);
}

void CDlgKian::showClasses() {
    for (int level = 0; level < 4; ++level) {
        QRadioButton* radio = m_classes[static_cast<size_t>(level)];
        radio->setText(toQString(formatPrintf(register_::texts::kKianClassAccelerator,
                                              m_form.classCaption(level).c_str(), level + 5)));
        radio->setEnabled(m_form.classEnabled(level));
    }
    m_classes[static_cast<size_t>(m_form.input.kessaiKubun)]->setChecked(true);
}

void CDlgKian::copyToForm() {
    KianInput& input = m_form.input;
    input.kessaiShubetsu = m_types[1]->isChecked() ? 1 : 0;
    input.kessaiKubun = std::max(0, m_classGroup->checkedId());
    const DayInput date = m_date->day();
    input.era = date.year.era;
    input.eraYear = date.year.eraYear;
    input.westernYear = date.year.year;
    input.month = date.month;
    input.day = date.day;
    input.shoku = toStdString(m_post->currentText());
    input.simei = toStdString(m_name->currentText());
    for (int index = 0; index < KianInput::kAigiCount; ++index) {
        input.aigi[static_cast<size_t>(index)] =
            toStdString(m_aigi[static_cast<size_t>(index)]->text());
    }
    input.useReference = m_useReference->isChecked();
    input.referenceFile = toStdString(m_reference->text());
}

void CDlgKian::browseReference() {
    const std::string chosen =
        CMyTool::BrowseFile(m_browser, "jtd", toStdString(m_reference->text()),
                            register_::texts::kKianReferenceFilter, true);
    if (!chosen.empty()) m_reference->setText(toQString(chosen));
}

void CDlgKian::editApprovers() {
    copyToForm();
    KessaiKubunForm approvers = m_form.approverForm();
    CDlgKessaishaKubunSettei dialog(approvers, this);
    if (dialog.exec() != QDialog::Accepted) return;
    m_form.applyApprovers(approvers);
    showClasses();
}

void CDlgKian::onOk() {
    copyToForm();
    if (m_form.Accept()) accept();
}

}  // namespace bunrako
