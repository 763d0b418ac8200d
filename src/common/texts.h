#pragma once

// Every text the common utilities show or write, in one place.
namespace bunrako::common::texts {

// File error causes, shown directly after a label.
inline constexpr const char* kFileErrorNone = "エラーなし";
inline constexpr const char* kFileErrorGeneric = ":未定義エラー";
inline constexpr const char* kFileErrorFileNotFound = ":ファイル未定義";
inline constexpr const char* kFileErrorBadPath = ":不正パス";
inline constexpr const char* kFileErrorTooManyOpenFiles = ":オープン ファイル数超過";
inline constexpr const char* kFileErrorAccessDenied = ":ファイル アクセス禁止";
inline constexpr const char* kFileErrorInvalidFile = ":不正ファイル ハンドル使用";
inline constexpr const char* kFileErrorRemoveCurrentDir =
    ":作業中のカレント ディレクトリの削除不可";
inline constexpr const char* kFileErrorDirectoryFull = ":ディレクトリ フル";
inline constexpr const char* kFileErrorBadSeek = ":ファイル ポインタ設定エラー";
inline constexpr const char* kFileErrorHardIO = ":ハードウェア エラー";
inline constexpr const char* kFileErrorSharingViolation =
    ":SHARE.EXE 未ロードまたは共有領域ロック済み";
inline constexpr const char* kFileErrorLockViolation = ":ロック済み領域のロック要求";
inline constexpr const char* kFileErrorDiskFull = ":ディスク フル";
inline constexpr const char* kFileErrorEndOfFile = ":ファイルの終わりに到達";

// Archive error causes, shown directly after a label.
inline constexpr const char* kArchiveErrorNone = "エラーは発生していません。";
inline constexpr const char* kArchiveErrorGeneric = ":特定できないエラーが発生しました。";
inline constexpr const char* kArchiveErrorReadOnly =
    ":入力用に開いたアーカイブへ書き込もうとしました。";
inline constexpr const char* kArchiveErrorEndOfFile =
    ":オブジェクトの読み込み中にファイルの終わりに到達しました。";
inline constexpr const char* kArchiveErrorWriteOnly =
    ":出力用に開いたアーカイブから読み込もうとしました。";
inline constexpr const char* kArchiveErrorBadIndex = ":ファイル フォーマットが正しくありません。";
inline constexpr const char* kArchiveErrorBadClass =
    ":誤った形式のオブジェクトにオブジェクトを読み込もうとしました。";
inline constexpr const char* kArchiveErrorBadSchema =
    ":クラスのバージョンが異なるオブジェクトを読み込もうとしました。";

// Folders.
inline constexpr const char* kCannotDeleteFolder =
    "フォルダを削除できません手動削除してください：%s";

// Outside programs.
inline constexpr const char* kCannotStartProgram = "プログラムを起動できません：%s";

// Arguments handed to the outside office programs.
// Word runs the form's merge macro on the form (title, batch index and draft
// printing).
inline constexpr const char* kWordMergeArguments = "/mSasikomiKaisi \"%s\"";
// 一太郎 opens the draft form and runs the macro file on it.
inline constexpr const char* kTaroMacroArguments = "\"%s\" /M/\"%s\"";
// A document handed to the program that opens it.
inline constexpr const char* kQuotedArgument = "\"%s\"";
// The word-processor extension settings that name each program, in exactly
// these spellings. Printing knows 一太郎 only by the first two; drafting by
// all three.
inline constexpr const char* kTaroExtensions[] = {"jtd", "JTD", "Jtd"};
inline constexpr const char* kWordExtensions[] = {"doc", "DOC", "Doc"};

// Shell errors of opening and printing files, shown after the path.
inline constexpr const char* kShellErrorOutOfMemory =
    "\nThe operating system is out of memory or resources.";
inline constexpr const char* kShellErrorFileNotFound = "\nThe specified file was not found.";
inline constexpr const char* kShellErrorPathNotFound = "\nThe specified path was not found.";
inline constexpr const char* kShellErrorAccessDenied =
    "\nThe operating system denied access to the specified file.";
inline constexpr const char* kShellErrorNotEnoughMemory =
    "\nThere was not enough memory to complete the operation.";
inline constexpr const char* kShellErrorBadFormat =
    "\nThe .exe file is invalid (non-Win32R .exe or error in .exe image).";
inline constexpr const char* kShellErrorShare = "\nA sharing violation occurred.";
inline constexpr const char* kShellErrorAssocIncomplete =
    "\nThe file name association is incomplete or invalid.";
inline constexpr const char* kShellErrorDdeTimeout =
    "\nThe DDE transaction could not be completed because the request timed out.";
inline constexpr const char* kShellErrorDdeFail = "\nThe DDE transaction failed.";
inline constexpr const char* kShellErrorDdeBusy =
    "\nThe DDE transaction could not be completed because other DDE transactions were being "
    "processed.";
inline constexpr const char* kShellErrorNoAssoc =
    "\nThere is no application associated with the given file name extension. This error will "
    "also be returned if you attempt to print a file that is not printable.";
inline constexpr const char* kShellErrorDllNotFound =
    "\nThe specified dynamic-link library was not found.";

// Year and date texts of the CSV files handed to other programs.
inline constexpr const char* kCsvEraYear = "%s%d年度";
inline constexpr const char* kCsvWesternYear = "%d年度";
inline constexpr const char* kCsvWesternYearFourDigits = "%04d年度";
inline constexpr const char* kCsvEraShortYear = "%s%d";
inline constexpr const char* kCsvWesternShortYear = "%02d";
inline constexpr const char* kCsvEraYearMonth = "%s%d年%d月";
inline constexpr const char* kCsvWesternYearMonth = "%d年%d月";
inline constexpr const char* kCsvEraShortYearMonth = "%s%d.%d";
inline constexpr const char* kCsvWesternShortYearMonth = "%02d.%d";
inline constexpr const char* kCsvEraDate = "%s%d年%d月%d日";
inline constexpr const char* kCsvWesternDate = "%d年%d月%d日";
// Every line of those files ends so.
inline constexpr const char* kCsvLineEnd = "\r\n";

// ---- Read reports of the data files ------------------------------------------
// Save: the file will not open for writing (followed by the path).
inline constexpr const char* kCannotOpenFile = "ファイルが開けません：";

// Each of these follows the file's path.
inline constexpr const char* kUnknownTagNotRead =
    ":未対応の版「%s」のため、データを読み込みませんでした";
inline constexpr const char* kUnknownTagNotOverwritten =
    "\nこのファイルは未対応の版「%s」で書かれているため、上書きせずに保存を中止しました。";
inline constexpr const char* kDamagedNotOverwritten =
    "\nこのファイルには読み取れない部分があるため、上書きせずに保存を中止しました。";
inline constexpr const char* kTextTooLong =
    ":「%s」の文字列が長すぎます（%zuバイト、上限%zuバイト）。このファイルは読み込めません";
inline constexpr const char* kFileIsEmpty = ":ファイルが空です";
inline constexpr const char* kHeaderCut = ":見出しの途中でファイルが終わっています";
inline constexpr const char* kPartialRecordDropped =
    ":ファイルの終わりの不完全なデータ（%zuバイト）を読み飛ばしました";
inline constexpr const char* kArchiveCut =
    ":ファイルが途中で終わっているか壊れているため、%zu件目以降を読み込めませんでした";
inline constexpr const char* kBadRecordCount = ":データ個数（%lld）が不正です";
inline constexpr const char* kUnclaimedBytes =
    ":%zu件のデータのあとの%lluバイトはどのデータにも属していません";
inline constexpr const char* kRecordsMissing =
    ":データ個数は%lld件ですが、%zu件分のデータしかありません";

// ---- Documents filled for the office suite ------------------------------------
inline constexpr const char* kTemplateMissing =
    "%s\n帳票の様式ファイルがないか、読み込めません。CSVファイルは作成されています。";
inline constexpr const char* kDocumentCsvMissing = "%s\n差し込むデータを読み込めません。";
inline constexpr const char* kDocumentExists =
    "%s\nは既にあります。\n\n「はい」で作り直します（前の内容は失われます）。\n「いいえ」で今ある文"
    "書を使います。";
inline constexpr const char* kDocumentExistsCaption = "文書の作成";
inline constexpr const char* kOfficeSuiteNeeded =
    "文書を開くにはオフィスソフト（LibreOffice Writer）が必要です。\n"
    "管理者に libreoffice-writer のインストールを依頼してください。";
// The program's own templates (templates folder of the resources).
inline constexpr const char* kDraftTemplate = "起案文書様式.fodt";
inline constexpr const char* kVolumeTitleTemplate = "簿冊タイトル.fodt";
inline constexpr const char* kIndexBatchTemplate = "索引目録（一括）.fodt";

// ---- Write locks of the data files --------------------------------------------
// The lock file beside a data file (after the data file's own name), and the
// file that one breaker at a time holds while it removes a stale lock.
inline constexpr const char* kLockSuffix = ".lock";
inline constexpr const char* kLockBreakSuffix = ".lock.break";
// The new contents before they replace the data file (after the name and the
// writer's process number).
inline constexpr const char* kReplacementSuffix = ".tmp$";
// Each of these follows the data file's path.
inline constexpr const char* kLockHeldBy =
    "\nコンピュータ「%s」のユーザー「%s」が%sから書き込み中です。"
    "\n再試行すると、もう一度書き込みを待ちます。";
inline constexpr const char* kLockHeldByUnknown =
    "\n他のプログラムが書き込み中です。\n再試行すると、もう一度書き込みを待ちます。";
inline constexpr const char* kStaleLockOfEndedProgram =
    "\nコンピュータ「%s」のユーザー「%s」が%sから残していた書き込み中の印を解除しました"
    "（そのプログラムは終了しています）。";
inline constexpr const char* kStaleLockNotRefreshed =
    "\nコンピュータ「%s」のユーザー「%s」が%sから残していた書き込み中の印を解除しました"
    "（%lld分以上更新されていません）。";
inline constexpr const char* kUnreadableLockRemoved =
    "\n中身のない書き込み中の印を解除しました（作成したプログラムが途中で終了しています）。";

}  // namespace bunrako::common::texts
