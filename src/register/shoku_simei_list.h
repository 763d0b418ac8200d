#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>

#include "register/name_list.h"

namespace bunrako {

class Clock;
class Prompt;

// The remembered posts (職) and person names (氏名) of drafters, 10 slots
// each, in ShokuList.dat and SimeiList.dat beside Kian.csv. Part of the
// draft data: loaded when the draft is given its folder, saved when the
// draft dialog ends with OK.
class ShokuSimeiList {
  public:
    static constexpr size_t kSlots = 10;

    // What reading one list file gave.
    struct FileReport {
        bool opened = false;
        size_t slotsRead = 0;
        // Bytes after the last slot of a complete list: no slot claims them.
        uint64_t trailingBytes = 0;
        bool complete() const { return slotsRead == kSlots; }
    };

    ShokuSimeiList(Prompt& prompt, const Clock& clock);

    // Sets the folder (the program's folder when empty) and loads both files.
    void SetFolder(const std::filesystem::path& folder);

    // Record a use and re-order, without saving; false for an empty name.
    bool AddShoku(std::string_view utf8Name);
    bool AddSimei(std::string_view utf8Name);
    bool SaveShoku() const;
    bool SaveSimei() const;

    std::filesystem::path shokuPath() const;
    std::filesystem::path simeiPath() const;

    // One list file: a file that will not open and a damaged one are
    // reported (the key names the list in the message), and the slots read
    // before the damage stay.
    static FileReport LoadFile(Prompt& prompt, const std::filesystem::path& path, const char* key,
                               NameList& list);
    static bool SaveFile(Prompt& prompt, const std::filesystem::path& path, const NameList& list);

    NameList ShokuList;
    NameList SimeiList;

  private:
    Prompt& m_prompt;
    const Clock& m_clock;
    std::filesystem::path m_folder;
};

}  // namespace bunrako
