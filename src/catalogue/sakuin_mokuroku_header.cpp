#include "catalogue/sakuin_mokuroku_header.h"

#include <cstring>

#include "catalogue/texts.h"
#include "common/cp932.h"

namespace bunrako {

namespace {

// The first day of the April fiscal year that holds the date.
OleDateTime aprilFiscalYearStart(const OleDateTime& now) {
    const int year = now.month() >= 4 ? now.year() : now.year() - 1;
    return OleDateTime::fromDate(year, 4, 1);
}

}  // namespace

CSakuinMokurokuHeader CSakuinMokurokuHeader::Cleared(const OleDateTime& now) {
    CSakuinMokurokuHeader header;
    std::memset(static_cast<void*>(&header), 0, sizeof header);
    header.fiscalYear = aprilFiscalYearStart(now);
    header.storageStartYear = header.fiscalYear;
    header.storageEndYear = header.fiscalYear;
    header.retentionClass = 2;
    writeFixedText(header.retentionText, texts::catalogue::kDefaultRetentionText);
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

}  // namespace bunrako
