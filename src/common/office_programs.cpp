#include "common/office_programs.h"

#include <algorithm>
#include <iterator>

#include "common/format_text.h"
#include "common/my_tool.h"
#include "common/texts.h"

namespace bunrako {
namespace {

// Printing knows 一太郎 by the first two spellings of the list only.
constexpr size_t kPrintingTaroSpellings = 2;

template <size_t N>
bool isOneOf(std::string_view extension, const char* const (&spellings)[N], size_t count = N) {
    return std::any_of(std::begin(spellings), std::begin(spellings) + count,
                       [&](const char* spelling) { return extension == spelling; });
}

}  // namespace

WordProcessorKind printingWordProcessor(std::string_view extension) {
    if (isOneOf(extension, common::texts::kTaroExtensions, kPrintingTaroSpellings)) {
        return WordProcessorKind::taro;
    }
    if (isOneOf(extension, common::texts::kWordExtensions)) return WordProcessorKind::word;
    return WordProcessorKind::other;
}

WordProcessorKind draftingWordProcessor(std::string_view extension) {
    if (isOneOf(extension, common::texts::kTaroExtensions)) return WordProcessorKind::taro;
    if (isOneOf(extension, common::texts::kWordExtensions)) return WordProcessorKind::word;
    return WordProcessorKind::other;
}

int printFormWithWordProcessor(Shell& shell, Prompt& prompt, std::string_view extension,
                               const std::string& program, const std::string& form) {
    switch (printingWordProcessor(extension)) {
        case WordProcessorKind::taro:
            return CMyTool::RunProgram(shell, prompt, form, RunMode::print, {});
        case WordProcessorKind::word:
            return CMyTool::RunProgram(
                shell, prompt, program, RunMode::start,
                formatPrintf(common::texts::kWordMergeArguments, form.c_str()));
        case WordProcessorKind::other:
            break;
    }
    return CMyTool::RunProgram(shell, prompt, form, RunMode::open, {});
}

int printForm(Shell& shell, Prompt& prompt, std::string_view extension, const std::string& program,
              const std::string& form, OfficeDocumentRequest officeDocument) {
    if (!FillsOfficeSuiteTemplates()) {
        return printFormWithWordProcessor(shell, prompt, extension, program, form);
    }
    officeDocument.print = printingWordProcessor(extension) == WordProcessorKind::taro;
    return MakeOfficeDocument(prompt, shell, officeDocument);
}

}  // namespace bunrako
