#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "common/cp932.h"

namespace bunrako {

class ArchiveReader;
class Prompt;

// The approver table (決裁者区分): for the two approval types (0: 3決裁区分,
// 1: 4決裁区分) the approver name and decision symbol of each of four
// levels, and the type the draft dialog shows first. Kept in KessaiKubun.dat
// in the data folder: the tag "1.000", the type, then name and symbol of
// each type and level.
class KessaiKubunTable {
  public:
    static constexpr int kTypes = 2;
    static constexpr int kLevels = 4;
    // Names and symbols in the order of the file: per type and level, the
    // name, then the symbol.
    static constexpr int kItems = kTypes * kLevels * 2;

    // What the last Load read.
    struct LoadReport {
        bool opened = false;
        // The tag the file carried; none for a file of names alone.
        std::optional<std::string> version;
        // Whether kessaiShubetsu was read (or set to 0 for a file without
        // the current tag).
        bool typeRead = false;
        // Names and symbols read, in file order (kItems for a whole file).
        int itemsRead = 0;
        bool complete = false;
        // A tag of the version's shape that this program does not know (a
        // newer program's table): nothing was read.
        bool unknownVersion = false;
        // Bytes after the last item of a complete table.
        uint64_t trailingBytes = 0;
    };

    // The initial table: 町長, 副町長, 課長 (Ａ, Ｂ, Ｃ) and 町長, 副町長, 教育長,
    // 課長 (Ａ, Ｂ, Ｂ, Ｃ), type 0.
    KessaiKubunTable();

    // KessaiKubun.dat in the data folder (the program's folder when empty).
    static std::filesystem::path PathIn(const std::filesystem::path& dataFolder);

    // A file that will not open leaves the table as it is, without a
    // message; a damaged one is reported with the key of the item that
    // failed, and the items read before it stay. A first string shaped like
    // a tag ("1.001") that is not ours marks a newer version: nothing is
    // read and that is said. Another first string is the first name of a
    // table without tag (or, with seventeen strings, one to skip).
    LoadReport Load(Prompt& prompt, const std::filesystem::path& path);
    // Writes the whole table with the tag; a file that cannot be written is
    // reported, and a newer version's file is not written over (false).
    bool Save(Prompt& prompt, const std::filesystem::path& path) const;

    std::string name(int type, int level) const { return readFixedText(Kessaisha[type][level]); }
    std::string symbol(int type, int level) const {
        return readFixedText(Kessaikigou[type][level]);
    }
    // Cut to 20 (names) and 10 (symbols) bytes at a character boundary.
    bool setName(int type, int level, std::string_view utf8) {
        return writeFixedText(Kessaisha[type][level], utf8);
    }
    bool setSymbol(int type, int level, std::string_view utf8) {
        return writeFixedText(Kessaikigou[type][level], utf8);
    }

    int32_t kessaiShubetsu = 0;
    char Kessaisha[kTypes][kLevels][21] = {};
    char Kessaikigou[kTypes][kLevels][11] = {};

  private:
    void readItems(Prompt& prompt, ArchiveReader& reader, const std::string& pathText,
                   LoadReport& report);
};

}  // namespace bunrako
