#pragma once

// Texts of bunrako-tool and the names it recognises, in one place.
namespace bunrako::tool::texts {

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
// Followed by what is wrong with the settings of that section.
inline constexpr const char* kDumpSettingsRecord = "%s: %zu 件目の初期設定の";
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
inline constexpr const char* kExportCannotMakeFolder = "%s: 出力先のフォルダを作成できません";
inline constexpr const char* kNoDataFolder = "%s: データフォルダがありません";
inline constexpr const char* kNoSettingsFile =
    "%s: データフォルダに初期設定ファイル（ShokiSettei.dat）がありません";
inline constexpr const char* kSettingsUnreadable = "%s: 初期設定ファイルを読めません";
// Followed by the fault of the section's settings.
inline constexpr const char* kImportBadSettings = "%s: 初期設定の";
inline constexpr const char* kImportStopped = "。取り込みを中止しました";

// ---- check ----------------------------------------------------------------
inline constexpr const char* kCheckInvalidDates = "%s: 無効な日付が %d 個あります";
// Valid by their status, but NaN, infinite or outside the years 100-9999
// (dates) or beyond what a period holds.
inline constexpr const char* kCheckValuesNamingNothing =
    "%s: 有効とされていながら日付・期間として扱えない値（範囲外など）が %d 個あります";
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

// ---- demo -----------------------------------------------------------------
// Filled with the default counts, the default day and the catalogue limit.
inline constexpr const char* kDemoUsage =
    "usage: bunrako-tool demo FOLDER [--volumes N] [--entries N] [--seed S]\n"
    "                         [--today YYYY-MM-DD] [--force]\n"
    "  FOLDER に試用のための事務所のデータ一式を作ります（簿冊 N 冊、既定 %d 冊。\n"
    "  文書件名簿 N 件、既定 %d 件。どちらも %d まで）。同じシード（既定 1）からは\n"
    "  同じバイトのファイルができます。基準日（今日とみなす日）の既定は %s です。\n"
    "  フォルダの木と索引目録は新しい簿冊から %d 冊分までだけ作ります。\n"
    "  FOLDER は新しいフォルダか空のフォルダです。--force を付けると中身のある\n"
    "  フォルダにも書き込みます（同名のファイルは上書きされます）。\n";
inline constexpr const char* kDemoBadValue = "%s の値が正しくありません：%s";
inline constexpr const char* kDemoNotFolder = "%s: フォルダではありません";
inline constexpr const char* kDemoCannotCreate = "%s: フォルダを作成できません";
inline constexpr const char* kDemoNotEmpty =
    "%s: フォルダが空ではないため、中のファイルを上書きしないよう作成を中止しました"
    "（上書きしてよいときは --force を付けてください）";
inline constexpr const char* kDemoFolderNotCp932 =
    "%s: フォルダ名に Shift-JIS で表せない文字があるため、設定に書き込めません";
inline constexpr const char* kDemoCannotWrite = "%s: ファイルを書き込めません";
inline constexpr const char* kDemoStopped = "デモ事務所の作成を中止しました。";
inline constexpr const char* kDemoMadeFolder = "デモ事務所を作成しました：%s";
inline constexpr const char* kDemoMadeVolumes =
    "  簿冊 %zu 冊（うち廃棄済み %zu 冊）、保存年限変更書 %zu 件";
inline constexpr const char* kDemoMadeCatalogues =
    "  索引目録 %zu 冊（文書 %zu 件）、関連ファイル %zu 件";
inline constexpr const char* kDemoMadeRegister = "  文書件名簿 %zu 件";
inline constexpr const char* kDemoMadeBasis = "  基準日 %s、シード %u";

}  // namespace bunrako::tool::texts
