#include "common/cp932.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace bunrako {

namespace {

constexpr const char* kReplacementUtf8 = "\xEF\xBF\xBD";  // U+FFFD

// One conversion direction, opened on first use and kept for the thread:
// record fields of large files are converted one by one.
class Converter {
  public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {
        if (m_cd == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error("iconv cannot convert between CP932 and UTF-8");
        }
    }
    ~Converter() { iconv_close(m_cd); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    iconv_t handle() {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
        return m_cd;
    }

  private:
    iconv_t m_cd;
};

iconv_t fromCp932() {
    thread_local Converter converter("UTF-8", "CP932");
    return converter.handle();
}

iconv_t toCp932() {
    thread_local Converter converter("CP932", "UTF-8");
    return converter.handle();
}

bool isAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool isCp932TrailByte(unsigned char byte) { return byte >= 0x40 && byte <= 0xFC && byte != 0x7F; }

// Bytes of the UTF-8 sequence that starts at text[0], or 0 when it is not a
// well-formed sequence.
size_t utf8SequenceLength(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    size_t length = 0;
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
    } else {
        return 0;
    }
    if (text.size() < length) return 0;
    for (size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return 0;
    }
    return length;
}

// Runs iconv over the whole input. At bytes it cannot convert, onError gets
// the rest of the input (and whether it ends inside a sequence) and says how
// many bytes to skip and what to write instead; conversion then goes on.
template <typename OnError>
std::string convert(iconv_t cd, std::string_view input, size_t expectedSize, OnError onError) {
    std::string output(std::max<size_t>(expectedSize, 16), '\0');
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    size_t produced = 0;
    while (inLeft > 0) {
        char* out = output.data() + produced;
        size_t outLeft = output.size() - produced;
        const size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
        produced = output.size() - outLeft;
        if (result != static_cast<size_t>(-1)) break;
        if (errno == E2BIG) {
            output.resize(output.size() * 2);
            continue;
        }
        // EILSEQ, or EINVAL for a sequence cut off by the end of the input.
        const bool cutOff = errno == EINVAL;
        const auto [skip, replacement] = onError(std::string_view(in, inLeft), cutOff);
        if (output.size() - produced < replacement.size()) output.resize(output.size() * 2);
        std::memcpy(output.data() + produced, replacement.data(), replacement.size());
        produced += replacement.size();
        in += skip;
        inLeft -= skip;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    output.resize(produced);
    return output;
}

struct Skip {
    size_t bytes;
    std::string_view replacement;
};

// CP932 to UTF-8, counting the bytes or pairs that became U+FFFD.
std::string decodeCp932(std::string_view cp932, size_t* badCount) {
    size_t bad = 0;
    std::string result =
        convert(fromCp932(), cp932, cp932.size() * 3, [&bad](std::string_view rest, bool) {
            ++bad;
            const auto lead = static_cast<unsigned char>(rest[0]);
            // A well-formed pair that has no character is one bad pair.
            const bool pair = rest.size() >= 2 && isCp932LeadByte(lead) &&
                              isCp932TrailByte(static_cast<unsigned char>(rest[1]));
            return Skip{pair ? size_t{2} : size_t{1}, kReplacementUtf8};
        });
    if (badCount) *badCount = bad;
    return result;
}

// CP932 bytes one UTF-8 character takes; unmappable characters become '?'.
size_t cp932CharLength(std::string_view character) {
    if (static_cast<unsigned char>(character[0]) < 0x80) return 1;
    return utf8ToCp932(character).size();
}

}  // namespace

std::string cp932ToUtf8(std::string_view cp932) {
    if (isAscii(cp932)) return std::string(cp932);
    return decodeCp932(cp932, nullptr);
}

std::string utf8ToCp932(std::string_view utf8, bool* lossless) {
    if (lossless) *lossless = true;
    if (isAscii(utf8)) return std::string(utf8);
    bool complete = true;
    std::string result =
        convert(toCp932(), utf8, utf8.size(), [&complete](std::string_view rest, bool cutOff) {
            complete = false;
            const size_t length = cutOff ? rest.size() : utf8SequenceLength(rest);
            return Skip{length == 0 ? size_t{1} : length, "?"};
        });
    if (lossless) *lossless = complete;
    return result;
}

bool isValidCp932(std::string_view cp932) {
    if (isAscii(cp932)) return true;
    size_t bad = 0;
    decodeCp932(cp932, &bad);
    return bad == 0;
}

bool isCp932LeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

size_t cp932Length(std::string_view utf8) {
    if (isAscii(utf8)) return utf8.size();
    return utf8ToCp932(utf8).size();
}

bool containsCp932(std::string_view cp932, std::string_view sub) {
    if (sub.empty()) return true;
    for (size_t at = 0; at + sub.size() <= cp932.size();) {
        if (cp932.compare(at, sub.size(), sub) == 0) return true;
        at += isCp932LeadByte(static_cast<unsigned char>(cp932[at])) ? 2 : 1;
    }
    return false;
}

std::string_view truncateCp932(std::string_view cp932, size_t maxBytes) {
    if (cp932.size() <= maxBytes) return cp932;
    size_t end = 0;
    while (end < maxBytes) {
        const size_t length = isCp932LeadByte(static_cast<unsigned char>(cp932[end])) ? 2 : 1;
        if (end + length > maxBytes) break;
        end += length;
    }
    return cp932.substr(0, end);
}

std::string truncateToCp932Bytes(std::string_view utf8, size_t maxBytes) {
    if (isAscii(utf8)) return std::string(utf8.substr(0, std::min(maxBytes, utf8.size())));
    size_t end = 0;
    size_t used = 0;
    while (end < utf8.size()) {
        const std::string_view rest = utf8.substr(end);
        const size_t sequence = std::max<size_t>(utf8SequenceLength(rest), 1);
        const size_t width = cp932CharLength(rest.substr(0, sequence));
        if (used + width > maxBytes) break;
        used += width;
        end += sequence;
    }
    return std::string(utf8.substr(0, end));
}

std::string_view textBytes(std::string_view stored) {
    return stored.substr(0, std::min(stored.find('\0'), stored.size()));
}

std::string storedText(std::string_view stored) { return cp932ToUtf8(textBytes(stored)); }

std::string_view fixedBytes(const char* field, size_t width) {
    return textBytes(std::string_view(field, width));
}

std::string readFixedText(const char* field, size_t width) {
    return storedText(std::string_view(field, width));
}

bool writeFixedBytes(char* field, size_t width, std::string_view cp932) {
    if (width == 0) return cp932.empty();
    const std::string_view kept = truncateCp932(cp932, width - 1);
    if (!kept.empty()) std::memcpy(field, kept.data(), kept.size());
    std::memset(field + kept.size(), 0, width - kept.size());
    return kept.size() == cp932.size();
}

bool writeFixedText(char* field, size_t width, std::string_view utf8) {
    bool lossless = true;
    const std::string cp932 = utf8ToCp932(utf8, &lossless);
    const bool whole = writeFixedBytes(field, width, cp932);
    return whole && lossless;
}

}  // namespace bunrako
