#pragma once

#include <string>

namespace bunrako {

enum class MessageIcon { information, warning, error, question };
enum class Buttons { ok, okCancel, yesNo, yesNoCancel, retryCancel };
enum class Answer { ok, cancel, yes, no, retry };

// How the core talks to the user: the desktop program shows message boxes,
// the command line writes to standard error, tests script the answers.
class Prompt {
  public:
    virtual ~Prompt() = default;

    virtual void showMessage(const std::string& text, const std::string& caption = {},
                             MessageIcon icon = MessageIcon::warning) = 0;
    virtual Answer ask(const std::string& text, const std::string& caption, Buttons buttons,
                       MessageIcon icon = MessageIcon::question) = 0;
    // A file that will not open: true to try again, false to give up.
    virtual bool retryOrGiveUp(const std::string& text) = 0;
};

}  // namespace bunrako
