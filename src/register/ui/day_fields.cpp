#include "register/ui/day_fields.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QSpinBox>

#include "common/my_tool.h"
#include "office/ui/input_method_switcher.h"
#include "office/ui/qt_text.h"

namespace bunrako {
namespace {

// 0 in a spin box shows blank: a part not yet given.
void allowBlank(QSpinBox* box) { box->setSpecialValueText(QStringLiteral(" ")); }

}  // namespace

DayFields::DayFields(bool western, Parts parts, const QString& accessibleName, QWidget* parent,
                     int westernLow, int westernHigh, int eraHigh)
    : QWidget(parent), m_western(western) {
    const CMyTool tool;
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    m_era = new QComboBox(this);
    for (int era = 1; era <= tool.EraCount(); ++era) m_era->addItem(toQString(tool.EraName(era)));
    m_era->setCurrentIndex(-1);
    m_era->setAccessibleName(accessibleName + QStringLiteral(" 元号"));
    m_era->installEventFilter(this);
    m_eraYear = numberBox(0, eraHigh, accessibleName + QStringLiteral(" 年"));
    m_westernYear = numberBox(0, westernHigh, accessibleName + QStringLiteral(" 西暦年"));
    m_westernYear->setMinimum(westernLow > 1 ? westernLow - 1 : 0);
    m_westernYear->setSpecialValueText(QStringLiteral(" "));
    layout->addWidget(m_era);
    layout->addWidget(m_eraYear);
    layout->addWidget(m_westernYear);
    m_era->setVisible(!western);
    m_eraYear->setVisible(!western);
    m_westernYear->setVisible(western);
    if (parts == Parts::day) {
        layout->addWidget(new QLabel(QStringLiteral("年"), this));
        m_month = numberBox(0, 12, accessibleName + QStringLiteral(" 月"));
        layout->addWidget(m_month);
        layout->addWidget(new QLabel(QStringLiteral("月"), this));
        m_day = numberBox(0, 31, accessibleName + QStringLiteral(" 日"));
        layout->addWidget(m_day);
        layout->addWidget(new QLabel(QStringLiteral("日"), this));
    }
    setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    connect(m_era, &QComboBox::currentIndexChanged, this, &DayFields::changed);
    setFocusProxy(first());
}

QSpinBox* DayFields::numberBox(int low, int high, const QString& name) {
    auto* box = new QSpinBox(this);
    box->setRange(low, high);
    allowBlank(box);
    box->setAccessibleName(name);
    box->setButtonSymbols(QAbstractSpinBox::NoButtons);
    InputMethodSwitcher::attach(box, InputMethodSwitcher::Kind::number);
    connect(box, &QSpinBox::valueChanged, this, &DayFields::changed);
    return box;
}

QWidget* DayFields::first() const {
    if (m_western) return m_westernYear;
    return m_era;
}

void DayFields::setYear(const YearInput& year) {
    m_era->setCurrentIndex(year.era - 1);
    m_eraYear->setValue(year.eraYear);
    m_westernYear->setValue(year.year);
}

YearInput DayFields::year() const {
    YearInput year;
    year.western = m_western;
    year.era = m_era->currentIndex() + 1;
    year.eraYear = m_eraYear->value();
    year.year = m_westernYear->value() >= 1 && m_westernYear->value() > m_westernYear->minimum()
                    ? m_westernYear->value()
                    : 0;
    return year;
}

void DayFields::setDay(const DayInput& day) {
    setYear(day.year);
    if (m_month) m_month->setValue(day.month);
    if (m_day) m_day->setValue(day.day);
}

DayInput DayFields::day() const {
    DayInput day;
    day.year = year();
    day.month = m_month ? m_month->value() : 0;
    day.day = m_day ? m_day->value() : 0;
    return day;
}

bool DayFields::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_era && event->type() == QEvent::KeyPress) {
        const QString letter = static_cast<QKeyEvent*>(event)->text().toUpper();
        if (letter.size() == 1 && letter.at(0).isLetter()) {
            const CMyTool tool;
            for (int era = 1; era <= tool.EraCount(); ++era) {
                if (toQString(tool.EraInitial(era)).toUpper() == letter) {
                    m_era->setCurrentIndex(era - 1);
                    return true;
                }
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace bunrako
