#include "support/fake_prompt.h"

namespace bunrako::testing {

void FakePrompt::showMessage(const std::string& text, const std::string& caption,
                             MessageIcon icon) {
    messages.push_back({text, caption, icon});
}

Answer FakePrompt::ask(const std::string& text, const std::string&, Buttons buttons, MessageIcon) {
    asked.push_back(text);
    if (!answers.empty()) {
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    return buttons == Buttons::yesNo ? Answer::no : Answer::cancel;
}

bool FakePrompt::retryOrGiveUp(const std::string& text) {
    retries.push_back(text);
    if (retryAnswers.empty()) return false;
    const bool retry = retryAnswers.front();
    retryAnswers.pop_front();
    return retry;
}

}  // namespace bunrako::testing
