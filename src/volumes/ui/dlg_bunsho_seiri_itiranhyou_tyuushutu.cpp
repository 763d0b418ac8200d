#include "volumes/ui/dlg_bunsho_seiri_itiranhyou_tyuushutu.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "common/prompt.h"
#include "office/ui/qt_text.h"
#include "volumes/texts.h"
#include "volumes/ui/texts.h"

namespace bunrako {
namespace {

namespace uitexts = volumes::ui::texts;

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace

CDlgBunshoSeiriItiranhyouTyuushutu::CDlgBunshoSeiriItiranhyouTyuushutu(
    CBosatuTyuushutuJouken& criteria, const VolumeChoices& choices, VolumeTab tab, bool western,
    int periodType, Prompt& prompt, QWidget* parent)
    : QDialog(parent),
      m_criteria(criteria),
      m_form(criteria, choices, tab, western, periodType),
      m_prompt(prompt) {
    setWindowTitle(text(m_form.caption()));
    build();
    showValues();
}

void CDlgBunshoSeiriItiranhyouTyuushutu::build() {
    auto* grid = new QGridLayout;
    CriteriaRows rows(this, grid, m_form.western());
    m_title = rows.addText(uitexts::kByTitle, "title", VolumeExtractionForm::kTitleBytes);
    m_creation = rows.addYears(uitexts::kByCreationYear, "creation");
    m_department = rows.addName(uitexts::kByDepartment, "department");
    m_section = rows.addName(uitexts::kBySection, "section");
    m_major = rows.addName(uitexts::kByMajor, "major");
    m_middle = rows.addName(uitexts::kByMiddle, "middle");
    m_minor = rows.addName(uitexts::kByMinor, "minor");
    m_retentionType = rows.addName(uitexts::kByRetentionType, "retentionType");
    m_filing = rows.addYears(uitexts::kByFilingYear, "filing");
    m_expiry = rows.addMonths(uitexts::kByExpiry, "expiry");
    m_disposal = rows.addMonths(uitexts::kByDisposal, "disposal");
    m_review = rows.addMonths(uitexts::kByReview, "review");
    m_catalogue = rows.addCheckRow(uitexts::kByCatalogue, "catalogue", [this](QWidget* box) {
        m_withEntries = new QRadioButton(text(uitexts::kCatalogueWith), box);
        m_withEntries->setObjectName(QStringLiteral("catalogueWith"));
        m_withoutEntries = new QRadioButton(text(uitexts::kCatalogueWithout), box);
        m_withoutEntries->setObjectName(QStringLiteral("catalogueWithout"));
        box->layout()->addWidget(m_withEntries);
        box->layout()->addWidget(m_withoutEntries);
    });

    for (QComboBox* combo : {m_department.combo, m_major.combo, m_middle.combo}) {
        connect(combo, &QComboBox::currentTextChanged, this,
                &CDlgBunshoSeiriItiranhyouTyuushutu::onDependentChoice);
    }

    m_ok = new QPushButton(text(uitexts::kOk), this);
    m_ok->setObjectName(QStringLiteral("ok"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(text(uitexts::kCancel), this);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    connect(m_ok, &QPushButton::clicked, this, &CDlgBunshoSeiriItiranhyouTyuushutu::accept);
    connect(m_cancel, &QPushButton::clicked, this, &CDlgBunshoSeiriItiranhyouTyuushutu::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

void CDlgBunshoSeiriItiranhyouTyuushutu::showValues() {
    m_showing = true;
    const VolumeExtractionValues& v = m_form.values();
    const VolumeChoices& choices = m_form.choices();
    CriteriaRows::refill(m_department.combo, choices.departments(), v.department.name);
    CriteriaRows::refill(m_section.combo, m_form.sections(), v.section.name);
    CriteriaRows::refill(m_major.combo, choices.majors(), v.major.name);
    CriteriaRows::refill(m_middle.combo, m_form.middles(), v.middle.name);
    CriteriaRows::refill(m_minor.combo, m_form.minors(), v.minor.name);
    CriteriaRows::refill(m_retentionType.combo, choices.retentionTypes(), v.retentionType.name);
    CriteriaRows::show(m_title, v.title);
    CriteriaRows::show(m_creation, v.creation);
    CriteriaRows::show(m_department, v.department);
    CriteriaRows::show(m_section, v.section);
    CriteriaRows::show(m_major, v.major);
    CriteriaRows::show(m_middle, v.middle);
    CriteriaRows::show(m_minor, v.minor);
    CriteriaRows::show(m_retentionType, v.retentionType);
    CriteriaRows::show(m_filing, v.filing);
    CriteriaRows::show(m_expiry, v.expiry);
    CriteriaRows::show(m_disposal, v.disposal);
    CriteriaRows::show(m_review, v.review);
    m_catalogue->setChecked(v.byCatalogue);
    m_withEntries->setChecked(v.catalogueHasEntries);
    m_withoutEntries->setChecked(!v.catalogueHasEntries);
    m_showing = false;
}

void CDlgBunshoSeiriItiranhyouTyuushutu::readValues() {
    VolumeExtractionValues& v = m_form.values();
    v.title = CriteriaRows::read(m_title);
    v.creation = CriteriaRows::readYears(m_creation);
    v.department = CriteriaRows::read(m_department);
    v.section = CriteriaRows::read(m_section);
    v.major = CriteriaRows::read(m_major);
    v.middle = CriteriaRows::read(m_middle);
    v.minor = CriteriaRows::read(m_minor);
    v.retentionType = CriteriaRows::read(m_retentionType);
    v.filing = CriteriaRows::readYears(m_filing);
    v.expiry = CriteriaRows::readMonths(m_expiry);
    v.disposal = CriteriaRows::readMonths(m_disposal);
    v.review = CriteriaRows::readMonths(m_review);
    v.byCatalogue = m_catalogue->isChecked();
    v.catalogueHasEntries = !m_withoutEntries->isChecked();
}

void CDlgBunshoSeiriItiranhyouTyuushutu::onDependentChoice() {
    if (m_showing) return;
    readValues();
    m_showing = true;
    VolumeExtractionValues& v = m_form.values();
    CriteriaRows::refill(m_section.combo, m_form.sections(), v.section.name);
    CriteriaRows::refill(m_middle.combo, m_form.middles(), v.middle.name);
    v.middle.name = toStdString(m_middle.combo->currentText());
    CriteriaRows::refill(m_minor.combo, m_form.minors(), v.minor.name);
    m_showing = false;
}

void CDlgBunshoSeiriItiranhyouTyuushutu::accept() {
    readValues();
    if (const auto message = m_form.validate()) {
        m_prompt.showMessage(*message, volumes::texts::kEntryWarningCaption, MessageIcon::error);
        return;
    }
    m_form.store(m_criteria);
    QDialog::accept();
}

}  // namespace bunrako
