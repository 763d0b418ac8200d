#include "tool/demo_office.h"

#include "common/data_file.h"
#include "common/file_io.h"
#include "common/format_text.h"
#include "common/prompt.h"
#include "register/kessai_kubun_table.h"
#include "settings/pointer_file.h"
#include "settings/shoki_settei_list.h"
#include "settings/texts.h"
#include "tool/demo_vocabulary.h"
#include "tool/demo_workshop.h"
#include "tool/texts.h"

namespace bunrako::cli {
namespace demo {

std::string masterCode(size_t level1, size_t level2, size_t level3) {
    return formatPrintf("%03zu%03zu%04zu", level1, level2, level3);
}

std::string folderTextOf(const std::filesystem::path& folder) {
    constexpr auto separator = static_cast<char>(std::filesystem::path::preferred_separator);
    std::string text = pathToUtf8(folder);
    if (text.empty() || text.back() != separator) text += separator;
    return text;
}

OleDateTime workingDay(const OleDateTime& date) {
    constexpr int kSunday = 1;
    constexpr int kSaturday = 7;
    const int weekday = date.dayOfWeek();
    if (weekday == kSunday) return date + OleSpan::fromDays(1);
    if (weekday == kSaturday) return date + OleSpan::fromDays(2);
    return date;
}

namespace {

std::string shortCode(size_t number) { return formatPrintf("%02zu", number); }

std::filesystem::path absoluteFolder(const std::filesystem::path& folder) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(folder, ec);
    return (ec ? folder : absolute).lexically_normal();
}

void fillDepartments(CSetteiKoumokuList& master) {
    const auto& all = sections();
    for (size_t s = 0; s < all.size(); ++s) {
        master.Items().emplace_back(masterCode(s + 1), all[s].name, "");
        for (size_t k = 0; k < all[s].subsections.size(); ++k) {
            master.Items().emplace_back(masterCode(s + 1, k + 1), all[s].subsections[k].name, "");
        }
    }
}

void fillClassification(CSetteiKoumokuList& master) {
    const auto& majors = classes();
    for (size_t a = 0; a < majors.size(); ++a) {
        master.Items().emplace_back(masterCode(a + 1), majors[a].name, shortCode(a + 1));
        const auto& middles = majors[a].middles;
        for (size_t b = 0; b < middles.size(); ++b) {
            master.Items().emplace_back(masterCode(a + 1, b + 1), middles[b].name,
                                        shortCode(b + 1));
            const auto& minors = middles[b].minors;
            for (size_t c = 0; c < minors.size(); ++c) {
                master.Items().emplace_back(masterCode(a + 1, b + 1, c + 1), minors[c].name,
                                            shortCode(c + 1));
            }
        }
    }
}

void fillRetention(CSetteiKoumokuList& master) {
    const auto rows = retentionRows();
    for (size_t r = 0; r < rows.size(); ++r) {
        master.Items().emplace_back(masterCode(r + 1), rows[r].name,
                                    formatPrintf("%d", rows[r].years));
    }
}

// One settings record per section that keeps its registers here; the data
// files are named by full path, so the office works from any folder.
std::vector<CShokiSetteiData> settingsRecords(const Workshop& workshop) {
    std::vector<CShokiSetteiData> records;
    for (size_t s = 0; s < static_cast<size_t>(kSectionsWithSettings); ++s) {
        const Section& section = sections()[s];
        const std::string code = masterCode(s + 1, 1);
        CShokiSetteiData record;
        record.m_strSectionName = workshop.department.NameByCode(masterCode(s + 1));
        record.m_strSubsectionName = workshop.department.NameByCode(code);
        record.m_strSectionCode = code;
        record.m_strNumberPrefix = section.numberPrefix;
        for (std::string* file : {&record.m_strVolumeFile, &record.m_strDisposedFile,
                                  &record.m_strRegisterFile, &record.m_strRetentionChangeFile}) {
            *file = workshop.folderText + *file;
        }
        records.push_back(std::move(record));
    }
    return records;
}

bool writeMasters(Workshop& workshop) {
    using namespace settings::texts;
    const std::pair<CSetteiKoumokuList*, const char*> masters[] = {
        {&workshop.department, kDepartmentFileName},
        {&workshop.classification, kClassificationFileName},
        {&workshop.retention, kRetentionFileName},
    };
    for (const auto& [master, fileName] : masters) {
        master->SetPath(workshop.folderText + fileName);
        if (!master->SaveItems(workshop.prompt)) return false;
    }
    return true;
}

bool writeSettings(Workshop& workshop) {
    const std::string path = workshop.folderText + settings::texts::kSettingsFileName;
    CShokiSetteiList list(workshop.prompt, path);
    list.Records() = workshop.settings;
    return list.SaveSettings(workshop.prompt, path) == 1;
}

// The pointer file beside a program placed in the folder names the folder.
bool writePointerFile(Workshop& workshop) {
    const std::optional<std::string> bytes = PointerFileBytes(workshop.folderText);
    if (!bytes) {
        workshop.prompt.showMessage(
            formatText(tool::texts::kDemoFolderNotCp932, workshop.folderText));
        return false;
    }
    const std::filesystem::path path =
        workshop.folder / pathFromUtf8(settings::texts::kPointerFileName);
    return writeDataFile(workshop.prompt, path, *bytes, pathToUtf8(path), false);
}

bool writeApprovers(Workshop& workshop) {
    KessaiKubunTable table;
    for (int type = 0; type < KessaiKubunTable::kTypes; ++type) {
        const auto route = approvers(type);
        for (int level = 0; level < KessaiKubunTable::kLevels; ++level) {
            const bool used = static_cast<size_t>(level) < route.size();
            table.setName(type, level, used ? route[static_cast<size_t>(level)].name : "");
            table.setSymbol(type, level, used ? route[static_cast<size_t>(level)].symbol : "");
        }
    }
    return table.Save(workshop.prompt, KessaiKubunTable::PathIn(workshop.folder));
}

}  // namespace

Workshop::Workshop(const DemoOptions& demoOptions, Prompt& demoPrompt)
    : options(demoOptions),
      prompt(demoPrompt),
      random(demoOptions.seed),
      clock(demoOptions.today),
      folder(absoluteFolder(demoOptions.folder)),
      folderText(folderTextOf(folder)) {
    fillDepartments(department);
    fillClassification(classification);
    fillRetention(retention);
    settings = settingsRecords(*this);
}

}  // namespace demo

DemoSummary makeDemoOffice(const DemoOptions& options, Prompt& prompt) {
    demo::Workshop workshop(options, prompt);
    DemoSummary summary;
    summary.dataFolder = workshop.folderText;
    if (!demo::writePointerFile(workshop) || !demo::writeSettings(workshop) ||
        !demo::writeMasters(workshop) || !demo::writeApprovers(workshop)) {
        return summary;
    }
    const demo::VolumeOutcome volumes = demo::writeVolumes(workshop, summary);
    if (!volumes.written) return summary;
    std::vector<demo::FiledEntry> filed;
    summary.written = demo::writeRegister(workshop, volumes.catalogued, filed, summary) &&
                      demo::writeCatalogues(workshop, volumes.catalogued, filed, summary);
    return summary;
}

}  // namespace bunrako::cli
