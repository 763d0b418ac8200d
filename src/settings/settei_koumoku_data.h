#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace bunrako {

// One item of the department, volume-classification and retention masters:
// a 10-digit hierarchical code, a name and a second value, each a
// NUL-terminated CP932 text in a fixed field. 93 bytes, no padding.
//
// Code: digits 0-2 the level-1 number, 3-5 the level-2 number, 6-9 the
// level-3 number. "0000000000" is the root; "xxx0000000" is a level-1 item,
// "xxxyyy0000" a level-2 item, anything else a level-3 item.
#pragma pack(push, 4)
struct CSetteiKoumokuData {
    static constexpr size_t kCodeLength = 10;
    static constexpr size_t kNameBytes = 40;

    char code[11] = {};
    char name[41] = {};
    char subName[41] = {};

    CSetteiKoumokuData() = default;
    CSetteiKoumokuData(std::string_view itemCode, std::string_view itemName,
                       std::string_view itemSubName);

    // The code as text (ASCII digits).
    std::string Code() const;
    // The name and the second value as UTF-8.
    std::string Name() const;
    std::string SubName() const;
    // Each setter returns false when the text had to be cut to its field.
    bool SetCode(std::string_view itemCode);
    bool SetName(std::string_view utf8);
    bool SetSubName(std::string_view utf8);

    // 1, 2 or 3 as told by the code's zeros; 0 for the root.
    int Level() const;
};
#pragma pack(pop)

static_assert(sizeof(CSetteiKoumokuData) == 93);
static_assert(offsetof(CSetteiKoumokuData, code) == 0);
static_assert(offsetof(CSetteiKoumokuData, name) == 11);
static_assert(offsetof(CSetteiKoumokuData, subName) == 52);

// The code-scheme rules, on code texts.
inline constexpr const char* kRootCode = "0000000000";
int ItemLevel(std::string_view code);
// True when child is a direct child of parent (the root's children are the
// level-1 items).
bool IsChildCode(std::string_view parent, std::string_view child);
// The code of the level-1 or level-2 item above a code ("" for level 1).
std::string ParentCode(std::string_view code);

}  // namespace bunrako
