#include "register/kian_draft.h"

#include <system_error>
#include <utility>

#include "common/clock.h"
#include "common/cp932.h"
#include "common/file_io.h"
#include "common/format_text.h"
#include "common/my_tool.h"
#include "common/office_programs.h"
#include "common/office_suite_document.h"
#include "common/prompt.h"
#include "common/text_functions.h"
#include "common/texts.h"
#include "register/texts.h"

namespace bunrako {
namespace {

namespace fs = std::filesystem;
namespace rtexts = register_::texts;

constexpr const char* kLineEnd = "\r\n";

fs::path folderOrProgramFolder(fs::path folder) {
    return folder.empty() ? pathFromUtf8(CMyTool::GetProgramFolder()) : std::move(folder);
}

std::string macroLine(const char* pattern, const std::string& utf8Value) {
    return utf8ToCp932(formatPrintf(pattern, utf8Value.c_str())) + kLineEnd;
}

std::string macroLine(const char* statement) { return utf8ToCp932(statement) + kLineEnd; }

bool isFile(const std::string& path) {
    std::error_code error;
    return !path.empty() && fs::is_regular_file(pathFromUtf8(path), error);
}

}  // namespace

KianDraft::KianDraft(Prompt& prompt, Shell& shell, const Clock& clock,
                     const CShokiSetteiData& settings, fs::path dataFolder, std::string draftPath,
                     const CSakuinMokurokuList& entry, const CSakuinMokurokuHeader& header)
    : m_prompt(prompt),
      m_shell(shell),
      m_clock(clock),
      m_settings(settings),
      m_dataFolder(folderOrProgramFolder(std::move(dataFolder))),
      m_draftPath(std::move(draftPath)),
      m_entry(entry),
      m_header(header),
      m_names(prompt, clock) {
    m_approvers.Load(m_prompt, KessaiKubunTable::PathIn(m_dataFolder));
    m_names.SetFolder(m_dataFolder);
}

KianInput KianDraft::InitialInput() const {
    KianInput input;
    input.kessaiShubetsu = m_approvers.kessaiShubetsu;
    input.SetDate(m_clock.today(), CMyTool());
    const std::vector<std::string> posts = m_names.ShokuList.Names();
    const std::vector<std::string> names = m_names.SimeiList.Names();
    if (!posts.empty()) input.shoku = posts.front();
    if (!names.empty()) input.simei = names.front();
    return input;
}

bool KianDraft::Accept(const KianInput& input) {
    if (!input.IsValid(western(), CMyTool())) {
        m_prompt.showMessage(rtexts::kKianInvalidInput, rtexts::kKianCheckCaption,
                             MessageIcon::warning);
        return false;
    }
    m_names.AddShoku(input.shoku);
    m_names.AddSimei(input.simei);
    m_names.SaveShoku();
    m_names.SaveSimei();

    const KianData data = Data(input);
    writeFile(rtexts::kKianCsvName, KianCsvBytes(data));
    writeFile(rtexts::kKianWordCsvName, KianWordCsvBytes(data));
    writeFile(rtexts::kMacroName, MacroBytes(input, true));
    writeFile(rtexts::kMacro10Name, MacroBytes(input, false));

    startWordProcessor(input);
    SaveApprovers();
    return true;
}

bool KianDraft::SaveApprovers() const {
    return m_approvers.Save(m_prompt, KessaiKubunTable::PathIn(m_dataFolder));
}

std::string KianDraft::KianCsvBytes(const KianData& data) const { return data.CsvLine(); }

std::string KianDraft::KianWordCsvBytes(const KianData& data) const {
    return KianData::CsvHeaderLine() + data.CsvLine();
}

std::string KianDraft::MacroBytes(const KianInput& input, bool withMerge) const {
    std::string macro;
    if (input.useReference) {
        macro += macroLine(rtexts::kMacroOpenReference, input.referenceFile);
    } else if (withMerge) {
        macro += macroLine(rtexts::kMacroMergeFile, pathToUtf8(DataFile(rtexts::kKianCsvName)));
        macro += macroLine(rtexts::kMacroMergeResult);
    }
    macro += macroLine(rtexts::kMacroSave, m_draftPath);
    macro += macroLine(rtexts::kMacroSwitch, FileNamePart(m_settings.m_strDraftForm));
    macro += macroLine(rtexts::kMacroQuit);
    return macro;
}

fs::path KianDraft::DataFile(const char* name) const { return m_dataFolder / pathFromUtf8(name); }

void KianDraft::writeFile(const char* name, const std::string& bytes) {
    const fs::path path = DataFile(name);
    CMyTool::CheckFileError(m_prompt, writeWholeFile(path, bytes), pathToUtf8(path), true);
}

bool KianDraft::draftWithOfficeSuite(const KianInput& input) {
    OfficeDocumentRequest draft;
    if (input.useReference) {
        if (!isFile(input.referenceFile)) {
            m_prompt.showMessage(rtexts::kKianReferenceFailed, rtexts::kKianNoticeCaption,
                                 MessageIcon::warning);
            return false;
        }
        // The earlier draft is taken as it is, in its own format.
        draft.copyFrom = pathFromUtf8(input.referenceFile);
        draft.output =
            fs::path(pathFromUtf8(m_draftPath)).replace_extension(draft.copyFrom.extension());
    } else {
        draft.templatePath =
            OfficeTemplatePath(m_settings.m_strDraftForm, common::texts::kDraftTemplate);
        draft.wordCsv = DataFile(rtexts::kKianWordCsvName);
        draft.absorbingColumn = rtexts::kKianSubjectColumn;
        draft.output = OfficeDocumentPath(pathFromUtf8(m_draftPath));
    }
    return MakeOfficeDocument(m_prompt, m_shell, draft) == 1;
}

bool KianDraft::startWordProcessor(const KianInput& input) {
    if (FillsOfficeSuiteTemplates()) return draftWithOfficeSuite(input);
    const std::string& program = m_settings.m_strWordProcessorExe;
    const std::string& form = m_settings.m_strDraftForm;
    switch (draftingWordProcessor(m_settings.m_strWordProcessorExt)) {
        case WordProcessorKind::taro:
            return CMyTool::RunProgram(
                       m_shell, m_prompt, program, RunMode::start,
                       formatPrintf(common::texts::kTaroMacroArguments, form.c_str(),
                                    pathToUtf8(DataFile(rtexts::kMacroName)).c_str())) == 1;
        case WordProcessorKind::word:
            return draftWithWord(input);
        case WordProcessorKind::other:
            break;
    }
    return CMyTool::RunProgram(m_shell, m_prompt, form, RunMode::open, {}) == 1;
}

bool KianDraft::draftWithWord(const KianInput& input) {
    const std::string& program = m_settings.m_strWordProcessorExe;
    if (input.useReference) {
        if (!isFile(input.referenceFile) || !CMyTool::CopyEntry(input.referenceFile, m_draftPath)) {
            m_prompt.showMessage(rtexts::kKianReferenceFailed, rtexts::kKianNoticeCaption,
                                 MessageIcon::warning);
            return false;
        }
    } else {
        const fs::path merged = DataFile(rtexts::kMergedDraftName);
        const std::string mergedText = pathToUtf8(merged);
        const std::string copyFailed = std::string(rtexts::kKianCopyFailedFirst) + mergedText +
                                       rtexts::kKianCopyFailedSecond + m_draftPath;
        // A merged draft left by an earlier run would otherwise become this
        // document's draft when the macro fails to save a new one.
        std::error_code error;
        fs::remove(merged, error);
        if (fs::exists(merged, error)) {
            m_prompt.showMessage(copyFailed, rtexts::kKianNoticeCaption, MessageIcon::warning);
            return false;
        }
        if (CMyTool::RunProgram(m_shell, m_prompt, program, RunMode::startAndWait,
                                formatPrintf(common::texts::kWordMergeArguments,
                                             m_settings.m_strDraftForm.c_str())) != 1) {
            m_prompt.showMessage(rtexts::kKianMacroDocumentFailed, rtexts::kKianNoticeCaption,
                                 MessageIcon::warning);
            return false;
        }
        if (!isFile(mergedText) || !CMyTool::CopyEntry(mergedText, m_draftPath)) {
            m_prompt.showMessage(copyFailed, rtexts::kKianNoticeCaption, MessageIcon::warning);
            return false;
        }
    }
    return CMyTool::RunProgram(m_shell, m_prompt, program, RunMode::start,
                               formatPrintf(common::texts::kQuotedArgument, m_draftPath.c_str())) ==
           1;
}

}  // namespace bunrako
