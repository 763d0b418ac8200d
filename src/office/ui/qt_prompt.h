#pragma once

#include "common/prompt.h"

class QWidget;

namespace bunrako {

// The desktop program's prompt: a message box over the active window. Texts
// are shown as plain text, never as markup.
class QtPrompt : public Prompt {
  public:
    void showMessage(const std::string& text, const std::string& caption,
                     MessageIcon icon) override;
    Answer ask(const std::string& text, const std::string& caption, Buttons buttons,
               MessageIcon icon) override;
    bool retryOrGiveUp(const std::string& text) override;

  private:
    Answer run(const std::string& text, const std::string& caption, Buttons buttons,
               MessageIcon icon);
};

}  // namespace bunrako
