#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

#include "common/ole_date_time.h"

namespace bunrako {

// One document filed in a volume: an entry of its index catalogue. Stored as
// a 1176-byte image. Fourteen progress slots are kept; the entry dialog shows
// the first ten and the others travel unchanged.
#pragma pack(push, 4)
struct CSakuinMokurokuList {
    static constexpr int kProgressSteps = 14;

    OleDateTime receivedDate;                  // 受付日
    char documentNumber[7];                    // 文書番号
    char subject[161];                         // 件名
    char remarks[89];                          // 備考
    char reserved269[3];                       // zero
    int32_t progressFlag[kProgressSteps];      // 経過: step in use
    OleDateTime progressDate[kProgressSteps];  // 経過: date
    char progressText[kProgressSteps][41];     // 経過: note
    char reserved1070[2];                      // zero
    int32_t registerLinkFlag;                  // 文書件名簿と連携
    char sender[41];                           // 発信者
    char receiver[41];                         // 受信者
    char reserved1158[2];                      // zero
    int32_t completedFlag;                     // 結了
    OleDateTime completedDate;                 // 結了日

    // Every byte zero, then the reception, progress and completion dates
    // set to `now`.
    static CSakuinMokurokuList Cleared(const OleDateTime& now);

    // Same document: equal reception dates and byte-equal number, subject and
    // remarks.
    bool SameKey(const CSakuinMokurokuList& other) const;

    std::string documentNumberText() const;
    std::string subjectText() const;
    std::string remarksText() const;
    std::string senderText() const;
    std::string receiverText() const;
    std::string progressTextText(int step) const;  // step 0..13
    // Setters cut at the field width, never inside a character.
    void setDocumentNumberText(std::string_view utf8);
    void setSubjectText(std::string_view utf8);
    void setRemarksText(std::string_view utf8);
    void setSenderText(std::string_view utf8);
    void setReceiverText(std::string_view utf8);
    void setProgressTextText(int step, std::string_view utf8);
};
#pragma pack(pop)

static_assert(std::is_trivially_copyable_v<CSakuinMokurokuList>);
static_assert(std::is_standard_layout_v<CSakuinMokurokuList>);
static_assert(sizeof(CSakuinMokurokuList) == 1176);
static_assert(offsetof(CSakuinMokurokuList, receivedDate) == 0);
static_assert(offsetof(CSakuinMokurokuList, documentNumber) == 12);
static_assert(offsetof(CSakuinMokurokuList, subject) == 19);
static_assert(offsetof(CSakuinMokurokuList, remarks) == 180);
static_assert(offsetof(CSakuinMokurokuList, reserved269) == 269);
static_assert(offsetof(CSakuinMokurokuList, progressFlag) == 272);
static_assert(offsetof(CSakuinMokurokuList, progressDate) == 328);
static_assert(offsetof(CSakuinMokurokuList, progressText) == 496);
static_assert(offsetof(CSakuinMokurokuList, reserved1070) == 1070);
static_assert(offsetof(CSakuinMokurokuList, registerLinkFlag) == 1072);
static_assert(offsetof(CSakuinMokurokuList, sender) == 1076);
static_assert(offsetof(CSakuinMokurokuList, receiver) == 1117);
static_assert(offsetof(CSakuinMokurokuList, reserved1158) == 1158);
static_assert(offsetof(CSakuinMokurokuList, completedFlag) == 1160);
static_assert(offsetof(CSakuinMokurokuList, completedDate) == 1164);

}  // namespace bunrako
