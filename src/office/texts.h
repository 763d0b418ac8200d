#pragma once

// Every text of the document and its desktop tools, in one place.
namespace bunrako::office::texts {

// ---- Tools of the main window ------------------------------------------------
// The general document (一般文書) the word-processor and spreadsheet tools
// propose, and the template of that name in the data folder.
inline constexpr const char* kGeneralDocumentName = "一般文書.";
inline constexpr const char* kWordProcessorFilter =
    "文書ファイル(*.jtd;*.doc;*.docx;*.odt;*.txt)|*.jtd;*.doc;*.docx;*.odt;*.txt|all "
    "files(*.*)|*.*||";
inline constexpr const char* kSpreadsheetFilter =
    "表計算ファイル(*.jsd;*.xls;*.xlsx;*.ods;*.csv)|*.jsd;*.xls;*.xlsx;*.ods;*.csv|all "
    "files(*.*)|*.*||";

// ---- Main view ---------------------------------------------------------------
// The caption of the related-file tab: the document's subject.
inline constexpr const char* kRelatedFilesCaption = "%s　関連ファイル";

}  // namespace bunrako::office::texts
