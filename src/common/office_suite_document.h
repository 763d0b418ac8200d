#pragma once

#include <filesystem>
#include <string>

namespace bunrako {

class Prompt;
class Shell;

// Outside Windows there is no 一太郎 or Word to run the merge macros of the
// form templates: the program fills templates of its own (flat OpenDocument
// text, .fodt) from the Word CSV file it has just written and hands the
// filled document to the office suite. Windows keeps the word processors.
bool FillsOfficeSuiteTemplates();

// Makes FillsOfficeSuiteTemplates answer as told while it lives, so that the
// word-processor procedures and the office-suite one are each checked on
// every system.
class ScopedOfficeSuiteTemplates {
  public:
    explicit ScopedOfficeSuiteTemplates(bool fill);
    ~ScopedOfficeSuiteTemplates();
    ScopedOfficeSuiteTemplates(const ScopedOfficeSuiteTemplates&) = delete;
    ScopedOfficeSuiteTemplates& operator=(const ScopedOfficeSuiteTemplates&) = delete;

  private:
    int m_previous;
};

// The template to fill: the form named in the settings when it is a .fodt
// that exists, otherwise the program's own template of that kind (the
// templates folder of the program's resources).
std::filesystem::path OfficeTemplatePath(const std::string& storedForm, const char* installedName);

// One document to make from a template.
struct OfficeDocumentRequest {
    std::filesystem::path templatePath;
    std::filesystem::path wordCsv;  // written just before, CP932
    std::string absorbingColumn;    // the free-text column where commas occur
    std::filesystem::path output;   // the filled document
    bool print = false;             // print at once instead of opening
    // A document to take as it is instead of filling the template (a draft
    // made from an earlier one).
    std::filesystem::path copyFrom;
};

// Fills the template and hands the document to the office suite. A template
// that is missing or unreadable is named and nothing is made (the CSV files
// stay). An existing document is replaced only when the clerk says so;
// otherwise it is the one opened or printed, or nothing happens on cancel.
// 1 when a document was handed over.
int MakeOfficeDocument(Prompt& prompt, Shell& shell, const OfficeDocumentRequest& request);

// The filled document's path for an output named by the settings: the same
// name ending in ".fodt".
std::filesystem::path OfficeDocumentPath(const std::filesystem::path& path);

}  // namespace bunrako
