#include "common/read_report.h"

#include <algorithm>

#include "common/data_file.h"
#include "common/data_file_lock.h"
#include "common/file_io.h"
#include "common/format_text.h"
#include "common/prompt.h"
#include "common/texts.h"

namespace bunrako {

namespace ct = common::texts;

bool ReadReport::mayOverwrite() const {
    switch (state) {
        case ReadState::unknownTag:
        case ReadState::archiveCut:
        case ReadState::textTooLong:
        case ReadState::badCount:
            return false;
        case ReadState::headerCut:
            return !archiveFormat;
        default:
            return true;
    }
}

bool ReadReport::unreadable() const {
    switch (state) {
        case ReadState::missing:
        case ReadState::headerCut:
        case ReadState::textTooLong:
        case ReadState::badCount:
            return true;
        default:
            return false;
    }
}

size_t measureCountedRecords(ReadReport& report, int64_t declared, uint64_t recordBytes,
                             size_t recordSize) {
    report.declaredCount = declared;
    const uint64_t inFile = recordBytes / recordSize;
    const uint64_t named = declared < 0 ? 0 : static_cast<uint64_t>(declared);
    const uint64_t taken = std::min(named, inFile);
    const uint64_t rest = recordBytes - taken * recordSize;
    report.recordsRead = static_cast<size_t>(taken);
    if (declared < 0) {
        report.state = ReadState::badCount;
        report.trailingBytes = rest;
    } else if (taken < named) {
        report.state = ReadState::recordsMissing;
        report.droppedBytes = static_cast<size_t>(rest);
    } else {
        report.trailingBytes = rest;
    }
    return report.recordsRead;
}

std::string describeReadProblem(const ReadReport& report, const std::string& pathUtf8) {
    const std::string tag = report.versionTag.value_or("");
    switch (report.state) {
        case ReadState::complete:
            return {};
        case ReadState::missing:
            return pathUtf8 + fileErrorText(report.openError);
        case ReadState::empty:
            return pathUtf8 + ct::kFileIsEmpty;
        case ReadState::unknownTag:
            return pathUtf8 + formatText(ct::kUnknownTagNotRead, tag);
        case ReadState::partialRecord:
            return pathUtf8 + formatPrintf(ct::kPartialRecordDropped, report.droppedBytes);
        case ReadState::recordsMissing:
            return pathUtf8 + formatPrintf(ct::kRecordsMissing,
                                           static_cast<long long>(report.declaredCount),
                                           report.recordsRead);
        case ReadState::headerCut:
            return pathUtf8 + ct::kHeaderCut;
        case ReadState::archiveCut:
            return pathUtf8 + formatPrintf(ct::kArchiveCut, report.recordsRead + 1);
        case ReadState::textTooLong:
            return pathUtf8 + formatPrintf(ct::kTextTooLong, report.field.c_str(), report.length,
                                           report.limit);
        case ReadState::badCount:
            return pathUtf8 +
                   formatPrintf(ct::kBadRecordCount, static_cast<long long>(report.declaredCount));
    }
    return {};
}

std::string unclaimedBytesLine(const std::string& pathUtf8, size_t recordsRead, uint64_t bytes) {
    if (bytes == 0) return {};
    return pathUtf8 +
           formatPrintf(ct::kUnclaimedBytes, recordsRead, static_cast<unsigned long long>(bytes));
}

std::string describeUnclaimedBytes(const ReadReport& report, const std::string& pathUtf8) {
    if (report.state == ReadState::badCount) return {};
    return unclaimedBytesLine(pathUtf8, report.recordsRead, report.trailingBytes);
}

std::string saveRefusalMessage(const ReadReport& report, const std::string& pathUtf8) {
    if (report.state == ReadState::unknownTag) {
        return pathUtf8 + formatText(ct::kUnknownTagNotOverwritten, report.versionTag.value_or(""));
    }
    return pathUtf8 + ct::kDamagedNotOverwritten;
}

int saveUnlessForeign(Prompt& prompt, const std::filesystem::path& path, std::string_view bytes,
                      bool withSafetyCopy,
                      const std::function<ReadReport(const std::string&)>& reportOf) {
    const std::string pathText = pathToUtf8(path);
    const DataFileLock lock(prompt, path);
    if (!lock.held()) return 0;
    std::string current;
    if (readWholeFile(path, current) == FileErrorCause::none) {
        const ReadReport onDisk = reportOf(current);
        if (!onDisk.mayOverwrite()) {
            prompt.showMessage(saveRefusalMessage(onDisk, pathText), {}, MessageIcon::error);
            return 0;
        }
    }
    return writeDataFile(prompt, path, bytes, common::texts::kCannotOpenFile + pathText,
                         withSafetyCopy)
               ? 1
               : 0;
}

}  // namespace bunrako
