#pragma once

#include "office/ui/command_id.h"

// Every text the desktop program's frame and main view show, in one place.
namespace bunrako::office::ui::texts {

// ---- Program and settings store ---------------------------------------------
inline constexpr const char* kApplicationName = "Bunrako";
inline constexpr const char* kApplicationTitle = "文書管理システム";
inline constexpr const char* kOrganisation = "Kosumiyado";
// The name of the desktop entry and of the icon in the desktop's icon theme.
inline constexpr const char* kDesktopId = "jp.kosumiyado.bunrako";
inline constexpr const char* kWindowPlacementKey = "Settings/WindowPos";
// The window title: the tab caption, then the program.
inline constexpr const char* kWindowTitle = "%1 - Bunrako";

// ---- Menus of the frame -----------------------------------------------------
inline constexpr const char* kMenuFile = "ファイル(&F)";
inline constexpr const char* kMenuView = "表示(&V)";
inline constexpr const char* kMenuSettings = "設定(&S)";
inline constexpr const char* kMenuTools = "ツール(&T)";
inline constexpr const char* kMenuHelp = "ヘルプ(&H)";
inline constexpr const char* kStandardToolBar = "標準";

// ---- Tabs, register menus and list captions ---------------------------------
inline constexpr const char* kTabTitleRegister = "文書件名簿";
inline constexpr const char* kTabVolumes = "文書整理一覧表";
inline constexpr const char* kTabPermanent = "永年簿冊台帳";
inline constexpr const char* kTabDisposed = "廃棄簿冊名一覧表";
inline constexpr const char* kTabRetentionChange = "保存年限変更書";
inline constexpr const char* kTabIndexCatalogue = "索引目録";
inline constexpr const char* kTabRelatedFiles = "関連ファイル";

// What assistive tools call the line that shows the current tab's caption.
inline constexpr const char* kCaptionLineName = "一覧の表題";

// The register menus carry shorter names for two registers.
inline constexpr const char* kMenuPermanent = "永年簿冊";
inline constexpr const char* kMenuDisposed = "廃棄簿冊";

// ---- Messages of the view -----------------------------------------------------
inline constexpr const char* kSelectVolumeFirst = "文書整理一覧表で簿冊を選択して下さい";
inline constexpr const char* kSelectDocumentFirst = "索引目録又は文書件名簿で文書を選択して下さい";
inline constexpr const char* kNotYetAvailable = "この機能はまだ使用できません。";

// ---- Status bar -------------------------------------------------------------------
inline constexpr const char* kReady = "レディ";
// Rows of the list on screen and how many of them are selected.
inline constexpr const char* kRowCount = "%1件中 %2件選択";

// ---- About box -------------------------------------------------------------------
inline constexpr const char* kAboutCaption = "バージョン情報";
inline constexpr const char* kAboutVersion = "文書管理システム Bunrako バージョン %1";
inline constexpr const char* kAboutOs = "現在の使用OS:";

// ---- Start without a screen -------------------------------------------------------
inline constexpr const char* kNoDisplay =
    "bunrako: 画面（ディスプレイ）が見つかりません。\n"
    "デスクトップ環境で起動するか、画面のない環境では次のように起動してください:\n"
    "  xvfb-run -a %s\n"
    "No display was found. Start Bunrako from a desktop session, or without a screen as:\n"
    "  xvfb-run -a %s\n";

// ---- Message boxes -------------------------------------------------------------------
inline constexpr const char* kButtonOk = "OK";
inline constexpr const char* kButtonCancel = "キャンセル";
inline constexpr const char* kButtonYes = "はい(&Y)";
inline constexpr const char* kButtonNo = "いいえ(&N)";
inline constexpr const char* kButtonRetry = "再試行(&R)";

// ---- File dialogs -------------------------------------------------------------------
inline constexpr const char* kChooseFolder = "フォルダの選択";

// ---- Commands -----------------------------------------------------------------------
// Each command's caption, its status-bar text, its tool tip and the character
// its generated toolbar icon shows.
struct CommandText {
    CommandId id;
    const char* caption;
    const char* status;
    const char* toolTip;
    const char* glyph;
};

inline constexpr CommandText kCommandTexts[] = {
    // Frame
    {CommandId::appAbout, "バージョン情報(&A)...", "プログラム情報、バージョン、使用OSを表示します",
     "バージョン情報", "?"},
    {CommandId::appExit, "アプリケーションの終了(&X)", "アプリケーションを終了します", "終了",
     "終"},
    {CommandId::viewToolBar, "ツール バー(&T)", "ツール バーの表示/非表示を切り替えます",
     "ツール バーの表示/非表示", "ツ"},
    {CommandId::viewStatusBar, "ステータス バー(&S)", "ステータス バーの表示/非表示を切り替えます",
     "ステータス バーの表示/非表示", "ス"},
    // Settings and masters
    {CommandId::departmentMaster, "課室局等", "課室局等の設定項目を編集します", "課室局等", "課"},
    {CommandId::classificationMaster, "簿冊分類", "簿冊分類の設定項目を編集します", "簿冊分類",
     "分"},
    {CommandId::retentionMaster, "保存年限", "保存年限の設定項目を編集します", "保存年限", "保"},
    {CommandId::initialSettings, "初期設定", "課・係ごとの初期設定を行います", "初期設定", "設"},
    {CommandId::switchSection, "課係切替", "作業する課・係を切り替えます", "課係切替", "切"},
    {CommandId::bulkVolumeImport, "簿冊データ簡易登録",
     "表計算で作成した簿冊データ（ＣＳＶ）を文書整理一覧表に一括して登録します",
     "簿冊データ簡易登録", "簡"},
    // Tools
    {CommandId::personalFolder, "個人フォルダ", "個人フォルダをファイル管理プログラムで開きます",
     "個人フォルダ", "個"},
    {CommandId::fileManager, "ファイル管理",
     "選択した簿冊のフォルダをファイル管理プログラムで開きます", "ファイル管理", "F"},
    {CommandId::wordProcessor, "ワープロ", "一般文書をワープロで作成・編集します", "ワープロ",
     "ワ"},
    {CommandId::spreadsheet, "表計算", "表計算ファイルを作成・編集します", "表計算", "表"},
    {CommandId::fileSearch, "ファイル検索", "ファイルや索引目録の文書を検索します", "ファイル検索",
     "検"},
    {CommandId::registeredForms, "登録帳票", "登録した帳票やプログラムを呼び出します", "登録帳票",
     "帳"},
    // 文書件名簿
    {CommandId::registerExtract, "抽出", "文書件名簿の項目を抽出します。", "件名簿抽出", "抽"},
    {CommandId::registerAdd, "登録", "文書件名簿を追加登録します", "文書件名簿登録", "登"},
    {CommandId::registerChange, "変更", "件名簿の項目を変更します", "件名簿変更", "変"},
    {CommandId::registerDelete, "削除", "件名簿の項目を削除します", "件名簿削除", "削"},
    {CommandId::registerSelectAll, "件全選択/全解除",
     "文書件名簿の項目を全部選択又は全部解除します", "全選択/全解除", "全"},
    {CommandId::registerLink, "データ連携",
     "選択されている文書件名簿の項目についてのデータ連携を行います", "文書件名簿データ連携", "連"},
    {CommandId::registerDataDisposal, "データ廃棄",
     "文書件名簿の選択項目のデータをシステムから一括して廃棄します", "データ廃棄", "廃"},
    // 文書整理一覧表
    {CommandId::volumeExtract, "抽出", "文書整理一覧表の簿冊を抽出します", "簿冊抽出", "抽"},
    {CommandId::volumeAdd, "登録", "簿冊を追加登録します", "簿冊登録", "登"},
    {CommandId::volumeChange, "変更", "選択した簿冊を変更します", "簿冊変更", "変"},
    {CommandId::volumeDelete, "削除", "選択した簿冊を削除します", "簿冊削除", "削"},
    {CommandId::volumeTitleOrder, "並替", "文書整理一覧表をタイトル順に並べ替えます", "簿冊並替",
     "並"},
    {CommandId::volumeSelectAll, "全選択/全解除",
     "文書整理一覧表の項目を全部選択又は全部解除します", "全選択/全解除", "全"},
    {CommandId::yearSwitch, "年度切替", "簿冊一覧表の年度切り替え処理を行います", "年度切替", "年"},
    {CommandId::volumeDisposal, "廃棄処理", "選択した項目を廃棄簿冊として一括処理します",
     "廃棄処理", "棄"},
    {CommandId::retentionTypeChange, "保存年限変更", "選択項目の保存種別を一括で変更します",
     "保存年限変更", "限"},
    {CommandId::volumeLink, "データ連携",
     "データの連携を行うため、ＣＳＶファイルを出力し、指定プログラムを呼び出す", "データ連携",
     "連"},
    {CommandId::indexBatchPrint, "索引目録一括印刷", "選択項目の索引目録を一括して印刷する",
     "索引目録一括印刷", "索"},
    {CommandId::volumeTitlePrint, "簿冊タイトル印刷",
     "選択している簿冊タイトル（簿冊表紙用）を一括で印刷します", "簿冊タイトル印刷", "印"},
    {CommandId::volumeDataDisposal, "データ廃棄",
     "文書整理一覧表の選択したデータをシステムから廃棄します", "データ廃棄", "廃"},
    // 永年簿冊台帳
    {CommandId::permanentExtract, "抽出", "永年簿冊台帳の簿冊を抽出します", "永年簿冊抽出", "抽"},
    {CommandId::permanentSelectAll, "全選択/全解除",
     "永年簿冊台帳の項目を全部選択又は全部解除します", "全選択/全解除", "全"},
    {CommandId::permanentLink, "データ連携", "選択されている永年簿冊についてのデータ連携を行います",
     "永年簿冊データ連携", "連"},
    // 廃棄簿冊名一覧表
    {CommandId::disposedExtract, "抽出", "廃棄簿冊名一覧表の簿冊を抽出します", "廃棄簿冊抽出",
     "抽"},
    {CommandId::disposedSelectAll, "全選択/全解除",
     "廃棄簿冊名一覧表の項目を全部選択又は全部解除します", "全選択/全解除", "全"},
    {CommandId::disposedLink, "データ連携", "選択されている廃棄簿冊についてのデータ連携を行います",
     "廃棄簿冊データ連携", "連"},
    {CommandId::disposedDataDisposal, "データ廃棄",
     "廃棄簿冊名一覧表の選択した項目をシステムから廃棄します", "データ廃棄", "廃"},
    // 保存年限変更書
    {CommandId::changeFormExtract, "抽出", "保存年限変更書を抽出します", "変更書抽出", "抽"},
    {CommandId::changeFormSelectAll, "全選択/全解除",
     "保存年限変更書の項目を全部選択又は全部解除します", "全選択/全解除", "全"},
    {CommandId::changeFormLink, "データ連携",
     "保存年限変更書の選択した項目についてCSV出力をし、データ連携をします。", "変更書データ連携",
     "連"},
    {CommandId::changeFormDataDisposal, "データ廃棄",
     "保存年限変更書の選択された項目をシステムから廃棄します", "データ廃棄", "廃"},
    // 索引目録
    {CommandId::indexExtract, "抽出", "索引目録を抽出します", "索引目録抽出", "抽"},
    {CommandId::indexAdd, "登録", "索引目録を登録します", "索引目録登録", "登"},
    {CommandId::indexChange, "変更", "索引目録を変更します", "索引目録変更", "変"},
    {CommandId::indexDelete, "削除", "索引目録を削除します", "索引目録削除", "削"},
    {CommandId::indexLink, "データ連携", "索引目録のデータを作成し、連携を行います",
     "索引目録データ連携", "連"},
    // 関連ファイル
    {CommandId::relatedAdd, "登録", "選択した文書に関連ファイルを登録します", "関連ファイル登録",
     "登"},
    {CommandId::relatedChange, "変更", "選択した関連ファイルの登録内容を変更します",
     "関連ファイル変更", "変"},
    {CommandId::relatedDelete, "削除", "選択した関連ファイルの登録を削除します", "関連ファイル削除",
     "削"},
};

}  // namespace bunrako::office::ui::texts
