#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QString>
#include <QWidget>

namespace bunrako::testing {

// Types text into a widget as a keyboard with an input method would hand it
// over: one key event per character, carrying the character (QTest's own
// typing knows only ASCII).
inline void typeText(QWidget* widget, const QString& text) {
    for (const QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QApplication::sendEvent(widget, &release);
    }
}

// The widget that Tab moves to from this one.
inline QWidget* nextByTab(QWidget* widget) {
    QWidget* next = widget->nextInFocusChain();
    while (next != widget && (!(next->focusPolicy() & Qt::TabFocus) || !next->isVisible() ||
                              !next->isEnabled() || next->focusProxy())) {
        next = next->nextInFocusChain();
    }
    return next;
}

}  // namespace bunrako::testing
