#include "common/safe_file_name.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace bunrako {
namespace {

// Every replacement is a full-width character that CP932 holds, so the name
// survives the conversion to the stored text unchanged.
constexpr const char* kFullWidthUnderscore = "＿";
constexpr const char* kFullWidthDot = "．";
constexpr const char* kFullWidthSpace = "　";

struct Replacement {
    char ascii;
    const char* fullWidth;
};
constexpr std::array<Replacement, 9> kRefused = {{
    {'\\', "＼"},
    {'/', "／"},
    {':', "："},
    {'*', "＊"},
    {'?', "？"},
    {'"', "”"},
    {'<', "＜"},
    {'>', "＞"},
    {'|', "｜"},
}};

// The length of the well-formed UTF-8 sequence at the front of text, 0 when
// it is not one.
size_t sequenceLength(std::string_view text) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    size_t length = 0;
    unsigned codePoint = 0;
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07u;
    } else {
        return 0;
    }
    if (text.size() < length) return 0;
    for (size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0u) != 0x80u) return 0;
        codePoint = (codePoint << 6) | (byte(i) & 0x3Fu);
    }
    const unsigned smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (codePoint < smallest[length] || codePoint > 0x10FFFF) return 0;
    if (codePoint >= 0xD800 && codePoint <= 0xDFFF) return 0;
    return length;
}

bool isC1Control(std::string_view sequence) {
    return sequence.size() == 2 && static_cast<unsigned char>(sequence[0]) == 0xC2 &&
           static_cast<unsigned char>(sequence[1]) < 0xA0;
}

// Separators, refused characters and controls replaced; a byte that is not
// UTF-8 is replaced too, as it could not be stored.
std::string replaceRefused(std::string_view text) {
    std::string name;
    while (!text.empty()) {
        const size_t length = sequenceLength(text);
        if (length == 0) {
            name += kFullWidthUnderscore;
            text.remove_prefix(1);
            continue;
        }
        const std::string_view sequence = text.substr(0, length);
        text.remove_prefix(length);
        if (length == 1) {
            const char c = sequence[0];
            const auto* refused = std::find_if(kRefused.begin(), kRefused.end(),
                                               [c](const Replacement& r) { return r.ascii == c; });
            if (refused != kRefused.end()) {
                name += refused->fullWidth;
            } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
                name += kFullWidthUnderscore;
            } else {
                name += c;
            }
        } else {
            name +=
                isC1Control(sequence) ? std::string(kFullWidthUnderscore) : std::string(sequence);
        }
    }
    return name;
}

// Windows drops trailing dots and spaces from a name ("." and ".." are all
// dots), so they become full-width.
std::string keepTrailingDotsAndSpaces(const std::string& name) {
    size_t end = name.size();
    while (end > 0 && (name[end - 1] == '.' || name[end - 1] == ' ')) --end;
    std::string kept = name.substr(0, end);
    for (size_t i = end; i < name.size(); ++i) {
        kept += name[i] == '.' ? kFullWidthDot : kFullWidthSpace;
    }
    return kept;
}

bool isReservedDeviceName(std::string_view stem) {
    // Windows ignores spaces before the extension ("CON .txt" is the device).
    while (!stem.empty() && stem.back() == ' ') stem.remove_suffix(1);
    std::string upper(stem);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (upper == "CON" || upper == "PRN" || upper == "AUX" || upper == "NUL") return true;
    return upper.size() == 4 && (upper.starts_with("COM") || upper.starts_with("LPT")) &&
           upper[3] >= '1' && upper[3] <= '9';
}

// A device name stays a device with any extension ("NUL.txt").
std::string avoidDeviceName(std::string name) {
    const size_t stemEnd = std::min(name.find('.'), name.size());
    if (isReservedDeviceName(std::string_view(name).substr(0, stemEnd))) {
        name.insert(stemEnd, kFullWidthUnderscore);
    }
    return name;
}

}  // namespace

std::string SafeFileName(std::string_view utf8) {
    if (utf8.empty()) return kFullWidthUnderscore;
    return avoidDeviceName(keepTrailingDotsAndSpaces(replaceRefused(utf8)));
}

}  // namespace bunrako
