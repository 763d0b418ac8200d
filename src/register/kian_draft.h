#pragma once

#include <filesystem>
#include <string>

#include "catalogue/sakuin_mokuroku_header.h"
#include "catalogue/sakuin_mokuroku_list.h"
#include "register/kessai_kubun_table.h"
#include "register/kian_data.h"
#include "register/shoku_simei_list.h"
#include "settings/calendar_mode.h"
#include "settings/shoki_settei_data.h"

namespace bunrako {

class Clock;
class Prompt;
class Shell;

// The draft (起案文書) of one document: what the draft dialog needs and what
// its OK does. The values go into Kian.csv and KianWord.csv, the 一太郎 macro
// files into macro.txt and macro10.txt, all in the data folder; then the word
// processor makes the draft file from the draft form.
class KianDraft {
  public:
    // Loads the approver table and the post and name lists of the data folder
    // (the program's folder when it is empty).
    KianDraft(Prompt& prompt, Shell& shell, const Clock& clock, const CShokiSetteiData& settings,
              std::filesystem::path dataFolder, std::string draftPath,
              const CSakuinMokurokuList& entry, const CSakuinMokurokuHeader& header);

    KessaiKubunTable& approvers() { return m_approvers; }
    ShokuSimeiList& names() { return m_names; }
    bool western() const { return CalendarMode::IsWestern(m_settings.m_nCalendarMode); }

    // Saves the approver table to KessaiKubun.dat, as after the approver
    // settings dialog ends with OK.
    bool SaveApprovers() const;

    // What the dialog shows first: today, the stored approval type, class 0,
    // the most used post and name.
    KianInput InitialInput() const;

    // OK. Input that is not valid is told and changes nothing: false, the
    // dialog stays open. Otherwise the names are remembered, the four files
    // written, the word processor started and the approver table saved;
    // true even when the word processor step failed (it has said so).
    bool Accept(const KianInput& input);

    // The values the draft form merges for this input.
    KianData Data(const KianInput& input) const {
        return KianData::Make(input, m_entry, m_header, m_approvers, western());
    }

    // The file texts, for the writers and the tests.
    std::string KianCsvBytes(const KianData& data) const;
    std::string KianWordCsvBytes(const KianData& data) const;
    std::string MacroBytes(const KianInput& input, bool withMerge) const;

    // Paths in the data folder.
    std::filesystem::path DataFile(const char* name) const;

  private:
    void writeFile(const char* name, const std::string& bytes);
    // 1 when the draft was made or handed over; failures have been told.
    bool startWordProcessor(const KianInput& input);
    bool draftWithWord(const KianInput& input);
    // Outside Windows: the program's draft template filled for the office
    // suite, under the draft's name ending in ".fodt".
    bool draftWithOfficeSuite(const KianInput& input);

    Prompt& m_prompt;
    Shell& m_shell;
    const Clock& m_clock;
    CShokiSetteiData m_settings;
    std::filesystem::path m_dataFolder;
    std::string m_draftPath;
    CSakuinMokurokuList m_entry;
    CSakuinMokurokuHeader m_header;
    KessaiKubunTable m_approvers;
    ShokuSimeiList m_names;
};

}  // namespace bunrako
