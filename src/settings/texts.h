#pragma once

// Every text the settings and the setting-item masters show or write, in one
// place.
namespace bunrako::settings::texts {

// ---- File names -----------------------------------------------------------
inline constexpr const char* kPointerFileName = "ShokiSetteiFileName.dat";
inline constexpr const char* kSettingsFileName = "ShokiSettei.dat";
inline constexpr const char* kDepartmentFileName = "Kamei.dat";
inline constexpr const char* kClassificationFileName = "BosatuBunrui.dat";
inline constexpr const char* kRetentionFileName = "HozonNengen.dat";
inline constexpr const char* kReceiptExtension = "dan";

// ---- Settings file ----------------------------------------------------------
// Version tags, newest first; the newest is the one written.
inline constexpr const char* kSettingsTag20090901 = "Ver20090901";
inline constexpr const char* kSettingsTag20060101 = "Ver20060101";
inline constexpr const char* kSettingsTag20050101 = "Ver20050101";
inline constexpr const char* kSettingsTag20030101 = "Ver20030101";

// A choice of the settings dialog holding a value the dialog never offers
// (key, value, last choice; the first is 0).
inline constexpr const char* kChoiceOutOfRange = "「%s」の値 %d は 0〜%d のどれでもありません";

// Labels put between the path and the cause text.
inline constexpr const char* kOpenLabel = "Open";
inline constexpr const char* kDataVersionLabel = "データバージョン";

// ---- Calendar mode -----------------------------------------------------------
// Today's date in the status bar in Western years.
inline constexpr const char* kWesternDate = "%d年%d月%d日";

// ---- Setting-item masters ----------------------------------------------------
inline constexpr const char* kColonOpenLabel = ":Open";
// "<path>:データが途中で切れています。..." when the count promises more
// records than the file holds.
inline constexpr const char* kMasterTruncated = ":データが途中で切れています。";
inline constexpr const char* kMasterTruncatedCount = "レコード数 %s のうち %s 件を読み込みました。";
inline constexpr const char* kMasterCountMissing = "レコード数を読み込めません（%s バイト）。";

// Captions of the editor: its own defaults, and what the document sets.
inline constexpr const char* kCaptionLevel1 = "大分類";
inline constexpr const char* kCaptionLevel2 = "中分類";
inline constexpr const char* kCaptionLevel3 = "小分類";
inline constexpr const char* kCaptionNumber = "番号";
inline constexpr const char* kCaptionName = "メイン";
inline constexpr const char* kCaptionSubName = "サブ";
inline constexpr const char* kCaptionSection = "課局室";
inline constexpr const char* kCaptionSubsection = "係名";
inline constexpr const char* kCaptionMeishou = "名称";
inline constexpr const char* kCaptionClassificationCode = "分類コード";
inline constexpr const char* kCaptionRetentionType = "保存分類";
inline constexpr const char* kCaptionRetentionPeriod = "保存（見直）期間";

// ---- CSV form of the masters ---------------------------------------------------
inline constexpr const char* kCsvRejected =
    "CSVファイルに誤りがあるため、取り込みを中止しました。項目の設定は変更されていません。";
inline constexpr const char* kCsvLine = "%s行目：";
inline constexpr const char* kCsvMoreLines = "ほか %s 行に誤りがあります。";
inline constexpr const char* kCsvNotCp932 =
    "文字コードがShift-JISではありません。Shift-JISで保存し直してください。";
inline constexpr const char* kCsvNotConvertible = "Shift-JISで表せない文字があります。";
inline constexpr const char* kCsvTooManyFields =
    "項目が多すぎます（コード,名称,サブの3項目です）。";
inline constexpr const char* kCsvCodeMissing = "コードがありません。";
inline constexpr const char* kCsvCodeNotDigits = "コードは10桁以内の数字で指定してください。";
inline constexpr const char* kCsvNameTooLong = "名称が40バイトを超えています。";
inline constexpr const char* kCsvSubNameTooLong = "サブが40バイトを超えています。";

// ---- Item editor -----------------------------------------------------------------
inline constexpr const char* kEditorTitle = "項目の設定(%s)";
inline constexpr const char* kDeleteQuestion = "%s\n\nほんとうに削除してよろしいですか？";
inline constexpr const char* kDeleteCaption = "項目の削除";
inline constexpr const char* kCsvFilter = "CSVファイル(*.csv)|*.csv|all files(*.*)|*.*||";
inline constexpr const char* kCsvExtension = "csv";
inline constexpr const char* kButtonRegister = "登録(&R)";
inline constexpr const char* kButtonDelete = "削除(&D)";
inline constexpr const char* kButtonBack = "戻る";
inline constexpr const char* kButtonCsvImport = "CSV一括登録(&I)";
inline constexpr const char* kButtonCsvExport = "CSV書込保存(&E)";
inline constexpr const char* kItemList = "項目の一覧";
// A master that could not be written when the editor closed.
inline constexpr const char* kMasterNotSaved =
    "項目の設定を保存できませんでした。\n\n「はい」で編集画面に戻ります（入力した内容は残っています"
    "）。\n"
    "「いいえ」で変更を取り消します。";
inline constexpr const char* kMasterNotSavedCaption = "項目の設定";

// ---- Initial-settings dialog ----------------------------------------------------
inline constexpr const char* kSettingsCaption = "初期設定";
inline constexpr const char* kAffiliation = "所属";
inline constexpr const char* kSectionCombo = "課";
inline constexpr const char* kSubsectionCombo = "係";
inline constexpr const char* kPageGeneral = "全般";
inline constexpr const char* kPageRegister = "文書件名簿";
inline constexpr const char* kPageWordProcessor = "ワープロ";
inline constexpr const char* kPageSpreadsheet = "表計算";
inline constexpr const char* kPageFileManager = "ファイル管理";
inline constexpr const char* kPagePersonal = "個人";
inline constexpr const char* kGroupCalendar = "暦の表示";
inline constexpr const char* kEraYears = "和暦";
inline constexpr const char* kWesternYears = "西暦";
inline constexpr const char* kGroupManagementPeriod = "簿冊管理期間";
inline constexpr const char* kPeriodApril = "4月～3月";
inline constexpr const char* kPeriodJuly = "7月～6月";
inline constexpr const char* kPeriodOctober = "10月～9月";
inline constexpr const char* kPeriodJanuary = "1月～12月";
inline constexpr const char* kVolumeFileLabel = "簿冊データファイル";
inline constexpr const char* kRetentionChangeFileLabel = "保存年限変更書データファイル";
inline constexpr const char* kDisposedFileLabel = "廃棄簿冊データファイル";
inline constexpr const char* kRegisterFileLabel = "文書件名簿データファイル";
inline constexpr const char* kGroupNumberPeriod = "文書番号管理期間";
inline constexpr const char* kSameAsVolumes = "簿冊管理期間と同じ";
inline constexpr const char* kCalendarYear = "1月から12月";
inline constexpr const char* kNumberPrefix = "番号の接頭語";
inline constexpr const char* kUseWordProcessor = "ワープロソフトを使う";
inline constexpr const char* kProgramLabel = "実行ファイル";
inline constexpr const char* kStandardExtension = "標準の拡張子";
inline constexpr const char* kGroupForms = "帳票様式";
inline constexpr const char* kVolumeTitleLabel = "簿冊タイトル";
inline constexpr const char* kIndexFormLabel = "索引目録様式";
inline constexpr const char* kIndexBatchLabel = "索引目録一括印刷";
inline constexpr const char* kDraftLabel = "起案文書";
inline constexpr const char* kWordMacroNote =
    "※Wordの場合は、マクロのセキュリティを「中」又は「低」に設定してください。";
inline constexpr const char* kExtensionNote =
    "※一太郎の場合は「jtd」、Wordの場合は「doc」を指定する。";
inline constexpr const char* kUseSpreadsheet = "表計算ソフトを使う";
inline constexpr const char* kGroupLinkPrograms = "データ連携の際、起動するファイル";
inline constexpr const char* kLinkRegisterLabel = "文書件名簿";
inline constexpr const char* kLinkVolumeLabel = "文書整理一覧表";
inline constexpr const char* kLinkIndexLabel = "索引目録";
inline constexpr const char* kLinkRetentionLabel = "保存年限変更書";
inline constexpr const char* kLinkPermanentLabel = "永年簿冊台帳";
inline constexpr const char* kLinkDisposedLabel = "廃棄簿冊一覧表";
inline constexpr const char* kUseFileManager = "ファイル管理ソフトを使う";
inline constexpr const char* kUsePersonalFolder = "個人用フォルダを利用する";
inline constexpr const char* kFolderName = "フォルダ名";
inline constexpr const char* kBrowse = "参照...";
inline constexpr const char* kPersonalFolderCaption = "個人用フォルダの選択";
// Why OK did nothing (shown in the dialog's status line).
inline constexpr const char* kMissingSection = "課を選んでください。";
inline constexpr const char* kMissingSubsection = "係を選んでください。";
inline constexpr const char* kMissingSectionCode =
    "選んだ係の番号が課室局等にありません。課室局等の設定を確かめてください。";
// The settings could not be saved: the dialog stays open with its input.
inline constexpr const char* kSettingsNotSaved =
    "初期設定を保存できませんでした。入力した内容は残っています。保存先を確かめて、もう一度OKを押し"
    "てください。";
// The first start on a data folder without settings.
inline constexpr const char* kNoSettingsYet =
    "この事務所にはまだ初期設定がありません。\n\n"
    "課室局等で課と係を登録し、初期設定で作業する課・係とデータファイルを設定してください。";
inline constexpr const char* kNoSettingsCaption = "初期設定";

// File-dialog filters of the browse buttons (stored form).
inline constexpr const char* kVolumeFileFilter =
    "マスター簿冊データファイル(*.dat)|*.dat|all files(*.*)|*.*||";
inline constexpr const char* kDisposedFileFilter =
    "廃棄簿冊データファイル(*.dat)|*.dat|all files(*.*)|*.*||";
inline constexpr const char* kRetentionChangeFileFilter =
    "保存年限変更書データファイル(*.dat)|*.dat|all files(*.*)|*.*||";
inline constexpr const char* kRegisterFileFilter =
    "文書件名簿データファイル(*.dat)|*.dat|all files(*.*)|*.*||";
inline constexpr const char* kExeFilter = "%s(*.exe)|*.exe|all files(*.*)|*.*||";
// Elsewhere programs have no extension.
inline constexpr const char* kProgramFilter = "%s(*)|*|all files(*.*)|*.*||";
inline constexpr const char* kWordProcessorProgram = "ワープロ実行ファイル";
inline constexpr const char* kSpreadsheetProgram = "表計算実行ファイル";
inline constexpr const char* kFileManagerProgram = "ファイル管理実行ファイル";
inline constexpr const char* kFormFilter =
    "%s(*.jtd;*.doc;*.docx)|*.jtd;*.doc;*.docx|all files(*.*)|*.*||";
inline constexpr const char* kVolumeTitleFormFile = "簿冊タイトル印刷ファイル";
inline constexpr const char* kIndexFormFile = "索引目録印刷ファイル";
inline constexpr const char* kIndexBatchFormFile = "索引目録一括印刷ファイル";
inline constexpr const char* kLinkFilter = "%s(*.%s)|*.%s|all files(*.*)|*.*||";
inline constexpr const char* kLinkRegisterFile = "文書件名簿連携ファイル";
inline constexpr const char* kLinkVolumeFile = "文書整理一覧表連携ファイル";
inline constexpr const char* kLinkIndexFile = "索引目録連携ファイル";
inline constexpr const char* kLinkRetentionFile = "保存年限変更書連携ファイル";
inline constexpr const char* kLinkPermanentFile = "永年簿冊台帳連携ファイル";
inline constexpr const char* kLinkDisposedFile = "廃棄簿冊一覧表連携ファイル";

// ---- Section switch ---------------------------------------------------------------
inline constexpr const char* kSwitchCaption = "課・係の切替";
inline constexpr const char* kSwitchButton = "切替(&S)";
inline constexpr const char* kSwitchList = "設定のある課・係";

}  // namespace bunrako::settings::texts
