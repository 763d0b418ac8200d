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

}  // namespace bunrako::volumes::texts
