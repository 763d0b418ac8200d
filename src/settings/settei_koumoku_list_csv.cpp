// The CSV form of the setting-item masters: "code,name,subName" CR LF per
// item, CP932, no header.
#include <string>
#include <string_view>
#include <vector>

#include "common/cp932.h"
#include "common/data_file.h"
#include "common/file_io.h"
#include "common/format_text.h"
#include "common/my_tool.h"
#include "common/prompt.h"
#include "settings/settei_koumoku_list.h"
#include "settings/texts.h"

namespace bunrako {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr size_t kListedErrors = 10;

// Commas, quotes, CR and LF are never the second byte of a CP932 character,
// so the CSV is split on its bytes.

// A field is quoted only where it must be: a comma inside, or a leading
// quote that reading would take away. Everything else is written as is.
std::string csvField(std::string_view cp932) {
    if (cp932.find(',') == std::string_view::npos && !cp932.starts_with('"')) {
        return std::string(cp932);
    }
    std::string quoted = "\"";
    for (const char c : cp932) {
        quoted += c;
        if (c == '"') quoted += '"';
    }
    return quoted + "\"";
}

// Splits a line at commas. A field that starts with a double quote runs to
// the closing quote ("" inside stands for one quote) and loses the quotes.
std::vector<std::string> splitCsvLine(std::string_view line) {
    std::vector<std::string> fields;
    size_t at = 0;
    while (true) {
        std::string field;
        if (at < line.size() && line[at] == '"') {
            ++at;
            while (at < line.size()) {
                if (line[at] == '"') {
                    if (at + 1 < line.size() && line[at + 1] == '"') {
                        field += '"';
                        at += 2;
                        continue;
                    }
                    ++at;
                    break;
                }
                field += line[at++];
            }
        }
        const size_t comma = line.find(',', at);
        field +=
            line.substr(at, comma == std::string_view::npos ? std::string_view::npos : comma - at);
        fields.push_back(std::move(field));
        if (comma == std::string_view::npos) break;
        at = comma + 1;
    }
    return fields;
}

bool allDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

struct LineError {
    int lineNumber;
    const char* reason;
};

// One line as CP932 bytes into an item; the reason when it cannot be one.
const char* parseItemLine(std::string_view cp932Line, CSetteiKoumokuData& item) {
    const std::vector<std::string> fields = splitCsvLine(cp932Line);
    if (fields.size() > 3) return settings::texts::kCsvTooManyFields;
    std::string code = fields[0];
    const std::string name = fields.size() > 1 ? fields[1] : std::string();
    const std::string subName = fields.size() > 2 ? fields[2] : std::string();
    if (code.empty()) return settings::texts::kCsvCodeMissing;
    // A spreadsheet drops the leading zeros of the code; they come back.
    if (!allDigits(code) || code.size() > CSetteiKoumokuData::kCodeLength) {
        return settings::texts::kCsvCodeNotDigits;
    }
    code.insert(0, CSetteiKoumokuData::kCodeLength - code.size(), '0');
    if (name.size() > CSetteiKoumokuData::kNameBytes) return settings::texts::kCsvNameTooLong;
    if (subName.size() > CSetteiKoumokuData::kNameBytes) return settings::texts::kCsvSubNameTooLong;
    item = CSetteiKoumokuData();
    writeFixedBytes(item.code, code);
    writeFixedBytes(item.name, name);
    writeFixedBytes(item.subName, subName);
    return nullptr;
}

bool isBlankLine(std::string_view line) {
    return line.find_first_not_of(", \t") == std::string_view::npos;
}

std::string rejectionMessage(const std::string& path, const std::vector<LineError>& errors) {
    std::string message = std::string(settings::texts::kCsvRejected) + "\n" + path;
    for (size_t i = 0; i < errors.size() && i < kListedErrors; ++i) {
        message += "\n" +
                   formatText(settings::texts::kCsvLine, std::to_string(errors[i].lineNumber)) +
                   errors[i].reason;
    }
    if (errors.size() > kListedErrors) {
        message += "\n" + formatText(settings::texts::kCsvMoreLines,
                                     std::to_string(errors.size() - kListedErrors));
    }
    return message;
}

}  // namespace

int CSetteiKoumokuList::ImportItemsCsv(Prompt& prompt, const std::string& path) {
    std::string bytes;
    const FileErrorCause cause = readWholeFile(pathFromUtf8(path), bytes);
    if (!CMyTool::CheckFileError(prompt, cause, path + settings::texts::kColonOpenLabel, true))
        return 0;
    // A file saved as UTF-8 with its mark is taken too.
    const bool utf8 = std::string_view(bytes).starts_with(kUtf8Mark);
    std::string_view rest = std::string_view(bytes).substr(utf8 ? kUtf8Mark.size() : 0);

    std::vector<CSetteiKoumokuData> items;
    std::vector<LineError> errors;
    for (int lineNumber = 1; !rest.empty(); ++lineNumber) {
        const size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (isBlankLine(line)) continue;

        std::string cp932Line;
        if (utf8) {
            bool lossless = true;
            cp932Line = utf8ToCp932(line, &lossless);
            if (!lossless) {
                errors.push_back({lineNumber, settings::texts::kCsvNotConvertible});
                continue;
            }
        } else if (isValidCp932(line)) {
            cp932Line = line;
        } else {
            errors.push_back({lineNumber, settings::texts::kCsvNotCp932});
            continue;
        }
        CSetteiKoumokuData item;
        if (const char* reason = parseItemLine(cp932Line, item)) {
            errors.push_back({lineNumber, reason});
        } else {
            items.push_back(item);
        }
    }
    if (!errors.empty()) {
        prompt.showMessage(rejectionMessage(path, errors), {}, MessageIcon::warning);
        return 0;
    }
    m_items = std::move(items);
    return 1;
}

int CSetteiKoumokuList::ExportItemsCsv(Prompt& prompt, const std::string& path) const {
    std::string csv;
    for (const CSetteiKoumokuData& item : m_items) {
        csv += csvField(fixedBytes(item.code)) + "," + csvField(fixedBytes(item.name)) + "," +
               csvField(fixedBytes(item.subName)) + "\r\n";
    }
    return writeDataFile(prompt, pathFromUtf8(path), csv, path + settings::texts::kColonOpenLabel,
                         false)
               ? 1
               : 0;
}

}  // namespace bunrako
