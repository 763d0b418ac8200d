#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "common/file_error.h"

namespace bunrako {

// How reading one data file went: the volume and change-form files, the
// catalogues, the related-file and registered-forms lists. The readers keep
// what they could read; the report says what they could not, whether the file
// may be written over, and what to tell the administrator.
enum class ReadState {
    complete,        // every record read
    missing,         // the file is not there or will not open
    empty,           // a file of no bytes (a file just created)
    unknownTag,      // a version tag this program does not know: nothing read
    partialRecord,   // a trailing incomplete fixed-size record was left out
    recordsMissing,  // the count promises more records than the file holds
    headerCut,       // the file ends inside its header or its count word
    archiveCut,      // an archive ends or breaks inside a record: the rest unread
    textTooLong,     // an archive string longer than its field
    badCount,        // a count that cannot be (negative)
};

struct ReadReport {
    ReadState state = ReadState::complete;
    // The archive family: a break leaves the rest of the file unreadable.
    bool archiveFormat = false;
    // The version tag the file carried, as UTF-8; none for untagged files.
    std::optional<std::string> versionTag;
    // missing: why the file would not open.
    FileErrorCause openError = FileErrorCause::none;
    uint64_t fileSize = 0;
    size_t recordsRead = 0;
    // partialRecord, recordsMissing: the bytes of an incomplete last record.
    size_t droppedBytes = 0;
    // The count word of the file (recordsMissing, badCount and every
    // fixed-record file).
    int64_t declaredCount = 0;
    // Fixed-record files: bytes after the counted records that no record
    // claims (badCount: every byte after the count word).
    uint64_t trailingBytes = 0;
    // textTooLong: the field, the stored length and the field's limit.
    std::string field;
    size_t length = 0;
    size_t limit = 0;

    bool opened() const { return state != ReadState::missing; }
    // True when a fixed-record file has no count word: no bytes at all, or
    // fewer than the count word's.
    bool countMissing() const {
        return state == ReadState::empty || (state == ReadState::headerCut && !archiveFormat);
    }
    // False when writing over the file would destroy data this program did
    // not read: an unknown version, or an archive it could not read through.
    bool mayOverwrite() const;
    // True when the reader could make nothing sensible of the file.
    bool unreadable() const;
};

// Fixed-size records after a count word (volumes, change forms, masters,
// registered forms): the count, the record size and the file length must
// agree, and every byte must belong to a record. Sets declaredCount,
// recordsRead, the state (badCount, recordsMissing) and the dropped or
// trailing bytes from the count and the bytes after the count word; gives
// how many records to take, never more than those bytes hold whole.
size_t measureCountedRecords(ReadReport& report, int64_t declared, uint64_t recordBytes,
                             size_t recordSize);

// What went wrong, as one line beginning with the path ("" when complete).
std::string describeReadProblem(const ReadReport& report, const std::string& pathUtf8);
// The bytes after the records read that no record claims, as one line
// beginning with the path ("" when there are none, or when the state's own
// line already covers them).
std::string describeUnclaimedBytes(const ReadReport& report, const std::string& pathUtf8);
std::string unclaimedBytesLine(const std::string& pathUtf8, size_t recordsRead, uint64_t bytes);
// The message shown when a save refuses to write over the file.
std::string saveRefusalMessage(const ReadReport& report, const std::string& pathUtf8);

class Prompt;

// Saves the bytes unless the file now on disk is one this program may not
// write over (judged by reportOf on its bytes at the moment of saving, so a
// file another workstation has just replaced counts too). Returns 1 when
// written, 0 when refused, given up or failed.
int saveUnlessForeign(Prompt& prompt, const std::filesystem::path& path, std::string_view bytes,
                      bool withSafetyCopy,
                      const std::function<ReadReport(const std::string&)>& reportOf);

}  // namespace bunrako
