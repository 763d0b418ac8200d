#include "catalogue/sakuin_mokuroku_header.h"

#include <cstring>

#include "catalogue/texts.h"
#include "common/cp932.h"
#include "volumes/doc_master_data.h"

namespace bunrako {

namespace {

// The first day of the April fiscal year that holds the date.
OleDateTime aprilFiscalYearStart(const OleDateTime& now) {
    const int year = now.month() >= 4 ? now.year() : now.year() - 1;
    return OleDateTime::fromDate(year, 4, 1);
}

// Copies one header field from the volume when it differs; true when it did.
template <size_t N>
bool syncText(char (&field)[N], const char* volumeField, size_t volumeWidth) {
    const std::string_view wanted = fixedBytes(volumeField, volumeWidth);
    if (fixedBytes(field) == wanted) return false;
    writeFixedBytes(field, wanted);
    return true;
}
template <size_t N>
bool syncText(char (&field)[N], const char (&volumeField)[N]) {
    return syncText(field, volumeField, N);
}

// Values that are equal, or the very same bytes (an invalid date never
// equals another, but must not make every look at the volume save again).
template <typename Value>
bool syncValue(Value& field, const Value& wanted) {
    if (field == wanted || std::memcmp(&field, &wanted, sizeof field) == 0) return false;
    field = wanted;
    return true;
}

}  // namespace

CSakuinMokurokuHeader CSakuinMokurokuHeader::Cleared(const OleDateTime& now) {
    CSakuinMokurokuHeader header;
    std::memset(static_cast<void*>(&header), 0, sizeof header);
    header.fiscalYear = aprilFiscalYearStart(now);
    header.storageStartYear = header.fiscalYear;
    header.storageEndYear = header.fiscalYear;
    header.retentionClass = 2;
    writeFixedText(header.retentionText, catalogue::texts::kDefaultRetentionText);
    header.retentionSpan = OleSpan::fromDays(1830.0);
    return header;
}

std::string CSakuinMokurokuHeader::volumeNumberText() const { return readFixedText(volumeNumber); }
std::string CSakuinMokurokuHeader::departmentNameText() const {
    return readFixedText(departmentName);
}
std::string CSakuinMokurokuHeader::sectionNameText() const { return readFixedText(sectionName); }
std::string CSakuinMokurokuHeader::majorClassNameText() const {
    return readFixedText(majorClassName);
}
std::string CSakuinMokurokuHeader::middleClassNameText() const {
    return readFixedText(middleClassName);
}
std::string CSakuinMokurokuHeader::minorClassNameText() const {
    return readFixedText(minorClassName);
}
std::string CSakuinMokurokuHeader::volumeTitleText() const { return readFixedText(volumeTitle); }
std::string CSakuinMokurokuHeader::retentionTextText() const {
    return readFixedText(retentionText);
}
void CSakuinMokurokuHeader::setVolumeTitleText(std::string_view utf8) {
    writeFixedText(volumeTitle, utf8);
}
void CSakuinMokurokuHeader::setRetentionTextText(std::string_view utf8) {
    writeFixedText(retentionText, utf8);
}

bool CSakuinMokurokuHeader::CopyVolumeFields(const CDocMasterData& v) {
    CSakuinMokurokuHeader& h = *this;
    bool changed = false;
    // Every comparison runs: each differing field is copied.
    changed |= syncText(h.volumeNumber, v.KanriBangou);
    changed |= syncValue(h.fiscalYear, v.SakuseiNendo);
    changed |= syncText(h.departmentName, v.KaMei);
    changed |= syncText(h.sectionName, v.KakariMei);
    changed |= syncText(h.departmentClassCode, v.KaBunruiCode);
    changed |= syncText(h.majorClassCode, v.DaiBunruiCode);
    changed |= syncText(h.majorClassName, v.DaiBunruiMei);
    changed |= syncText(h.middleClassCode, v.ChuuBunruiCode);
    changed |= syncText(h.middleClassName, v.ChuuBunruiMei);
    changed |= syncText(h.minorClassCode, v.ShouBunruiCode);
    changed |= syncText(h.minorClassName, v.ShouBunruiMei);
    changed |= syncText(h.volumeTitle, v.Title);
    changed |= syncValue(h.bookCount, v.Sassuu);
    changed |= syncValue(h.storageStartYear, v.ShuunouKaisiNendo);
    changed |= syncValue(h.storageEndYear, v.ShuunouShuuryouNendo);
    changed |= syncValue(h.retentionClass, v.HozonShubetuIndex);
    changed |= syncText(h.retentionText, v.HozonShubetuMei, sizeof v.HozonShubetuMei);
    changed |= syncValue(h.retentionSpan, v.HozonNengen);
    return changed;
}

}  // namespace bunrako
