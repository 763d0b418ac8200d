#include "volumes/doc_master_csv.h"

#include <cstdint>

#include "common/cp932.h"
#include "common/file_io.h"
#include "common/format_text.h"
#include "common/my_tool.h"
#include "common/prompt.h"
#include "common/texts.h"
#include "volumes/texts.h"

namespace bunrako {
namespace {

namespace vtexts = volumes::texts;

std::string cp932(const char* utf8) { return utf8ToCp932(utf8); }

std::string bytesOf(std::string_view field) { return std::string(field); }

// The whole years of a period: its days rounded, divided by 366.
long yearsOf(const OleSpan& period) { return period.wholeDays() / 366; }

std::string number(long value) { return formatPrintf("%ld", value); }

std::string yearsWithSuffix(long years) { return number(years) + cp932(vtexts::kYearsSuffix); }

std::string joinCodes(const CDocMasterData& volume, const std::string& separator) {
    return bytesOf(fixedBytes(volume.DaiBunruiCode)) + separator +
           bytesOf(fixedBytes(volume.ChuuBunruiCode)) + separator +
           bytesOf(fixedBytes(volume.ShouBunruiCode));
}

// A review slot: its two date texts and its years, all empty (years 0) when
// the slot is not shown.
void appendReview(std::vector<std::string>& fields, bool shown, const OleDateTime& when,
                  const OleSpan& period, const CsvDateTexts& dates) {
    fields.push_back(shown ? dates.yearMonthOf(when) : std::string());
    fields.push_back(shown ? dates.yearMonthShortOf(when) : std::string());
    const long years = shown ? yearsOf(period) : 0;
    fields.push_back(yearsWithSuffix(years));
    fields.push_back(number(years));
}

std::string withHeader(std::string lines) {
    return cp932(vtexts::kVolumeWordCsvHeader) + bunrako::common::texts::kCsvLineEnd + lines;
}

bool writeFile(Prompt& prompt, const std::filesystem::path& file, const std::string& bytes,
               const char* failure) {
    const FileErrorCause cause = writeWholeFile(file, bytes);
    if (CMyTool::CheckFileError(prompt, cause,
                                formatPrintf(vtexts::kVolumeCsvOpenLabel, pathToUtf8(file).c_str()),
                                true)) {
        return true;
    }
    prompt.showMessage(failure, {}, MessageIcon::error);
    return false;
}

}  // namespace

std::string DocMasterCsvLine(const CDocMasterData& volume, const CsvDateTexts& dates) {
    const bool disposed = volume.Haiki == 1;
    const bool reviewed =
        volume.Haiki == 0 && fixedBytes(volume.HozonShubetuMei) == cp932(vtexts::kPermanentType);
    const bool previous = reviewed && volume.Minaosi2 == 1;
    const bool beforePrevious = previous && volume.Minaosi3 == 1;
    const long retentionYears = yearsOf(volume.HozonNengen);

    std::vector<std::string> fields;
    fields.reserve(40);
    fields.push_back(bytesOf(fixedBytes(volume.KanriBangou)));
    fields.push_back(dates.fiscalYearOf(volume.SakuseiNendo));
    fields.push_back(dates.fiscalYearShortOf(volume.SakuseiNendo));
    fields.push_back(bytesOf(fixedBytes(volume.KaMei)));
    fields.push_back(bytesOf(fixedBytes(volume.KakariMei)));
    fields.push_back(bytesOf(fixedBytes(volume.KaBunruiCode)));
    fields.push_back(joinCodes(volume, vtexts::kCodeJoinHyphen));
    fields.push_back(joinCodes(volume, cp932(vtexts::kCodeJoinDot)));
    fields.push_back(bytesOf(fixedBytes(volume.DaiBunruiMei)));
    fields.push_back(bytesOf(fixedBytes(volume.ChuuBunruiMei)));
    fields.push_back(bytesOf(fixedBytes(volume.ShouBunruiMei)));
    fields.push_back(bytesOf(fixedBytes(volume.Title)));
    fields.push_back(formatPrintf("%u", static_cast<uint32_t>(volume.Sassuu)));
    fields.push_back(dates.fiscalYearOf(volume.ShuunouKaisiNendo));
    fields.push_back(dates.fiscalYearShortOf(volume.ShuunouKaisiNendo));
    fields.push_back(dates.fiscalYearOf(volume.ShuunouShuuryouNendo));
    fields.push_back(dates.fiscalYearShortOf(volume.ShuunouShuuryouNendo));
    fields.push_back(bytesOf(fixedBytes(volume.HozonShubetuMei)));
    fields.push_back(yearsWithSuffix(retentionYears));
    fields.push_back(number(retentionYears));
    fields.push_back(dates.yearMonthOf(volume.ManryouNengetu));
    fields.push_back(dates.yearMonthShortOf(volume.ManryouNengetu));
    const bool dailyUse = volume.Jouyou == 1;
    fields.push_back(cp932(dailyUse ? vtexts::kDailyUse : vtexts::kArchiveRoom));
    fields.push_back(dailyUse ? cp932(vtexts::kDailyUseShort) : std::string());
    const bool contents = volume.Mokuji == 1;
    fields.push_back(cp932(contents ? vtexts::kWithContents : vtexts::kWithoutContents));
    fields.push_back(contents ? cp932(vtexts::kWithContentsShort) : std::string());
    fields.push_back(disposed ? dates.yearMonthOf(volume.HaikiNengetu) : std::string());
    fields.push_back(disposed ? dates.yearMonthShortOf(volume.HaikiNengetu) : std::string());
    appendReview(fields, reviewed, volume.Minaosi1Jiki, volume.Minaosi1Nengen, dates);
    appendReview(fields, previous, volume.Minaosi2Jiki, volume.Minaosi2Nengen, dates);
    appendReview(fields, beforePrevious, volume.Minaosi3Jiki, volume.Minaosi3Nengen, dates);
    return csvLine(fields);
}

std::string DocMasterCsvBytes(std::span<const CDocMasterData> volumes, int westernDates,
                              int periodType) {
    const CsvDateTexts dates(westernDates != 0, periodType);
    std::string bytes;
    for (const CDocMasterData& volume : volumes) bytes += DocMasterCsvLine(volume, dates);
    return bytes;
}

std::string DocMasterWordCsvBytes(std::span<const CDocMasterData> volumes, int westernDates,
                                  int periodType) {
    return withHeader(DocMasterCsvBytes(volumes, westernDates, periodType));
}

VolumeCsvResult WriteVolumeCsvFiles(Prompt& prompt, const std::filesystem::path& folder,
                                    std::span<const CDocMasterData> volumes, int westernDates,
                                    int periodType) {
    const std::filesystem::path base =
        folder.empty() ? pathFromUtf8(CMyTool::GetProgramFolder()) : folder;
    // The Word file is the same lines after its header: made once.
    const std::string lines = DocMasterCsvBytes(volumes, westernDates, periodType);
    if (!writeFile(prompt, base / pathFromUtf8(vtexts::kVolumeCsvName), lines,
                   vtexts::kTaroDataFailed)) {
        return VolumeCsvResult::taroFileFailed;
    }
    if (!writeFile(prompt, base / pathFromUtf8(vtexts::kVolumeWordCsvName), withHeader(lines),
                   vtexts::kWordDataFailed)) {
        return VolumeCsvResult::wordFileFailed;
    }
    return VolumeCsvResult::written;
}

}  // namespace bunrako
