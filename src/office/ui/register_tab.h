#pragma once

#include <span>

#include "office/ui/command_id.h"
#include "settings/list_column.h"

namespace bunrako {

// The seven register tabs of the main view, in their order on screen. The
// index is also what the frame gets to swap its register menu and toolbar.
enum class RegisterTab : int {
    titleRegister = 0,    // 文書件名簿
    volumes = 1,          // 文書整理一覧表
    permanent = 2,        // 永年簿冊台帳
    disposed = 3,         // 廃棄簿冊名一覧表
    retentionChange = 4,  // 保存年限変更書
    indexCatalogue = 5,   // 索引目録
    relatedFiles = 6,     // 関連ファイル
};

inline constexpr int kRegisterTabCount = 7;

inline constexpr int tabIndex(RegisterTab tab) { return static_cast<int>(tab); }

// What the view and the frame know about one register tab.
struct RegisterTabInfo {
    RegisterTab tab;
    const char* tabCaption;   // the tab and the window title
    const char* menuCaption;  // the register menu in the menu bar
    std::span<const ListColumn> columns;
    // The register menu and toolbar, in order; kSeparator between groups.
    std::span<const CommandId> commands;
    // Commands that need at least one selected row of this list.
    std::span<const CommandId> needSelection;
    bool multiSelection;
    CommandId selectAll;  // kSeparator: none
    CommandId keyF;       // the command of key F in the list (kSeparator: none)
    CommandId keyT;       // the command of key T in the list
    char tabBarKey;       // the key that the tab bar passes on: 'F' or 'T'
};

// The tab's facts; tab must be one of the seven.
const RegisterTabInfo& registerTabInfo(RegisterTab tab);
const RegisterTabInfo& registerTabInfo(int tab);

}  // namespace bunrako
