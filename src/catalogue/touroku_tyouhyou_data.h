#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

namespace bunrako {

// One registered form or program (登録帳票) and how to run it. The file keeps
// its fields back to back without padding (597 bytes); in memory the run mode
// is aligned, so the file is written field by field.
#pragma pack(push, 4)
struct CTourokuTyouhyouData {
    enum RunMode : int32_t { runAndWait = 0, run = 1, open = 2, print = 3 };

    char title[81];  // タイトル: the key
    char file[256];  // ファイル
    char reserved337[3];
    int32_t runMode;   // 実行区分
    char option[256];  // オプション: arguments of modes 0 and 1

    // All zero, run mode print.
    static CTourokuTyouhyouData New();

    bool SameTitle(const CTourokuTyouhyouData& other) const;

    std::string titleText() const;
    std::string fileText() const;
    std::string optionText() const;
    // Setters cut at the field width, never inside a character.
    void setTitleText(std::string_view utf8);
    void setFileText(std::string_view utf8);
    void setOptionText(std::string_view utf8);
};
#pragma pack(pop)

static_assert(std::is_trivially_copyable_v<CTourokuTyouhyouData>);
static_assert(std::is_standard_layout_v<CTourokuTyouhyouData>);
static_assert(sizeof(CTourokuTyouhyouData) == 600);
static_assert(offsetof(CTourokuTyouhyouData, title) == 0);
static_assert(offsetof(CTourokuTyouhyouData, file) == 81);
static_assert(offsetof(CTourokuTyouhyouData, reserved337) == 337);
static_assert(offsetof(CTourokuTyouhyouData, runMode) == 340);
static_assert(offsetof(CTourokuTyouhyouData, option) == 344);

}  // namespace bunrako
