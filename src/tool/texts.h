#pragma once

// Texts of bunrako-tool and the names it recognises, in one place.
namespace bunrako::cli::texts {

inline constexpr const char* kUnknownKind =
    "ファイルの種類が分かりません（--as で指定してください）：";
inline constexpr const char* kNoSuchKind = "そのような種類はありません：";
inline constexpr const char* kNoSuchFile = ":ファイルがありません";
// A well-formed date argument that names no day the program can hold.
inline constexpr const char* kInvalidDate = "日付が正しくありません: ";

// "<path>:末尾の不完全な組 N バイトを読み飛ばしました。"
inline constexpr const char* kReceiptsCutOff = ":末尾の不完全な組 ";
inline constexpr const char* kBytesDropped = " バイトを読み飛ばしました。";

// ---- dump of the register, change forms, name lists and approvers -------
// What a reader left out of a file it could read in part.
inline constexpr const char* kDumpTailDropped =
    "%s: 末尾の %zu バイトはレコードの途中で切れているため出力しませんでした";
inline constexpr const char* kDumpCountBeyondFile =
    "%s: 個数は %d 件ですが、ファイルには %zu 件分しかありません";
inline constexpr const char* kDumpBadCount = "%s: 個数 %d 件は正しくありません";
inline constexpr const char* kDumpNoCountWord = "%s: 個数の 4 バイトがそろっていません";
inline constexpr const char* kDumpExtraBytes =
    "%s: 個数 %d 件のあとの %zu バイトはレコードとして出力しませんでした";
inline constexpr const char* kDumpPartRead =
    "%s: 途中で読めなくなりました。読めた分だけを出力しました";
// Files a reader does not read at all.
inline constexpr const char* kDumpUnknownTag = "%s: このプログラムが知らない版（%s）のファイルです";
inline constexpr const char* kDumpTagCut = "%s: 版の表示が途中で切れています";
inline constexpr const char* kDumpCannotRead = "%s: ファイルを読めません";

// dump of a volume file whose count word does not match its length.
inline constexpr const char* kVolumesTruncated =
    "%s:件数 %u 件のうち完全な %zu 件を出力しました（不完全な末尾 %llu バイトは除外）";
inline constexpr const char* kVolumesBeyondCount =
    "%s:件数 %u 件より後ろの %llu バイトはどのレコードにも属さないため出力していません";

// ---- export and import ------------------------------------------------------
inline constexpr const char* kExportUsage =
    "usage: bunrako-tool export volumes|forms|register|catalogue FILE [--calendar era|western] "
    "[--period 0-3] [--department Kamei.dat] [--out FOLDER]";
inline constexpr const char* kImportUsage =
    "usage: bunrako-tool import CSV --data-folder FOLDER [--volume-file PATH]";
inline constexpr const char* kNoSuchExportKind = "そのような出力の種類はありません：";
inline constexpr const char* kRegisterNeedsDepartment =
    "文書件名簿の出力には --department で課室局等のファイル（Kamei.dat）を指定してください";
inline constexpr const char* kNothingToExport =
    "%s: レコードがないため、CSVファイルは作成しませんでした";
inline constexpr const char* kUnknownRegisterVersion =
    "%s: このプログラムが知らない版（%s）の文書件名簿です";
inline constexpr const char* kNoDataFolder = "%s: データフォルダがありません";
inline constexpr const char* kNoSettingsFile =
    "%s: データフォルダに初期設定ファイル（ShokiSettei.dat）がありません";
inline constexpr const char* kSettingsUnreadable = "%s: 初期設定ファイルを読めません";

// ---- check ----------------------------------------------------------------
inline constexpr const char* kCheckInvalidDates = "%s: 無効な日付が %d 個あります";
inline constexpr const char* kCheckBadTexts =
    "%s: Shift-JIS として読めない文字を含む文字列が %d 個あります";
inline constexpr const char* kCheckOldCataloguePlace =
    "%s: 索引目録が古い場所（索引目録データ フォルダの外）にあります";
inline constexpr const char* kCheckUnreadable = "%s: 読めないファイルです";
inline constexpr const char* kCheckCannotList = "%s: フォルダの中を調べられません";
inline constexpr const char* kCheckSummaryClean = "%d 個のファイルを調べました。問題はありません。";
inline constexpr const char* kCheckSummaryProblems =
    "%d 個のファイルを調べ、%d 件の問題が見つかりました。";
inline constexpr const char* kCheckUsage = "usage: bunrako-tool check PATH";

}  // namespace bunrako::cli::texts
