#pragma once

// Every text the title register, the name lists and the approver table show
// or write, in one place.
namespace bunrako::register_::texts {

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

// ---- The register tab: list, caption, commands ----------------------------

// Column captions of the list.
inline constexpr const char* kColumnReceived = "受付日";
inline constexpr const char* kColumnNumber = "番号";
inline constexpr const char* kColumnSubject = "件名";
inline constexpr const char* kColumnSender = "発信者";
inline constexpr const char* kColumnReceiver = "受信者";
// The reception date cell in Western mode.
inline constexpr const char* kCellWesternDate = "%04d.%02d.%02d";

// The caption above the list: the register's name and the years the
// extraction covers. Not extracted by year:
inline constexpr const char* kCaptionAllYears = "　　　　　文書件名簿";
// Kept by calendar year: "2021年　文書件名簿", "令和3年　文書件名簿" ...
inline constexpr const char* kCaptionWesternYear = "%s年　文書件名簿";
inline constexpr const char* kCaptionWesternYears = "%s年～%s年　文書件名簿";
inline constexpr const char* kCaptionEraYear = "%s　文書件名簿";
inline constexpr const char* kCaptionEraYears = "%s～%s　文書件名簿";
// Kept by fiscal year: "2021年度　文書件名簿", "令和3年度　文書件名簿" ...
inline constexpr const char* kCaptionWesternFiscalYear = "%s年度　文書件名簿";
inline constexpr const char* kCaptionWesternFiscalYears = "%s年度～%s年度　文書件名簿";
inline constexpr const char* kCaptionEraFiscalYear = "%s度　文書件名簿";
inline constexpr const char* kCaptionEraFiscalYears = "%s度～%s度　文書件名簿";

// Data disposal: the yearly archive beside the register file (folder, then
// the volume year as era year, e.g. 平成20年).
inline constexpr const char* kRegisterArchiveName = "%s%sシステム廃棄_文書件名簿.dat";
inline constexpr const char* kConfirmCaption = "確認";
inline constexpr const char* kConfirmDisposal =
    "選択したデータをシステムから廃棄します。\n単なるデータの削除ではありません。\n"
    "廃棄した簿冊等考慮の上、管理を必要としなくなったものについて処理することをお勧めします。\n"
    "廃棄されたデータは戻りませんので注意して下さい。\n\n処理を実行よろしいですか？";

// Saving an entry mirrors it into the index catalogue of its volume; these
// say why that could not be done.
inline constexpr const char* kNoticeCaption = "注意";
inline constexpr const char* kSeveralVolumes =
    "索引処理作成において、複数の簿冊名が確認されました\n索引目録の処理ができません\n"
    "手動で索引目録を登録してください！";
inline constexpr const char* kVolumeNotFound =
    "索引目録処理において、簿冊名が見つかりません\n索引目録の処理ができません\n"
    "手動で索引目録処理をしてください！";

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

// ---- Draft documents ------------------------------------------------------
inline constexpr const char* kKianCsvName = "Kian.csv";
inline constexpr const char* kKianWordCsvName = "KianWord.csv";
// The free-text column of the draft row, where a comma may split the line.
inline constexpr const char* kKianSubjectColumn = "件名";
inline constexpr const char* kMacroName = "macro.txt";
inline constexpr const char* kMacro10Name = "macro10.txt";
// The merged draft that the Word form's macro saves in the data folder.
inline constexpr const char* kMergedDraftName = "起案文書差込済.doc";
inline constexpr const char* kKianCsvHeader =
    "番号,保存,分類,発送,区分,収受,起案,決裁,課,係,職,氏名,件名,決裁者１,決裁者２,決裁者３,"
    "決裁者４,合議１,合議２,合議３,合議４,合議５,合議６,合議７,合議８,合議９,合議１０,委任１,"
    "委任２,委任３,タイトル,決裁者２１,決裁者２２,決裁者２３,決裁者２４";
inline constexpr const char* kKianClassCodes = "%s-%s-%s";
// The sending date is always left for the clerk to write in.
inline constexpr const char* kKianBlankSendDate = "      年  月  日";
// Dates left blank: era name (of the drafting date) or Western.
inline constexpr const char* kKianBlankEraDate = "%s  年  月  日";
inline constexpr const char* kKianBlankWesternDate = "    年  月  日";
inline constexpr const char* kKianWesternDate = "%04d年%02d月%02d日";
inline constexpr const char* kKianEraDateText = "%d,%02d,%02d,%02d";
inline constexpr const char* kKianDelegated = "委任";

// The statements of the 一太郎 macro files.
inline constexpr const char* kMacroMergeFile = "差込ﾌｧｲﾙ(.ﾌｧｲﾙ名=\"%s\",.読込形式=2)";
inline constexpr const char* kMacroMergeResult = "差込結果文書作成(.開始ﾚｺｰﾄﾞ=1,.終了ﾚｺｰﾄﾞ=1)";
inline constexpr const char* kMacroSave =
    "文書保存(.ﾌｧｲﾙ名=\"%s\",.見出し=\"\",.保存形式=0,.保存方法=1,.参照専用保存=0,"
    ".ﾋﾞｼﾞｭｱﾙ保存=0,.ｷｰﾜｰﾄﾞ=\"\",.画像枠のｻｲｽﾞ=1,.二カ所保存=0)";
inline constexpr const char* kMacroSwitch = "文書切替(.ﾌｧｲﾙ名=\"%s\")";
inline constexpr const char* kMacroQuit = "QuitDocumentWindow()";
inline constexpr const char* kMacroOpenReference =
    "文書起動読込(.ﾌｧｲﾙ名=\"%s\",.読込形式=0,.定型文書編集=0,.読込方法=2,.強制編集=0)";

// Messages of the draft dialog.
inline constexpr const char* kKianInvalidInput = "入力データに誤りがあります";
inline constexpr const char* kKianCheckCaption = "確認";
inline constexpr const char* kKianNoticeCaption = "注意";
inline constexpr const char* kKianMacroDocumentFailed = "起案文書作成失敗\nマクロ文書";
inline constexpr const char* kKianCopyFailedFirst = "起案文書作成失敗\nファイル名１：";
inline constexpr const char* kKianCopyFailedSecond = "\nファイル名２：";
inline constexpr const char* kKianReferenceFailed = "参照ファイルから起案文書の作成に失敗しました";
inline constexpr const char* kKianReferenceFilter =
    "参照する起案文書(*.jtd;*.doc;*.docx)|*.jtd;*.doc;*.docx|all files(*.*)|*.*||";

}  // namespace bunrako::register_::texts
