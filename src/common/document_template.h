#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace bunrako {

// The table of a Word CSV file (the header line names the columns, each
// further line is a row), as UTF-8 texts.
struct WordCsvTable {
    std::vector<std::string> names;
    std::vector<std::vector<std::string>> rows;

    // The value of a column in a row; "" when the row or column is missing.
    std::string Value(size_t row, std::string_view name) const;
};

// Reads the bytes a Word CSV writer produced (CP932, CR LF, no quoting). A
// value holding a comma splits into more fields than the header names; the
// surplus is joined back into the column named by absorbing (the free text
// of the row, where commas occur), or into the last column.
WordCsvTable ReadWordCsv(std::string_view cp932, std::string_view absorbing = {});

// Fills a flat OpenDocument (.fodt) template: "{{name}}" becomes the value
// of that column, XML-escaped; the part between "<!--rows-->" and
// "<!--/rows-->" is repeated once per row, outside it the first row counts.
// Unknown names become "". Characters that XML 1.0 cannot carry are dropped.
std::string FillDocumentTemplate(std::string_view templateXml, const WordCsvTable& table);

// The text as XML character data.
std::string EscapeXmlText(std::string_view utf8);

}  // namespace bunrako
