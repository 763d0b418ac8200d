#include "register/bunsho_ken_meibo_data.h"

#include <cstring>

#include "common/text_functions.h"

namespace bunrako {
namespace {

// The older entry of 1224 bytes. Its subject held 80 bytes and it had no
// remarks; its last 63 bytes are not read.
#pragma pack(push, 4)
struct LegacyEntry {
    char documentNumber[7];
    char padding7[1];
    OleDateTime registerYear;
    int32_t calendarYearFlag;
    OleDateTime volumeYear;
    char sectionCode[11];
    char padding47[1];
    OleDateTime receivedDate;
    char subject[81];
    char sender[41];
    char receiver[41];
    char padding223[1];
    int32_t completedFlag;
    OleDateTime completedDate;
    int32_t progressFlag[CBunshoKenMeiboData::kProgressSteps];
    OleDateTime progressDate[CBunshoKenMeiboData::kProgressSteps];
    char progressText[CBunshoKenMeiboData::kProgressSteps][41];
    char volumeNumber[22];
    char volumeTitle[73];
    char padding1133[3];
    int32_t importantFlag;
    char documentSymbol[21];
    char unread1161[63];
};
#pragma pack(pop)

static_assert(sizeof(LegacyEntry) == CBunshoKenMeiboData::kLegacySize);
static_assert(offsetof(LegacyEntry, registerYear) == 8);
static_assert(offsetof(LegacyEntry, calendarYearFlag) == 20);
static_assert(offsetof(LegacyEntry, volumeYear) == 24);
static_assert(offsetof(LegacyEntry, sectionCode) == 36);
static_assert(offsetof(LegacyEntry, receivedDate) == 48);
static_assert(offsetof(LegacyEntry, subject) == 60);
static_assert(offsetof(LegacyEntry, sender) == 141);
static_assert(offsetof(LegacyEntry, receiver) == 182);
static_assert(offsetof(LegacyEntry, completedFlag) == 224);
static_assert(offsetof(LegacyEntry, completedDate) == 228);
static_assert(offsetof(LegacyEntry, progressFlag) == 240);
static_assert(offsetof(LegacyEntry, progressDate) == 296);
static_assert(offsetof(LegacyEntry, progressText) == 464);
static_assert(offsetof(LegacyEntry, volumeNumber) == 1038);
static_assert(offsetof(LegacyEntry, volumeTitle) == 1060);
static_assert(offsetof(LegacyEntry, importantFlag) == 1136);
static_assert(offsetof(LegacyEntry, documentSymbol) == 1140);
static_assert(offsetof(LegacyEntry, unread1161) == 1161);

template <typename To, typename From>
void copyField(To& to, const From& from) {
    static_assert(sizeof(To) >= sizeof(From));
    std::memcpy(&to, &from, sizeof(From));
}

}  // namespace

CBunshoKenMeiboData CBunshoKenMeiboData::newEntry(const OleDateTime& now) {
    CBunshoKenMeiboData entry{};
    const int year = now.year();
    const int aprilYear = now.month() >= 1 && now.month() <= 3 ? year - 1 : year;
    entry.registerYear = OleDateTime::fromDate(year, 1, 1);
    entry.volumeYear = OleDateTime::fromDate(aprilYear, 4, 1);
    entry.receivedDate = now;
    entry.completedDate = now;
    for (OleDateTime& date : entry.progressDate) date = now;
    return entry;
}

CBunshoKenMeiboData CBunshoKenMeiboData::fromLegacy(const char* legacy) {
    LegacyEntry old;
    std::memcpy(&old, legacy, sizeof old);
    // Every date of a new entry is overwritten below, so the fields that the
    // older layout lacks start as zero, as in a new entry.
    CBunshoKenMeiboData entry{};
    copyField(entry.documentNumber, old.documentNumber);
    copyField(entry.registerYear, old.registerYear);
    copyField(entry.calendarYearFlag, old.calendarYearFlag);
    copyField(entry.volumeYear, old.volumeYear);
    copyField(entry.sectionCode, old.sectionCode);
    copyField(entry.receivedDate, old.receivedDate);
    copyField(entry.subject, old.subject);
    copyField(entry.sender, old.sender);
    copyField(entry.receiver, old.receiver);
    copyField(entry.completedFlag, old.completedFlag);
    copyField(entry.completedDate, old.completedDate);
    copyField(entry.progressFlag, old.progressFlag);
    copyField(entry.progressDate, old.progressDate);
    copyField(entry.progressText, old.progressText);
    copyField(entry.volumeNumber, old.volumeNumber);
    copyField(entry.volumeTitle, old.volumeTitle);
    copyField(entry.importantFlag, old.importantFlag);
    copyField(entry.documentSymbol, old.documentSymbol);
    return entry;
}

int32_t CBunshoKenMeiboData::documentNumberValue() const {
    // The number field holds at most nine significant characters.
    return LeadingInteger(fixedBytes(documentNumber).substr(0, 9));
}

std::string_view CBunshoKenMeiboData::sectionPrefix() const {
    return fixedBytes(sectionCode).substr(0, 3);
}

}  // namespace bunrako
