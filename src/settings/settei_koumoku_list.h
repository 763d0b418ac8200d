#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/read_report.h"
#include "settings/settei_koumoku_data.h"

namespace bunrako {

class Prompt;

// The six captions the item editor shows for a master: one per level row and
// one per column. A new table carries the editor's own defaults.
struct SetteiKoumokuCaptions {
    std::string level1;
    std::string level2;
    std::string level3;
    std::string name;
    std::string subName;
    std::string number;

    static SetteiKoumokuCaptions EditorDefaults();
    static SetteiKoumokuCaptions Department();
    static SetteiKoumokuCaptions Classification();
    static SetteiKoumokuCaptions Retention();
};

// A setting-item master (department, volume classification or retention):
// its items in file order, bound to one file.
//
// File: a 4-byte little-endian record count, then the 93-byte items back to
// back. A new file is empty (no count word) and reads as an empty master.
// CSV form: "code,name,subName" and CR LF per item, no header.
class CSetteiKoumokuList {
  public:
    CSetteiKoumokuList() = default;
    explicit CSetteiKoumokuList(std::string path) : m_strPath(std::move(path)) {}

    // Replaces the items with the file's (the file is created empty when
    // missing) and binds the table to the path. The count word is never
    // trusted beyond the file: the complete items are kept and a short file
    // or a negative count is reported. Returns 0 for an empty path or a file
    // that will not open.
    int LoadItems(Prompt& prompt, const std::string& path);
    // Writes the count and all items to the table's file in one piece. When
    // the file will not open the prompt offers to retry; giving up leaves it
    // as it was. A file whose count is negative (its items unread) is not
    // written over. Returns 0 for an empty path, when refused or given up.
    int SaveItems(Prompt& prompt) const;
    // How the last LoadItems went.
    const ReadReport& lastRead() const { return m_lastRead; }

    // Replaces the items from a CSV file. A file with any malformed line
    // changes nothing: the lines at fault are listed in one message.
    int ImportItemsCsv(Prompt& prompt, const std::string& path);
    // Writes the items as CSV. Returns 0 when given up.
    int ExportItemsCsv(Prompt& prompt, const std::string& path) const;

    // ---- Look-ups ---------------------------------------------------------
    // The index of the first item with the code.
    std::optional<size_t> FindCode(std::string_view code) const;
    // The name / second value of the item with the code; "" when none.
    std::string NameByCode(std::string_view code) const;
    std::string SubNameByCode(std::string_view code) const;
    // The indices of the children of an item, in table order; "" or the
    // root code gives the level-1 items, a level-3 code none.
    std::vector<size_t> ChildIndices(std::string_view parentCode) const;
    // The names of those children.
    std::vector<std::string> ListChildren(std::string_view parentCode) const;
    // The code of the item reached by names, level by level (the later names
    // may be empty); "" when a given name is not found at its level.
    std::string CodeByNames(std::string_view level1Name, std::string_view level2Name = {},
                            std::string_view level3Name = {}) const;
    // The same by second values: the short classification codes that
    // volumes keep, which stay when an item is renamed.
    std::string CodeBySubNames(std::string_view level1SubName, std::string_view level2SubName = {},
                               std::string_view level3SubName = {}) const;

    // ---- Changes (the item editor) ----------------------------------------
    // Replaces the name and second value of the item with the code, or
    // appends a new item.
    void AddOrReplace(const CSetteiKoumokuData& item);
    // Removes the item and everything below it; returns how many went.
    size_t RemoveWithChildren(std::string_view code);
    // Drops the items whose name is empty, keeping the order of the rest.
    void DropUnnamed();

    std::vector<CSetteiKoumokuData>& Items() { return m_items; }
    const std::vector<CSetteiKoumokuData>& Items() const { return m_items; }
    size_t size() const { return m_items.size(); }
    const CSetteiKoumokuData& operator[](size_t index) const { return m_items[index]; }

    const std::string& Path() const { return m_strPath; }
    void SetPath(std::string path) { m_strPath = std::move(path); }
    const SetteiKoumokuCaptions& Captions() const { return m_captions; }
    void SetCaptions(SetteiKoumokuCaptions captions) { m_captions = std::move(captions); }

  private:
    std::string codeByPath(std::initializer_list<std::string_view> texts,
                           std::string (CSetteiKoumokuData::*field)() const) const;

    std::vector<CSetteiKoumokuData> m_items;
    ReadReport m_lastRead;
    std::string m_strPath;
    SetteiKoumokuCaptions m_captions = SetteiKoumokuCaptions::EditorDefaults();
};

// The file image of a master and its reading, shared by the table and the
// dump of the command line.
std::string SetteiKoumokuFileBytes(const std::vector<CSetteiKoumokuData>& items);
struct SetteiKoumokuFileContent {
    std::vector<CSetteiKoumokuData> items;
    // The count word against the file's length: empty (a new file),
    // headerCut (shorter than the count word), badCount (negative),
    // recordsMissing, and the bytes after the counted items.
    ReadReport report;
};
SetteiKoumokuFileContent ReadSetteiKoumokuFile(std::string_view bytes);

}  // namespace bunrako
