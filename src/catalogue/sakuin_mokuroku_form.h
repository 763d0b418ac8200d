#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/sakuin_mokuroku_header.h"
#include "catalogue/sakuin_mokuroku_list.h"
#include "volumes/day_input.h"

namespace bunrako {

class Prompt;

// The entry dialog of the index catalogue (索引目録): the values of its
// controls, what is enabled, and the rules of its OK and of its 起案 buttons.
// The form edits a copy of the entry. OK hands the gathered entry to the
// caller's store (the catalogue) before anything else is written, so that a
// catalogue that cannot be written keeps the dialog open with what was typed.
class SakuinMokurokuForm {
  public:
    enum class Mode { add = 0, change = 1, remove = 2 };
    static constexpr int kRows = 10;

    struct ProgressRow {
        bool checked = false;
        DayInput date;
        std::string text;
    };

    // What the dialog needs of the title register and its name lists, which
    // are kept above the catalogue.
    struct RegisterSide {
        // The remembered senders and receivers, most used first.
        std::vector<std::string> senders;
        std::vector<std::string> receivers;
        // Remembers the names of a stored entry.
        std::function<void(const std::string& sender, const std::string& receiver)> rememberNames;
        // The number the register gives a document received that day.
        std::function<std::string(const OleDateTime& received)> nextNumber;
        // Writes the entry into the register (文書件名簿と連携する); false when
        // the register was not written.
        std::function<bool(const CSakuinMokurokuList& entry, const CSakuinMokurokuHeader& header)>
            write;
    };

    struct Office {
        int calendarMode = 0;      // m_nCalendarMode: 1 Western display
        int managementPeriod = 0;  // m_nManagementPeriod
        // The folder of the volume's catalogue, named when it cannot be
        // written.
        std::filesystem::path catalogueFolder;
    };

    SakuinMokurokuForm(const CSakuinMokurokuList& entry, const CSakuinMokurokuHeader& header,
                       Mode mode, const Office& office, RegisterSide registerSide);

    Mode mode() const { return m_mode; }
    bool western() const { return m_western; }
    // "登録", "変更" or "削除".
    const char* okCaption() const;

    // ---- The volume (read only) ------------------------------------------------
    // "2008年度" or "平成20年度": the label year of the volume's fiscal year.
    std::string fiscalYearText() const;
    // "01-02-03:総務-文書-庶務": codes, then names of the classification.
    std::string classificationText() const;
    std::string volumeTitle() const { return m_header.volumeTitleText(); }

    // ---- Values of the controls (UTF-8) -------------------------------------------
    DayInput received;
    std::string number;
    std::string subject;
    std::string remarks;
    std::string sender;
    std::string receiver;
    bool linkToRegister = false;
    bool completed = false;
    DayInput completedDate;
    std::array<ProgressRow, kRows> rows;
    // 変更前のデータを削除する: a change replaces the entry as it was.
    bool removeBefore = true;

    const std::vector<std::string>& senderNames() const { return m_register.senders; }
    const std::vector<std::string>& receiverNames() const { return m_register.receivers; }

    // ---- Enabling -------------------------------------------------------------------
    // A delete shows the entry as it is stored; nothing can be typed.
    bool fieldsEditable() const { return m_mode != Mode::remove; }
    bool rowFieldsEnabled(int row) const;
    bool completedDateEnabled() const { return fieldsEditable() && completed; }
    bool removeBeforeEnabled() const { return m_mode == Mode::change; }
    bool draftsEnabled() const { return fieldsEditable(); }

    // 文書件名簿と連携する ticked: a new entry takes the number the register
    // gives for its reception date (when that date is complete).
    void setLinkToRegister(bool on);

    // ---- OK ---------------------------------------------------------------------------
    // The subject given, the reception date complete and a real day, the
    // completion date a real day when completed, and every ticked progress
    // row with a real day and a note.
    bool isComplete() const;
    // The entry as the controls give it (the stored entry's bytes otherwise,
    // progress steps 11-14 among them).
    CSakuinMokurokuList gather() const;
    // The reception date lies within the volume's storage years.
    bool receivedWithinStorage(const CSakuinMokurokuList& entry) const;

    enum class Outcome {
        invalid,         // told; the dialog stays open
        notConfirmed,    // delete not confirmed; the dialog stays open
        storeFailed,     // the catalogue was not written; the dialog stays open
        registerFailed,  // stored, but the register was not; the dialog stays open
        accepted,        // stored (and written into the register when asked)
    };
    // Stores (or, in a delete, removes) the entry in the catalogue; false
    // when the catalogue could not be written.
    using Store = std::function<bool(const CSakuinMokurokuList&)>;
    // OK: validation, the delete question, the storage-year check, the
    // catalogue store, the names, and the register when linked. A delete
    // removes the entry as it was opened.
    Outcome Accept(Prompt& prompt, const Store& store);
    const CSakuinMokurokuList& accepted() const { return m_entry; }
    // The line the dialog shows when the catalogue or register was not
    // written.
    std::string storeFailedText() const;

    // A 起案 button (0 beside 受付日, 1-10 a progress row's): the entry as
    // OK would store it, when the input is complete and within the storage
    // years (told otherwise).
    std::optional<CSakuinMokurokuList> draftEntry(Prompt& prompt) const;
    const CSakuinMokurokuHeader& header() const { return m_header; }

  private:
    bool validEntry(Prompt& prompt, CSakuinMokurokuList& entry) const;

    CSakuinMokurokuList m_entry;
    CSakuinMokurokuHeader m_header;
    Mode m_mode;
    Office m_office;
    RegisterSide m_register;
    bool m_western;
};

}  // namespace bunrako
