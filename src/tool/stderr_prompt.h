#pragma once

#include <iosfwd>
#include <string>

#include "common/prompt.h"

namespace bunrako::cli {

// The prompt of bunrako-tool: every message is one line on the error stream,
// and nothing ever waits for an answer. Questions take the answer that
// changes nothing (no, cancel); a file that will not open is given up.
class StderrPrompt : public Prompt {
  public:
    explicit StderrPrompt(std::ostream& err) : m_err(err) {}

    void showMessage(const std::string& text, const std::string& caption = {},
                     MessageIcon icon = MessageIcon::warning) override;
    Answer ask(const std::string& text, const std::string& caption, Buttons buttons,
               MessageIcon icon = MessageIcon::question) override;
    bool retryOrGiveUp(const std::string& text) override;

  private:
    void writeLine(const std::string& text);

    std::ostream& m_err;
};

}  // namespace bunrako::cli
