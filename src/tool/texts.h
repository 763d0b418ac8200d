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

inline constexpr const char* kCatalogueFolderName = "索引目録データ";
inline constexpr const char* kDisposalVolumeListSuffix = "システム廃棄_文書整理一覧表.dat";
inline constexpr const char* kDisposalDisposedListSuffix = "システム廃棄_廃棄簿冊名一覧表.dat";
inline constexpr const char* kDisposalFormsSuffix = "システム廃棄_保存年限変更書.dat";
inline constexpr const char* kDisposalRegisterSuffix = "システム廃棄_文書件名簿.dat";

// dump of a volume file whose count word does not match its length.
inline constexpr const char* kVolumesTruncated =
    "%s:件数 %u 件のうち完全な %zu 件を出力しました（不完全な末尾 %llu バイトは除外）";
inline constexpr const char* kVolumesBeyondCount =
    "%s:件数 %u 件より後ろの %llu バイトはどのレコードにも属さないため出力していません";

}  // namespace bunrako::cli::texts
