#include "settings/shoki_settei_form.h"

#include "common/format_text.h"
#include "settings/texts.h"

namespace bunrako {
namespace {

using namespace settings::texts;

// A program's filter: an executable is an ".exe" on Windows; elsewhere
// programs have no extension, so every file is offered.
std::string programFilter(const char* description) {
#ifdef _WIN32
    return formatText(kExeFilter, description);
#else
    return formatText(kProgramFilter, description);
#endif
}

std::string linkFilter(const char* description, const std::string& extension) {
    std::string filter = kLinkFilter;
    for (const std::string_view value : {std::string_view(description), std::string_view(extension),
                                         std::string_view(extension)}) {
        filter = formatText(filter, value);
    }
    return filter;
}

}  // namespace

ShokiSetteiForm::ShokiSetteiForm(const CShokiSetteiList& settings,
                                 const CSetteiKoumokuList& department)
    : m_settings(settings), m_department(department), m_record(settings.Current()) {
    for (const std::string& section : Sections()) {
        if (section == m_record.m_strSectionName) m_section = section;
    }
    for (const std::string& subsection : Subsections()) {
        if (subsection == m_record.m_strSubsectionName) m_subsection = subsection;
    }
}

std::vector<std::string> ShokiSetteiForm::Sections() const {
    return m_department.ListChildren(kRootCode);
}

std::vector<std::string> ShokiSetteiForm::Subsections() const {
    if (m_section.empty()) return {};
    return m_department.ListChildren(m_department.CodeByNames(m_section));
}

void ShokiSetteiForm::ChooseSection(const std::string& name) {
    if (name == m_section) return;
    m_section = name;
    m_subsection.clear();
}

bool ShokiSetteiForm::ChooseSubsection(const std::string& name) {
    m_subsection = name;
    if (m_section == m_record.m_strSectionName && m_subsection == m_record.m_strSubsectionName) {
        return false;
    }
    CShokiSetteiData chosen;
    chosen.m_strSectionName = m_section;
    chosen.m_strSubsectionName = m_subsection;
    for (const CShokiSetteiData& record : m_settings.Records()) {
        if (record.m_strSectionName == m_section && record.m_strSubsectionName == m_subsection) {
            chosen = record;
            break;
        }
    }
    m_record = chosen;
    return true;
}

std::string ShokiSetteiForm::BrowseFilter(SettingsBrowse target) const {
    using B = SettingsBrowse;
    const std::string& extension = m_record.m_strSpreadsheetExt;
    switch (target) {
        case B::volumeFile:
            return kVolumeFileFilter;
        case B::retentionChangeFile:
            return kRetentionChangeFileFilter;
        case B::disposedFile:
            return kDisposedFileFilter;
        case B::registerFile:
            return kRegisterFileFilter;
        case B::wordProcessorExe:
            return programFilter(kWordProcessorProgram);
        case B::volumeTitleForm:
            return formatText(kFormFilter, kVolumeTitleFormFile);
        case B::indexForm:
            return formatText(kFormFilter, kIndexFormFile);
        case B::indexBatchForm:
        case B::draftForm:
            return formatText(kFormFilter, kIndexBatchFormFile);
        case B::spreadsheetExe:
            return programFilter(kSpreadsheetProgram);
        case B::linkRegister:
            return linkFilter(kLinkRegisterFile, extension);
        case B::linkVolume:
            return linkFilter(kLinkVolumeFile, extension);
        case B::linkIndex:
            return linkFilter(kLinkIndexFile, extension);
        case B::linkRetention:
            return linkFilter(kLinkRetentionFile, extension);
        case B::linkPermanent:
            return linkFilter(kLinkPermanentFile, extension);
        case B::linkDisposed:
            return linkFilter(kLinkDisposedFile, extension);
        case B::fileManagerExe:
            return programFilter(kFileManagerProgram);
    }
    return {};
}

std::string ShokiSetteiForm::BrowseExtension(SettingsBrowse target) const {
    using B = SettingsBrowse;
    switch (target) {
        case B::linkRegister:
        case B::linkVolume:
        case B::linkIndex:
        case B::linkRetention:
        case B::linkPermanent:
        case B::linkDisposed:
            return m_record.m_strSpreadsheetExt;
        default:
            return {};
    }
}

std::string& ShokiSetteiForm::BrowseField(SettingsBrowse target) {
    using B = SettingsBrowse;
    CShokiSetteiData& r = m_record;
    switch (target) {
        case B::volumeFile:
            return r.m_strVolumeFile;
        case B::retentionChangeFile:
            return r.m_strRetentionChangeFile;
        case B::disposedFile:
            return r.m_strDisposedFile;
        case B::registerFile:
            return r.m_strRegisterFile;
        case B::wordProcessorExe:
            return r.m_strWordProcessorExe;
        case B::volumeTitleForm:
            return r.m_strVolumeTitleForm;
        case B::indexForm:
            return r.m_strIndexForm;
        case B::indexBatchForm:
            return r.m_strIndexBatchForm;
        case B::draftForm:
            return r.m_strDraftForm;
        case B::spreadsheetExe:
            return r.m_strSpreadsheetExe;
        case B::linkRegister:
            return r.m_strLinkRegisterProgram;
        case B::linkVolume:
            return r.m_strLinkVolumeProgram;
        case B::linkIndex:
            return r.m_strLinkIndexProgram;
        case B::linkRetention:
            return r.m_strLinkRetentionProgram;
        case B::linkPermanent:
            return r.m_strLinkPermanentProgram;
        case B::linkDisposed:
            return r.m_strLinkDisposedProgram;
        case B::fileManagerExe:
            return r.m_strFileManagerExe;
    }
    return r.m_strVolumeFile;
}

ShokiSetteiForm::Missing ShokiSetteiForm::Confirm() {
    const std::string code = m_section.empty() || m_subsection.empty()
                                 ? std::string()
                                 : m_department.CodeByNames(m_section, m_subsection);
    m_record.m_strSectionName = m_section;
    m_record.m_strSubsectionName = m_subsection;
    m_record.m_strSectionCode = code;
    if (m_section.empty()) return Missing::section;
    if (m_subsection.empty()) return Missing::subsection;
    if (code.empty()) return Missing::code;
    m_settings.MoveToFront(m_record);
    m_settings.SetCurrent(m_record);
    return Missing::none;
}

std::string ShokiSetteiForm::MissingText(Missing missing) {
    switch (missing) {
        case Missing::section:
            return kMissingSection;
        case Missing::subsection:
            return kMissingSubsection;
        case Missing::code:
            return kMissingSectionCode;
        case Missing::none:
            break;
    }
    return {};
}

bool SaveConfirmedSettings(Prompt& prompt, CShokiSetteiList& settings,
                           const CShokiSetteiList& confirmed) {
    CShokiSetteiList saved = settings;
    saved.Records() = confirmed.Records();
    saved.SetCurrent(confirmed.Current());
    const std::string path = settings.SettingsPath();
    if (!saved.SaveSettings(prompt, path)) return false;
    // Read back, so that the section now first carries the receipt number its
    // register file holds, not the one of a record that was not in use.
    saved.LoadSettings(prompt, path);
    saved.SaveReceiptNo(prompt);
    settings = saved;
    return true;
}

}  // namespace bunrako
