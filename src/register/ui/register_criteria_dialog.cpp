#include "register/ui/register_criteria_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "common/prompt.h"
#include "common/ui/cp932_byte_validator.h"
#include "common/ui/field_label.h"
#include "office/ui/input_method_switcher.h"
#include "office/ui/qt_text.h"
#include "register/texts.h"
#include "register/ui/day_fields.h"

namespace bunrako {
namespace {

constexpr int kWordBytes = 160;
constexpr int kNumberCharacters = 6;

QString q(const char* utf8) { return QString::fromUtf8(utf8); }
// A check's caption with its accelerator.
QString checkCaption(const char* caption, char key) {
    return q(caption) + QStringLiteral("(&") + QChar::fromLatin1(key) + QStringLiteral(")");
}

void fillCombo(QComboBox* combo, const std::vector<std::string>& items, const std::string& chosen) {
    const QSignalBlocker block(combo);
    combo->clear();
    for (const std::string& item : items) combo->addItem(toQString(item));
    combo->setCurrentIndex(combo->findText(toQString(chosen)));
}

QWidget* range(QWidget* parent, QWidget* from, QWidget* to, const QString& unit) {
    auto* box = new QWidget(parent);
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    from->setParent(box);
    to->setParent(box);
    layout->addWidget(from);
    if (!unit.isEmpty()) layout->addWidget(new QLabel(unit, box));
    layout->addWidget(new QLabel(QStringLiteral("～"), box));
    layout->addWidget(to);
    if (!unit.isEmpty()) layout->addWidget(new QLabel(unit, box));
    layout->addStretch();
    return box;
}

}  // namespace

CDlgBunshoKenMeiboTyuushutu::CDlgBunshoKenMeiboTyuushutu(RegisterCriteriaForm& form, Prompt& prompt,
                                                         QWidget* parent)
    : QDialog(parent), m_form(form), m_prompt(prompt) {
    setWindowTitle(q(register_::texts::kCriteriaCaption));
    build();
    showForm();
    applyEnabling();
}

void CDlgBunshoKenMeiboTyuushutu::build() {
    using namespace register_::texts;
    const bool western = m_form.western();
    auto* grid = new QGridLayout;
    int line = 0;
    auto add = [&](QCheckBox* check, QWidget* fields) {
        fields->setAccessibleName(shownCaption(check->text()));
        grid->addWidget(check, line, 0);
        grid->addWidget(fields, line++, 1);
        connect(check, &QCheckBox::toggled, this, [this] {
            copyToForm();
            applyEnabling();
        });
    };

    m_byWord = new QCheckBox(checkCaption(kByWord, 'W'), this);
    m_word = new QLineEdit(this);
    Cp932ByteValidator::limit(m_word, kWordBytes);
    InputMethodSwitcher::attach(m_word, InputMethodSwitcher::Kind::japaneseText);
    add(m_byWord, m_word);

    m_byYear = new QCheckBox(checkCaption(m_form.yearCheckCaption(), 'Y'), this);
    m_yearFrom = new DayFields(western, DayFields::Parts::year, q("開始年"), this);
    m_yearTo = new DayFields(western, DayFields::Parts::year, q("終了年"), this);
    add(m_byYear, range(this, m_yearFrom, m_yearTo, q(m_form.yearUnit())));

    m_bySection = new QCheckBox(checkCaption(kBySection, 'G'), this);
    m_section = new QComboBox(this);
    add(m_bySection, m_section);
    m_bySubsection = new QCheckBox(checkCaption(kBySubsection, 'E'), this);
    m_subsection = new QComboBox(this);
    add(m_bySubsection, m_subsection);
    connect(m_section, &QComboBox::activated, this, [this] {
        m_form.setSection(toStdString(m_section->currentText()));
        fillCombo(m_subsection, m_form.subsectionNames(), m_form.subsection());
    });

    m_byNumber = new QCheckBox(checkCaption(kByNumber, 'N'), this);
    m_numberFrom = new QLineEdit(this);
    m_numberTo = new QLineEdit(this);
    for (QLineEdit* edit : {m_numberFrom, m_numberTo}) {
        edit->setMaxLength(kNumberCharacters);
        Cp932ByteValidator::limit(edit, kNumberCharacters);
        InputMethodSwitcher::attach(edit, InputMethodSwitcher::Kind::number);
    }
    m_numberFrom->setAccessibleName(q("受付番号 開始"));
    m_numberTo->setAccessibleName(q("受付番号 終了"));
    add(m_byNumber, range(this, m_numberFrom, m_numberTo, {}));

    m_byReceived = new QCheckBox(checkCaption(kByReceivedDate, 'U'), this);
    m_receivedFrom = new DayFields(western, DayFields::Parts::day, q("受付日 開始"), this);
    m_receivedTo = new DayFields(western, DayFields::Parts::day, q("受付日 終了"), this);
    add(m_byReceived, range(this, m_receivedFrom, m_receivedTo, {}));

    m_byCompleted = new QCheckBox(checkCaption(kByCompleted, 'C'), this);
    auto* radios = new QWidget(this);
    auto* radioBox = new QHBoxLayout(radios);
    radioBox->setContentsMargins(0, 0, 0, 0);
    m_completed = new QRadioButton(checkCaption(kCompleted, 'S'), radios);
    m_notCompleted = new QRadioButton(checkCaption(kNotCompleted, 'T'), radios);
    radioBox->addWidget(m_completed);
    radioBox->addWidget(m_notCompleted);
    radioBox->addStretch();
    add(m_byCompleted, radios);
    connect(m_notCompleted, &QRadioButton::toggled, this, [this](bool on) {
        copyToForm();
        m_form.setNotCompleted(on);
        const QSignalBlocker block(m_byCompletedDate);
        m_byCompletedDate->setChecked(m_form.byCompletedDate);
        applyEnabling();
    });

    m_byCompletedDate = new QCheckBox(checkCaption(kByCompletedDate, 'D'), this);
    m_completedFrom =
        new DayFields(western, DayFields::Parts::day, q("結了日 開始"), this, 1, 9999, 999);
    m_completedTo =
        new DayFields(western, DayFields::Parts::day, q("結了日 終了"), this, 1, 9999, 999);
    add(m_byCompletedDate, range(this, m_completedFrom, m_completedTo, {}));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    buttons->addButton(q(kCancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgBunshoKenMeiboTyuushutu::onOk);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
}

void CDlgBunshoKenMeiboTyuushutu::showForm() {
    const QSignalBlocker blockers[] = {
        QSignalBlocker(m_byWord),      QSignalBlocker(m_byYear),
        QSignalBlocker(m_bySection),   QSignalBlocker(m_bySubsection),
        QSignalBlocker(m_byNumber),    QSignalBlocker(m_byReceived),
        QSignalBlocker(m_byCompleted), QSignalBlocker(m_notCompleted),
        QSignalBlocker(m_completed),   QSignalBlocker(m_byCompletedDate)};
    m_byWord->setChecked(m_form.byWord);
    m_word->setText(toQString(m_form.word));
    m_byYear->setChecked(m_form.byYear);
    m_yearFrom->setYear(m_form.yearFrom);
    m_yearTo->setYear(m_form.yearTo);
    m_bySection->setChecked(m_form.bySection);
    fillCombo(m_section, m_form.sectionNames(), m_form.section());
    m_bySubsection->setChecked(m_form.bySubsection);
    fillCombo(m_subsection, m_form.subsectionNames(), m_form.subsection());
    m_byNumber->setChecked(m_form.byNumber);
    m_numberFrom->setText(toQString(m_form.numberFrom));
    m_numberTo->setText(toQString(m_form.numberTo));
    m_byReceived->setChecked(m_form.byReceivedDate);
    m_receivedFrom->setDay(m_form.receivedFrom);
    m_receivedTo->setDay(m_form.receivedTo);
    m_byCompleted->setChecked(m_form.byCompleted);
    m_completed->setChecked(!m_form.notCompleted);
    m_notCompleted->setChecked(m_form.notCompleted);
    m_byCompletedDate->setChecked(m_form.byCompletedDate);
    m_completedFrom->setDay(m_form.completedFrom);
    m_completedTo->setDay(m_form.completedTo);
}

void CDlgBunshoKenMeiboTyuushutu::applyEnabling() {
    m_word->setEnabled(m_form.byWord);
    m_yearFrom->parentWidget()->setEnabled(m_form.byYear);
    m_section->setEnabled(m_form.bySection);
    m_bySubsection->setEnabled(m_form.subsectionEnabled());
    m_subsection->setEnabled(m_form.subsectionEnabled() && m_form.bySubsection);
    m_numberFrom->parentWidget()->setEnabled(m_form.byNumber);
    m_receivedFrom->parentWidget()->setEnabled(m_form.byReceivedDate);
    m_completed->parentWidget()->setEnabled(m_form.completionRadiosEnabled());
    m_byCompletedDate->setEnabled(m_form.completedDateEnabled());
    m_completedFrom->parentWidget()->setEnabled(m_form.completedDateEnabled() &&
                                                m_form.byCompletedDate);
}

void CDlgBunshoKenMeiboTyuushutu::copyToForm() {
    m_form.byWord = m_byWord->isChecked();
    m_form.word = toStdString(m_word->text());
    m_form.byYear = m_byYear->isChecked();
    m_form.yearFrom = m_yearFrom->year();
    m_form.yearTo = m_yearTo->year();
    m_form.bySection = m_bySection->isChecked();
    m_form.bySubsection = m_bySubsection->isChecked();
    m_form.setSubsection(toStdString(m_subsection->currentText()));
    m_form.byNumber = m_byNumber->isChecked();
    m_form.numberFrom = toStdString(m_numberFrom->text());
    m_form.numberTo = toStdString(m_numberTo->text());
    m_form.byReceivedDate = m_byReceived->isChecked();
    m_form.receivedFrom = m_receivedFrom->day();
    m_form.receivedTo = m_receivedTo->day();
    m_form.byCompleted = m_byCompleted->isChecked();
    m_form.notCompleted = m_notCompleted->isChecked();
    m_form.byCompletedDate = m_byCompletedDate->isChecked();
    m_form.completedFrom = m_completedFrom->day();
    m_form.completedTo = m_completedTo->day();
}

void CDlgBunshoKenMeiboTyuushutu::onOk() {
    copyToForm();
    if (!m_form.isValid()) {
        m_prompt.showMessage(register_::texts::kCriteriaOutOfRange,
                             register_::texts::kConfirmCaption, MessageIcon::warning);
        return;
    }
    accept();
}

}  // namespace bunrako
