#pragma once

#include <string>

#include "app/settei_koumoku_list.h"
#include "app/shoki_settei_list.h"

namespace bunrako {

class Prompt;

// What the document owns for the whole run and loads at start-up and after
// every settings change or section switch: the data folder, the settings of
// every section and the three setting-item masters. The registers join here
// as they are built, each with its line in LoadAll.
class DocumentData {
  public:
    // Locates and loads the settings through the program folder's pointer
    // file, then loads everything else (LoadAll).
    DocumentData(Prompt& prompt, std::string programFolder);
    // The same for the running program.
    explicit DocumentData(Prompt& prompt);

    // (Re)loads every file of the current section, in order. Files that
    // cannot be read are told through the prompt; loading goes on with
    // whatever could be read.
    void LoadAll(Prompt& prompt);

    const std::string& ProgramFolder() const { return m_programFolder; }

    std::string m_strDataFolder;
    CShokiSetteiList m_settings;
    CSetteiKoumokuList m_department;      // 課室局等, Kamei.dat
    CSetteiKoumokuList m_classification;  // 簿冊分類, BosatuBunrui.dat
    CSetteiKoumokuList m_retention;       // 保存年限, HozonNengen.dat

  private:
    std::string m_programFolder;
};

}  // namespace bunrako
