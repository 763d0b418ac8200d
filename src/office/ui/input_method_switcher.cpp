#include "office/ui/input_method_switcher.h"

#include <QEvent>
#include <QGuiApplication>
#include <QInputMethod>
#include <QWidget>

namespace bunrako {
namespace {

constexpr Qt::InputMethodHints kLatinHints =
    Qt::ImhPreferLatin | Qt::ImhNoPredictiveText | Qt::ImhNoAutoUppercase;

}  // namespace

InputMethodSwitcher::InputMethodSwitcher(QWidget* field, Kind kind) : QObject(field), m_kind(kind) {
    field->installEventFilter(this);
    apply(field);
}

void InputMethodSwitcher::attach(QWidget* field, Kind kind) {
    if (field) new InputMethodSwitcher(field, kind);  // owned by the field
}

void InputMethodSwitcher::attachJapanese(std::initializer_list<QWidget*> fields) {
    for (QWidget* field : fields) attach(field, Kind::japaneseText);
}

void InputMethodSwitcher::attachCode(std::initializer_list<QWidget*> fields) {
    for (QWidget* field : fields) attach(field, Kind::code);
}

void InputMethodSwitcher::attachNumber(std::initializer_list<QWidget*> fields) {
    for (QWidget* field : fields) attach(field, Kind::number);
}

void InputMethodSwitcher::apply(QWidget* field) const {
    Qt::InputMethodHints hints =
        field->inputMethodHints() & ~(kLatinHints | Qt::ImhDigitsOnly | Qt::ImhPreferNumbers);
    switch (m_kind) {
        case Kind::japaneseText:
            field->setAttribute(Qt::WA_InputMethodEnabled, true);
            break;
        case Kind::code:
            field->setAttribute(Qt::WA_InputMethodEnabled, false);
            hints |= kLatinHints;
            break;
        case Kind::number:
            field->setAttribute(Qt::WA_InputMethodEnabled, false);
            hints |= kLatinHints | Qt::ImhPreferNumbers;
            break;
    }
    field->setInputMethodHints(hints);
}

bool InputMethodSwitcher::eventFilter(QObject* watched, QEvent* event) {
    auto* field = qobject_cast<QWidget*>(watched);
    if (!field) return false;
    if (event->type() == QEvent::FocusIn) {
        apply(field);
        QGuiApplication::inputMethod()->update(Qt::ImEnabled | Qt::ImHints);
    } else if (event->type() == QEvent::FocusOut && m_kind == Kind::japaneseText) {
        QGuiApplication::inputMethod()->commit();
    }
    return false;
}

}  // namespace bunrako
