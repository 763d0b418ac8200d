#pragma once

#include <string>
#include <vector>

#include "settings/settei_koumoku_list.h"
#include "settings/shoki_settei_list.h"

namespace bunrako {

class Prompt;

// The files and programs the settings dialog lets the user browse for.
enum class SettingsBrowse {
    volumeFile,
    retentionChangeFile,
    disposedFile,
    registerFile,
    wordProcessorExe,
    volumeTitleForm,
    indexForm,
    indexBatchForm,
    draftForm,
    spreadsheetExe,
    linkRegister,
    linkVolume,
    linkIndex,
    linkRetention,
    linkPermanent,
    linkDisposed,
    fileManagerExe,
};

// The settings dialog: a working copy of every section's settings, the
// department master the section and sub-section come from, and the working
// record that the six pages edit.
class ShokiSetteiForm {
  public:
    // What keeps OK from confirming.
    enum class Missing { none, section, subsection, code };

    ShokiSetteiForm(const CShokiSetteiList& settings, const CSetteiKoumokuList& department);

    // The sections (level-1 items of the department master, in master
    // order) and the sub-sections of the chosen section.
    std::vector<std::string> Sections() const;
    std::vector<std::string> Subsections() const;
    // The chosen names ("" when none is chosen).
    const std::string& Section() const { return m_section; }
    const std::string& Subsection() const { return m_subsection; }

    // Another section: its sub-sections are offered, none chosen.
    void ChooseSection(const std::string& name);
    // Another sub-section (or the combo left): when the pair differs from
    // the working record's, the record becomes that section's settings, or
    // the defaults when it has none. True when the record was replaced.
    bool ChooseSubsection(const std::string& name);

    // The record the pages edit.
    CShokiSetteiData& Record() { return m_record; }
    const CShokiSetteiData& Record() const { return m_record; }

    // Whether the fields behind a page's "use" check box take input.
    bool WordProcessorFieldsEnabled() const { return m_record.m_bUseWordProcessor != 0; }
    bool SpreadsheetFieldsEnabled() const { return m_record.m_bUseSpreadsheet != 0; }
    bool FileManagerFieldsEnabled() const { return m_record.m_bUseFileManager != 0; }
    bool PersonalFolderFieldsEnabled() const { return m_record.m_bUsePersonalFolder != 0; }

    // The file-dialog filter (stored form) and default extension of a browse
    // button; the link files take the spreadsheet extension as typed now.
    std::string BrowseFilter(SettingsBrowse target) const;
    std::string BrowseExtension(SettingsBrowse target) const;
    // The field a browse button fills.
    std::string& BrowseField(SettingsBrowse target);

    // OK: names and code into the record, then the record first in the
    // working list. Nothing changes while something is missing.
    Missing Confirm();
    // The line the dialog shows for what is missing ("" for none).
    static std::string MissingText(Missing missing);

    // The working list: after Confirm the confirmed record is first.
    const CShokiSetteiList& Settings() const { return m_settings; }

  private:
    CShokiSetteiList m_settings;
    const CSetteiKoumokuList& m_department;
    CShokiSetteiData m_record;
    std::string m_section;
    std::string m_subsection;
};

// Saves confirmed settings as the settings of the office: the settings file,
// then the receipt number of the section first in it. The settings in use
// change only when the file was written; otherwise they and the file stay
// as they were and false is returned (the prompt has told why).
bool SaveConfirmedSettings(Prompt& prompt, CShokiSetteiList& settings,
                           const CShokiSetteiList& confirmed);

}  // namespace bunrako
