// HozonNengenHenkousho.csv, the data-linkage file of the change forms: a
// header line and sixteen values per form separated by ",", lines ending in
// CR LF, CP932, nothing quoted.
#include <iterator>
#include <string>

#include "common/cp932.h"
#include "common/file_io.h"
#include "common/format_text.h"
#include "common/my_tool.h"
#include "volumes/hozon_nengen_henkousho_list.h"
#include "volumes/texts.h"

namespace bunrako {
namespace {

namespace texts = volumes::texts;

constexpr const char* kLineEnd = "\r\n";

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// "令和6年度" or "2024年度": the label year of the fiscal year of the date.
std::string fiscalYearText(const CMyTool& tool, const OleDateTime& date, bool western,
                           int periodType) {
    const OleDateTime label = tool.FiscalLabelDate(date, periodType);
    if (!label.isValid()) return {};
    if (western) return utf8ToCp932(formatPrintf(texts::kFormsWesternFiscalYear, label.year()));
    const std::string era = tool.DateToEraText(label);
    if (era.size() != 10 || !isDigit(era[0]) || !isDigit(era[2]) || !isDigit(era[3])) return {};
    const std::string eraName = tool.EraName(era[0] - '0');
    if (eraName.empty()) return {};
    const int eraYear = (era[2] - '0') * 10 + (era[3] - '0');
    return utf8ToCp932(formatPrintf(texts::kFormsEraFiscalYear, eraName.c_str(), eraYear));
}

std::string lineOf(const CHozonNengenHenkoushoData& form, const CMyTool& tool, bool western,
                   int periodType) {
    const auto year = [&](const OleDateTime& date) {
        return fiscalYearText(tool, date, western, periodType);
    };
    const std::string values[] = {
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
    };
    std::string line = values[0];
    for (size_t i = 1; i < std::size(values); ++i) line += "," + values[i];
    return line + kLineEnd;
}

}  // namespace

std::string CHozonNengenHenkoushoList::CsvBytes(const std::vector<CHozonNengenHenkoushoData>& forms,
                                                int westernDates, int periodType) {
    const CMyTool tool;
    std::string csv = utf8ToCp932(texts::kFormsCsvHeader) + kLineEnd;
    for (const CHozonNengenHenkoushoData& form : forms) {
        csv += lineOf(form, tool, westernDates != 0, periodType);
    }
    return csv;
}

bool CHozonNengenHenkoushoList::ExportCsv(Prompt& prompt, const std::filesystem::path& folder,
                                          const std::vector<CHozonNengenHenkoushoData>& forms,
                                          int westernDates, int periodType) {
    if (forms.empty()) return false;
    const std::filesystem::path file = folder / pathFromUtf8(texts::kFormsCsvName);
    const FileErrorCause cause = writeWholeFile(file, CsvBytes(forms, westernDates, periodType));
    return CMyTool::CheckFileError(
        prompt, cause, formatPrintf(texts::kFormsCsvOpenLabel, pathToUtf8(file).c_str()), true);
}

}  // namespace bunrako
