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
inline constexpr const char* kFormsEraFiscalYear = "%s%d年度";
inline constexpr const char* kFormsWesternFiscalYear = "%04d年度";

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

// Volume change: the index catalogue data could not be carried to the
// volume's new folder (the old data and the old record are kept).
inline constexpr const char* kCatalogueCopyFailed =
    "索引目録データを新しいフォルダへ複写できませんでした。変更前のデータは残します：\n%s\n→ %s";

}  // namespace bunrako::volumes::texts
