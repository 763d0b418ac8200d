#pragma once

#include <string>
#include <vector>

#include "common/program_places.h"
#include "settings/shoki_settei_data.h"

namespace bunrako {

class Prompt;

// The settings of every section, the section in use first and the others in
// most-recently-used order, bound to the shared settings file. Records are
// told apart by m_strSectionCode. The current record is the section the
// program works for: element 0 after a load or a save, another record after
// a section switch.
class CShokiSetteiList {
  public:
    CShokiSetteiList() = default;
    // With a path: only binds the list to it. With an empty path: locates the
    // settings file through the pointer file of the program folder, loads it
    // and gives an empty list one default record.
    CShokiSetteiList(Prompt& prompt, const std::string& path, const std::string& programFolder);
    // The same through the places of the pointer file.
    CShokiSetteiList(Prompt& prompt, const std::string& path, const ProgramPlaces& places);
    // The same with the places of the running program.
    CShokiSetteiList(Prompt& prompt, const std::string& path);

    // Sets the settings path from the pointer file (true) or to the program
    // folder when the pointer file is missing or its first line empty.
    bool LocateSettingsFile(const std::string& programFolder);
    // The same through the places in their order; without a pointer file,
    // their folder of last resort.
    bool LocateSettingsFile(const ProgramPlaces& places);
    // Replaces the list with the file's records (every version) and reads
    // the current section's receipt number. 0 when the file would not open,
    // its first string could not be read or it is of a newer version.
    int LoadSettings(Prompt& prompt, const std::string& path);
    // True when the last load found no settings at all: the settings file
    // is missing or empty (a first start); the list is then empty.
    bool NoSettingsYet() const { return m_bNoSettingsYet; }
    // Writes the newest version holding every record; the current record
    // becomes element 0. 0 when the file would not open, or when it is a
    // newer program's file (told, and left as it is).
    int SaveSettings(Prompt& prompt, const std::string& path);
    // Stores the current section's receipt number in the receipt-number file
    // of its title register; a section without a pair gets one at the end.
    int SaveReceiptNo(Prompt& prompt);
    // Puts the record first: it replaces the record with the same section
    // code, which leaves its place, or is inserted. Nothing is saved.
    void MoveToFront(const CShokiSetteiData& chosen);

    CShokiSetteiData& Current() { return m_current; }
    const CShokiSetteiData& Current() const { return m_current; }
    void SetCurrent(const CShokiSetteiData& record) { m_current = record; }
    std::vector<CShokiSetteiData>& Records() { return m_list; }
    const std::vector<CShokiSetteiData>& Records() const { return m_list; }
    const std::string& SettingsPath() const { return m_strPath; }
    const std::string& ReceiptPath() const { return m_strReceiptPath; }
    // The version tag that is written.
    static const char* WrittenVersion();

  private:
    void LoadReceiptNo(Prompt& prompt);

    CShokiSetteiData m_current;
    std::vector<CShokiSetteiData> m_list;
    std::string m_strPath;
    std::string m_strReceiptPath;
    bool m_bNoSettingsYet = false;
};

}  // namespace bunrako
