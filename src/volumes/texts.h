#pragma once

// Every text the volume registers show, write or use as a name, in one place.
namespace bunrako::volumes::texts {

// File names.
// The volume file of a list made without a path.
inline constexpr const char* kVolumeFileName = "DocMaster.dat";

// Labels of file failures, each put after the path of the file.
inline constexpr const char* kReadOpenLabel = "Open";
inline constexpr const char* kWriteOpenLabel = ":Open\n";
inline constexpr const char* kCountLabel = ":データ個数";
inline constexpr const char* kRecordLabel = ":詳細データ(%zu)";
// Shown after the path and kReadOpenLabel when the last read attempt failed.
inline constexpr const char* kCheckNetwork = "エラー：ネットワーク確立等確認して下さい";

// A fifth digit does not fit the management number; the title follows.
inline constexpr const char* kSerialExhausted =
    "管理番号の連番が9999を超えるため、この簿冊は登録できません：";

// The folder tree of a volume below the folder of its volume file.
inline constexpr const char* kCatalogueFolderName = "索引目録データ";
inline constexpr const char* kFiscalYearSuffix = "度";

// ---- Retention-period change forms (保存年限変更書) -------------------------
inline constexpr const char* kFormsOpenLabel = "%sOpen";
inline constexpr const char* kFormsNetworkCheck =
    "%sOpen\nエラー：ネットワーク確立等確認して下さい";
inline constexpr const char* kFormsWriteOpenLabel = "%s:Open\n";
inline constexpr const char* kFormsCsvName = "HozonNengenHenkousho.csv";
inline constexpr const char* kFormsCsvOpenLabel = "%s:Open\n";
inline constexpr const char* kFormsCsvHeader =
    "年度,課局室名,係名,課分類コード,大分類コード,大分類名称,中分類コード,中分類名称,"
    "小分類コード,小分類名称,タイトル,収納開始年度,収納終了年度,見直し前の保存年限,"
    "見直し後の保存年限,理由";

// ---- Volume data linkage and title printing -------------------------------
inline constexpr const char* kVolumeCsvName = "DocMaster.csv";
inline constexpr const char* kVolumeWordCsvName = "DocMasterWord.csv";
// The free-text column of a volume row, where a comma may split the line.
inline constexpr const char* kTitleColumn = "タイトル";
inline constexpr const char* kVolumeCsvOpenLabel = "%s:Open\n";
inline constexpr const char* kVolumeWordCsvHeader =
    "管理番号,年度,年R,課名,係名,課分類ｺｰﾄﾞ,分類コド,分類ｺｰﾄﾞ,大名称,中名称,小名称,タイトル,冊,"
    "開始年度,開R,終了年度,終R,保年分,保年限,保年,満了年月,満R,常用,常用R,目次,目R,廃棄年月,"
    "廃R,見直年１,直1R,見限１,限1R,見直年２,直2R,見限２,限2R,見直年３,直3R,見限３,限3R";
// The classification codes, joined in two columns.
inline constexpr const char* kCodeJoinHyphen = "-";
inline constexpr const char* kCodeJoinDot = "･";
inline constexpr const char* kYearsSuffix = "年";
inline constexpr const char* kDailyUse = "常用";
inline constexpr const char* kDailyUseShort = "常";
inline constexpr const char* kArchiveRoom = "書庫";
inline constexpr const char* kWithContents = "目次有";
inline constexpr const char* kWithContentsShort = "有";
inline constexpr const char* kWithoutContents = "目次無";
// The retention type whose volumes are reviewed rather than disposed.
inline constexpr const char* kPermanentType = "永年";
inline constexpr const char* kTaroDataFailed = "一太郎用データ作成に失敗しました";
inline constexpr const char* kWordDataFailed = "Word用データ作成に失敗しました";
inline constexpr const char* kPrintTitlesQuestion =
    "選択されている全ての簿冊を対象に印刷します\n\n簿冊タイトルを印刷しますか？";
// What the data linkage and the title printing wrote.
inline constexpr const char* kLinkageDone = "%zu冊のデータを次のファイルに書き出しました：%s";
inline constexpr const char* kTitleDataDone =
    "%zu冊の簿冊タイトルのデータを次のファイルに書き出しました：%s";

// ---- Bulk import of volumes from a spreadsheet CSV (簿冊データ簡易登録) -----
inline constexpr const char* kImportCaption = "簿冊データ簡易登録";
inline constexpr const char* kImportSpreadsheetName = "文書整理一覧表一括入力用標準様式.xls";
inline constexpr const char* kImportCsvName = "文書整理一覧表一括入力用標準様式.csv";
// The spreadsheet may be a CSV saved from it, or a workbook of any of the
// spreadsheets of this computer.
inline constexpr const char* kImportSpreadsheetFilter =
    "エクセルFiles(*.xls;*.xlsx;*.ods;*.csv)|*.xls;*.xlsx;*.ods;*.csv|All Files (*.*)|*.*||";
// The remembered spreadsheet path, one line, in the program's folder.
inline constexpr const char* kImportPathFileName = "ShokiSetteiExcelBosatu.dat";
inline constexpr const char* kImportFileOpenLabel = "%s:Open\n";

// The two error lists, written beside the CSV.
inline constexpr const char* kReadErrorFileName = "ErrorExcelBosatu.txt";
inline constexpr const char* kReadNoErrors =
    "=== CSVファイルからの読み込みでのエラーはありません ===";
inline constexpr const char* kReadErrorsHeader =
    "=== CSVファイルからの読み込みでエラーが生じた項目のリスト ===";
inline constexpr const char* kConvertErrorFileName = "ErrorExcelBosatuHenkan.txt";
inline constexpr const char* kConvertNoErrors = "=== データ変換でのエラーはありません ===";
inline constexpr const char* kConvertErrorsHeader =
    "=== データ変換でエラーが生じた項目のリスト ===";
// A failed row in the convert error list: the row's values in the CSV's
// order, the disposal month (empty when not disposed) and why it failed.
inline constexpr const char* kConvertErrorLineEra =
    "%s,%s,%s,%s,%s,%s,%s,%u,%s,%s,%i,%s,%s,%s,%s,%s%s";
inline constexpr const char* kConvertErrorLineWestern =
    "%i,%s,%s,%s,%s,%s,%s,%u,%i,%i,%i,%i.%i,%s,%s,%s,%s%s";
inline constexpr const char* kImportEraYearCell = "%s%d";
inline constexpr const char* kImportEraYearMonthCell = "%s%d.%d";
inline constexpr const char* kImportWesternYearMonthCell = "%d.%d";

// Messages of the three steps.
inline constexpr const char* kReadCount = "%i個のデータを取り込みました。";
inline constexpr const char* kReadRejected =
    "\n\n読み込んだＣＳＶファイルには、不適切なデータ形式がありました\n\n"
    "不適切なデータ形式のある項目は取り込みませんでした";
inline constexpr const char* kReadShortened =
    "\n\n長すぎる項目は、切り詰めて取り込みました（エラーのリストをご確認ください）";
inline constexpr const char* kConvertCount = "%i個のデータを変換しました。";
inline constexpr const char* kConvertFailed =
    "\n\nデータ変換において、不適切なデータ形式がありました\n\n"
    "不適切なデータ形式のある項目は変換しませんでした";
inline constexpr const char* kStoreNotice =
    "文書整理一覧表にデータを登録します\n\n登録後確認をお願いします";
inline constexpr const char* kStoreCaption = "文書整理一覧表データ追加処理";
inline constexpr const char* kStoreCount = "%i個のデータを登録しました。";

// Cell texts of the CSV.
inline constexpr const char* kPermanentCell = "永";
inline constexpr const char* kDailyUseCells[] = {"常用", "常"};
inline constexpr const char* kWithContentsCell = "有";

// Why a line was listed: "N行目：" and the reason.
inline constexpr const char* kNoteLine = "　→ %zu行目：%s";
inline constexpr const char* kNoteRow = "%zu行目：%s";
inline constexpr const char* kNoteNotImported = "。取り込みませんでした";
inline constexpr const char* kNoteNotCp932 =
    "Shift-JISで表せない文字（または壊れた文字）があります";
inline constexpr const char* kNoteUtf8File =
    "UTF-8で保存されたファイルです。Excelで「CSV（コンマ区切り）」として保存し直してください";
inline constexpr const char* kNoteOpenQuote = "「\"」で始まる項目が閉じていません";
inline constexpr const char* kNoteStrayQuote = "「\"」で囲んだ項目の後ろに文字があります";
inline constexpr const char* kNoteTooFewFields = "項目が%zu個しかありません（15個以上必要です）";
inline constexpr const char* kNoteTooManyFields = "項目が%zu個あります（16個までです）";
inline constexpr const char* kNoteBadFiscalYear = "%s「%s」を年度として読めません（例：%s）";
inline constexpr const char* kNoteBadYearMonth = "%s「%s」を年月として読めません（例：%s）";
inline constexpr const char* kNoteBadBooks = "冊数「%s」は1～99の数ではありません";
inline constexpr const char* kNoteBadRetention =
    "保存年限「%s」は「永」でも0～99の年数でもありません";
inline constexpr const char* kNoteShortened = "%sを%zuバイトに";
inline constexpr const char* kNoteShortenedJoin = "、";
inline constexpr const char* kNoteShortenedEnd = "切り詰めて取り込みました";
inline constexpr const char* kEraYearExample = "R2";
inline constexpr const char* kWesternYearExample = "2020";
inline constexpr const char* kEraYearMonthExample = "R12.4";
inline constexpr const char* kWesternYearMonthExample = "2030.4";
// Column names used in the notes, by field number (field 1 is not read).
inline constexpr const char* kImportColumnNames[] = {
    "",         "",         "作成年度", "課名", "係名",         "大分類",
    "中分類",   "小分類",   "タイトル", "冊数", "収納開始年度", "収納終了年度",
    "保存年限", "満了年月", "常用",     "目次", "廃棄年月",
};
// Why a row did not convert.
inline constexpr const char* kNoteNoDepartment = "課・係「%s・%s」が課室局等の設定にありません";
inline constexpr const char* kNoteNoClassification =
    "簿冊分類「%s・%s・%s」が簿冊分類の設定にありません";
inline constexpr const char* kNoteNoPermanentType = "保存年限の設定に「永年」がありません";
inline constexpr const char* kNoteNoRetentionType = "保存年限の設定に%ld年の保存種別がありません";

// The blank import form the program writes: the header line and one example.
inline constexpr const char* kBlankFormHeader[] = {
    "番号", "作成年度",     "課名",         "係名",     "大分類",   "中分類", "小分類", "タイトル",
    "冊数", "収納開始年度", "収納終了年度", "保存年限", "満了年月", "常用",   "目次",   "廃棄年月",
};
inline constexpr const char* kBlankFormExampleTitle =
    "記入例：この行は書き換えるか削除してください";
// Checks of the import dialog.
inline constexpr const char* kImportNoPath = "Excelファイルを指定してください";
inline constexpr const char* kImportNoCsv =
    "CSVファイル「%s」がありません。\n\n"
    "Excelファイルを表計算ソフトで開き、この名前のCSV形式で保存してください";
inline constexpr const char* kImportNoSpreadsheet =
    "「%s」がありません。\n\n「空の様式を作成」で様式を作ることができます";
inline constexpr const char* kBlankFormReplace =
    "「%s」は既にあります。\n\n空の様式で置き換えますか？（入力済みの内容は失われます）";
inline constexpr const char* kBlankFormWritten =
    "空の様式「%s」を作成しました。\n\n表計算ソフトで記入し、CSV形式のまま保存してください";

// ---- Fiscal-year switch (文書整理一覧表の年度切替) --------------------------
inline constexpr const char* kYearSwitchFilter =
    "文書整理一覧表ファイル(*.dat)|*.dat|all files(*.*)|*.*||";
inline constexpr const char* kYearSwitchExtension = ".dat";
inline constexpr const char* kYearSwitchNoYear = "作成年度を正しく入力してください";
inline constexpr const char* kYearSwitchNoDepartment = "課を選択してください";
inline constexpr const char* kYearSwitchNoSection = "係を選択してください";
inline constexpr const char* kTargetIsFolder =
    "「%s」はフォルダです。作成するマスターファイルの名前を指定してください";
inline constexpr const char* kTargetNotDat =
    "「%s」は文書整理一覧表ファイル（*.dat）ではありません";
inline constexpr const char* kTargetFolderMissing = "フォルダ「%s」がありません";
inline constexpr const char* kTargetOtherRegister =
    "「%s」は文書整理一覧表ではない台帳のファイルです。別のファイルを指定してください";
inline constexpr const char* kYearSwitchDone = "%zu冊を%sの簿冊として「%s」に登録しました。";
inline constexpr const char* kYearSwitchNotCopied =
    "\n\n管理番号の連番に空きがないため、%zu冊は登録できませんでした。";
inline constexpr const char* kYearSwitchFailed =
    "「%s」に書き込めなかったため、年度切替は行われていません。";

// ---- Volume operations: extraction, lists, captions, year switch, disposal --
// The retention type whose volumes are reviewed.
inline constexpr const char* kPermanentRetention = "永年";

// Captions of the extraction dialog by tab.
inline constexpr const char* kVolumeExtractionCaption = "文書整理一覧表の抽出";
inline constexpr const char* kPermanentExtractionCaption = "永年簿冊の抽出";
inline constexpr const char* kDisposedExtractionCaption = "廃棄簿冊の抽出";

// Register names, as the tabs and the list captions show them.
inline constexpr const char* kVolumeListName = "文書整理一覧表";
inline constexpr const char* kPermanentLedgerName = "永年簿冊台帳";
inline constexpr const char* kDisposedListName = "廃棄簿冊名一覧表";
inline constexpr const char* kChangeFormListName = "保存年限変更書";

// Pieces of the list captions: "2008年度　文書整理一覧表",
// "平成19年度～平成20年度　文書整理一覧表".
inline constexpr const char* kCaptionWesternYear = "%d年度";
inline constexpr const char* kCaptionRangeSign = "～";
inline constexpr const char* kCaptionEraRangeSign = "度～";
inline constexpr const char* kCaptionEraBeforeName = "度　";
inline constexpr const char* kCaptionBeforeName = "　";

// Column captions of the lists.
inline constexpr const char* kColumnDepartment = "課";
inline constexpr const char* kColumnSection = "係";
inline constexpr const char* kColumnMajor = "大分類";
inline constexpr const char* kColumnMiddle = "中分類";
inline constexpr const char* kColumnMinor = "小分類";
inline constexpr const char* kColumnMajorShort = "大";
inline constexpr const char* kColumnMiddleShort = "中";
inline constexpr const char* kColumnMinorShort = "小";
inline constexpr const char* kColumnSerial = "№";
inline constexpr const char* kColumnTitle = "タイトル";
inline constexpr const char* kColumnBooks = "冊数";
inline constexpr const char* kColumnFilingFrom = "収納開始年度";
inline constexpr const char* kColumnFilingTo = "収納終了年度";
inline constexpr const char* kColumnRetention = "保存年限";
inline constexpr const char* kColumnExpiry = "満了年月";
inline constexpr const char* kColumnDailyUse = "常用";
inline constexpr const char* kColumnContents = "目次";
inline constexpr const char* kColumnDisposal = "廃棄年月";
inline constexpr const char* kColumnReview1 = "①見直年月";
inline constexpr const char* kColumnReview2 = "②見直年月";
inline constexpr const char* kColumnReview3 = "③見直年月";
inline constexpr const char* kColumnNote = "備考";
inline constexpr const char* kColumnRetentionBefore = "保存年限変更前";
inline constexpr const char* kColumnRetentionAfter = "変更後";
inline constexpr const char* kColumnReason = "理由";

// Cell texts of the volume lists. Classification cells are the code
// right-aligned in two characters, then the name.
inline constexpr const char* kCellNumber = "%d";
inline constexpr const char* kCellYearMonth = "%d.%d";
inline constexpr const char* kCellDailyUse = "常用";
inline constexpr const char* kCellArchiveRoom = "書庫";
inline constexpr const char* kCellHasContents = "有";

// Data disposal: the yearly archive files beside the source file (folder,
// then the creation year as era year, e.g. 令和2年).
inline constexpr const char* kVolumeArchiveName = "%s%sシステム廃棄_文書整理一覧表.dat";
inline constexpr const char* kDisposedArchiveName = "%s%sシステム廃棄_廃棄簿冊名一覧表.dat";
inline constexpr const char* kFormArchiveName = "%s%sシステム廃棄_保存年限変更書.dat";
inline constexpr const char* kConfirmCaption = "確認";
inline constexpr const char* kConfirmVolumeDisposal =
    "選択したデータをシステムから廃棄します。\n単なるデータの削除ではありません。\n"
    "廃棄した簿冊のうち管理を必要としなくなったものについて処理することをお勧めします。\n"
    "廃棄されたデータは戻りませんので注意して下さい。\n\n処理を実行よろしいですか？";
inline constexpr const char* kConfirmDisposedDisposal =
    "選択したデータをシステムから廃棄します。\n単なるデータの削除ではありません。\n"
    "管理を必要としなくなったものについて処理することをお勧めします。\n"
    "廃棄されたデータは戻りませんので注意して下さい。\n\n処理を実行よろしいですか？";
// What the question adds: the count and the archive files.
inline constexpr const char* kDisposalCount = "\n\n廃棄する件数：%d 件";
inline constexpr const char* kDisposalArchiveFolder = "\n保存先（%s）：";
inline constexpr const char* kDisposalArchiveName = "\n　%s";

// The end of a batch over selected records: what was done, what not, and
// the files written.
inline constexpr const char* kDisposalDone = "%d 冊を廃棄しました。";
inline constexpr const char* kRetentionChangeDone =
    "%d 冊の保存種別を変更し、保存年限変更書に記載しました。";
inline constexpr const char* kDataDisposalDone = "%d 件のデータをシステムから廃棄しました。";
inline constexpr const char* kBatchNotDone =
    "\n処理は途中で止まりました。処理していないもの（%d 件）：";
inline constexpr const char* kBatchMoreNotDone = "\n　ほか %d 件";
inline constexpr const char* kBatchListItem = "\n　%s";
inline constexpr const char* kBatchFilesWritten = "\n\n書き込んだファイル：";
inline constexpr const char* kBatchNoFileWritten = "\n\nファイルは書き込んでいません。";

// Volume change: the index catalogue data could not be carried to the
// volume's new folder (the old data and the old record are kept).
inline constexpr const char* kCatalogueCopyFailed =
    "索引目録データを新しいフォルダへ複写できませんでした。変更前のデータは残します：\n%s\n→ %s";

// ---- Volume entry dialog (簿冊一覧データ) -----------------------------------
inline constexpr const char* kEntryWarningCaption = "警告";
inline constexpr const char* kInvalidInput = "入力データに誤りがあります";
inline constexpr const char* kRetentionTypeTyped = "保存種別のデータ入力誤り";
inline constexpr const char* kFilingToInvalid = "収納終了年度のデータ入力誤り";
inline constexpr const char* kExpiryInvalid = "満了年度のデータ入力誤り";
inline constexpr const char* kNextReviewInvalid = "次回の見直しのデータ入力誤り";
inline constexpr const char* kPreviousReviewInvalid = "前回の見直しのデータ入力誤り";
inline constexpr const char* kDeleteQuestion = "ほんとうに削除してよろしいですか?";
inline constexpr const char* kDeleteCaption = "削除確認";

// ---- Extraction of the change-form tab -------------------------------------
inline constexpr const char* kInvalidCriteria = "入力項目に誤りがあります";

}  // namespace bunrako::volumes::texts
