#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>

#include "register/name_list.h"

namespace bunrako {

class Clock;
class Prompt;

// The remembered senders (発信者) and receivers (受信者) of documents, 30
// slots each, kept together in HassinJusinList.dat in the data folder: for
// each slot index a sender slot, then a receiver slot.
class HassinJusinList {
  public:
    static constexpr size_t kSlots = 30;

    // What the last Load read.
    struct LoadReport {
        bool opened = false;
        // Slots read whole, per list.
        size_t hassinRead = 0;
        size_t jusinRead = 0;
        // Bytes after the last pair of a complete file: no slot claims them.
        uint64_t trailingBytes = 0;
        bool complete() const { return hassinRead == kSlots && jusinRead == kSlots; }
    };

    // Sets the path (the data folder, or the program's folder when it is
    // empty) and loads the file.
    HassinJusinList(Prompt& prompt, const Clock& clock, const std::filesystem::path& dataFolder);

    // Record one use of the name, re-order and save; false, with nothing
    // changed or saved, for an empty name.
    bool AddSender(std::string_view utf8Name);
    bool AddReceiver(std::string_view utf8Name);

    // A file that will not open is skipped without a message; a damaged one
    // is reported with the key of the item that failed.
    LoadReport Load();
    // The same for a file at any path, into the two given lists.
    static LoadReport LoadFile(Prompt& prompt, const std::filesystem::path& path, NameList& hassin,
                               NameList& jusin);
    // Writes all slots, used or not. A file that cannot be written is
    // skipped without a message (false).
    bool Save() const;

    const std::filesystem::path& path() const { return m_path; }

    NameList Hassin;
    NameList Jusin;

  private:
    Prompt& m_prompt;
    const Clock& m_clock;
    std::filesystem::path m_path;
};

}  // namespace bunrako
