#pragma once

// Every text the index catalogue, related-file, registered-form and file-search
// code shows or writes, in one place.
namespace bunrako::catalogue::texts {

// ---- File names, folder names and version tags -------------------------
inline constexpr const char* kCatalogueFileName = "SakuinMokuroku.dat";
inline constexpr const char* kRelatedListExtension = ".dat";
inline constexpr const char* kRegisteredFormsFileName = "TourokuTyouhyou.dat";

inline constexpr const char* kCatalogueTagPrefix = "S";
inline constexpr const char* kCatalogueTagVer316 = "SakuinMokurokuVer316";
inline constexpr const char* kCatalogueTagVer303 = "SakuinMokurokuVer303";
inline constexpr const char* kCatalogueTagVer201 = "SakuinMokurokuVer201";
inline constexpr const char* kCatalogueTagVer200 = "SakuinMokurokuVer200";
inline constexpr const char* kRelatedListTag = "Ver20090801";
inline constexpr const char* kRegisteredFormsTag = "Ver20030101";

// The cleared catalogue header's retention text.
inline constexpr const char* kDefaultRetentionText = "５年";

// ---- Messages -------------------------------------------------------------

// Opening a volume's catalogue when an earlier release left it in the old
// folder place (followed by the old folder).
inline constexpr const char* kOldCatalogueKept =
    "\n索引目録データのフォルダに内容の異なる同じ名前のファイルがあるため、"
    "古いフォルダの索引目録を移さずに残しました。";
inline constexpr const char* kOldCatalogueNotCopied =
    "\n古いフォルダの索引目録を索引目録データのフォルダへ写せなかったため、"
    "古いフォルダを残しました。";

// Field keys named in the messages above.
inline constexpr const char* kFieldVolumeNumber = "管理番号";
inline constexpr const char* kFieldDepartmentName = "課局室名";
inline constexpr const char* kFieldSectionName = "係名";
inline constexpr const char* kFieldDepartmentClassCode = "課分類コード";
inline constexpr const char* kFieldMajorClassCode = "大分類コード";
inline constexpr const char* kFieldMajorClassName = "大分類名称";
inline constexpr const char* kFieldMiddleClassCode = "中分類コード";
inline constexpr const char* kFieldMiddleClassName = "中分類名称";
inline constexpr const char* kFieldMinorClassCode = "小分類コード";
inline constexpr const char* kFieldMinorClassName = "小分類名称";
inline constexpr const char* kFieldVolumeTitle = "タイトル";
inline constexpr const char* kFieldDocumentNumber = "文書番号";
inline constexpr const char* kFieldSubject = "件名";
inline constexpr const char* kFieldRemarks = "備考";
inline constexpr const char* kFieldProgressText = "経過";
inline constexpr const char* kFieldFileName = "ファイルの名称";
inline constexpr const char* kFieldFileType = "ファイルの種類";
inline constexpr const char* kFieldFolder = "ファイルの保存場所";

// ---- The index catalogue and related-file tabs -----------------------------
// Column captions of the index catalogue list.
inline constexpr const char* kColumnReceived = "受付日";
inline constexpr const char* kColumnDocumentNumber = "文書番号";
inline constexpr const char* kColumnDocumentName = "文書名";
inline constexpr const char* kColumnRemarks = "備考";
// The reception date cell in Western mode.
inline constexpr const char* kCellWesternDate = "%d.%d.%d";
// The caption above the list: year, the three classification codes, title,
// department and section ("平成20年度（01-02-03）会議録　　総務課　庶務係").
inline constexpr const char* kCaptionWestern = "%d年度（%s-%s-%s）%s　　%s　%s";
inline constexpr const char* kCaptionEra = "%s度（%s-%s-%s）%s　　%s　%s";

// Column captions of the related-file list.
inline constexpr const char* kColumnFile = "ファイル";
inline constexpr const char* kColumnValidity = "効力";
inline constexpr const char* kColumnFileType = "種類";
inline constexpr const char* kColumnLastUpdate = "最終更新";
inline constexpr const char* kColumnFolder = "フォルダ";
inline constexpr const char* kCellInvalid = "無効";
inline constexpr const char* kCellLastUpdate = "%Y/%m/%d %H:%M:%S";

// The register's value of importantFlag follows this retention text.
inline constexpr const char* kPermanentRetention = "永年";

// ---- Linkage and print files ---------------------------------------------
inline constexpr const char* kCatalogueCsvName = "SakuinMokuroku.csv";
inline constexpr const char* kBatchCsvName = "SakuinIkkatu.csv";
inline constexpr const char* kBatchWordCsvName = "SakuinIkkatuWord.csv";
// The form name that opens each catalogue's first line.
inline constexpr const char* kCsvFormName = "索引目録";
// The year cells read "平成20年度" or "2008年度"; the last cell of the head
// line gives the volume's year without this.
inline constexpr const char* kCsvFiscalYearSuffix = "度";
// A document's reception date in Western mode, one cell like the era "H20.4.1".
inline constexpr const char* kCsvWesternEntryDate = "%y.%m.%d";
// The columns of the Word file's header row; the entry columns repeat for
// every entry of a page.
inline constexpr const char* kBatchWordHeaderStart =
    "帳票名,開始,終了,保存,分類,課名,係名,氏名,タイトル";
inline constexpr const char* kBatchWordHeaderEntry = ",受付%d,番号%d,文書%d,備考%d";

// ---- Data linkage and batch printing ----------------------------------------
// The Word file failed (the 一太郎 file fails with the volume linkage's text).
inline constexpr const char* kWordDataFailed = "ワード用データ作成に失敗しました";
inline constexpr const char* kBatchPrintQuestion =
    "選択されている全ての簿冊を対象に印刷します\n\n索引目録様式を印刷しますか？";

// ---- File search ----------------------------------------------------------
inline constexpr const char* kSearchColumnFileName = "ファイル名";
inline constexpr const char* kSearchColumnDocumentName = "文書名";
inline constexpr const char* kSearchColumnFolder = "格納先のフォルダー";
inline constexpr const char* kSortAscendingMark = "▲";
inline constexpr const char* kSortDescendingMark = "▼";
// The extensions each kind of file is known by, in exactly these spellings.
inline constexpr const char* kDocumentExtensions[] = {"jtd", "Jtd", "JTD", "doc", "Doc",
                                                      "DOC", "txt", "Txt", "TXT"};
inline constexpr const char* kSpreadsheetExtensions[] = {"jsd", "Jsd", "JSD", "xls", "Xls",
                                                         "XLS", "csv", "Csv", "CSV"};

// ---- File search and registered forms dialogs ------------------------------------
inline constexpr const char* kSearchCaption = "ファイル等の検索";
inline constexpr const char* kSearchModeFiles = "ファイルを検索する(&F)";
inline constexpr const char* kSearchModeCatalogues = "索引目録を検索する(&C)";
inline constexpr const char* kSearchAllFiles = "全ファイル(&A)";
inline constexpr const char* kSearchDocumentFiles = "文書ファイル(&D)";
inline constexpr const char* kSearchSpreadsheetFiles = "表計算ファイル(&X)";
inline constexpr const char* kSearchText = "検索する文字(&T)";
inline constexpr const char* kSearchRoot = "検索する場所";
inline constexpr const char* kSearchStart = "検索開始(&S)";
inline constexpr const char* kSearchStop = "中止(&S)";
inline constexpr const char* kSearchBack = "戻る";
inline constexpr const char* kSearchResults = "検索結果";
inline constexpr const char* kSearchRunning = "検索中… %1 件";
inline constexpr const char* kSearchDone = "%1 件見つかりました。";
inline constexpr const char* kSearchStopped = "中止しました。それまでに %1 件見つかりました。";
inline constexpr const char* kFormsCaption = "登録帳票";
inline constexpr const char* kFormsList = "登録帳票の一覧";
inline constexpr const char* kFormsTitle = "タイトル(&T)";
inline constexpr const char* kFormsFile = "ファイル(&F)";
inline constexpr const char* kFormsOption = "オプション(&O)";
inline constexpr const char* kFormsRunMode = "実行区分";
inline constexpr const char* kFormsRunModes[] = {"実行（終了まで待つ）", "実行", "関連実行",
                                                 "印刷"};
inline constexpr const char* kFormsBrowse = "参照...";
inline constexpr const char* kFormsRegister = "登録(&R)";
inline constexpr const char* kFormsDelete = "削除(&D)";
inline constexpr const char* kFormsRun = "実行(&E)";
inline constexpr const char* kFormsBack = "戻る";
inline constexpr const char* kFormsNoTitle = "タイトルを入力してください。";
inline constexpr const char* kFormsFileFilter =
    "印刷・実行ファイル(*.jtd;*.doc;*.docx;*.xls;*.xlsx;*.jsd;*.exe)|*.jtd;*.doc;*.docx;*.xls;*."
    "xlsx;*.jsd;*.exe|all files(*.*)|*.*||";
inline constexpr const char* kFormsOptionFilter =
    "文書ファイル(*.jtd;*.doc;*.docx;*.xls;*.xlsx;*.jsd)|*.jtd;*.doc;*.docx;*.xls;*.xlsx;*.jsd|all "
    "files(*.*)|*.*||";

// ---- Related-file dialog ----------------------------------------------------------
inline constexpr const char* kRelatedCaption = "関連ファイル";
inline constexpr const char* kRelatedFileName = "ファイル名(&N)";
inline constexpr const char* kRelatedFolder = "フォルダ名(&F)";
inline constexpr const char* kRelatedBrowse = "参照(&B)...";
inline constexpr const char* kRelatedFilter = "関連ファイル(*.*)|*.*||";
inline constexpr const char* kRelatedNoName = "ファイル名を入力してください。";
inline constexpr const char* kRelatedDeleteQuestion = "本当に削除してよろしいか？";
// What 削除 does and does not remove.
inline constexpr const char* kRelatedDeleteKeepsFile =
    "\n\n関連ファイルの一覧から外します。ファイル %s そのものは削除されません。";
inline constexpr const char* kRelatedDeleteCaption = "確認";
inline constexpr const char* kRelatedNotSaved =
    "%s\n関連ファイルの一覧を保存できませんでした。フォルダを確かめてください。";
inline constexpr const char* kRelatedInputKept = "\n入力した内容は残っています。";

// ---- The entry dialog (索引目録) ----------------------------------------------------
inline constexpr const char* kEntryCaption = "索引目録";
inline constexpr const char* kEntryOkAdd = "登録";
inline constexpr const char* kEntryOkChange = "変更";
inline constexpr const char* kEntryOkDelete = "削除";
inline constexpr const char* kEntryOkAccelerator = "%s(&O)";
inline constexpr const char* kEntryCancel = "キャンセル";
inline constexpr const char* kEntryFiscalYear = "年度";
inline constexpr const char* kEntryClassification = "簿冊分類";
inline constexpr const char* kEntryVolumeTitle = "簿冊名";
// The volume's classification: the three codes, then the three names.
inline constexpr const char* kEntryClassificationText = "%s-%s-%s:%s-%s-%s";
// The volume's year: "2008年度", or the era year and "度" ("平成20年度").
inline constexpr const char* kEntryWesternYear = "%d年度";
inline constexpr const char* kEntryEraYearSuffix = "度";
inline constexpr const char* kEntryReceived = "受付日(&U)";
inline constexpr const char* kEntryNumber = "文書番号(&N)";
inline constexpr const char* kEntrySubject = "件名(&K)";
inline constexpr const char* kEntryRemarks = "備考(&B)";
inline constexpr const char* kEntrySender = "発信者(&H)";
inline constexpr const char* kEntryReceiver = "受信者(&J)";
inline constexpr const char* kEntryLinkRegister = "文書件名簿と連携する(&L)";
inline constexpr const char* kEntryCompleted = "この文書は、結了した(&C)";
inline constexpr const char* kEntryCompletedDate = "結了日";
inline constexpr const char* kEntryRemoveBefore = "変更前のデータを削除する(&R)";
inline constexpr const char* kEntryDraft = "起案(&D)";
inline constexpr const char* kEntryRowDraft = "起案";
inline constexpr const char* kEntryProgressHeading = "経過処分";
inline constexpr const char* kEntryProgressRow = "経過%d";
inline constexpr const char* kEntryProgressDate = "経過%dの日付";
inline constexpr const char* kEntryProgressText = "経過%dの内容";
inline constexpr const char* kEntryProgressDraft = "経過%dの起案";
inline constexpr const char* kEntryDeleteQuestion = "本当に削除してよろしいですか?";
// A catalogue that could not be written (followed by its folder): the
// dialog stays open with what was typed.
inline constexpr const char* kEntryNotSaved =
    "索引目録に保存できませんでした。次のフォルダを確かめてください。"
    "入力した内容はそのまま残っています。\n%s";
inline constexpr const char* kEntryRegisterNotSaved =
    "索引目録には保存しましたが、文書件名簿に保存できませんでした。"
    "もう一度押すと文書件名簿への保存をやり直します。";

// ---- The extraction dialog (索引目録の抽出) ---------------------------------------
inline constexpr const char* kCriteriaCaption = "索引目録の抽出";
inline constexpr const char* kCriteriaByNumber = "受付番号で抽出する(&N)";
inline constexpr const char* kCriteriaByDate = "受付日で抽出する(&U)";
inline constexpr const char* kCriteriaByWord = "文書名に含まれる単語で抽出する(&W)";
inline constexpr const char* kCriteriaByCompletion = "結了で抽出する(&C)";
inline constexpr const char* kCriteriaCompleted = "結了している(&E)";
inline constexpr const char* kCriteriaNotCompleted = "結了していない(&G)";
inline constexpr const char* kCriteriaByCompletionDate = "結了日で抽出する(&D)";
inline constexpr const char* kCriteriaFrom = "から";
inline constexpr const char* kCriteriaTo = "まで";
inline constexpr const char* kCriteriaNumberFrom = "受付番号 始め";
inline constexpr const char* kCriteriaNumberTo = "受付番号 終わり";
inline constexpr const char* kCriteriaDateFrom = "受付日 始め";
inline constexpr const char* kCriteriaDateTo = "受付日 終わり";
inline constexpr const char* kCriteriaWord = "単語";
inline constexpr const char* kCriteriaCompletionFrom = "結了日 始め";
inline constexpr const char* kCriteriaCompletionTo = "結了日 終わり";
inline constexpr const char* kCriteriaOk = "OK";
inline constexpr const char* kCriteriaCancel = "キャンセル";

}  // namespace bunrako::catalogue::texts
