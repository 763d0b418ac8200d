#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace bunrako {

// Text is stored in the data files as CP932 (Shift-JIS with the NEC and IBM
// extensions) and kept in memory as UTF-8. These are the only conversions.

// CP932 bytes to UTF-8. Bytes that are not valid CP932 become U+FFFD; use
// isValidCp932 to tell.
std::string cp932ToUtf8(std::string_view cp932);
// UTF-8 to CP932. Characters CP932 cannot hold become '?'; lossless, when
// given, says whether every character could be converted.
std::string utf8ToCp932(std::string_view utf8, bool* lossless = nullptr);

bool isValidCp932(std::string_view cp932);
bool isCp932LeadByte(unsigned char byte);

// Number of CP932 bytes the UTF-8 text takes.
size_t cp932Length(std::string_view utf8);

// Whether sub occurs in the CP932 text starting on a character boundary, so
// that the trail byte of one character and the lead byte of the next never
// make a match (an empty sub always occurs).
bool containsCp932(std::string_view cp932, std::string_view sub);

// The longest prefix of the CP932 bytes that fits in maxBytes without cutting
// a double-byte character in half.
std::string_view truncateCp932(std::string_view cp932, size_t maxBytes);
// The same for UTF-8 text measured in CP932 bytes; the result is UTF-8.
std::string truncateToCp932Bytes(std::string_view utf8, size_t maxBytes);

// Stored text, in fixed fields and archive strings alike, ends at its first
// NUL; the bytes after it are kept by whoever holds the field, never shown.
// The bytes up to the first NUL (all of them when there is none):
std::string_view textBytes(std::string_view stored);
// The same as UTF-8: how every reader turns stored bytes into text.
std::string storedText(std::string_view stored);

// Fixed-width, NUL-terminated text fields of the records. The width counts
// the terminator, so a 21-byte field holds 20 bytes of text.
// Reads the bytes up to the first NUL (or the whole width) as UTF-8.
std::string readFixedText(const char* field, size_t width);
// The raw CP932 bytes up to the first NUL.
std::string_view fixedBytes(const char* field, size_t width);
// Converts, cuts to width - 1 bytes at a character boundary, fills the rest of
// the field with NUL. Returns false when the text had to be cut or had
// characters CP932 cannot hold.
bool writeFixedText(char* field, size_t width, std::string_view utf8);
// The same for bytes already in CP932.
bool writeFixedBytes(char* field, size_t width, std::string_view cp932);

template <size_t N>
std::string readFixedText(const char (&field)[N]) {
    return readFixedText(field, N);
}
template <size_t N>
bool writeFixedText(char (&field)[N], std::string_view utf8) {
    return writeFixedText(field, N, utf8);
}
template <size_t N>
std::string_view fixedBytes(const char (&field)[N]) {
    return fixedBytes(field, N);
}
template <size_t N>
bool writeFixedBytes(char (&field)[N], std::string_view cp932) {
    return writeFixedBytes(field, N, cp932);
}

}  // namespace bunrako
