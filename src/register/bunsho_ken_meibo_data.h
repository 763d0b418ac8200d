#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

#include "common/cp932.h"
#include "common/ole_date_time.h"

namespace bunrako {

// One entry of the document title register (文書件名簿): a received or sent
// document with its number, subject, sender, receiver, completion, fourteen
// progress steps and the volume it is filed in. The record is the 1332-byte
// image stored in KenMeibo.dat; texts are CP932, NUL-terminated in their
// fields; padding bytes are carried unchanged.
#pragma pack(push, 4)
struct CBunshoKenMeiboData {
    static constexpr int kProgressSteps = 14;
    static constexpr size_t kSize = 1332;
    // Bytes of an entry in the older register file without a tag.
    static constexpr size_t kLegacySize = 1224;

    char documentNumber[7];
    char padding7[1];
    OleDateTime registerYear;
    int32_t calendarYearFlag;
    OleDateTime volumeYear;
    char sectionCode[11];
    char padding47[1];
    OleDateTime receivedDate;
    char subject[161];
    char sender[41];
    char receiver[41];
    char padding303[1];
    int32_t completedFlag;
    OleDateTime completedDate;
    int32_t progressFlag[kProgressSteps];
    OleDateTime progressDate[kProgressSteps];
    char progressText[kProgressSteps][41];
    char volumeNumber[22];
    char volumeTitle[73];
    char padding1213[3];
    int32_t importantFlag;
    char documentSymbol[21];
    char remarks[89];
    char padding1330[2];

    // A new entry: all zero except the dates, which are taken from now
    // (register year 1 January, volume year the April-based fiscal year,
    // reception, completion and progress dates now with the time of day).
    static CBunshoKenMeiboData newEntry(const OleDateTime& now);
    // An entry of the older 1224-byte layout, converted field by field.
    static CBunshoKenMeiboData fromLegacy(const char* legacy);

    // The number as an integer: its first nine characters read as a decimal
    // integer like atoi, 0 when it is not a number.
    int32_t documentNumberValue() const;
    // The section (課) part of sectionCode: its first three bytes.
    std::string_view sectionPrefix() const;

    // UTF-8 views of the texts; setters cut at a character boundary and
    // return false when the text did not fit or had characters CP932 lacks.
    std::string documentNumberText() const { return readFixedText(documentNumber); }
    bool setDocumentNumber(std::string_view utf8) { return writeFixedText(documentNumber, utf8); }
    std::string sectionCodeText() const { return readFixedText(sectionCode); }
    bool setSectionCode(std::string_view utf8) { return writeFixedText(sectionCode, utf8); }
    std::string subjectText() const { return readFixedText(subject); }
    bool setSubject(std::string_view utf8) { return writeFixedText(subject, utf8); }
    std::string senderText() const { return readFixedText(sender); }
    bool setSender(std::string_view utf8) { return writeFixedText(sender, utf8); }
    std::string receiverText() const { return readFixedText(receiver); }
    bool setReceiver(std::string_view utf8) { return writeFixedText(receiver, utf8); }
    std::string progressTextOf(int step) const { return readFixedText(progressText[step]); }
    bool setProgressText(int step, std::string_view utf8) {
        return writeFixedText(progressText[step], utf8);
    }
    std::string volumeNumberText() const { return readFixedText(volumeNumber); }
    bool setVolumeNumber(std::string_view utf8) { return writeFixedText(volumeNumber, utf8); }
    std::string volumeTitleText() const { return readFixedText(volumeTitle); }
    bool setVolumeTitle(std::string_view utf8) { return writeFixedText(volumeTitle, utf8); }
    std::string documentSymbolText() const { return readFixedText(documentSymbol); }
    bool setDocumentSymbol(std::string_view utf8) { return writeFixedText(documentSymbol, utf8); }
    std::string remarksText() const { return readFixedText(remarks); }
    bool setRemarks(std::string_view utf8) { return writeFixedText(remarks, utf8); }
};
#pragma pack(pop)

static_assert(std::is_trivially_copyable_v<CBunshoKenMeiboData>);
static_assert(std::is_standard_layout_v<CBunshoKenMeiboData>);
static_assert(sizeof(CBunshoKenMeiboData) == CBunshoKenMeiboData::kSize);
static_assert(offsetof(CBunshoKenMeiboData, documentNumber) == 0);
static_assert(offsetof(CBunshoKenMeiboData, padding7) == 7);
static_assert(offsetof(CBunshoKenMeiboData, registerYear) == 8);
static_assert(offsetof(CBunshoKenMeiboData, calendarYearFlag) == 20);
static_assert(offsetof(CBunshoKenMeiboData, volumeYear) == 24);
static_assert(offsetof(CBunshoKenMeiboData, sectionCode) == 36);
static_assert(offsetof(CBunshoKenMeiboData, padding47) == 47);
static_assert(offsetof(CBunshoKenMeiboData, receivedDate) == 48);
static_assert(offsetof(CBunshoKenMeiboData, subject) == 60);
static_assert(offsetof(CBunshoKenMeiboData, sender) == 221);
static_assert(offsetof(CBunshoKenMeiboData, receiver) == 262);
static_assert(offsetof(CBunshoKenMeiboData, padding303) == 303);
static_assert(offsetof(CBunshoKenMeiboData, completedFlag) == 304);
static_assert(offsetof(CBunshoKenMeiboData, completedDate) == 308);
static_assert(offsetof(CBunshoKenMeiboData, progressFlag) == 320);
static_assert(offsetof(CBunshoKenMeiboData, progressDate) == 376);
static_assert(offsetof(CBunshoKenMeiboData, progressText) == 544);
static_assert(offsetof(CBunshoKenMeiboData, volumeNumber) == 1118);
static_assert(offsetof(CBunshoKenMeiboData, volumeTitle) == 1140);
static_assert(offsetof(CBunshoKenMeiboData, padding1213) == 1213);
static_assert(offsetof(CBunshoKenMeiboData, importantFlag) == 1216);
static_assert(offsetof(CBunshoKenMeiboData, documentSymbol) == 1220);
static_assert(offsetof(CBunshoKenMeiboData, remarks) == 1241);
static_assert(offsetof(CBunshoKenMeiboData, padding1330) == 1330);

}  // namespace bunrako
