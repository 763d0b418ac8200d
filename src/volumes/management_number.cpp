#include "volumes/management_number.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "common/cp932.h"
#include "common/my_tool.h"
#include "common/text_functions.h"
#include "volumes/doc_master_data.h"

namespace bunrako {
namespace {

constexpr size_t kDepartmentDigits = 6;
constexpr size_t kCodeWidth = 2;
constexpr size_t kSerialPosition = 15;
constexpr size_t kSerialWidth = 4;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Characters [pos, pos + count) of the text, as far as it reaches.
std::string_view slice(std::string_view text, size_t pos, size_t count) {
    if (pos >= text.size()) return {};
    return text.substr(pos, count);
}

// printf's "%*s": blanks in front up to the width.
void rightAligned(std::string_view text, size_t width, char* out) {
    const size_t blanks = width > text.size() ? width - text.size() : 0;
    std::memset(out, ' ', blanks);
    if (!text.empty()) std::memcpy(out + blanks, text.data(), std::min(text.size(), width));
}

// "%04d" of a serial; the serials that fit are -999..9999.
void formatSerial(int serial, char* out) {
    if (serial >= 0 && serial <= kHighestSerial) {
        for (size_t i = kSerialWidth; i-- > 0; serial /= 10)
            out[i] = static_cast<char>('0' + serial % 10);
        return;
    }
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d", serial);
    std::memcpy(out, buffer, kSerialWidth);
}

// The middle and minor codes as the number holds them: blanks trimmed,
// leading zeros dropped (one digit stays), right-aligned, so "3", "03", "3 "
// and " 3" are one code. Reading and building use the same form, so a volume
// always finds its own number again.
void codeInNumber(std::string_view code, char* out) {
    std::string_view text = trimmed(code);
    while (text.size() > 1 && text.front() == '0') text.remove_prefix(1);
    rightAligned(text, kCodeWidth, out);
}

void fillNormalisedNumber(std::string_view stored, char* out) {
    for (size_t i = 0; i < 11; ++i) out[i] = i < stored.size() ? stored[i] : ' ';
    codeInNumber(slice(stored, 11, kCodeWidth), out + 11);
    codeInNumber(slice(stored, 13, kCodeWidth), out + 13);
    formatSerial(LeadingInteger(trimmed(slice(stored, kSerialPosition, kSerialWidth))),
                 out + kSerialPosition);
    out[19] = '0';
    out[20] = '0';
}

std::string departmentDigits(std::string_view code, DepartmentDigits rule) {
    if (rule == DepartmentDigits::zeroPaddedToTen) {
        const std::string padded = "000000" + std::string(code);
        const std::string lastTen = padded.substr(padded.size() > 10 ? padded.size() - 10 : 0);
        return std::string(truncateCp932(lastTen, kDepartmentDigits));
    }
    std::string digits(truncateCp932(code, kDepartmentDigits));
    digits.resize(kDepartmentDigits, ' ');
    return digits;
}

void appendCode(std::string& prefix, std::string_view code) {
    char aligned[kCodeWidth];
    rightAligned(truncateCp932(code, kCodeWidth), kCodeWidth, aligned);
    prefix.append(aligned, kCodeWidth);
}

void appendMinorCode(std::string& prefix, std::string_view code) {
    char aligned[kCodeWidth];
    codeInNumber(truncateCp932(code, kCodeWidth), aligned);
    prefix.append(aligned, kCodeWidth);
}

}  // namespace

std::string buildNumberPrefix(const CDocMasterData& volume, const CMyTool& tool,
                              DepartmentDigits department) {
    const std::string era = tool.WesternToEraText(volume.SakuseiNendo.format("%Y,%m,%d"));
    std::string prefix;
    prefix.reserve(kNumberPrefixLength);
    // Era digit and two-digit era year; blanks where the date has no era text.
    for (size_t pos : {0u, 2u, 3u}) prefix += pos < era.size() ? era[pos] : ' ';
    prefix += departmentDigits(fixedBytes(volume.KaBunruiCode), department);
    appendCode(prefix, fixedBytes(volume.DaiBunruiCode));
    appendMinorCode(prefix, fixedBytes(volume.ChuuBunruiCode));
    appendMinorCode(prefix, fixedBytes(volume.ShouBunruiCode));
    return prefix;
}

void setManagementNumber(CDocMasterData& volume, std::string_view prefix, int serial) {
    char number[kNumberLength + 1] = {};
    std::memset(number, ' ', kNumberPrefixLength);
    if (!prefix.empty()) {
        std::memcpy(number, prefix.data(), std::min(prefix.size(), kNumberPrefixLength));
    }
    formatSerial(serial, number + kSerialPosition);
    number[19] = '0';
    number[20] = '0';
    std::memcpy(volume.KanriBangou, number, sizeof volume.KanriBangou);
}

std::string normaliseManagementNumber(std::string_view stored) {
    std::string number(kNumberLength, ' ');
    fillNormalisedNumber(stored, number.data());
    return number;
}

void normaliseManagementNumber(CDocMasterData& volume) {
    char number[kNumberLength];
    fillNormalisedNumber(fixedBytes(volume.KanriBangou), number);
    std::memcpy(volume.KanriBangou, number, kNumberLength);
    volume.KanriBangou[kNumberLength] = '\0';
}

std::string_view storedNumberPrefix(const CDocMasterData& volume) {
    return slice(fixedBytes(volume.KanriBangou), 0, kNumberPrefixLength);
}

int storedSerial(const CDocMasterData& volume) {
    return LeadingInteger(
        trimmed(slice(fixedBytes(volume.KanriBangou), kSerialPosition, kSerialWidth)));
}

}  // namespace bunrako
