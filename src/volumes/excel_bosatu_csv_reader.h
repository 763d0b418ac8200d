#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "volumes/excel_bosatu_data.h"

namespace bunrako {

// A CSV line the reader lists in the read error list: rejected, or taken
// with a text cut to its field.
struct ExcelBosatuListedLine {
    size_t lineNumber = 0;
    // The line's bytes as they were read, without the line end.
    std::string line;
    // Why it is listed (UTF-8).
    std::string note;
    // True when the row was taken all the same (a text was cut).
    bool imported = false;
};

struct ExcelBosatuReadResult {
    std::vector<ExcelBosatuRow> rows;
    // In file order.
    std::vector<ExcelBosatuListedLine> listed;
    size_t rejected = 0;
};

// Reads the bulk-import CSV (CP932; the first line is a header and is
// skipped; lines end in CR LF, LF or CR). Fields are read by position:
// 2 creation fiscal year, 3-8 department, section, the three classification
// names and the title, 9 number of books, 10-11 filing fiscal years, 12
// retention ("永" or years), 13 expiry month, 14 daily use ("常用"/"常"), 15
// contents ("有"), 16 disposal month (optional). A field may be wrapped in
// double quotes (a doubled quote inside stands for one) and then hold
// commas. Years are era cells (R2, H30.4) with calendarMode 0, Western cells
// (2020, 2030.4) with 1; periodType names the fiscal years. Lines without
// any value are skipped.
ExcelBosatuReadResult ReadExcelBosatuCsv(std::string_view bytes, int calendarMode, int periodType);

}  // namespace bunrako
