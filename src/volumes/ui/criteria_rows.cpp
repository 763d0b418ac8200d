#include "volumes/ui/criteria_rows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

#include "common/ui/cp932_byte_validator.h"
#include "office/ui/input_method_switcher.h"
#include "office/ui/qt_text.h"
#include "volumes/ui/texts.h"
#include "volumes/ui/year_input_edit.h"

namespace bunrako {
namespace {

namespace uitexts = volumes::ui::texts;

// The box of a row's controls; they are made inside it after the row's
// check box, so that the tab order runs from the box to its controls.
QWidget* controlBox(QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    return box;
}

void addControls(QWidget* box, std::initializer_list<QWidget*> controls) {
    auto* layout = static_cast<QHBoxLayout*>(box->layout());
    for (QWidget* control : controls) layout->addWidget(control);
    layout->addStretch(1);
}

}  // namespace

QString plainCaption(const char* caption) {
    QString plain = QString::fromUtf8(caption);
    plain.remove(QRegularExpression(QStringLiteral("\\(&.\\)$")));
    return plain;
}

CriteriaRows::CriteriaRows(QWidget* dialog, QGridLayout* grid, bool western)
    : m_dialog(dialog), m_grid(grid), m_western(western) {}

QCheckBox* CriteriaRows::addCheck(const char* caption, const char* objectName) {
    auto* check = new QCheckBox(QString::fromUtf8(caption), m_dialog);
    check->setObjectName(QString::fromLatin1(objectName) + QStringLiteral("On"));
    m_grid->addWidget(check, m_row, 0);
    return check;
}

void CriteriaRows::endRow(QCheckBox* check, QWidget* controls) {
    if (controls) {
        m_grid->addWidget(controls, m_row, 1);
        controls->setEnabled(check->isChecked());
        QObject::connect(check, &QCheckBox::toggled, controls, &QWidget::setEnabled);
    }
    ++m_row;
}

QCheckBox* CriteriaRows::addCheckRow(const char* caption, const char* objectName,
                                     const std::function<void(QWidget* box)>& fill) {
    QCheckBox* check = addCheck(caption, objectName);
    QWidget* box = controlBox(m_dialog);
    fill(box);
    endRow(check, box);
    return check;
}

QComboBox* CriteriaRows::comboBox(const QString& name, const QString& objectName, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(objectName);
    combo->setAccessibleName(name);
    combo->setMinimumContentsLength(10);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return combo;
}

CriteriaRows::TextRow CriteriaRows::addText(const char* caption, const char* objectName,
                                            int maxBytes) {
    QCheckBox* check = addCheck(caption, objectName);
    QWidget* box = controlBox(m_dialog);
    auto* edit = new QLineEdit(box);
    edit->setObjectName(QString::fromLatin1(objectName));
    edit->setAccessibleName(plainCaption(caption));
    edit->setValidator(new Cp932ByteValidator(maxBytes, edit));
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QChar(0x3042)) * 24);
    InputMethodSwitcher::attachJapanese({edit});
    addControls(box, {edit});
    endRow(check, box);
    return {check, edit};
}

CriteriaRows::NameRow CriteriaRows::addName(const char* caption, const char* objectName) {
    QCheckBox* check = addCheck(caption, objectName);
    QWidget* box = controlBox(m_dialog);
    QComboBox* combo = comboBox(plainCaption(caption), QString::fromLatin1(objectName), box);
    addControls(box, {combo});
    endRow(check, box);
    return {check, combo};
}

CriteriaRows::PairRow CriteriaRows::addNamePair(const char* caption, const char* objectName) {
    const QString name = plainCaption(caption);
    const QString object = QString::fromLatin1(objectName);
    QCheckBox* check = addCheck(caption, objectName);
    QWidget* box = controlBox(m_dialog);
    QComboBox* from = comboBox(name + QString::fromUtf8(uitexts::kFromSuffix),
                               object + QStringLiteral("From"), box);
    auto* sign = new QLabel(QString::fromUtf8(uitexts::kRangeSign), box);
    QComboBox* to =
        comboBox(name + QString::fromUtf8(uitexts::kToSuffix), object + QStringLiteral("To"), box);
    addControls(box, {from, sign, to});
    endRow(check, box);
    return {check, from, to};
}

CriteriaRows::RangeRow CriteriaRows::addRange(const char* caption, const char* objectName,
                                              bool months) {
    const QString name = plainCaption(caption);
    const QString object = QString::fromLatin1(objectName);
    const auto kind = months ? YearInputEdit::Kind::yearMonth : YearInputEdit::Kind::fiscalYear;
    QCheckBox* check = addCheck(caption, objectName);
    QWidget* box = controlBox(m_dialog);
    auto* from =
        new YearInputEdit(kind, m_western, name + QString::fromUtf8(uitexts::kFromSuffix), box);
    from->setObjectName(object + QStringLiteral("From"));
    auto* sign = new QLabel(QString::fromUtf8(uitexts::kRangeSign), box);
    auto* to =
        new YearInputEdit(kind, m_western, name + QString::fromUtf8(uitexts::kToSuffix), box);
    to->setObjectName(object + QStringLiteral("To"));
    for (YearInputEdit* edit : {from, to}) {
        InputMethodSwitcher::attachNumber({edit->eraYearEdit(), edit->westernYearEdit()});
        if (edit->monthEdit()) InputMethodSwitcher::attachNumber({edit->monthEdit()});
    }
    addControls(box, {from, sign, to});
    endRow(check, box);
    return {check, from, to};
}

CriteriaRows::RangeRow CriteriaRows::addYears(const char* caption, const char* objectName) {
    return addRange(caption, objectName, false);
}

CriteriaRows::RangeRow CriteriaRows::addMonths(const char* caption, const char* objectName) {
    return addRange(caption, objectName, true);
}

void CriteriaRows::refill(QComboBox* combo, const std::vector<std::string>& names,
                          const std::string& chosen) {
    combo->clear();
    for (const std::string& name : names) combo->addItem(toQString(name));
    combo->setCurrentIndex(combo->findText(toQString(chosen), Qt::MatchExactly));
}

void CriteriaRows::show(const TextRow& row, const TextCriterionInput& input) {
    row.check->setChecked(input.on);
    row.edit->setText(toQString(input.text));
}

TextCriterionInput CriteriaRows::read(const TextRow& row) {
    return {row.check->isChecked(), toStdString(row.edit->text())};
}

void CriteriaRows::show(const NameRow& row, const NameCriterionInput& input) {
    row.check->setChecked(input.on);
    row.combo->setCurrentIndex(row.combo->findText(toQString(input.name), Qt::MatchExactly));
}

NameCriterionInput CriteriaRows::read(const NameRow& row) {
    return {row.check->isChecked(), toStdString(row.combo->currentText())};
}

void CriteriaRows::show(const RangeRow& row, const YearRangeInput& input) {
    row.check->setChecked(input.on);
    row.from->setYear(input.from);
    row.to->setYear(input.to);
}

void CriteriaRows::show(const RangeRow& row, const MonthRangeInput& input) {
    row.check->setChecked(input.on);
    row.from->setYearMonth(input.from);
    row.to->setYearMonth(input.to);
}

YearRangeInput CriteriaRows::readYears(const RangeRow& row) {
    return {row.check->isChecked(), row.from->year(), row.to->year()};
}

MonthRangeInput CriteriaRows::readMonths(const RangeRow& row) {
    return {row.check->isChecked(), row.from->yearMonth(), row.to->yearMonth()};
}

}  // namespace bunrako
