#include "volumes/excel_bosatu_csv_reader.h"

#include <algorithm>
#include <optional>

#include "common/cp932.h"
#include "common/format_text.h"
#include "common/my_tool.h"
#include "settings/calendar_mode.h"
#include "volumes/texts.h"

namespace bunrako {
namespace {

namespace vtexts = volumes::texts;

// Field numbers of the CSV, from 1 (field 1 is not read).
enum Field : size_t {
    kCreated = 2,
    kDepartment,
    kSection,
    kMajor,
    kMiddle,
    kMinor,
    kTitle,
    kBooks,
    kFiledFrom,
    kFiledTo,
    kRetention,
    kExpiry,
    kDailyUse,
    kContents,
    kDisposal,
};
constexpr size_t kRequiredFields = kContents;
constexpr size_t kMostFields = kDisposal;
constexpr int kMostBooks = 99;
constexpr int kMostYears = 99;
constexpr double kPermanentDays = 36234.0;
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

struct Line {
    size_t number;
    std::string_view bytes;
};

// Lines end in CR LF, LF or a lone CR (spreadsheets on some systems).
std::vector<Line> splitLines(std::string_view bytes) {
    std::vector<Line> lines;
    size_t start = 0;
    size_t number = 1;
    while (start < bytes.size()) {
        const size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back({number, bytes.substr(start)});
            break;
        }
        lines.push_back({number++, bytes.substr(start, end - start)});
        start =
            end + (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n' ? 2 : 1);
    }
    return lines;
}

std::string_view trimBlanks(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool hasControlBytes(std::string_view line) {
    return std::any_of(line.begin(), line.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 && c != '\t';
    });
}

// Reads the quoted field whose opening quote is at quote: a doubled quote
// inside stands for one. The position after the closing quote, or nothing
// when the field does not close on its line.
std::optional<size_t> readQuoted(std::string_view line, size_t quote, std::string& field) {
    size_t pos = quote + 1;
    while (pos < line.size()) {
        if (line[pos] != '"') {
            field += line[pos++];
        } else if (pos + 1 < line.size() && line[pos + 1] == '"') {
            field += '"';
            pos += 2;
        } else {
            return pos + 1;
        }
    }
    return std::nullopt;
}

// Splits a line at the commas outside double quotes; a quoted field loses
// its quotes. "" or the reason the line cannot be split. Commas and quotes
// never occur inside a CP932 double-byte character, so the bytes can be
// scanned one by one.
std::string splitFields(std::string_view line, std::vector<std::string>& fields) {
    fields.clear();
    size_t at = 0;
    while (true) {
        const size_t start = line.find_first_not_of(" \t", at);
        if (start != std::string_view::npos && line[start] == '"') {
            std::string field;
            const std::optional<size_t> after = readQuoted(line, start, field);
            if (!after) return vtexts::kNoteOpenQuote;
            const size_t next = line.find_first_not_of(" \t", *after);
            if (next != std::string_view::npos && line[next] != ',') return vtexts::kNoteStrayQuote;
            fields.push_back(std::move(field));
            if (next == std::string_view::npos) return {};
            at = next + 1;
            continue;
        }
        const size_t comma = line.find(',', at);
        fields.emplace_back(
            line.substr(at, comma == std::string_view::npos ? line.npos : comma - at));
        if (comma == std::string_view::npos) return {};
        at = comma + 1;
    }
}

bool allEmpty(const std::vector<std::string>& fields, size_t from = 0) {
    return std::all_of(fields.begin() + static_cast<std::ptrdiff_t>(std::min(from, fields.size())),
                       fields.end(),
                       [](const std::string& field) { return trimBlanks(field).empty(); });
}

// A number of 1 to maxDigits decimal digits and nothing else.
std::optional<int> digitsOnly(std::string_view text, size_t maxDigits) {
    if (text.empty() || text.size() > maxDigits) return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

class RowReader {
  public:
    RowReader(int calendarMode, int periodType)
        : m_western(CalendarMode::IsWestern(calendarMode)), m_periodType(periodType) {}

    // Fills the row from the fields; "" or the reason the line is rejected.
    // Texts cut to their fields are named in cuts.
    std::string read(const std::vector<std::string>& fields, CExcelBosatuData& row,
                     std::vector<std::string>& cuts) const {
        const auto cell = [&](size_t field) { return trimBlanks(fields[field - 1]); };
        if (!fiscalYear(cell(kCreated), row.SakuseiNendo)) return badFiscalYear(kCreated, cell);
        putText(row.KaMei, cell(kDepartment), kDepartment, cuts);
        putText(row.KakariMei, cell(kSection), kSection, cuts);
        putText(row.DaiBunruiMei, cell(kMajor), kMajor, cuts);
        putText(row.ChuuBunruiMei, cell(kMiddle), kMiddle, cuts);
        putText(row.ShouBunruiMei, cell(kMinor), kMinor, cuts);
        putText(row.Title, cell(kTitle), kTitle, cuts);
        const std::optional<int> books = digitsOnly(cell(kBooks), 2);
        if (!books || *books < 1 || *books > kMostBooks) {
            return formatPrintf(vtexts::kNoteBadBooks, utf8Of(cell(kBooks)).c_str());
        }
        row.Sassuu = *books;
        if (!fiscalYear(cell(kFiledFrom), row.ShuunouKaisiNendo)) {
            return badFiscalYear(kFiledFrom, cell);
        }
        if (!fiscalYear(cell(kFiledTo), row.ShuunouShuuryouNendo)) {
            return badFiscalYear(kFiledTo, cell);
        }
        if (!retention(cell(kRetention), row.HozonNengen)) {
            return formatPrintf(vtexts::kNoteBadRetention, utf8Of(cell(kRetention)).c_str());
        }
        if (!yearMonth(cell(kExpiry), row.ManryouNengetu)) return badYearMonth(kExpiry, cell);
        row.Jouyou = isOneOf(cell(kDailyUse), vtexts::kDailyUseCells) ? 1 : 0;
        row.Mokuji = cell(kContents) == utf8ToCp932(vtexts::kWithContentsCell) ? 1 : 0;
        // The disposal month counts only when the line has that cell and it
        // is filled; otherwise the volume is not disposed and its disposal
        // month is the expiry month.
        row.Haiki = 0;
        row.HaikiNengetu = row.ManryouNengetu;
        if (fields.size() >= kDisposal && !cell(kDisposal).empty()) {
            if (!yearMonth(cell(kDisposal), row.HaikiNengetu)) return badYearMonth(kDisposal, cell);
            row.Haiki = 1;
        }
        return {};
    }

  private:
    template <size_t N>
    static void putText(char (&target)[N], std::string_view cp932, size_t field,
                        std::vector<std::string>& cuts) {
        if (!writeFixedBytes(target, cp932)) {
            cuts.push_back(
                formatPrintf(vtexts::kNoteShortened, vtexts::kImportColumnNames[field], N - 1));
        }
    }

    template <size_t N>
    static bool isOneOf(std::string_view cp932, const char* const (&utf8)[N]) {
        return std::any_of(std::begin(utf8), std::end(utf8),
                           [&](const char* text) { return cp932 == utf8ToCp932(text); });
    }

    static std::string utf8Of(std::string_view cp932) { return cp932ToUtf8(cp932); }

    template <typename Cell>
    std::string badFiscalYear(size_t field, const Cell& cell) const {
        return formatPrintf(vtexts::kNoteBadFiscalYear, vtexts::kImportColumnNames[field],
                            utf8Of(cell(field)).c_str(),
                            m_western ? vtexts::kWesternYearExample : vtexts::kEraYearExample);
    }

    template <typename Cell>
    std::string badYearMonth(size_t field, const Cell& cell) const {
        return formatPrintf(
            vtexts::kNoteBadYearMonth, vtexts::kImportColumnNames[field],
            utf8Of(cell(field)).c_str(),
            m_western ? vtexts::kWesternYearMonthExample : vtexts::kEraYearMonthExample);
    }

    // The era number of an initial (M, T, S, H, R in either case).
    int eraOfInitial(char initial) const {
        const char upper =
            initial >= 'a' && initial <= 'z' ? static_cast<char>(initial - 'a' + 'A') : initial;
        for (int era = 1; era <= m_tool.EraCount(); ++era) {
            const std::string known = m_tool.EraInitial(era);
            if (known.size() == 1 && known[0] == upper) return era;
        }
        return 0;
    }

    // An era cell: the initial, then what follows it; era 0 when the cell
    // does not start with an initial.
    std::string_view splitEra(std::string_view cell, int& era) const {
        era = cell.empty() ? 0 : eraOfInitial(cell.front());
        return era == 0 ? std::string_view() : cell.substr(1);
    }

    bool fiscalYear(std::string_view cell, OleDateTime& date) const {
        if (m_western) {
            if (cell.size() != 4) return false;
            const std::optional<int> year = digitsOnly(cell, 4);
            if (!year) return false;
            date = m_tool.FiscalStartFromYear(*year, m_periodType);
        } else {
            int era = 0;
            const std::optional<int> year = digitsOnly(splitEra(cell, era), 2);
            if (era == 0 || !year || *year < 1) return false;
            date = m_tool.FiscalStartFromEraYear(era, *year, m_periodType);
        }
        return date.isValid();
    }

    bool yearMonth(std::string_view cell, OleDateTime& date) const {
        int era = 0;
        if (!m_western) {
            cell = splitEra(cell, era);
            if (era == 0) return false;
        }
        const size_t dot = cell.find('.');
        if (dot == std::string_view::npos) return false;
        const std::optional<int> year = digitsOnly(cell.substr(0, dot), m_western ? 4 : 2);
        const std::optional<int> month = digitsOnly(cell.substr(dot + 1), 2);
        if (!year || !month || *month < 1 || *month > 12) return false;
        if (m_western) {
            if (dot != 4) return false;
            date = m_tool.WesternTextToDate(formatPrintf("%04d,%02d,01", *year, *month));
        } else {
            if (*year < 1) return false;
            date = m_tool.EraTextToDate(formatPrintf("%d,%02d,%02d,01", era, *year, *month));
        }
        return date.isValid();
    }

    static bool retention(std::string_view cell, OleSpan& period) {
        if (cell == utf8ToCp932(vtexts::kPermanentCell)) {
            period = OleSpan::fromDays(kPermanentDays);
            return true;
        }
        const std::optional<int> years = digitsOnly(cell, 2);
        if (!years || *years > kMostYears) return false;
        period = OleSpan::fromYears(*years);
        return true;
    }

    const CMyTool m_tool;
    bool m_western;
    int m_periodType;
};

std::string cutNote(const std::vector<std::string>& cuts) {
    std::string note;
    for (size_t i = 0; i < cuts.size(); ++i) {
        if (i > 0) note += vtexts::kNoteShortenedJoin;
        note += cuts[i];
    }
    return note + vtexts::kNoteShortenedEnd;
}

bool isAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Checks the line's shape and reads it; "" or the reason it is rejected.
// In a file saved as UTF-8 (it starts with the UTF-8 mark) Japanese text may
// happen to pass as Shift-JIS bytes: such lines are rejected outright.
std::string readLine(const RowReader& reader, std::string_view bytes, bool utf8File,
                     std::vector<std::string>& fields, CExcelBosatuData& row,
                     std::vector<std::string>& cuts) {
    if (utf8File && !isAscii(bytes)) return vtexts::kNoteUtf8File;
    if (!isValidCp932(bytes) || hasControlBytes(bytes)) return vtexts::kNoteNotCp932;
    if (std::string reason = splitFields(bytes, fields); !reason.empty()) return reason;
    if (allEmpty(fields)) return {};
    if (fields.size() < kRequiredFields) {
        return formatPrintf(vtexts::kNoteTooFewFields, fields.size());
    }
    // Empty columns after the last are what spreadsheets often add.
    if (fields.size() > kMostFields && !allEmpty(fields, kMostFields)) {
        return formatPrintf(vtexts::kNoteTooManyFields, fields.size());
    }
    return reader.read(fields, row, cuts);
}

}  // namespace

ExcelBosatuReadResult ReadExcelBosatuCsv(std::string_view bytes, int calendarMode, int periodType) {
    const RowReader reader(calendarMode, periodType);
    const bool utf8File = bytes.starts_with(kUtf8Mark);
    ExcelBosatuReadResult result;
    std::vector<std::string> fields;
    std::vector<std::string> cuts;
    const std::vector<Line> lines = splitLines(bytes);
    for (size_t i = 1; i < lines.size(); ++i) {
        const Line& line = lines[i];
        ExcelBosatuRow row;
        row.lineNumber = line.number;
        cuts.clear();
        fields.clear();
        const std::string reason = readLine(reader, line.bytes, utf8File, fields, row.data, cuts);
        if (!reason.empty()) {
            result.listed.push_back({line.number, std::string(line.bytes), reason, false});
            ++result.rejected;
            continue;
        }
        if (fields.empty() || allEmpty(fields)) continue;
        if (!cuts.empty()) {
            result.listed.push_back({line.number, std::string(line.bytes), cutNote(cuts), true});
        }
        result.rows.push_back(row);
    }
    return result;
}

}  // namespace bunrako
