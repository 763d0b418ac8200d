// HozonNengenHenkousho.csv, the data-linkage file of the change forms: a
// header line and sixteen values per form separated by ",", lines ending in
// CR LF, CP932, nothing quoted.
#include <string>

#include "common/cp932.h"
#include "common/csv_date_texts.h"
#include "common/file_io.h"
#include "common/format_text.h"
#include "common/my_tool.h"
#include "common/texts.h"
#include "volumes/hozon_nengen_henkousho_list.h"
#include "volumes/texts.h"

namespace bunrako {
namespace {

namespace vtexts = volumes::texts;

std::string lineOf(const CHozonNengenHenkoushoData& form, const CsvDateTexts& dates) {
    const auto year = [&](const OleDateTime& date) { return dates.fiscalYearOf(date); };
    return csvLine({
        year(form.HenkouSakuseiNendo),
        std::string(fixedBytes(form.HenkouKaMei)),
        std::string(fixedBytes(form.HenkouKakariMei)),
        std::string(fixedBytes(form.HenkouKaBunruiCode)),
        std::string(fixedBytes(form.HenkouDaiBunruiCode)),
        std::string(fixedBytes(form.HenkouDaiBunruiMei)),
        std::string(fixedBytes(form.HenkouChuuBunruiCode)),
        std::string(fixedBytes(form.HenkouChuuBunruiMei)),
        std::string(fixedBytes(form.HenkouShouBunruiCode)),
        std::string(fixedBytes(form.HenkouShouBunruiMei)),
        std::string(fixedBytes(form.HenkouTitle)),
        year(form.HenkouShuunouKaisiNendo),
        year(form.HenkouShuunouShuuryouNendo),
        std::string(fixedBytes(form.HenkouMaeShubetu)),
        std::string(fixedBytes(form.HenkouGoShubetu)),
        std::string(fixedBytes(form.HenkouRiyuu)),
    });
}

}  // namespace

std::string CHozonNengenHenkoushoList::CsvBytes(const std::vector<CHozonNengenHenkoushoData>& forms,
                                                int westernDates, int periodType) {
    // Western years of the forms are written with four digits.
    const CsvDateTexts dates(westernDates != 0, periodType, CsvDateTexts::WesternYears::fourDigits);
    std::string csv = utf8ToCp932(vtexts::kFormsCsvHeader) + bunrako::common::texts::kCsvLineEnd;
    for (const CHozonNengenHenkoushoData& form : forms) csv += lineOf(form, dates);
    return csv;
}

bool CHozonNengenHenkoushoList::ExportCsv(Prompt& prompt, const std::filesystem::path& folder,
                                          const std::vector<CHozonNengenHenkoushoData>& forms,
                                          int westernDates, int periodType) {
    if (forms.empty()) return false;
    const std::filesystem::path file = folder / pathFromUtf8(vtexts::kFormsCsvName);
    const FileErrorCause cause = writeWholeFile(file, CsvBytes(forms, westernDates, periodType));
    return CMyTool::CheckFileError(
        prompt, cause, formatPrintf(vtexts::kFormsCsvOpenLabel, pathToUtf8(file).c_str()), true);
}

}  // namespace bunrako
