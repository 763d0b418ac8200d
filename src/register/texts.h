#pragma once

// Every text the title register, the name lists and the approver table show
// or write, in one place.
namespace bunrako::register_texts {

// ---- Title register file and its linkage CSV ------------------------------
inline constexpr const char* kRegisterTag = "BunshoKenMeiboVer200";
inline constexpr const char* kRegisterCsvName = "KenMeibo.csv";
inline constexpr const char* kRegisterForeignFile =
    "%s\nこのファイルは、このプログラムが知らない版（%s）の文書件名簿です。\n"
    "内容を失わないよう、保存を中止しました。";
inline constexpr const char* kCsvOpenLabel = "%s:Open\n";
inline constexpr const char* kCsvHeaderStart =
    "管理年・年度,課,文書番号,受付日,件名,発信者,受信者,結了日,";
inline constexpr const char* kCsvHeaderStep = "経過日%d,経過内容%d,";
inline constexpr const char* kCsvHeaderEnd =
    "簿冊年度,管理番号,タイトル,重要文書目録,文書記号,備考";
inline constexpr const char* kCsvImportant = "重要文書目録";

// ---- Sender/receiver, post and name lists ---------------------------------
inline constexpr const char* kHassinJusinFileName = "HassinJusinList.dat";
inline constexpr const char* kShokuFileName = "ShokuList.dat";
inline constexpr const char* kSimeiFileName = "SimeiList.dat";
inline constexpr const char* kHassinKey = "Hassin";
inline constexpr const char* kJusinKey = "Jusin";
inline constexpr const char* kShokuKey = "ShokuList";
inline constexpr const char* kSimeiKey = "SimeiList";
// Label of one item of a slot: file path, list key, slot index, item name.
inline constexpr const char* kSlotItemLabel = "%s:%s[%d].%s";
inline constexpr const char* kSlotMeishou = "meishou";
inline constexpr const char* kSlotKaisuu = "kaisuu";
inline constexpr const char* kSlotHiniti = "hiniti";
// Sort key of a slot: count, year, month, day, hour, minute of the last use.
inline constexpr const char* kSlotSortKey = "%02d:%04d%02d%02d:%02d%02d";

// ---- Approver table -------------------------------------------------------
inline constexpr const char* kKessaiKubunFileName = "KessaiKubun.dat";
inline constexpr const char* kKessaiKubunVersion = "1.000";
inline constexpr const char* kKessaiVersionLabel = "%s:決裁者区分VerNo";
inline constexpr const char* kKessaiTypeLabel = "%s:決裁種別";
inline constexpr const char* kKessaishaLabel = "%s:Kessaisha[%d][%d]";
inline constexpr const char* kKessaikigouLabel = "%s:Kessaikigou[%d][%d]";
// The table before any file is read: names and symbols by type and level.
inline constexpr const char* kInitialKessaisha[2][4] = {
    {"町長", "副町長", "課長", ""},
    {"町長", "副町長", "教育長", "課長"},
};
inline constexpr const char* kInitialKessaikigou[2][4] = {
    {"Ａ", "Ｂ", "Ｃ", ""},
    {"Ａ", "Ｂ", "Ｂ", "Ｃ"},
};

}  // namespace bunrako::register_texts
