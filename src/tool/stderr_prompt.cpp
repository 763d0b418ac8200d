#include "tool/stderr_prompt.h"

#include <ostream>

namespace bunrako::cli {
namespace {

// Message texts carry line breaks for the message box ("path\nreason"); one
// message stays one line here, so each run of breaks becomes one space.
std::string oneLine(const std::string& text) {
    std::string line;
    bool inBreak = false;
    for (const char c : text) {
        const bool isBreak = c == '\n' || c == '\r';
        if (isBreak && !inBreak) line += ' ';
        if (!isBreak) line += c;
        inBreak = isBreak;
    }
    return line;
}

}  // namespace

void StderrPrompt::writeLine(const std::string& text) { m_err << oneLine(text) << '\n'; }

void StderrPrompt::showMessage(const std::string& text, const std::string&, MessageIcon) {
    writeLine(text);
}

Answer StderrPrompt::ask(const std::string& text, const std::string&, Buttons buttons,
                         MessageIcon) {
    // The question is still written, so that a log shows what was declined.
    writeLine(text);
    switch (buttons) {
        case Buttons::ok:
            return Answer::ok;
        case Buttons::yesNo:
            return Answer::no;
        case Buttons::okCancel:
        case Buttons::yesNoCancel:
        case Buttons::retryCancel:
            return Answer::cancel;
    }
    return Answer::cancel;
}

bool StderrPrompt::retryOrGiveUp(const std::string& text) {
    writeLine(text);
    return false;
}

}  // namespace bunrako::cli
