#include "volumes/ui/dlg_hozon_nengen_henkousho_tyuushutu.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/prompt.h"
#include "office/ui/qt_text.h"
#include "volumes/texts.h"
#include "volumes/ui/texts.h"

namespace bunrako {
namespace {

namespace uitexts = volumes::ui::texts;

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

void showPair(const CriteriaRows::PairRow& row, const TypeRangeInput& input) {
    row.check->setChecked(input.on);
    row.from->setCurrentIndex(row.from->findText(toQString(input.from), Qt::MatchExactly));
    row.to->setCurrentIndex(row.to->findText(toQString(input.to), Qt::MatchExactly));
}

TypeRangeInput readPair(const CriteriaRows::PairRow& row) {
    return {row.check->isChecked(), toStdString(row.from->currentText()),
            toStdString(row.to->currentText())};
}

}  // namespace

CDlgHozonNengenHenkoushoTyuushutu::CDlgHozonNengenHenkoushoTyuushutu(
    CHozonNengenHenkoushoTyuushutuJouken& criteria, const VolumeChoices& choices, bool western,
    int periodType, Prompt& prompt, QWidget* parent)
    : QDialog(parent),
      m_criteria(criteria),
      m_form(criteria, choices, western, periodType),
      m_prompt(prompt) {
    setWindowTitle(text(uitexts::kChangeFormCaption));
    build();
    showValues();
}

void CDlgHozonNengenHenkoushoTyuushutu::build() {
    auto* grid = new QGridLayout;
    CriteriaRows rows(this, grid, m_form.western());
    m_title = rows.addText(uitexts::kByTitle, "title", ChangeFormExtractionForm::kTitleBytes);
    m_creation = rows.addYears(uitexts::kByCreationYear, "creation");
    m_department = rows.addName(uitexts::kByDepartment, "department");
    m_section = rows.addName(uitexts::kBySection, "section");
    m_major = rows.addName(uitexts::kByMajor, "major");
    m_middle = rows.addName(uitexts::kByMiddle, "middle");
    m_minor = rows.addName(uitexts::kByMinor, "minor");
    m_filingStart = rows.addYears(uitexts::kByFilingStart, "filingStart");
    m_filingEnd = rows.addYears(uitexts::kByFilingEnd, "filingEnd");
    m_typeBefore = rows.addNamePair(uitexts::kByTypeBefore, "typeBefore");
    m_typeAfter = rows.addNamePair(uitexts::kByTypeAfter, "typeAfter");
    m_reason = rows.addText(uitexts::kByReason, "reason", ChangeFormExtractionForm::kReasonBytes);

    for (QComboBox* combo : {m_department.combo, m_major.combo, m_middle.combo}) {
        connect(combo, &QComboBox::currentTextChanged, this,
                &CDlgHozonNengenHenkoushoTyuushutu::onDependentChoice);
    }

    m_ok = new QPushButton(text(uitexts::kOk), this);
    m_ok->setObjectName(QStringLiteral("ok"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(text(uitexts::kCancel), this);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    connect(m_ok, &QPushButton::clicked, this, &CDlgHozonNengenHenkoushoTyuushutu::accept);
    connect(m_cancel, &QPushButton::clicked, this, &CDlgHozonNengenHenkoushoTyuushutu::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

void CDlgHozonNengenHenkoushoTyuushutu::showValues() {
    m_showing = true;
    const ChangeFormExtractionValues& v = m_form.values();
    const VolumeChoices& choices = m_form.choices();
    CriteriaRows::refill(m_department.combo, choices.departments(), v.department.name);
    CriteriaRows::refill(m_section.combo, m_form.sections(), v.section.name);
    CriteriaRows::refill(m_major.combo, choices.majors(), v.major.name);
    CriteriaRows::refill(m_middle.combo, m_form.middles(), v.middle.name);
    CriteriaRows::refill(m_minor.combo, m_form.minors(), v.minor.name);
    for (QComboBox* combo :
         {m_typeBefore.from, m_typeBefore.to, m_typeAfter.from, m_typeAfter.to}) {
        CriteriaRows::refill(combo, choices.retentionTypes(), {});
    }
    CriteriaRows::show(m_title, v.title);
    CriteriaRows::show(m_creation, v.creation);
    CriteriaRows::show(m_department, v.department);
    CriteriaRows::show(m_section, v.section);
    CriteriaRows::show(m_major, v.major);
    CriteriaRows::show(m_middle, v.middle);
    CriteriaRows::show(m_minor, v.minor);
    CriteriaRows::show(m_filingStart, v.filingStart);
    CriteriaRows::show(m_filingEnd, v.filingEnd);
    showPair(m_typeBefore, v.typeBefore);
    showPair(m_typeAfter, v.typeAfter);
    CriteriaRows::show(m_reason, v.reason);
    m_showing = false;
}

void CDlgHozonNengenHenkoushoTyuushutu::readValues() {
    ChangeFormExtractionValues& v = m_form.values();
    v.title = CriteriaRows::read(m_title);
    v.creation = CriteriaRows::readYears(m_creation);
    v.department = CriteriaRows::read(m_department);
    v.section = CriteriaRows::read(m_section);
    v.major = CriteriaRows::read(m_major);
    v.middle = CriteriaRows::read(m_middle);
    v.minor = CriteriaRows::read(m_minor);
    v.filingStart = CriteriaRows::readYears(m_filingStart);
    v.filingEnd = CriteriaRows::readYears(m_filingEnd);
    v.typeBefore = readPair(m_typeBefore);
    v.typeAfter = readPair(m_typeAfter);
    v.reason = CriteriaRows::read(m_reason);
}

void CDlgHozonNengenHenkoushoTyuushutu::onDependentChoice() {
    if (m_showing) return;
    readValues();
    m_showing = true;
    ChangeFormExtractionValues& v = m_form.values();
    CriteriaRows::refill(m_section.combo, m_form.sections(), v.section.name);
    CriteriaRows::refill(m_middle.combo, m_form.middles(), v.middle.name);
    v.middle.name = toStdString(m_middle.combo->currentText());
    CriteriaRows::refill(m_minor.combo, m_form.minors(), v.minor.name);
    m_showing = false;
}

void CDlgHozonNengenHenkoushoTyuushutu::accept() {
    readValues();
    if (const auto message = m_form.validate()) {
        m_prompt.showMessage(*message, volumes::texts::kEntryWarningCaption, MessageIcon::error);
        return;
    }
    m_form.store(m_criteria);
    QDialog::accept();
}

}  // namespace bunrako
