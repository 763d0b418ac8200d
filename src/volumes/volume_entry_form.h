#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "common/my_tool.h"
#include "volumes/doc_master_data.h"
#include "volumes/volume_choices.h"
#include "volumes/year_input.h"

namespace bunrako {

// What the entry dialog is opened for; the numbers are the stored modes.
enum class VolumeEntryMode : int { registerNew = 0, change = 1, remove = 2 };

// One review slot of the entry dialog: its time, whether the review is (to
// be) done, and its period in years.
struct ReviewSlot {
    YearMonthInput time;
    bool done = false;
    int years = 0;
};

// The values of the entry dialog's controls. Numbers that were not typed
// are 0; names not chosen are empty.
struct VolumeEntryValues {
    YearInput creation;
    std::string department;
    std::string section;
    std::string title;
    int books = 0;
    std::string major;
    std::string middle;
    std::string minor;
    YearInput filingFrom;
    YearInput filingTo;
    std::string retentionType;
    int retentionYears = 0;
    YearMonthInput expiry;
    bool dailyUse = false;
    bool contents = false;
    bool disposed = false;
    YearMonthInput disposal;
    // 0 次回, 1 前回, 2 前々回.
    std::array<ReviewSlot, 3> reviews;
    // 変更前データを削除する (change mode).
    bool removeBefore = false;
};

// The fields of the entry dialog that the check on 更新 looks at.
enum class VolumeEntryField {
    department,
    section,
    creation,
    title,
    books,
    major,
    middle,
    minor,
    filingFrom,
    filingTo,
    retentionType,
    retentionYears,
    expiry,
    disposal,
    nextReview,
    nextReviewYears,
    previousReview,
    previousReviewYears,
    reviewBeforePrevious,
    reviewBeforePreviousYears,
};

// What the entry dialog enables and shows.
struct VolumeEntryEnabling {
    bool disposalMonth = false;
    bool nextReview = false;
    bool previousReview = false;
    bool reviewBeforePrevious = false;
    // The next review's period and the retention review button.
    bool nextReviewPeriod = false;
    bool removeBeforeShown = false;
    bool western = false;
};

// The rules of the volume entry dialog (簿冊一覧データ): the values of its
// controls, the choices of its combos, what is enabled, the derivation of
// the expiry, disposal and review months from the retention type, the
// retention review of permanent volumes, the validation on 更新 and the
// gathering of the values into the volume record.
//
// Rules that meet an input they cannot use return the warnings to show, in
// order; the dialog shows each with the caption 警告.
class VolumeEntryForm {
  public:
    // The longest title the record holds, in CP932 bytes.
    static constexpr int kTitleBytes = 72;
    // The longest retention-type name, in CP932 bytes.
    static constexpr int kRetentionTypeBytes = 20;

    VolumeEntryForm(const CDocMasterData& record, const VolumeChoices& choices,
                    VolumeEntryMode mode, bool western, int periodType);

    VolumeEntryMode mode() const { return m_mode; }
    bool western() const { return m_western; }
    VolumeEntryValues& values() { return m_values; }
    const VolumeEntryValues& values() const { return m_values; }
    const VolumeChoices& choices() const { return m_choices; }

    // The combos' lists for the current choices.
    std::vector<std::string> sections() const;
    std::vector<std::string> middles() const;
    std::vector<std::string> minors() const;

    VolumeEntryEnabling enabling() const;
    bool isPermanent() const;

    // A retention type chosen from the list: 保存 years, 満了年月, 廃棄年月
    // and the three review slots follow it.
    std::vector<std::string> chooseRetentionType(const std::string& name);
    // The retention type box left with a typed text: a text that is no type
    // of the list is refused and cleared; a type other than the one the
    // dates were last derived from is chosen. Leaving the box on the type
    // already in force changes nothing, so that tabbing through it never
    // overwrites dates the clerk has set.
    std::vector<std::string> leaveRetentionType(const std::string& typed);
    // 保存期間見直: the scheduled review is done and the next one follows
    // after its period.
    std::vector<std::string> reviewRetention();

    // The check on 更新; the message to show when something is wrong.
    std::optional<std::string> validate() const;
    // The first field at fault, in the order of the dialog.
    std::optional<VolumeEntryField> firstInvalidField() const;
    // Writes the values into the record (after validate). The management
    // number and the reserved bytes stay as they were.
    void gather(CDocMasterData& record) const;

  private:
    void show(const CDocMasterData& record);
    YearInput fiscalYearInput(const OleDateTime& date) const;
    YearMonthInput monthInput(const OleDateTime& date) const;
    int firstMonth() const;

    bool isYear(const YearInput& input, int eraYears) const;
    bool isMonth(const YearMonthInput& input, int eraYears) const;
    int westernYear(const YearInput& input) const;
    YearInput yearsLater(const YearInput& input, int years) const;
    OleDateTime fiscalStart(const YearInput& input) const;
    OleDateTime dayOne(const YearMonthInput& input) const;

    void deriveDates(std::vector<std::string>& warnings);
    void copyNextToPrevious(std::vector<std::string>& warnings);
    void copyPreviousToBeforePrevious(std::vector<std::string>& warnings);

    const VolumeChoices& m_choices;
    VolumeEntryMode m_mode;
    bool m_western;
    int m_periodType;
    CMyTool m_tool;
    VolumeEntryValues m_values;
    // The retention type the dates were last derived from (or shown with).
    std::string m_typeInForce;
};

}  // namespace bunrako
