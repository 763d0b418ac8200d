#pragma once

#include <QObject>
#include <string>

#include "office/document_data.h"

namespace bunrako {

class Clock;
class Prompt;

// The one document of the program. It owns, for the whole run, the data
// folder, the settings of every section, the three master tables, the
// registers of the section in use and the extraction criteria of the tabs,
// and loads them all at construction and after every settings change or
// section switch.
class CBunrakoDoc : public QObject {
    Q_OBJECT
  public:
    // Finds the data folder through the pointer file of the program folder
    // and loads everything (LoadAll).
    CBunrakoDoc(Prompt& prompt, const Clock& clock, std::string programFolder,
                QObject* parent = nullptr);
    // The same through the places of the pointer file.
    CBunrakoDoc(Prompt& prompt, const Clock& clock, ProgramPlaces places,
                QObject* parent = nullptr);
    // The same for the running program.
    CBunrakoDoc(Prompt& prompt, const Clock& clock, QObject* parent = nullptr);

    DocumentData& data() { return m_data; }
    const DocumentData& data() const { return m_data; }
    const std::string& GetDataFolder() const { return m_data.m_strDataFolder; }

    // Reloads every file of the current section; the view then refills.
    void LoadAll();

  signals:
    // Every file of the section was loaded again.
    void loaded();

  private:
    Prompt& m_prompt;
    DocumentData m_data;
};

}  // namespace bunrako
