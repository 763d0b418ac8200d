#include "volumes/list_captions.h"

#include "common/format_text.h"
#include "common/my_tool.h"
#include "volumes/bosatu_tyuushutu_jouken.h"
#include "volumes/hozon_nengen_henkousho_tyuushutu_jouken.h"
#include "volumes/texts.h"

namespace bunrako {
namespace {

namespace texts = volumes::texts;

constexpr int kYearForm = 2;

// "平成20年": the label year of the date's fiscal year in era form.
std::string eraLabelYear(const CMyTool& tool, const OleDateTime& date, int periodType) {
    return tool.FormatDate(tool.FiscalLabelDate(date, periodType), kYearForm);
}

std::string westernLabelYear(const CMyTool& tool, const OleDateTime& date, int periodType) {
    const OleDateTime label = tool.FiscalLabelDate(date, periodType);
    return formatPrintf(texts::kCaptionWesternYear, label.year());
}

}  // namespace

const char* volumeRegisterName(VolumeRegister reg) {
    switch (reg) {
        case VolumeRegister::permanentLedger:
            return texts::kPermanentLedgerName;
        case VolumeRegister::disposedList:
            return texts::kDisposedListName;
        case VolumeRegister::changeForms:
            return texts::kChangeFormListName;
        case VolumeRegister::volumeList:
            break;
    }
    return texts::kVolumeListName;
}

std::string volumeRegisterCaption(VolumeRegister reg, bool byYear, const OleDateTime& from,
                                  const OleDateTime& to, CalendarMode mode) {
    const std::string name = volumeRegisterName(reg);
    if (!byYear) return name;
    const CMyTool tool;
    if (mode.western) {
        const std::string a = westernLabelYear(tool, from, mode.periodType);
        const std::string b = westernLabelYear(tool, to, mode.periodType);
        if (a == b) return a + texts::kCaptionBeforeName + name;
        return a + texts::kCaptionRangeSign + b + texts::kCaptionBeforeName + name;
    }
    const std::string a = eraLabelYear(tool, from, mode.periodType);
    const std::string b = eraLabelYear(tool, to, mode.periodType);
    if (a == b) return a + texts::kCaptionEraBeforeName + name;
    return a + texts::kCaptionEraRangeSign + b + texts::kCaptionEraBeforeName + name;
}

std::string volumeRegisterCaption(VolumeRegister reg, const CBosatuTyuushutuJouken& criteria,
                                  CalendarMode mode) {
    return volumeRegisterCaption(reg, criteria.byCreationYear == 1, criteria.creationFrom,
                                 criteria.creationTo, mode);
}

std::string changeFormCaption(const CHozonNengenHenkoushoTyuushutuJouken& criteria,
                              CalendarMode mode) {
    return volumeRegisterCaption(VolumeRegister::changeForms, criteria.byCreationYear == 1,
                                 criteria.creationFrom, criteria.creationTo, mode);
}

}  // namespace bunrako
