#include "register/kessai_kubun_form.h"

#include <algorithm>

#include "register/kessai_kubun_table.h"

namespace bunrako {
namespace {

constexpr int kLevelsOfType[KessaiKubunTable::kTypes] = {3, 4};

std::string lineOf(const std::string& name, const std::string& symbol) {
    return name + "," + symbol;
}

std::string nameOf(const std::string& line) { return line.substr(0, line.find(',')); }

std::string symbolOf(const std::string& line) {
    const size_t comma = line.find(',');
    return comma == std::string::npos ? std::string() : line.substr(comma + 1);
}

}  // namespace

KessaiKubunForm::KessaiKubunForm(const KessaiKubunTable& table, int type) : m_type(type) {
    for (int level = 0; level < KessaiKubunTable::kLevels; ++level) {
        const std::string levelName = table.name(type, level);
        if (!levelName.empty()) m_lines.push_back(lineOf(levelName, table.symbol(type, level)));
    }
}

int KessaiKubunForm::levelCount() const { return kLevelsOfType[m_type == 1 ? 1 : 0]; }

void KessaiKubunForm::select(int line) {
    if (line < 0 || line >= static_cast<int>(m_lines.size())) {
        m_selected = -1;
        return;
    }
    m_selected = line;
    name = nameOf(m_lines[static_cast<size_t>(line)]);
    symbol = symbolOf(m_lines[static_cast<size_t>(line)]);
}

bool KessaiKubunForm::addEnabled() const { return static_cast<int>(m_lines.size()) < levelCount(); }

bool KessaiKubunForm::add() {
    if (!addEnabled() || name.empty() || symbol.empty()) return false;
    const bool listed = std::any_of(m_lines.begin(), m_lines.end(),
                                    [&](const std::string& line) { return nameOf(line) == name; });
    if (listed) return false;
    m_lines.push_back(lineOf(name, symbol));
    return true;
}

bool KessaiKubunForm::change() {
    if (!changeEnabled() || name.empty() || symbol.empty()) return false;
    m_lines[static_cast<size_t>(m_selected)] = lineOf(name, symbol);
    return true;
}

bool KessaiKubunForm::remove() {
    if (!removeEnabled()) return false;
    m_lines.erase(m_lines.begin() + m_selected);
    m_selected = -1;
    return true;
}

void KessaiKubunForm::applyTo(KessaiKubunTable& table) const {
    for (int level = 0; level < KessaiKubunTable::kLevels; ++level) {
        const bool listed = level < static_cast<int>(m_lines.size());
        const std::string line = listed ? m_lines[static_cast<size_t>(level)] : std::string();
        table.setName(m_type, level, nameOf(line));
        table.setSymbol(m_type, level, symbolOf(line));
    }
}

}  // namespace bunrako
