#include "catalogue/ui/sakuinmokuroku_tyuushutu_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "catalogue/catalogue_criteria_form.h"
#include "catalogue/texts.h"
#include "common/prompt.h"
#include "common/ui/cp932_byte_validator.h"
#include "common/ui/field_label.h"
#include "office/ui/input_method_switcher.h"
#include "office/ui/qt_text.h"
#include "register/ui/day_fields.h"
#include "volumes/texts.h"

namespace bunrako {
namespace {

namespace ct = catalogue::texts;

constexpr int kNumberBytes = 6;
constexpr int kWordBytes = 160;
constexpr int kWesternLow = 1;
constexpr int kWesternHigh = 9999;
constexpr int kEraHigh = 999;

QString q(const char* utf8) { return QString::fromUtf8(utf8); }

QWidget* range(QWidget* parent, QWidget* from, QWidget* to) {
    auto* box = new QWidget(parent);
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    from->setParent(box);
    to->setParent(box);
    layout->addWidget(from);
    layout->addWidget(new QLabel(q(ct::kCriteriaFrom), box));
    layout->addWidget(to);
    layout->addWidget(new QLabel(q(ct::kCriteriaTo), box));
    layout->addStretch();
    return box;
}

QLineEdit* numberEdit(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    Cp932ByteValidator::limit(edit, kNumberBytes);
    InputMethodSwitcher::attach(edit, InputMethodSwitcher::Kind::number);
    edit->setAccessibleName(q(name));
    return edit;
}

}  // namespace

CDlgSakuinmokurokuTyuushutu::CDlgSakuinmokurokuTyuushutu(CatalogueCriteriaForm& form,
                                                         Prompt& prompt, QWidget* parent)
    : QDialog(parent), m_form(form), m_prompt(prompt) {
    setWindowTitle(q(ct::kCriteriaCaption));
    build();
    showForm();
    applyEnabling();
}

void CDlgSakuinmokurokuTyuushutu::build() {
    const bool western = m_form.western();
    auto* grid = new QGridLayout;
    int line = 0;
    const auto add = [&](QCheckBox* check, QWidget* fields) {
        fields->setAccessibleName(shownCaption(check->text()));
        grid->addWidget(check, line, 0);
        grid->addWidget(fields, line++, 1);
        connect(check, &QCheckBox::toggled, this, [this] {
            copyToForm();
            applyEnabling();
        });
    };
    const auto day = [&](const char* name) {
        return new DayFields(western, DayFields::Parts::day, q(name), this, kWesternLow,
                             kWesternHigh, kEraHigh);
    };

    m_byNumber = new QCheckBox(q(ct::kCriteriaByNumber), this);
    m_numberFrom = numberEdit(ct::kCriteriaNumberFrom, this);
    m_numberTo = numberEdit(ct::kCriteriaNumberTo, this);
    add(m_byNumber, range(this, m_numberFrom, m_numberTo));

    m_byDate = new QCheckBox(q(ct::kCriteriaByDate), this);
    m_dateFrom = day(ct::kCriteriaDateFrom);
    m_dateTo = day(ct::kCriteriaDateTo);
    add(m_byDate, range(this, m_dateFrom, m_dateTo));

    m_byWord = new QCheckBox(q(ct::kCriteriaByWord), this);
    m_word = new QLineEdit(this);
    m_word->setMinimumWidth(360);
    Cp932ByteValidator::limit(m_word, kWordBytes);
    InputMethodSwitcher::attach(m_word, InputMethodSwitcher::Kind::japaneseText);
    add(m_byWord, m_word);

    m_byCompletion = new QCheckBox(q(ct::kCriteriaByCompletion), this);
    auto* radios = new QWidget(this);
    auto* radioBox = new QHBoxLayout(radios);
    radioBox->setContentsMargins(0, 0, 0, 0);
    m_completed = new QRadioButton(q(ct::kCriteriaCompleted), radios);
    m_notCompleted = new QRadioButton(q(ct::kCriteriaNotCompleted), radios);
    radioBox->addWidget(m_completed);
    radioBox->addWidget(m_notCompleted);
    radioBox->addStretch();
    add(m_byCompletion, radios);
    connect(m_notCompleted, &QRadioButton::toggled, this, [this] {
        copyToForm();
        applyEnabling();
    });

    m_byCompletionDate = new QCheckBox(q(ct::kCriteriaByCompletionDate), this);
    m_completionFrom = day(ct::kCriteriaCompletionFrom);
    m_completionTo = day(ct::kCriteriaCompletionTo);
    add(m_byCompletionDate, range(this, m_completionFrom, m_completionTo));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(q(ct::kCriteriaOk), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    buttons->addButton(q(ct::kCriteriaCancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgSakuinmokurokuTyuushutu::onOk);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
}

void CDlgSakuinmokurokuTyuushutu::showForm() {
    const QSignalBlocker blockers[] = {
        QSignalBlocker(m_byNumber),        QSignalBlocker(m_byDate),
        QSignalBlocker(m_byWord),          QSignalBlocker(m_byCompletion),
        QSignalBlocker(m_notCompleted),    QSignalBlocker(m_completed),
        QSignalBlocker(m_byCompletionDate)};
    m_byNumber->setChecked(m_form.byNumber);
    m_numberFrom->setText(toQString(m_form.numberFrom));
    m_numberTo->setText(toQString(m_form.numberTo));
    m_byDate->setChecked(m_form.byDate);
    m_dateFrom->setDay(m_form.dateFrom);
    m_dateTo->setDay(m_form.dateTo);
    m_byWord->setChecked(m_form.byWord);
    m_word->setText(toQString(m_form.word));
    m_byCompletion->setChecked(m_form.byCompletion);
    m_completed->setChecked(!m_form.notCompleted);
    m_notCompleted->setChecked(m_form.notCompleted);
    m_byCompletionDate->setChecked(m_form.byCompletionDate);
    m_completionFrom->setDay(m_form.completionFrom);
    m_completionTo->setDay(m_form.completionTo);
}

void CDlgSakuinmokurokuTyuushutu::applyEnabling() {
    m_numberFrom->parentWidget()->setEnabled(m_form.byNumber);
    m_dateFrom->parentWidget()->setEnabled(m_form.byDate);
    m_word->setEnabled(m_form.byWord);
    m_completed->parentWidget()->setEnabled(m_form.completionRadiosEnabled());
    m_byCompletionDate->setEnabled(m_form.completionDateEnabled());
    m_completionFrom->parentWidget()->setEnabled(m_form.completionDateEnabled() &&
                                                 m_form.byCompletionDate);
}

void CDlgSakuinmokurokuTyuushutu::copyToForm() {
    m_form.byNumber = m_byNumber->isChecked();
    m_form.numberFrom = toStdString(m_numberFrom->text());
    m_form.numberTo = toStdString(m_numberTo->text());
    m_form.byDate = m_byDate->isChecked();
    m_form.dateFrom = m_dateFrom->day();
    m_form.dateTo = m_dateTo->day();
    m_form.byWord = m_byWord->isChecked();
    m_form.word = toStdString(m_word->text());
    m_form.byCompletion = m_byCompletion->isChecked();
    m_form.notCompleted = m_notCompleted->isChecked();
    m_form.byCompletionDate = m_byCompletionDate->isChecked();
    m_form.completionFrom = m_completionFrom->day();
    m_form.completionTo = m_completionTo->day();
}

void CDlgSakuinmokurokuTyuushutu::onOk() {
    copyToForm();
    if (!m_form.isValid()) {
        m_prompt.showMessage(volumes::texts::kInvalidInput, volumes::texts::kConfirmCaption,
                             MessageIcon::warning);
        return;
    }
    accept();
}

}  // namespace bunrako
