#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "settings/settei_koumoku_list.h"

namespace bunrako {

class Prompt;

// The three setting-item masters.
enum class MasterKind { department, classification, retention };

// What the item editor shows for one master: the captions, which level rows
// and whether the second-value column are shown, and how many characters
// (numbers) or CP932 bytes (texts) each edit takes.
struct SetteiKoumokuLayout {
    std::array<std::string, 3> rowCaptions;
    std::string numberCaption;
    std::string nameCaption;
    std::string subNameCaption;
    std::array<bool, 3> rowShown{true, true, true};
    bool subNameShown = true;
    std::array<size_t, 3> numberChars{3, 3, 4};
    std::array<size_t, 3> nameBytes{};
    std::array<size_t, 3> subNameBytes{};

    static SetteiKoumokuLayout For(MasterKind kind, const SetteiKoumokuCaptions& captions);
    // The deepest level the editor shows (1 to 3).
    int DeepestLevel() const;
};

// The item editor of a master: it works on a copy of the master and holds
// the three rows of number, name and second value and the list of items of
// the level being edited. Levels are 1 to 3.
class SetteiKoumokuForm {
  public:
    struct Row {
        std::string number;
        std::string name;
        std::string subName;
    };
    struct Line {
        std::string text;  // "code       :: name"
        std::string code;
    };

    SetteiKoumokuForm(const CSetteiKoumokuList& master, MasterKind kind);

    // "項目の設定(<path of the master>)".
    std::string Title() const;
    const SetteiKoumokuLayout& Layout() const { return m_layout; }

    Row& RowAt(int level) { return m_rows[index(level)]; }
    const Row& RowAt(int level) const { return m_rows[index(level)]; }
    int ListLevel() const { return m_listLevel; }
    // The items of the list level, sorted by their line text.
    const std::vector<Line>& Lines() const { return m_lines; }

    // A number edit got the focus: its level becomes the list level.
    void FocusNumber(int level);
    // A number edit lost the focus: the number is zero-padded ("" becomes
    // all zeros) and an existing item at that code fills the row.
    void LeaveNumber(int level);
    // A list line was chosen: the rows along the path to its item are
    // filled, the rows below it emptied.
    void SelectLine(size_t line);
    // A list line was double-clicked: the line is chosen and the list goes
    // one level down where the master has one. Returns the level whose
    // number edit takes the focus, 0 when there is none below.
    int Descend(size_t line);
    // 登録: the rows from level 1 down, each stored at its code (replacing
    // the item there or appended), until the first row without a number.
    void Register();
    // The question asked before 削除 of a line.
    std::string DeleteQuestion(size_t line) const;
    // 削除: removes the line's item with everything below it; returns how
    // many items went.
    size_t Delete(size_t line);

    // The working copy (for the CSV import and export); refill the list
    // after changing it.
    CSetteiKoumokuList& Copy() { return m_copy; }
    void RefillLines();
    // The path proposed to the CSV file dialogs: the master's path ending in
    // ".csv".
    std::string CsvProposal() const;
    // The copy's items with a name, in order: what closing keeps.
    std::vector<CSetteiKoumokuData> NamedItems() const;

  private:
    static size_t index(int level);
    std::string codeOfRows(int level) const;
    void fillRow(int level, const std::string& code);

    CSetteiKoumokuList m_copy;
    SetteiKoumokuLayout m_layout;
    std::array<Row, 3> m_rows;
    int m_listLevel = 1;
    std::vector<Line> m_lines;
};

// Closing the editor: the master keeps the form's named items and is saved.
// The master changes only when its file was written; false otherwise.
bool SaveEditedMaster(Prompt& prompt, CSetteiKoumokuList& master, const SetteiKoumokuForm& form);

}  // namespace bunrako
