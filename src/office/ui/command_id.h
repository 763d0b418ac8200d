#pragma once

namespace bunrako {

// The commands of the menus, toolbars, keys and mouse. The numbers are those
// the office's program has always used for them, so that status texts and
// any recorded macros keep their meaning.
enum class CommandId : int {
    // ---- Frame ----
    appAbout = 57664,
    appExit = 57665,
    viewToolBar = 59392,
    viewStatusBar = 59393,

    // ---- Settings and masters ----
    departmentMaster = 32771,      // 課室局等
    classificationMaster = 32772,  // 簿冊分類
    retentionMaster = 32773,       // 保存年限
    initialSettings = 32774,       // 初期設定
    switchSection = 32803,         // 課係切替
    bulkVolumeImport = 32775,      // 簿冊データ簡易登録

    // ---- Tools ----
    personalFolder = 32776,
    fileManager = 32779,
    wordProcessor = 32797,
    spreadsheet = 32798,
    fileSearch = 32800,
    registeredForms = 32801,

    // ---- 文書件名簿 (tab 0) ----
    registerExtract = 32789,
    registerAdd = 32783,
    registerChange = 32784,
    registerDelete = 32785,
    registerSelectAll = 32806,
    registerLink = 32786,
    registerDataDisposal = 32826,

    // ---- 文書整理一覧表 (tab 1) ----
    volumeExtract = 172,
    volumeAdd = 189,
    volumeChange = 190,
    volumeDelete = 191,
    volumeTitleOrder = 32842,
    volumeSelectAll = 32807,
    yearSwitch = 32777,
    volumeDisposal = 32778,
    retentionTypeChange = 32792,
    volumeLink = 32780,
    indexBatchPrint = 32781,
    volumeTitlePrint = 32782,
    volumeDataDisposal = 32829,

    // ---- 永年簿冊台帳 (tab 2) ----
    permanentExtract = 164,
    permanentSelectAll = 32815,
    permanentLink = 32813,

    // ---- 廃棄簿冊名一覧表 (tab 3) ----
    disposedExtract = 176,
    disposedSelectAll = 32819,
    disposedLink = 32824,
    disposedDataDisposal = 32832,

    // ---- 保存年限変更書 (tab 4) ----
    changeFormExtract = 175,
    changeFormSelectAll = 32810,
    changeFormLink = 32804,
    changeFormDataDisposal = 32835,

    // ---- 索引目録 (tab 5) ----
    indexExtract = 173,
    indexAdd = 32793,
    indexChange = 32794,
    indexDelete = 32795,
    indexLink = 32796,

    // ---- 関連ファイル (tab 6) ----
    relatedAdd = 32837,
    relatedChange = 32838,
    relatedDelete = 32839,
};

// A menu or toolbar separator in the command lists.
inline constexpr CommandId kSeparator = static_cast<CommandId>(0);

}  // namespace bunrako
