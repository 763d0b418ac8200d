#include "volumes/ui/year_input_edit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "volumes/ui/era_combo_box.h"
#include "volumes/ui/texts.h"

namespace bunrako {
namespace {

namespace uitexts = volumes::ui::texts;

int numberOf(const QLineEdit* edit) { return edit->text().toInt(); }

QString textOf(int number) { return number > 0 ? QString::number(number) : QString(); }

}  // namespace

YearInputEdit::YearInputEdit(Kind kind, bool western, const QString& name, QWidget* parent)
    : QWidget(parent), m_western(western) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    m_era = new EraComboBox(this);
    m_era->setAccessibleName(name + QString::fromUtf8(uitexts::kEraPart));
    m_eraYear = numberEdit(3, name + QString::fromUtf8(uitexts::kEraYearPart));
    m_westernYear = numberEdit(4, name + QString::fromUtf8(uitexts::kWesternYearPart));
    layout->addWidget(m_era);
    layout->addWidget(m_eraYear);
    layout->addWidget(m_westernYear);
    const bool withMonth = kind == Kind::yearMonth;
    layout->addWidget(new QLabel(
        QString::fromUtf8(withMonth ? uitexts::kYearSuffix : uitexts::kFiscalYearSuffix), this));
    if (withMonth) {
        m_month = numberEdit(2, name + QString::fromUtf8(uitexts::kMonthPart));
        layout->addWidget(m_month);
        layout->addWidget(new QLabel(QString::fromUtf8(uitexts::kMonthSuffix), this));
    }
    layout->addStretch(1);

    m_era->setVisible(!western);
    m_eraYear->setVisible(!western);
    m_westernYear->setVisible(western);
    setFocusProxy(western ? static_cast<QWidget*>(m_westernYear) : m_era);
}

QLineEdit* YearInputEdit::numberEdit(int digits, const QString& name) {
    auto* edit = new QLineEdit(this);
    edit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(digits)), edit));
    edit->setMaxLength(digits);
    edit->setAccessibleName(name);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * (digits + 1) +
                        12);
    return edit;
}

YearInput YearInputEdit::year() const {
    YearInput input;
    input.western = m_western;
    if (m_western) {
        input.year = numberOf(m_westernYear);
    } else {
        input.era = m_era->era();
        input.eraYear = numberOf(m_eraYear);
    }
    return input;
}

void YearInputEdit::setYear(const YearInput& input) {
    m_era->setEra(input.era);
    m_eraYear->setText(textOf(input.eraYear));
    m_westernYear->setText(textOf(input.year));
}

YearMonthInput YearInputEdit::yearMonth() const {
    return {year(), m_month ? numberOf(m_month) : 0};
}

void YearInputEdit::setYearMonth(const YearMonthInput& input) {
    setYear(input.year);
    if (m_month) m_month->setText(textOf(input.month));
}

}  // namespace bunrako
