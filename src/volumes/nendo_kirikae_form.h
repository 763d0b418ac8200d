#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "common/my_tool.h"
#include "common/ole_date_time.h"
#include "volumes/nendo_kirikae.h"
#include "volumes/volume_choices.h"
#include "volumes/year_input.h"

namespace bunrako {

// The values of the year-switch dialog's controls.
struct NendoKirikaeValues {
    // 作成年度: the label year of the new fiscal year.
    YearInput year;
    // 組織の統廃合により…: the copies go to another department and section.
    bool reorganise = false;
    std::string department;
    std::string section;
    // 作成するマスターファイル, as typed (UTF-8).
    std::string masterFile;
};

// The controls a check on OK may send the clerk back to.
enum class NendoKirikaeField { year, department, section, masterFile };

struct NendoKirikaeProblem {
    NendoKirikaeField field;
    std::string message;
};

// Where the copies of a year switch may go: the file a typed path names, or
// why none. An empty path is the section's DocMaster.dat, a relative path
// lies in the data folder, a name without extension gets ".dat". Refused:
// another extension than ".dat", a folder, a folder that does not exist,
// and the section's data files that are not volume lists (the disposed
// volumes, the change forms, the settings...), which the copies would
// overwrite with records of another kind.
struct YearSwitchTarget {
    std::filesystem::path file;
    std::string problem;  // empty when the file may take the copies

    static YearSwitchTarget Resolve(const std::string& typed,
                                    const std::filesystem::path& dataFolder,
                                    const std::vector<std::filesystem::path>& otherDataFiles);
};

// The rules of the year-switch dialog (文書整理一覧表の年度切替): the new
// year preset to today's fiscal year, the department and section preset to
// the section in use and open to change only with the reorganisation check,
// the target file preset to the section's volume file.
class NendoKirikaeForm {
  public:
    struct Setup {
        bool western = false;
        int periodType = 0;
        OleDateTime today;
        // The section in use and its volume file.
        std::string department;
        std::string section;
        std::string volumeFile;
        std::filesystem::path dataFolder;
        std::vector<std::filesystem::path> otherDataFiles;
    };

    NendoKirikaeForm(const VolumeChoices& choices, Setup setup);

    NendoKirikaeValues& values() { return m_values; }
    const NendoKirikaeValues& values() const { return m_values; }
    const VolumeChoices& choices() const { return m_choices; }
    bool western() const { return m_setup.western; }

    std::vector<std::string> sections() const;
    // Turning the check off puts the section in use back, so that a choice
    // made while it was on is not applied unseen.
    void setReorganise(bool on);
    bool departmentEnabled() const { return m_values.reorganise; }
    // The department changed: its first section when the chosen one is
    // not one of its sections.
    void chooseDepartment(const std::string& department);

    // The check on OK; nothing when the switch may run.
    std::optional<NendoKirikaeProblem> validate() const;
    // What the switch is given (after validate).
    NendoKirikaeRequest request() const;
    YearSwitchTarget target() const;

    // The file dialog of 参照.
    static const char* fileFilter();
    static const char* defaultExtension();

  private:
    const VolumeChoices& m_choices;
    Setup m_setup;
    NendoKirikaeValues m_values;
    CMyTool m_tool;
};

}  // namespace bunrako
