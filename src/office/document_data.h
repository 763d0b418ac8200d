#pragma once

#include <memory>
#include <string>

#include "catalogue/kanren_file.h"
#include "catalogue/sakuin_mokuroku_filter.h"
#include "common/program_places.h"
#include "register/bunsho_ken_meibo_list.h"
#include "register/register_criteria.h"
#include "settings/calendar_mode.h"
#include "settings/settei_koumoku_list.h"
#include "settings/shoki_settei_list.h"
#include "volumes/bosatu_tyuushutu_jouken.h"
#include "volumes/doc_master_list.h"
#include "volumes/hozon_nengen_henkousho_list.h"
#include "volumes/hozon_nengen_henkousho_tyuushutu_jouken.h"

namespace bunrako {

class Clock;
class Prompt;

// What the document owns for the whole run and loads at start-up and after
// every settings change or section switch: the data folder, the settings of
// every section, the three setting-item masters, the registers of the
// section in use and the extraction criteria of the tabs.
class DocumentData {
  public:
    // Locates and loads the settings through the program folder's pointer
    // file, then loads everything else (LoadAll).
    DocumentData(Prompt& prompt, const Clock& clock, std::string programFolder);
    // The same through the places of the pointer file.
    DocumentData(Prompt& prompt, const Clock& clock, ProgramPlaces places);
    // The same for the running program.
    DocumentData(Prompt& prompt, const Clock& clock);

    // (Re)loads every file of the current section, in order. Files that
    // cannot be read are told through the prompt; loading goes on with
    // whatever could be read.
    void LoadAll(Prompt& prompt);

    const std::string& ProgramFolder() const { return m_places.programFolder; }
    // The folder for the program's own small files (the remembered import
    // path, ...): the program folder where it can be written, otherwise the
    // user's folder (an installed program's folder cannot be written).
    std::string OwnFilesFolder() const { return m_places.FolderOfLastResort(); }
    Prompt& prompt() const { return *m_prompt; }
    const Clock& clock() const { return m_clock; }

    // The registers of the section in use, bound to the files its settings
    // name (a bare name is relative to the current folder).
    CDocMasterList& volumes() { return *m_volumes; }
    CDocMasterList& disposedVolumes() { return *m_disposed; }
    CHozonNengenHenkoushoList& changeForms() { return *m_changeForms; }
    CBunshoKenMeiboList& titleRegister() { return *m_register; }
    // The related-file list, pointed at the chosen document's file whenever
    // the related-file tab is filled.
    CKanrenFile& relatedFiles() { return m_relatedFiles; }
    // The register file of the section; empty when the section keeps none
    // or the office has no settings yet.
    const std::string& titleRegisterFile() const;
    // False on an office without settings yet: its register files are not
    // read (the defaults of an empty record name files in whatever folder
    // the program started in, and reading would create them there).
    bool HasSettings() const { return !m_settings.NoSettingsYet(); }

    // How the lists and captions show dates: the calendar mode and the
    // management period of the section in use, as of the last load.
    CalendarMode calendar() const { return m_calendar; }

    std::string m_strDataFolder;
    CShokiSetteiList m_settings;
    CSetteiKoumokuList m_department;      // 課室局等, Kamei.dat
    CSetteiKoumokuList m_classification;  // 簿冊分類, BosatuBunrui.dat
    CSetteiKoumokuList m_retention;       // 保存年限, HozonNengen.dat

    // The extraction criteria of the tabs, kept for the whole run and
    // changed only by the extraction dialogs; every load gives them the
    // section in use.
    CBosatuTyuushutuJouken m_volumeCriteria;     // 文書整理一覧表
    CBosatuTyuushutuJouken m_permanentCriteria;  // 永年簿冊台帳
    CBosatuTyuushutuJouken m_disposedCriteria;   // 廃棄簿冊名一覧表
    CHozonNengenHenkoushoTyuushutuJouken m_changeFormCriteria;
    RegisterCriteria m_registerCriteria;        // 文書件名簿
    CSakuinMokurokuFilter m_catalogueCriteria;  // 索引目録

  private:
    void handOverSection();

    Prompt* m_prompt;
    const Clock& m_clock;
    ProgramPlaces m_places;
    std::unique_ptr<CDocMasterList> m_volumes;
    std::unique_ptr<CDocMasterList> m_disposed;
    std::unique_ptr<CBunshoKenMeiboList> m_register;
    std::unique_ptr<CHozonNengenHenkoushoList> m_changeForms;
    CKanrenFile m_relatedFiles;
    CalendarMode m_calendar;
};

}  // namespace bunrako
