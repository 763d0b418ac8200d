#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "catalogue/sakuin_mokuroku_header.h"
#include "catalogue/sakuin_mokuroku_list.h"
#include "register/bunsho_ken_meibo_data.h"
#include "register/catalogue_mirror.h"
#include "volumes/day_input.h"
#include "volumes/year_input.h"

namespace bunrako {

class CMyTool;
class CSetteiKoumokuList;
class Clock;
class HassinJusinList;
class Prompt;
struct CDocMasterData;

// The entry dialog of the title register (文書件名簿): the values of its
// controls, what is enabled, the lists of its combos and the rules of its OK.
// The form edits a copy of the entry; Accept hands the gathered entry to the
// caller's store before anything else is written, so that a register that
// cannot be written keeps the dialog open with everything typed.
class BunshoKenMeiboForm {
  public:
    enum class Mode { add = 0, change = 1, remove = 2 };
    static constexpr int kRows = 10;

    struct ProgressRow {
        bool checked = false;
        DayInput date;
        std::string text;
    };

    // What the register and the catalogue need from the office.
    struct Office {
        const CSetteiKoumokuList& departments;
        std::span<const CDocMasterData> volumes;
        int calendarMode = 0;      // m_nCalendarMode: 1 Western display
        int managementPeriod = 0;  // m_nManagementPeriod
        // Where HassinJusinList.dat lies (the program's folder when empty).
        std::filesystem::path dataFolder;
    };

    // Reads the sender and receiver lists of the data folder.
    BunshoKenMeiboForm(const CBunshoKenMeiboData& entry, Mode mode, const Office& office,
                       Prompt& prompt, const Clock& clock);
    ~BunshoKenMeiboForm();

    Mode mode() const { return m_mode; }
    bool western() const { return m_western; }
    // "追加", "変更" or "削除".
    const char* okCaption() const;
    // "年度" for an entry kept by fiscal year, "年" for one kept by calendar
    // year.
    const char* registerYearUnit() const;
    bool sectionsEnabled() const { return m_mode != Mode::remove; }

    // ---- Values of the controls (UTF-8) -----------------------------------
    YearInput registerYear;
    YearInput volumeYear;
    DayInput received;
    std::string number;
    std::string symbol;  // shown before the number, not edited
    std::string subject;
    std::string sender;
    std::string receiver;
    bool completed = false;
    DayInput completedDate;
    std::array<ProgressRow, kRows> rows;
    bool important = false;  // shown, never edited

    // ---- Combos ------------------------------------------------------------
    std::vector<std::string> sectionNames() const;
    // The remembered names, most used first.
    std::vector<std::string> senderNames() const;
    std::vector<std::string> receiverNames() const;
    const std::vector<std::string>& subsectionNames() const { return m_subsections; }
    const std::vector<std::string>& volumeTitles() const { return m_titles; }
    const std::string& section() const { return m_section; }
    const std::string& subsection() const { return m_subsection; }
    const std::string& volumeTitle() const { return m_volumeTitle; }
    // A changed section refills the sub-sections (none chosen) and the
    // volume names; a changed sub-section or volume year the volume names.
    void setSection(const std::string& name);
    void setSubsection(const std::string& name);
    void setVolumeYear(const YearInput& year);
    void setVolumeTitle(const std::string& title) { m_volumeTitle = title; }

    // ---- Progress rows and completion ---------------------------------------
    // Row k's check is enabled while row k-1 is checked (row 0 always).
    bool rowCheckEnabled(int row) const;
    // Row k's date, text and 起案 button follow its check.
    bool rowFieldsEnabled(int row) const { return rows[static_cast<size_t>(row)].checked; }
    bool completedDateEnabled() const { return completed; }
    // Unchecking a row clears every later row's check.
    void setRowChecked(int row, bool checked);

    // ---- OK -------------------------------------------------------------------
    // Every field the entry needs is given (eras, years, section, volume
    // name, reception date, number, subject, sender, receiver).
    bool isComplete() const;
    // The entry as the controls give it.
    CBunshoKenMeiboData gather() const;
    // The reception date lies in the register year (calendar or fiscal).
    bool receivedInRegisterYear(const CBunshoKenMeiboData& entry) const;
    // The names of the chosen section, for the catalogue of the volume.
    VolumeChoice volumeChoice() const { return {m_section, m_subsection}; }

    enum class Outcome {
        invalid,       // told; the dialog stays open
        notConfirmed,  // delete not confirmed: the dialog closes as Cancel
        storeFailed,   // the register was not written: the dialog stays open
        accepted,      // stored; names and catalogue done as far as they went
    };
    // Stores the entry; false when the register could not be written. It may
    // change the entry (the number taken at save time).
    using Store = std::function<bool(CBunshoKenMeiboData&)>;
    struct Stores {
        Store store;
        std::filesystem::path volumeFile;
    };
    // OK: validation, the delete question, gathering, the register store, the
    // sender and receiver lists and the catalogue of the volume. `accepted`
    // holds the stored entry; a delete stores (removes) the entry as opened.
    Outcome Accept(Prompt& prompt, const Stores& stores);
    const CBunshoKenMeiboData& accepted() const { return m_entry; }
    // What the catalogue update gave on the last accepted OK.
    std::optional<MirrorOutcome> mirrorOutcome() const { return m_mirror; }

    // A 起案 button (0 the entry's draft, 1-10 a progress row's): the draft
    // file of the entry's volume, "<volume folder>/起案_<subject>_002.jtd",
    // with the catalogue entry and header the draft takes its values from.
    struct DraftTarget {
        std::filesystem::path path;
        CSakuinMokurokuList entry;
        CSakuinMokurokuHeader header;
    };
    // None when the input is incomplete or there is not exactly one volume
    // (told), or, for the entry's own draft, when the reception date lies
    // outside the register year (not told).
    std::optional<DraftTarget> draftTarget(int draftNumber, const std::filesystem::path& volumeFile,
                                           const std::string& extension, Prompt& prompt) const;

  private:
    void refillTitles();
    bool titlesCanBeListed() const;

    CBunshoKenMeiboData m_entry;
    Mode m_mode;
    Office m_office;
    bool m_western;
    std::string m_section;
    std::string m_subsection;
    std::string m_volumeTitle;
    std::vector<std::string> m_subsections;
    std::vector<std::string> m_titles;
    std::optional<MirrorOutcome> m_mirror;
    const Clock& m_clock;
    std::unique_ptr<HassinJusinList> m_names;
};

}  // namespace bunrako
