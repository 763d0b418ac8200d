#include "office/ui/qt_prompt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

#include "office/ui/qt_text.h"
#include "office/ui/texts.h"

namespace bunrako {
namespace {

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::information:
            return QMessageBox::Information;
        case MessageIcon::warning:
            return QMessageBox::Warning;
        case MessageIcon::error:
            return QMessageBox::Critical;
        case MessageIcon::question:
            return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

struct ButtonSet {
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton escape;
};

ButtonSet buttonSet(Buttons buttons) {
    switch (buttons) {
        case Buttons::ok:
            return {QMessageBox::Ok, QMessageBox::Ok};
        case Buttons::okCancel:
            return {QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel};
        case Buttons::yesNo:
            return {QMessageBox::Yes | QMessageBox::No, QMessageBox::No};
        case Buttons::yesNoCancel:
            return {QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel};
        case Buttons::retryCancel:
            return {QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Cancel};
    }
    return {QMessageBox::Ok, QMessageBox::Ok};
}

Answer answerOf(int button) {
    switch (button) {
        case QMessageBox::Ok:
            return Answer::ok;
        case QMessageBox::Yes:
            return Answer::yes;
        case QMessageBox::No:
            return Answer::no;
        case QMessageBox::Retry:
            return Answer::retry;
        default:
            return Answer::cancel;
    }
}

// Qt's own button texts are English unless its translations are installed.
void labelButtons(QMessageBox& box) {
    const struct {
        QMessageBox::StandardButton button;
        const char* text;
    } labels[] = {{QMessageBox::Ok, office::ui::texts::kButtonOk},
                  {QMessageBox::Cancel, office::ui::texts::kButtonCancel},
                  {QMessageBox::Yes, office::ui::texts::kButtonYes},
                  {QMessageBox::No, office::ui::texts::kButtonNo},
                  {QMessageBox::Retry, office::ui::texts::kButtonRetry}};
    for (const auto& label : labels) {
        if (QAbstractButton* button = box.button(label.button)) {
            button->setText(QString::fromUtf8(label.text));
        }
    }
}

}  // namespace

void QtPrompt::showMessage(const std::string& text, const std::string& caption, MessageIcon icon) {
    run(text, caption, Buttons::ok, icon);
}

Answer QtPrompt::ask(const std::string& text, const std::string& caption, Buttons buttons,
                     MessageIcon icon) {
    return run(text, caption, buttons, icon);
}

bool QtPrompt::retryOrGiveUp(const std::string& text) {
    return run(text, {}, Buttons::retryCancel, MessageIcon::warning) == Answer::retry;
}

Answer QtPrompt::run(const std::string& text, const std::string& caption, Buttons buttons,
                     MessageIcon icon) {
    const ButtonSet set = buttonSet(buttons);
    QMessageBox box(boxIcon(icon),
                    caption.empty() ? QString::fromUtf8(office::ui::texts::kApplicationName)
                                    : toQString(caption),
                    toQString(text), set.buttons, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setEscapeButton(set.escape);
    labelButtons(box);
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    return clicked ? answerOf(box.standardButton(clicked)) : answerOf(set.escape);
}

}  // namespace bunrako
