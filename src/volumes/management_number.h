#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace bunrako {

class CMyTool;
struct CDocMasterData;

// The management number (管理番号) of a volume: 21 characters at fixed
// positions. 0 era number and 1-2 era year of the creation year, 3-8 the
// department code, 9-10, 11-12 and 13-14 the three classification codes
// right-aligned in two characters, 15-18 the serial, 19-20 "00". Positions
// 0-14 are the number prefix; the serial counts the volumes of one prefix.
inline constexpr size_t kNumberPrefixLength = 15;
inline constexpr size_t kNumberLength = 21;
inline constexpr int kHighestSerial = 9999;

// How positions 3-8 come from the department code.
enum class DepartmentDigits {
    // The first six characters of the code (blank-padded when shorter).
    firstSix,
    // The code right-aligned to ten characters with leading zeros, then its
    // first six; equal to firstSix for ten-character codes. Used when volumes
    // are copied into a new fiscal year.
    zeroPaddedToTen,
};

// The 15-byte number prefix of a volume, built from its own fields (CP932).
// Codes longer than two characters are cut to two in the number only, never
// in the middle of a character.
std::string buildNumberPrefix(const CDocMasterData& volume, const CMyTool& tool,
                              DepartmentDigits department = DepartmentDigits::firstSix);

// Writes prefix + serial as "%04d00" into KanriBangou.
void setManagementNumber(CDocMasterData& volume, std::string_view prefix, int serial);

// The number as the volume files are read: positions 0-10 kept, 11-12 and
// 13-14 trimmed and right-aligned in two characters, 15-18 trimmed, read as
// an integer and written as "%04d", 19-20 "00". Missing positions of a short
// number read as blanks, so the result always has 21 characters.
std::string normaliseManagementNumber(std::string_view stored);
// The same in place on the record, without allocating.
void normaliseManagementNumber(CDocMasterData& volume);

// The stored prefix (up to 15 bytes) and serial of a volume's number.
std::string_view storedNumberPrefix(const CDocMasterData& volume);
int storedSerial(const CDocMasterData& volume);

}  // namespace bunrako
