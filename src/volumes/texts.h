#pragma once

// Every text the volume registers show or write, in one place.
namespace bunrako::volume_texts {

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

}  // namespace bunrako::volume_texts
