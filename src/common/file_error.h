#pragma once

#include <string>
#include <system_error>

namespace bunrako {

// Why a file operation failed, in the categories the messages distinguish.
enum class FileErrorCause {
    none,
    generic,
    fileNotFound,
    badPath,
    tooManyOpenFiles,
    accessDenied,
    invalidFile,
    removeCurrentDir,
    directoryFull,
    badSeek,
    hardIO,
    sharingViolation,
    lockViolation,
    diskFull,
    endOfFile,
};

// Why reading or writing an archive failed.
enum class ArchiveErrorCause {
    none,
    generic,
    readOnly,
    endOfFile,
    writeOnly,
    badIndex,
    badClass,
    badSchema,
};

// The cause text shown after a label (":ファイル未定義", ...); for none the
// "no error" text, which is never shown.
std::string fileErrorText(FileErrorCause cause);
std::string archiveErrorText(ArchiveErrorCause cause);

// Maps an operating-system error (errno values, std::errc) to a cause.
FileErrorCause fileErrorFromErrno(int errorNumber);
FileErrorCause fileErrorFromCode(const std::error_code& code);

}  // namespace bunrako
