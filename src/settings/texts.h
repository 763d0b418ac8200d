#pragma once

// Every text the settings and the setting-item masters show or write, in one
// place.
namespace bunrako::settings::texts {

// ---- File names -----------------------------------------------------------
inline constexpr const char* kPointerFileName = "ShokiSetteiFileName.dat";
inline constexpr const char* kSettingsFileName = "ShokiSettei.dat";
inline constexpr const char* kDepartmentFileName = "Kamei.dat";
inline constexpr const char* kClassificationFileName = "BosatuBunrui.dat";
inline constexpr const char* kRetentionFileName = "HozonNengen.dat";
inline constexpr const char* kReceiptExtension = "dan";

// ---- Settings file ----------------------------------------------------------
// Version tags, newest first; the newest is the one written.
inline constexpr const char* kSettingsTag20090901 = "Ver20090901";
inline constexpr const char* kSettingsTag20060101 = "Ver20060101";
inline constexpr const char* kSettingsTag20050101 = "Ver20050101";
inline constexpr const char* kSettingsTag20030101 = "Ver20030101";

// A choice of the settings dialog holding a value the dialog never offers
// (key, value, last choice; the first is 0).
inline constexpr const char* kChoiceOutOfRange = "「%s」の値 %d は 0〜%d のどれでもありません";

// Labels put between the path and the cause text.
inline constexpr const char* kOpenLabel = "Open";
inline constexpr const char* kDataVersionLabel = "データバージョン";

// ---- Calendar mode -----------------------------------------------------------
// Today's date in the status bar in Western years.
inline constexpr const char* kWesternDate = "%d年%d月%d日";

// ---- Setting-item masters ----------------------------------------------------
inline constexpr const char* kColonOpenLabel = ":Open";
// "<path>:データが途中で切れています。..." when the count promises more
// records than the file holds.
inline constexpr const char* kMasterTruncated = ":データが途中で切れています。";
inline constexpr const char* kMasterTruncatedCount = "レコード数 %s のうち %s 件を読み込みました。";
inline constexpr const char* kMasterCountMissing = "レコード数を読み込めません（%s バイト）。";

// Captions of the editor: its own defaults, and what the document sets.
inline constexpr const char* kCaptionLevel1 = "大分類";
inline constexpr const char* kCaptionLevel2 = "中分類";
inline constexpr const char* kCaptionLevel3 = "小分類";
inline constexpr const char* kCaptionNumber = "番号";
inline constexpr const char* kCaptionName = "メイン";
inline constexpr const char* kCaptionSubName = "サブ";
inline constexpr const char* kCaptionSection = "課局室";
inline constexpr const char* kCaptionSubsection = "係名";
inline constexpr const char* kCaptionMeishou = "名称";
inline constexpr const char* kCaptionClassificationCode = "分類コード";
inline constexpr const char* kCaptionRetentionType = "保存分類";
inline constexpr const char* kCaptionRetentionPeriod = "保存（見直）期間";

// ---- CSV form of the masters ---------------------------------------------------
inline constexpr const char* kCsvRejected =
    "CSVファイルに誤りがあるため、取り込みを中止しました。項目の設定は変更されていません。";
inline constexpr const char* kCsvLine = "%s行目：";
inline constexpr const char* kCsvMoreLines = "ほか %s 行に誤りがあります。";
inline constexpr const char* kCsvNotCp932 =
    "文字コードがShift-JISではありません。Shift-JISで保存し直してください。";
inline constexpr const char* kCsvNotConvertible = "Shift-JISで表せない文字があります。";
inline constexpr const char* kCsvTooManyFields =
    "項目が多すぎます（コード,名称,サブの3項目です）。";
inline constexpr const char* kCsvCodeMissing = "コードがありません。";
inline constexpr const char* kCsvCodeNotDigits = "コードは10桁以内の数字で指定してください。";
inline constexpr const char* kCsvNameTooLong = "名称が40バイトを超えています。";
inline constexpr const char* kCsvSubNameTooLong = "サブが40バイトを超えています。";

}  // namespace bunrako::settings::texts
