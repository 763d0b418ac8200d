#pragma once

#include <string>
#include <string_view>

#include "common/office_suite_document.h"

namespace bunrako {

class Prompt;
class Shell;

// Which word processor the extension setting names. The settings keep the
// extension as the clerk typed it, and only the known spellings count.
enum class WordProcessorKind { taro, word, other };

// Printing (volume titles, index catalogues in one batch): 一太郎 for "jtd"
// and "JTD", Word for "doc", "DOC" and "Doc".
WordProcessorKind printingWordProcessor(std::string_view extension);
// Drafting also takes "Jtd" for 一太郎.
WordProcessorKind draftingWordProcessor(std::string_view extension);

// Prints a form that merges the CSV files written just before: 一太郎
// prints it through the shell, Word is started on it with the merge macro
// (without waiting), any other program opens it. 1 when the program or the
// shell action started; failures are reported through the prompt.
int printFormWithWordProcessor(Shell& shell, Prompt& prompt, std::string_view extension,
                               const std::string& program, const std::string& form);

// Prints a form after its CSV files were written: through the word processor
// as above on Windows; elsewhere the office suite gets the document filled
// from the request's template, printed at once where the settings name
// 一太郎 (whose forms were printed directly) and opened otherwise.
int printForm(Shell& shell, Prompt& prompt, std::string_view extension, const std::string& program,
              const std::string& form, OfficeDocumentRequest officeDocument);

}  // namespace bunrako
