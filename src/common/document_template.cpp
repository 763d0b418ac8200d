#include "common/document_template.h"

#include <algorithm>

#include "common/cp932.h"

namespace bunrako {
namespace {

constexpr std::string_view kRowsBegin = "<!--rows-->";
constexpr std::string_view kRowsEnd = "<!--/rows-->";
constexpr std::string_view kOpen = "{{";
constexpr std::string_view kClose = "}}";

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> splitFields(const std::string& line) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (;;) {
        const size_t comma = line.find(',', start);
        fields.push_back(line.substr(start, comma - start));
        if (comma == std::string::npos) return fields;
        start = comma + 1;
    }
}

// Joins the surplus fields of a row back into the absorbing column.
void absorbSurplus(std::vector<std::string>& fields, size_t columns, size_t absorbing) {
    if (columns == 0 || fields.size() <= columns) return;
    const size_t surplus = fields.size() - columns;
    std::string joined = fields[absorbing];
    for (size_t i = 1; i <= surplus; ++i) joined += "," + fields[absorbing + i];
    fields[absorbing] = std::move(joined);
    fields.erase(fields.begin() + static_cast<std::ptrdiff_t>(absorbing + 1),
                 fields.begin() + static_cast<std::ptrdiff_t>(absorbing + 1 + surplus));
}

// XML 1.0 carries tab, line feed, carriage return and everything from U+0020
// on; other control characters would make the document unreadable.
bool isXmlCharacter(unsigned char byte) { return byte >= 0x20 || byte == '\t' || byte == '\n'; }

std::string fillPlaceholders(std::string_view text, const WordCsvTable& table, size_t row) {
    std::string filled;
    size_t start = 0;
    for (;;) {
        const size_t open = text.find(kOpen, start);
        const size_t close =
            open == std::string_view::npos ? open : text.find(kClose, open + kOpen.size());
        if (close == std::string_view::npos) {
            filled.append(text.substr(start));
            return filled;
        }
        filled.append(text.substr(start, open - start));
        const std::string_view name = text.substr(open + kOpen.size(), close - open - kOpen.size());
        filled += EscapeXmlText(table.Value(row, name));
        start = close + kClose.size();
    }
}

}  // namespace

std::string WordCsvTable::Value(size_t row, std::string_view name) const {
    if (row >= rows.size()) return {};
    const auto column = std::find(names.begin(), names.end(), name);
    if (column == names.end()) return {};
    const auto index = static_cast<size_t>(column - names.begin());
    return index < rows[row].size() ? rows[row][index] : std::string();
}

WordCsvTable ReadWordCsv(std::string_view cp932, std::string_view absorbing) {
    WordCsvTable table;
    std::vector<std::string> lines = splitLines(cp932ToUtf8(cp932));
    if (lines.empty()) return table;
    table.names = splitFields(lines.front());
    const auto named = std::find(table.names.begin(), table.names.end(), absorbing);
    const size_t absorbingColumn = named != table.names.end()
                                       ? static_cast<size_t>(named - table.names.begin())
                                       : table.names.size() - 1;
    for (size_t i = 1; i < lines.size(); ++i) {
        if (lines[i].empty()) continue;
        std::vector<std::string> fields = splitFields(lines[i]);
        absorbSurplus(fields, table.names.size(), absorbingColumn);
        table.rows.push_back(std::move(fields));
    }
    return table;
}

std::string EscapeXmlText(std::string_view utf8) {
    std::string escaped;
    escaped.reserve(utf8.size());
    for (const char c : utf8) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            case '\'':
                escaped += "&apos;";
                break;
            default:
                if (isXmlCharacter(static_cast<unsigned char>(c))) escaped += c;
        }
    }
    return escaped;
}

std::string FillDocumentTemplate(std::string_view templateXml, const WordCsvTable& table) {
    const size_t begin = templateXml.find(kRowsBegin);
    const size_t end = begin == std::string_view::npos ? begin : templateXml.find(kRowsEnd, begin);
    if (end == std::string_view::npos) return fillPlaceholders(templateXml, table, 0);
    const std::string_view block =
        templateXml.substr(begin + kRowsBegin.size(), end - begin - kRowsBegin.size());
    std::string filled = fillPlaceholders(templateXml.substr(0, begin), table, 0);
    for (size_t row = 0; row < table.rows.size(); ++row) {
        filled += fillPlaceholders(block, table, row);
    }
    filled += fillPlaceholders(templateXml.substr(end + kRowsEnd.size()), table, 0);
    return filled;
}

}  // namespace bunrako
