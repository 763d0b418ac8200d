#include "settings/settei_koumoku_form.h"

#include <algorithm>
#include <stdexcept>

#include "common/cp932.h"
#include "common/format_text.h"
#include "settings/texts.h"

namespace bunrako {
namespace {

constexpr size_t kLevelDigits[3] = {3, 3, 4};
constexpr size_t kLineCodeWidth = 10;
constexpr size_t kLineNameWidth = 40;

bool isAllZeros(const std::string& number) {
    return std::all_of(number.begin(), number.end(), [](char c) { return c == '0'; });
}

// An edit's number zero-padded to its level's width ("" gives all zeros).
std::string paddedNumber(const std::string& number, int level) {
    const size_t width = kLevelDigits[level - 1];
    std::string digits = number.substr(0, width);
    if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
    return digits;
}

// Pads a UTF-8 text with spaces to a width counted in CP932 bytes, as the
// list line of the stored form lines names up.
std::string padToBytes(const std::string& text, size_t width) {
    const size_t bytes = cp932Length(text);
    return bytes >= width ? text : text + std::string(width - bytes, ' ');
}

}  // namespace

SetteiKoumokuLayout SetteiKoumokuLayout::For(MasterKind kind,
                                             const SetteiKoumokuCaptions& captions) {
    SetteiKoumokuLayout layout;
    layout.rowCaptions = {captions.level1, captions.level2, captions.level3};
    layout.numberCaption = captions.number;
    layout.nameCaption = captions.name;
    layout.subNameCaption = captions.subName;
    switch (kind) {
        case MasterKind::department:
            layout.nameBytes = {20, 20, 40};
            layout.subNameBytes = {40, 40, 40};
            layout.rowShown = {true, true, false};
            layout.subNameShown = false;
            break;
        case MasterKind::classification:
            layout.nameBytes = {20, 20, 20};
            layout.subNameBytes = {4, 2, 2};
            break;
        case MasterKind::retention:
            layout.nameBytes = {20, 40, 40};
            layout.subNameBytes = {2, 40, 40};
            layout.rowShown = {true, false, false};
            break;
    }
    return layout;
}

int SetteiKoumokuLayout::DeepestLevel() const {
    int deepest = 1;
    for (int level = 1; level <= 3; ++level) {
        if (rowShown[static_cast<size_t>(level - 1)]) deepest = level;
    }
    return deepest;
}

SetteiKoumokuForm::SetteiKoumokuForm(const CSetteiKoumokuList& master, MasterKind kind)
    : m_copy(master), m_layout(SetteiKoumokuLayout::For(kind, master.Captions())) {
    RefillLines();
}

size_t SetteiKoumokuForm::index(int level) {
    if (level < 1 || level > 3) throw std::out_of_range("item level");
    return static_cast<size_t>(level - 1);
}

std::string SetteiKoumokuForm::Title() const {
    return formatText(settings::texts::kEditorTitle, m_copy.Path());
}

std::string SetteiKoumokuForm::CsvProposal() const {
    std::string path = m_copy.Path();
    const size_t slash = path.find_last_of("/\\");
    const size_t dot = path.rfind('.');
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) path.erase(dot);
    return path + ".csv";
}

// The code of the item a row stands for: the numbers of the rows above it
// and its own, zeros below.
std::string SetteiKoumokuForm::codeOfRows(int level) const {
    std::string code;
    for (int row = 1; row <= 3; ++row) {
        code += row <= level ? paddedNumber(RowAt(row).number, row)
                             : std::string(kLevelDigits[row - 1], '0');
    }
    return code;
}

void SetteiKoumokuForm::RefillLines() {
    std::string parent;
    if (m_listLevel == 2) parent = codeOfRows(1);
    if (m_listLevel == 3) parent = codeOfRows(2);
    m_lines.clear();
    for (const size_t item : m_copy.ChildIndices(parent)) {
        const CSetteiKoumokuData& data = m_copy[item];
        const std::string code = data.Code();
        m_lines.push_back(
            {padToBytes(code, kLineCodeWidth) + " :: " + padToBytes(data.Name(), kLineNameWidth),
             code});
    }
    std::stable_sort(m_lines.begin(), m_lines.end(),
                     [](const Line& a, const Line& b) { return a.text < b.text; });
}

void SetteiKoumokuForm::FocusNumber(int level) {
    index(level);
    m_listLevel = level;
    RefillLines();
}

void SetteiKoumokuForm::LeaveNumber(int level) {
    Row& row = RowAt(level);
    row.number = paddedNumber(row.number, level);
    // All zeros name no item of this level (the code would be the parent's).
    if (isAllZeros(row.number)) return;
    const std::string code = codeOfRows(level);
    if (m_copy.FindCode(code)) fillRow(level, code);
}

void SetteiKoumokuForm::fillRow(int level, const std::string& code) {
    Row& row = RowAt(level);
    row.number = code.substr(level == 1 ? 0 : level == 2 ? 3 : 6, kLevelDigits[level - 1]);
    row.name = m_copy.NameByCode(code);
    row.subName = m_copy.SubNameByCode(code);
}

void SetteiKoumokuForm::SelectLine(size_t line) {
    if (line >= m_lines.size()) return;
    const std::string& code = m_lines[line].code;
    const int level = ItemLevel(code);
    for (int row = 1; row <= 3; ++row) {
        if (row > level) {
            RowAt(row) = Row{};
            continue;
        }
        std::string prefix = code.substr(0, row == 1 ? 3 : row == 2 ? 6 : 10);
        prefix.resize(10, '0');
        fillRow(row, prefix);
    }
}

int SetteiKoumokuForm::Descend(size_t line) {
    if (line >= m_lines.size()) return 0;
    SelectLine(line);
    const bool level2Set = !isAllZeros(paddedNumber(RowAt(2).number, 2));
    const int next = level2Set ? 3 : 2;
    if (next > m_layout.DeepestLevel()) return 0;
    FocusNumber(next);
    return next;
}

void SetteiKoumokuForm::Register() {
    for (int level = 1; level <= m_layout.DeepestLevel(); ++level) {
        Row& row = RowAt(level);
        row.number = paddedNumber(row.number, level);
        if (isAllZeros(row.number)) break;
        const std::string code = codeOfRows(level);
        // A row left without a name never blanks the item stored there:
        // closing would drop it and leave its subtree without a parent.
        if (row.name.empty() && m_copy.FindCode(code)) continue;
        m_copy.AddOrReplace(CSetteiKoumokuData(code, row.name, row.subName));
    }
    RefillLines();
}

std::string SetteiKoumokuForm::DeleteQuestion(size_t line) const {
    if (line >= m_lines.size()) return {};
    return formatText(settings::texts::kDeleteQuestion, m_lines[line].text);
}

size_t SetteiKoumokuForm::Delete(size_t line) {
    if (line >= m_lines.size()) return 0;
    const size_t removed = m_copy.RemoveWithChildren(m_lines[line].code);
    RefillLines();
    return removed;
}

std::vector<CSetteiKoumokuData> SetteiKoumokuForm::NamedItems() const {
    std::vector<CSetteiKoumokuData> named;
    for (const CSetteiKoumokuData& item : m_copy.Items()) {
        if (item.name[0] != '\0') named.push_back(item);
    }
    return named;
}

bool SaveEditedMaster(Prompt& prompt, CSetteiKoumokuList& master, const SetteiKoumokuForm& form) {
    CSetteiKoumokuList edited = master;
    edited.Items() = form.NamedItems();
    if (!edited.SaveItems(prompt)) return false;
    master = std::move(edited);
    return true;
}

}  // namespace bunrako
