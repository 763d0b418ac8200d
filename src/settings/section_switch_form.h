#pragma once

#include <optional>
#include <string>
#include <vector>

#include "settings/settei_koumoku_list.h"
#include "settings/shoki_settei_list.h"

namespace bunrako {

// The section switch: the sections that have settings, one line each
// ("code::section sub-section", sorted), and the record a line stands for.
class SectionSwitchForm {
  public:
    SectionSwitchForm(const CShokiSetteiList& settings, const CSetteiKoumokuList& department);

    const std::vector<std::string>& Lines() const { return m_lines; }
    // The line of the section in use, if it is listed.
    std::optional<size_t> CurrentLine() const { return m_currentLine; }
    // 切替 on a line: the record whose section code the line names.
    std::optional<CShokiSetteiData> RecordOf(size_t line) const;

  private:
    const CShokiSetteiList& m_settings;
    std::vector<std::string> m_lines;
    std::optional<size_t> m_currentLine;
};

}  // namespace bunrako
