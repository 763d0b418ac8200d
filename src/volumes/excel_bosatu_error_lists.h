#pragma once

#include <string>
#include <vector>

#include "volumes/excel_bosatu_csv_reader.h"
#include "volumes/excel_bosatu_data.h"

namespace bunrako {

// A read row that did not convert, and why (UTF-8).
struct ExcelBosatuFailedRow {
    ExcelBosatuRow row;
    std::string note;
};

// The two error lists of the bulk import, as CP932 text with CR LF lines.
//
// ErrorExcelBosatu.txt: a line saying that reading found nothing, or a
// heading and every listed CSV line as it was read, each followed by a line
// saying which line it was and why it is listed.
std::string ReadErrorListBytes(const std::vector<ExcelBosatuListedLine>& listed);

// ErrorExcelBosatuHenkan.txt: a line saying that conversion found nothing,
// or a heading and one line per failed row with its values in the CSV's
// order (years and months as cells of the calendar mode: R2 and R12.4, or
// 2020 and 2030.4), the two flags as words, the disposal month when there is
// one, and the CSV line with the reason it failed.
std::string ConvertErrorListBytes(const std::vector<ExcelBosatuFailedRow>& failed, int calendarMode,
                                  int periodType);

}  // namespace bunrako
