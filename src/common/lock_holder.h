#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace bunrako {

// Who holds the write lock of a data file, as its lock file says: the
// computer, the user, the process and since when (local time text). The lock
// file is a few lines of UTF-8 "key=value" text; older programs never look
// at it.
struct LockHolder {
    std::string computer;
    std::string user;
    int64_t process = 0;
    std::string since;

    // This process, now.
    static LockHolder ofThisProcess();
    std::string text() const;
    // None when the text names no computer or no process (a lock file being
    // written, or not one of ours).
    static std::optional<LockHolder> parse(std::string_view text);
    // The same computer as this one (names compare without case, as Windows
    // computer names do).
    bool onThisComputer() const;
};

}  // namespace bunrako
