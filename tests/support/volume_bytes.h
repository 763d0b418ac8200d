#pragma once

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string>
#include <string_view>

#include "volumes/doc_master_data.h"

// Volume record images built byte by byte at the offsets of the file layout,
// independently of the record struct, for building inputs and expected files.
namespace bunrako::testing::volume_bytes {

inline constexpr size_t kRecordSize = 656;
inline constexpr size_t kNumberAt = 0, kPaddingAt = 22, kCreatedAt = 24, kDepartmentAt = 36,
                        kSectionAt = 57, kDepartmentCodeAt = 78, kMajorCodeAt = 89,
                        kMajorNameAt = 94, kMiddleCodeAt = 115, kMiddleNameAt = 118,
                        kMinorCodeAt = 139, kMinorNameAt = 142, kTitleAt = 163, kBooksAt = 236,
                        kFiledFromAt = 240, kFiledToAt = 252, kRetentionIndexAt = 264,
                        kRetentionAt = 268, kExpiryAt = 280, kDailyUseAt = 292, kContentsAt = 296,
                        kDisposedAt = 300, kDisposalAt = 304, kReview1At = 316,
                        kReview1DateAt = 320, kReview1SpanAt = 332, kReview2At = 344,
                        kReview2DateAt = 348, kReview2SpanAt = 360, kReview3At = 372,
                        kReview3DateAt = 376, kReview3SpanAt = 388, kRetentionNameAt = 400,
                        kReservedAt = 421;

// OLE dates (days since 1899-12-30) used by the tests.
inline constexpr double kApril2018 = 43191, kApril2019 = 43556, kApril2020 = 43922,
                        kApril2021 = 44287;

// CP932 bytes of the Japanese texts used by the tests.
inline constexpr const char* kSoumuKa = "\x91\x8d\x96\xb1\x89\xdb";      // 総務課
inline constexpr const char* kShomuKakari = "\x8f\x8e\x96\xb1\x8c\x57";  // 庶務係
inline constexpr const char* kKeiriKakari = "\x8c\x6f\x97\x9d\x8c\x57";  // 経理係
inline constexpr const char* kBunsho = "\x95\xb6\x8f\x91";               // 文書
inline constexpr const char* kReiki = "\x97\xe1\x8b\x4b";                // 例規
inline constexpr const char* kJourei = "\x8f\xf0\x97\xe1";               // 条例
inline constexpr const char* kYosansho = "\x97\x5c\x8e\x5a\x8f\x91";     // 予算書
inline constexpr const char* kJinji = "\x90\x6c\x8e\x96";                // 人事
inline constexpr const char* kKyuuyo = "\x8b\x8b\x97\x5e";               // 給与

class Record {
  public:
    Record() : m_bytes(kRecordSize, '\0') {}

    Record& text(size_t at, std::string_view cp932) {
        std::memcpy(m_bytes.data() + at, cp932.data(), cp932.size());
        return *this;
    }
    Record& int32(size_t at, int32_t value) {
        std::memcpy(m_bytes.data() + at, &value, 4);
        return *this;
    }
    // Dates and spans alike: the double first, then the status.
    Record& value(size_t at, double days, int32_t status = 0) {
        std::memcpy(m_bytes.data() + at, &days, 8);
        std::memcpy(m_bytes.data() + at + 8, &status, 4);
        return *this;
    }
    Record& byte(size_t at, unsigned char b) {
        m_bytes[at] = static_cast<char>(b);
        return *this;
    }
    const std::string& bytes() const { return m_bytes; }

  private:
    std::string m_bytes;
};

// A volume of 総務課/庶務係 filed under 文書/例規/条例, created in the given
// fiscal year, with the given number and title.
inline Record volume(std::string_view number, std::string_view titleCp932,
                     double created = kApril2020) {
    Record r;
    r.text(kNumberAt, number)
        .value(kCreatedAt, created)
        .text(kDepartmentAt, kSoumuKa)
        .text(kSectionAt, kShomuKakari)
        .text(kDepartmentCodeAt, "0010010000")
        .text(kMajorCodeAt, "1")
        .text(kMajorNameAt, kBunsho)
        .text(kMiddleCodeAt, "2")
        .text(kMiddleNameAt, kReiki)
        .text(kMinorCodeAt, "3")
        .text(kMinorNameAt, kJourei)
        .text(kTitleAt, titleCp932)
        .int32(kBooksAt, 1)
        .value(kFiledFromAt, created)
        .value(kFiledToAt, created)
        .int32(kRetentionIndexAt, 2)
        .value(kRetentionAt, 1830)
        .value(kExpiryAt, created + 2196)
        .int32(kContentsAt, 1)
        .value(kDisposalAt, created + 2196)
        .value(kReview1DateAt, created + 2196)
        .value(kReview1SpanAt, 3660)
        .value(kReview2DateAt, created + 2196)
        .value(kReview2SpanAt, 3660)
        .value(kReview3DateAt, created + 2196)
        .value(kReview3SpanAt, 3660);
    return r;
}

inline std::string countWord(uint32_t count) {
    std::string word(4, '\0');
    std::memcpy(word.data(), &count, 4);
    return word;
}

// A volume file: the count word, then the record images.
inline std::string file(uint32_t count, std::initializer_list<Record> records) {
    std::string bytes = countWord(count);
    for (const Record& r : records) bytes += r.bytes();
    return bytes;
}

// The program's record made from an image (found by argument-dependent
// lookup: fromBytes(record)).
inline CDocMasterData fromBytes(const Record& record) {
    CDocMasterData volume;
    std::memcpy(static_cast<void*>(&volume), record.bytes().data(), sizeof volume);
    return volume;
}

}  // namespace bunrako::testing::volume_bytes
