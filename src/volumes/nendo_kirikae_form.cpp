#include "volumes/nendo_kirikae_form.h"

#include <algorithm>
#include <cctype>
#include <system_error>
#include <utility>

#include "common/file_io.h"
#include "common/format_text.h"
#include "volumes/texts.h"

namespace bunrako {
namespace {

namespace vtexts = volumes::texts;
namespace fs = std::filesystem;

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::string lowerAscii(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The same file, also when one of them is spelt through "..", a link or
// another case of the letters on a folder that ignores it.
bool sameFile(const fs::path& a, const fs::path& b) {
    std::error_code error;
    if (fs::exists(a, error) && fs::exists(b, error)) return fs::equivalent(a, b, error);
    return fs::weakly_canonical(a, error) == fs::weakly_canonical(b, error);
}

YearSwitchTarget refused(fs::path file, const char* pattern) {
    const std::string name = pathToUtf8(file);
    return {std::move(file), formatPrintf(pattern, name.c_str())};
}

}  // namespace

YearSwitchTarget YearSwitchTarget::Resolve(const std::string& typed, const fs::path& dataFolder,
                                           const std::vector<fs::path>& otherDataFiles) {
    const std::string text = trimmed(typed);
    fs::path path = pathFromUtf8(text.empty() ? std::string(vtexts::kVolumeFileName) : text);
    if (path.is_relative()) path = dataFolder / path;
    std::error_code error;
    if (fs::is_directory(path, error)) return refused(std::move(path), vtexts::kTargetIsFolder);
    if (!path.has_extension()) path += ".dat";
    if (lowerAscii(pathToUtf8(path.extension())) != ".dat") {
        return refused(std::move(path), vtexts::kTargetNotDat);
    }
    const fs::path folder = path.parent_path();
    if (!folder.empty() && !fs::is_directory(folder, error)) {
        return refused(folder, vtexts::kTargetFolderMissing);
    }
    for (const fs::path& other : otherDataFiles) {
        if (!other.empty() && sameFile(path, other)) {
            return refused(std::move(path), vtexts::kTargetOtherRegister);
        }
    }
    return {std::move(path), {}};
}

NendoKirikaeForm::NendoKirikaeForm(const VolumeChoices& choices, Setup setup)
    : m_choices(choices), m_setup(std::move(setup)) {
    m_values.year = fiscalYearInputOf(m_setup.today, m_setup.western, m_setup.periodType, m_tool);
    m_values.department = m_setup.department;
    m_values.section = m_setup.section;
    m_values.masterFile = m_setup.volumeFile;
}

std::vector<std::string> NendoKirikaeForm::sections() const {
    return m_choices.sectionsOf(m_values.department);
}

void NendoKirikaeForm::setReorganise(bool on) {
    m_values.reorganise = on;
    if (!on) {
        m_values.department = m_setup.department;
        m_values.section = m_setup.section;
    }
}

void NendoKirikaeForm::chooseDepartment(const std::string& department) {
    m_values.department = department;
    const std::vector<std::string> names = sections();
    if (!isOneOf(names, m_values.section)) m_values.section = names.empty() ? "" : names.front();
}

std::optional<NendoKirikaeProblem> NendoKirikaeForm::validate() const {
    if (!isExtractionYear(m_values.year, m_tool)) {
        return NendoKirikaeProblem{NendoKirikaeField::year, vtexts::kYearSwitchNoYear};
    }
    if (m_values.reorganise) {
        if (!isOneOf(m_choices.departments(), m_values.department)) {
            return NendoKirikaeProblem{NendoKirikaeField::department,
                                       vtexts::kYearSwitchNoDepartment};
        }
        if (!isOneOf(sections(), m_values.section) ||
            m_choices.departmentCode(m_values.department, m_values.section).empty()) {
            return NendoKirikaeProblem{NendoKirikaeField::section, vtexts::kYearSwitchNoSection};
        }
    }
    const YearSwitchTarget file = target();
    if (!file.problem.empty()) {
        return NendoKirikaeProblem{NendoKirikaeField::masterFile, file.problem};
    }
    return std::nullopt;
}

YearSwitchTarget NendoKirikaeForm::target() const {
    return YearSwitchTarget::Resolve(m_values.masterFile, m_setup.dataFolder,
                                     m_setup.otherDataFiles);
}

NendoKirikaeRequest NendoKirikaeForm::request() const {
    NendoKirikaeRequest made;
    made.masterFile = target().file;
    made.newYear = fiscalYearStartOf(m_values.year, m_setup.periodType, m_tool);
    // Both names chosen: the copies go to that pair (the section in use
    // without the check). A pair the table does not know keeps the source's.
    std::string code = m_choices.departmentCode(m_values.department, m_values.section);
    if (!m_values.department.empty() && !m_values.section.empty() && !code.empty()) {
        made.department = DepartmentChoice{m_values.department, m_values.section, std::move(code)};
    }
    return made;
}

const char* NendoKirikaeForm::fileFilter() { return vtexts::kYearSwitchFilter; }
const char* NendoKirikaeForm::defaultExtension() { return vtexts::kYearSwitchExtension; }

}  // namespace bunrako
