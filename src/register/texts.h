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
// Before the question: the count of the selected entries and each archive.
inline constexpr const char* kDisposalCount = "選択した%zu件を次のファイルへ移します。\n";
inline constexpr const char* kDisposalArchive = "　%s\n";
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

// ---- The entry dialog (文書件名簿) -------------------------------------------
inline constexpr const char* kEntryCaption = "文書件名簿";
inline constexpr const char* kEntryHeading = "文　書　件　名　簿";
inline constexpr const char* kOkAdd = "追加";
inline constexpr const char* kOkChange = "変更";
inline constexpr const char* kOkDelete = "削除";
inline constexpr const char* kUnitFiscalYear = "年度";
inline constexpr const char* kUnitCalendarYear = "年";
inline constexpr const char* kInvalidInput = "入力データに誤りがあります";
inline constexpr const char* kDeleteQuestion = "ほんとうに削除してよろしいですか?";
inline constexpr const char* kDeleteCaption = "削除確認";
// Labels of the entry dialog; "&" marks the accelerator.
inline constexpr const char* kLabelRegisterYear = "管理年(&Y)";
inline constexpr const char* kLabelVolumeYear = "簿冊年度(&B)";
inline constexpr const char* kLabelSection = "所属 課(&G)";
inline constexpr const char* kLabelSubsection = "係(&E)";
inline constexpr const char* kLabelVolumeTitle = "簿冊名(&M)";
inline constexpr const char* kLabelReceived = "受付日(&U)";
inline constexpr const char* kLabelNumber = "番号(&N)";
inline constexpr const char* kNumberSuffix = "号";
inline constexpr const char* kLabelSubject = "件名(&K)";
inline constexpr const char* kLabelSender = "発信者(&H)";
inline constexpr const char* kLabelReceiver = "受信者(&J)";
inline constexpr const char* kLabelCompleted = "この文書は、結了した(&C)";
inline constexpr const char* kLabelCompletedDate = "結了日";
inline constexpr const char* kDraftButton = "起案";
inline constexpr const char* kEntryDraftButton = "起案(&D)";
inline constexpr const char* kDraftNote = "※起案文書として文書番号をとる場合に使用する";
inline constexpr const char* kProgressHeading = "経過処分";
inline constexpr const char* kProgressRow = "経過%d";
inline constexpr const char* kProgressDate = "経過%dの日付";
inline constexpr const char* kProgressText = "経過%dの内容";
inline constexpr const char* kProgressDraft = "経過%dの起案";
inline constexpr const char* kLabelImportant = "重要文書目録に搭載する";
inline constexpr const char* kOkAccelerator = "%s(&O)";
inline constexpr const char* kCancel = "キャンセル";
// The draft file of an entry in its volume's folder: subject, draft number
// (0 the entry's, 1-10 a progress row's), word-processor extension.
inline constexpr const char* kDraftFileName = "起案_%s_%03d.%s";
// The number shown when the dialog opened is a proposal; the number is
// taken when the entry is saved.
inline constexpr const char* kRenumbered =
    "文書番号%s号は、保存までの間に他の端末で使われました。\n"
    "この文書は、文書番号%s号で登録しました。";
inline constexpr const char* kRegisterNotSaved =
    "文書件名簿に保存できませんでした。入力した内容はそのまま残っています。";
inline constexpr const char* kCatalogueNotSaved =
    "文書件名簿には保存しましたが、索引目録に保存できませんでした。"
    "もう一度押すと索引目録への保存をやり直します。";

// ---- The extraction dialog -----------------------------------------------------
inline constexpr const char* kCriteriaCaption = "文書件名簿（受付簿）の抽出";
inline constexpr const char* kByFiscalYear = "年度で抽出する";
inline constexpr const char* kByCalendarYear = "年で抽出する";
inline constexpr const char* kByWord = "文書名に含まれる単語で抽出する";
inline constexpr const char* kBySection = "課で抽出する";
inline constexpr const char* kBySubsection = "係で抽出する";
inline constexpr const char* kByNumber = "受付番号で抽出する";
inline constexpr const char* kByReceivedDate = "受付日で抽出する";
inline constexpr const char* kByCompleted = "結了で抽出する";
inline constexpr const char* kCompleted = "結了している";
inline constexpr const char* kNotCompleted = "結了していない";
inline constexpr const char* kByCompletedDate = "結了日で抽出する";
inline constexpr const char* kCriteriaOutOfRange =
    "抽出条件の年・月・日が範囲外です（西暦は1500～3000年、月は1～12、日は1～31）。";

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

// The draft dialog; "&" marks the accelerator.
inline constexpr const char* kKianCaption = "起案文書";
inline constexpr const char* kKianType = "決裁種別";
inline constexpr const char* kKianTypeNames[2] = {"3決裁区分(&3)", "4決裁区分(&4)"};
inline constexpr const char* kKianClass = "決裁区分";
inline constexpr const char* kKianClassAccelerator = "%s(&%d)";
inline constexpr const char* kKianDate = "起案日(&D)";
inline constexpr const char* kKianPost = "職(&P)";
inline constexpr const char* kKianName = "氏名(&N)";
inline constexpr const char* kKianAigi = "合  議";
inline constexpr const char* kKianAigiField = "合議%d";
inline constexpr const char* kKianUseReference = "他の起案文書を参照して起案文書とする(&R)";
inline constexpr const char* kKianReferenceFile = "ファイル名(&F)";
inline constexpr const char* kKianBrowse = "参照(&B)...";
inline constexpr const char* kKianApproverSettings = "決裁種別設定(&S)...";
inline constexpr const char* kKianIchitaroNote =
    "※一太郎が起動した後、AutoLoadマクロを実行するかどうか聞いてきた場合は、「はい」を選んで実行"
    "してください。";
inline constexpr const char* kKianWordNote =
    "※Wordが起動した後、マクロを有効にするかの問いには、有効にするを選んで実行してください。";
inline constexpr const char* kKianCancel = "ｷｬﾝｾﾙ";

// The approver settings dialog.
inline constexpr const char* kApproverCaption = "決裁者区分設定";
inline constexpr const char* kApproverList = "決裁者一覧(&L)";
inline constexpr const char* kApproverName = "決裁者(&K)";
inline constexpr const char* kApproverSymbol = "決裁区分記号(&G)";
inline constexpr const char* kApproverAdd = "追加(&A)";
inline constexpr const char* kApproverChange = "変更(&C)";
inline constexpr const char* kApproverDelete = "削除(&D)";

// Messages of the draft dialog.
inline constexpr const char* kKianInvalidInput = kInvalidInput;
inline constexpr const char* kKianCheckCaption = "確認";
inline constexpr const char* kKianNoticeCaption = "注意";
inline constexpr const char* kKianMacroDocumentFailed = "起案文書作成失敗\nマクロ文書";
inline constexpr const char* kKianCopyFailedFirst = "起案文書作成失敗\nファイル名１：";
inline constexpr const char* kKianCopyFailedSecond = "\nファイル名２：";
inline constexpr const char* kKianReferenceFailed = "参照ファイルから起案文書の作成に失敗しました";
inline constexpr const char* kKianReferenceFilter =
    "参照する起案文書(*.jtd;*.doc;*.docx)|*.jtd;*.doc;*.docx|all files(*.*)|*.*||";

}  // namespace bunrako::register_::texts
