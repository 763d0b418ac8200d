#pragma once

#include <deque>
#include <string>
#include <vector>

#include "common/prompt.h"

namespace bunrako::testing {

// Records every message and answers questions from a queue. With the queue
// empty, questions get cancel/no and retry offers are given up, so a test can
// never hang on a prompt.
class FakePrompt : public Prompt {
  public:
    struct Shown {
        std::string text;
        std::string caption;
        MessageIcon icon;
    };

    void showMessage(const std::string& text, const std::string& caption,
                     MessageIcon icon) override;
    Answer ask(const std::string& text, const std::string& caption, Buttons buttons,
               MessageIcon icon) override;
    bool retryOrGiveUp(const std::string& text) override;

    std::vector<Shown> messages;       // showMessage calls
    std::vector<std::string> asked;    // ask texts
    std::vector<std::string> retries;  // retryOrGiveUp texts
    std::deque<Answer> answers;
    std::deque<bool> retryAnswers;

    std::string lastMessage() const {
        return messages.empty() ? std::string() : messages.back().text;
    }
};

}  // namespace bunrako::testing
