#pragma once

#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

#include "common/ole_date_time.h"
#include "common/ole_span.h"

namespace bunrako {
class Prompt;
}

namespace bunrako::cli {

using Json = nlohmann::ordered_json;

// What reading one data file for `dump` gave.
struct DumpOutcome {
    // False when the reader could not read the file at all: nothing is
    // printed on standard output and the command exits 1.
    bool readable = true;
    // {"kind": ..., "version": ..., "records": [...]} or the kind's own shape.
    Json document;
};

// Reads one file with the program's own reader. Messages of the reader (a
// truncated file, a bad field) go through the prompt to standard error.
using DumpFunction = DumpOutcome (*)(const std::filesystem::path& file, Prompt& prompt);

// The kinds of file `dump` knows, each with its reader.
const std::map<std::string, DumpFunction>& dumpKinds();

// The kind of a data file by its name and place, or nothing.
std::optional<std::string> guessDumpKind(const std::filesystem::path& file);

// Counts, while it lives, the dates that dateJson meets whose status is
// neither valid nor null (the program never stores one), and the dates and
// periods whose status says valid but whose value names no day or span the
// program can hold. `check` runs the readers of `dump` under one of these;
// one scan at a time per thread.
class ValueScan {
  public:
    ValueScan();
    ~ValueScan();
    ValueScan(const ValueScan&) = delete;
    ValueScan& operator=(const ValueScan&) = delete;

    int invalidDates = 0;
    int valuesNamingNothing = 0;
};

// Values as the dump prints them.
// A date: "YYYY-MM-DDTHH:MM:SS" when valid, "invalid" for status 1 (and any
// other unknown status) and for a value naming no day of the years
// 100..9999, null for status 2.
Json dateJson(const OleDateTime& value);
// A period: its days as a number when valid (and within what a span holds),
// "invalid" otherwise.
Json spanJson(const OleSpan& value);
// Stored CP932 text up to its first NUL, as UTF-8.
Json textJson(const char* field, size_t width);
template <size_t N>
Json textJson(const char (&field)[N]) {
    return textJson(field, N);
}
// The document every record-list kind prints.
Json recordsDocument(std::string_view kind, const std::optional<std::string>& version);

// The readers, one per kind, each in its own file.
DumpOutcome dumpVolumes(const std::filesystem::path& file, Prompt& prompt);
DumpOutcome dumpForms(const std::filesystem::path& file, Prompt& prompt);
DumpOutcome dumpMaster(const std::filesystem::path& file, Prompt& prompt);
DumpOutcome dumpSettings(const std::filesystem::path& file, Prompt& prompt);
DumpOutcome dumpReceipts(const std::filesystem::path& file, Prompt& prompt);
DumpOutcome dumpRegister(const std::filesystem::path& file, Prompt& prompt);
DumpOutcome dumpCatalogue(const std::filesystem::path& file, Prompt& prompt);
DumpOutcome dumpNames(const std::filesystem::path& file, Prompt& prompt);
DumpOutcome dumpNames10(const std::filesystem::path& file, Prompt& prompt);
DumpOutcome dumpApprovers(const std::filesystem::path& file, Prompt& prompt);
DumpOutcome dumpRelated(const std::filesystem::path& file, Prompt& prompt);
DumpOutcome dumpRegistered(const std::filesystem::path& file, Prompt& prompt);

}  // namespace bunrako::cli
