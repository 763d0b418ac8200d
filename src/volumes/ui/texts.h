#pragma once

// Every text the volume dialogs show: captions, labels, buttons and the
// accessible names of their parts.
namespace bunrako::volumes::ui::texts {

// Parts of a year input, after the input's own name.
inline constexpr const char* kEraPart = "の元号";
inline constexpr const char* kEraYearPart = "の年";
inline constexpr const char* kWesternYearPart = "の西暦年";
inline constexpr const char* kMonthPart = "の月";
inline constexpr const char* kFiscalYearSuffix = "年度";
inline constexpr const char* kYearSuffix = "年";
inline constexpr const char* kMonthSuffix = "月";
inline constexpr const char* kRangeSign = "～";

// ---- Volume entry dialog (簿冊一覧データ) -----------------------------------
inline constexpr const char* kEntryCaption = "簿冊一覧データ";
inline constexpr const char* kDepartment = "主管課(&K)";
inline constexpr const char* kDepartmentName = "主管課";
inline constexpr const char* kSectionName = "主管係";
inline constexpr const char* kCreationYear = "作成年度(&N)";
inline constexpr const char* kCreationYearName = "作成年度";
inline constexpr const char* kTitle = "タイトル(&T)";
inline constexpr const char* kTitleName = "タイトル";
inline constexpr const char* kBooks = "冊数(&U)";
inline constexpr const char* kBooksName = "冊数";
inline constexpr const char* kClassification = "簿冊分類(&B)";
inline constexpr const char* kMajorName = "大分類";
inline constexpr const char* kMiddleName = "中分類";
inline constexpr const char* kMinorName = "小分類";
inline constexpr const char* kFiling = "収納(&S)";
inline constexpr const char* kFilingFromName = "収納開始年度";
inline constexpr const char* kFilingToName = "収納終了年度";
inline constexpr const char* kRetentionType = "保存種別(&H)";
inline constexpr const char* kRetentionTypeName = "保存種別";
inline constexpr const char* kRetentionYears = "保存(&Y)";
inline constexpr const char* kRetentionYearsName = "保存年数";
inline constexpr const char* kExpiry = "満了年月(&M)";
inline constexpr const char* kExpiryName = "満了年月";
inline constexpr const char* kDailyUse = "常用文書とする（書庫に入れない）(&J)";
inline constexpr const char* kContents = "簿冊に目次を入れる(&O)";
inline constexpr const char* kDisposed = "簿冊を廃棄した(&P)";
inline constexpr const char* kDisposal = "廃棄年月(&E)";
inline constexpr const char* kDisposalName = "廃棄年月";
inline constexpr const char* kReviewGroup = "永久保存等における保存期間の見直し";
inline constexpr const char* kReviewNames[] = {"次回の見直し 時期", "前回の見直し 時期",
                                               "前々回の見直し 時期"};
inline constexpr const char* kReviewLabels[] = {"次回の見直し 時期(&1)", "前回の見直し 時期(&2)",
                                                "前々回の見直し 時期(&3)"};
inline constexpr const char* kReviewToDo = "保存期間の見直しを行う";
inline constexpr const char* kReviewDone = "保存期間の見直しを行った";
inline constexpr const char* kReviewPeriod = "保存年限";
inline constexpr const char* kReviewPeriodNames[] = {"次回の保存年限", "前回の保存年限",
                                                     "前々回の保存年限"};
inline constexpr const char* kReviewButton = "保存期間見直(&R)";
inline constexpr const char* kRemoveBefore = "変更前データを削除する(&D)";
inline constexpr const char* kNote =
    "※この画面で「保存種別」の変更や「簿冊の廃棄」の変更を行っても「保存年限変更書」や"
    "「廃棄簿冊一覧表」に反映されません。その場合は、「メニュー」から処理してください。";
// The button of each mode, and the mark that tells the mode.
inline constexpr const char* kModeButtons[] = {"追加(&A)", "変更(&C)", "削除(&D)"};
inline constexpr const char* kModeMarks[] = {"登録", "変更", "削除"};
inline constexpr const char* kModeMarkName = "処理の種類";
inline constexpr const char* kCancel = "キャンセル";

// ---- Bulk disposal and retention-type change ------------------------------
inline constexpr const char* kDisposalCaption = "簿冊の一括廃棄処理";
inline constexpr const char* kDisposalExplanation[] = {
    "選択した簿冊を指定した年月で、一括して廃棄処理するとともに、廃棄簿冊一覧表に登録します。",
    "※すでに廃棄処理済み項目は、新たに指定した年月での廃棄処理となります。",
    "※一度廃棄処理すると元に戻りませんのでご注意ください。"};
inline constexpr const char* kStartProcessing = "処理開始(&S)";
inline constexpr const char* kBack = "戻る";
inline constexpr const char* kRetentionChangeCaption = "保存種別の一括変更処理";
inline constexpr const char* kRetentionChangeExplanation[] = {
    "保存種別の一括変更処理を行うとともに、その処理内容を保存年限変更書に記載します。",
    "※すでに変更処理済み項目は、保存年限変更書へ新たに追加処理されます。",
    "※一度変更処理すると保存年限変更書は元に戻りませんのでご注意ください。"};
inline constexpr const char* kNewRetentionType = "保存種別(&H)";
inline constexpr const char* kChangeReason = "変更理由(&R)";
// The progress of a batch.
inline constexpr const char* kDisposingVolumes = "簿冊を廃棄処理しています…";
inline constexpr const char* kChangingRetention = "保存種別を変更しています…";
inline constexpr const char* kDisposingData = "データをシステムから廃棄しています…";
inline constexpr const char* kWritingFiles = "ファイルに書き込んでいます…";
inline constexpr const char* kStop = "中止";
// The caption of the message at the end of a data disposal.
inline constexpr const char* kDataDisposalCaption = "データ廃棄";

// ---- Extraction dialogs ----------------------------------------------------
inline constexpr const char* kOk = "OK";
inline constexpr const char* kByTitle = "タイトルに含まれる文字で抽出する(&T)";
inline constexpr const char* kByCreationYear = "作成年度で抽出する(&N)";
inline constexpr const char* kByDepartment = "主管課で抽出する(&K)";
inline constexpr const char* kBySection = "主管係で抽出する(&G)";
inline constexpr const char* kByMajor = "簿冊分類の大分類で抽出する(&B)";
inline constexpr const char* kByMiddle = "中分類で抽出する(&C)";
inline constexpr const char* kByMinor = "小分類で抽出する(&S)";
inline constexpr const char* kByRetentionType = "保存分類で抽出する(&H)";
inline constexpr const char* kByFilingYear = "収納年度で抽出する(&U)";
inline constexpr const char* kByExpiry = "満了年月で抽出する(&M)";
inline constexpr const char* kByDisposal = "廃棄年月で抽出する(&E)";
inline constexpr const char* kByReview = "見直し年月で抽出する(&R)";
inline constexpr const char* kByCatalogue = "索引目録の登録項目の有無で抽出する(&I)";
inline constexpr const char* kCatalogueWith = "登録項目「有」";
inline constexpr const char* kCatalogueWithout = "登録項目「無」";
inline constexpr const char* kFromSuffix = "（から）";
inline constexpr const char* kToSuffix = "（まで）";

// ---- Change-form extraction (保存年限変更書の抽出) ---------------------------
inline constexpr const char* kChangeFormCaption = "保存年限変更書の抽出";
inline constexpr const char* kByFilingStart = "収納開始年度で抽出する(&U)";
inline constexpr const char* kByFilingEnd = "収納終了年度で抽出する(&E)";
inline constexpr const char* kByTypeBefore = "変更前の保存年限で抽出する(&M)";
inline constexpr const char* kByTypeAfter = "変更後の保存年限で抽出する(&A)";
inline constexpr const char* kByReason = "変更理由に含まれる文字で抽出する(&R)";

// ---- Fiscal-year switch (文書整理一覧表の年度切替) --------------------------
inline constexpr const char* kYearSwitchCaption = "文書整理一覧表の年度切替";
inline constexpr const char* kYearSwitchExplanation =
    "年度切替処理を行います\n\n"
    "現在選択している簿冊に対し、次の年度の簿冊として新規に登録します\n\n"
    "既に登録されている簿冊に対しては、新規として変更されますので注意して下さい";
inline constexpr const char* kYearSwitchYear = "作成年度(&N)";
inline constexpr const char* kYearSwitchYearName = "作成年度";
inline constexpr const char* kYearSwitchReorganise =
    "組織の統廃合により、選択されている簿冊データを、他の課・係のデータとして作成し直す(&O)";
inline constexpr const char* kYearSwitchDepartment = "課(&K)";
inline constexpr const char* kYearSwitchSection = "係(&G)";
inline constexpr const char* kYearSwitchFile = "作成するマスターファイル(&F)";
inline constexpr const char* kBrowse = "参照(&R)...";
inline constexpr const char* kProgressName = "進行状況";

// ---- Bulk import (簿冊データ簡易登録) --------------------------------------
inline constexpr const char* kImportExplanation =
    "Excelファイルから作成した簿冊データを基に文書整理一覧表に登録する処理を行います";
inline constexpr const char* kImportStep1 =
    "１　Excelファイルを読み込む処理を行います。"
    "次のExcelファイルから必要なCSVファイルを作成してください。";
inline constexpr const char* kImportStep2 =
    "２　読み込んだデータを文書整理一覧表互換データへ変換します";
inline constexpr const char* kImportStep3 = "３　文書整理一覧表に変換したデータを取り込みます。";
inline constexpr const char* kImportFile = "Excelファイル(&X)";
inline constexpr const char* kImportOpen = "Excelファイルの起動(&E)";
inline constexpr const char* kImportBlankForm = "空の様式を作成(&B)";
inline constexpr const char* kImportRead = "データ読み込み(&1)";
inline constexpr const char* kImportConvert = "データ変換(&2)";
inline constexpr const char* kImportStore = "データ取り込み(&3)";
inline constexpr const char* kImportCsvLine = "読み込むCSVファイル：%1";
// What each step did, under its button.
inline constexpr const char* kImportReadDone = "%1個のデータを読み込みました（エラーのリスト：%2）";
inline constexpr const char* kImportConvertDone =
    "%1個のデータを変換しました（エラーのリスト：%2）";
inline constexpr const char* kImportStoreDone = "%1個のデータを「%2」に登録しました";
inline constexpr const char* kImportStepFailed = "この処理は行えませんでした";
inline constexpr const char* kImportNoErrorList = "（エラーのリストを書けませんでした）";

}  // namespace bunrako::volumes::ui::texts
