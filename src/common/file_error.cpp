#include "common/file_error.h"

#include <cerrno>

#include "common/texts.h"

namespace bunrako {

std::string fileErrorText(FileErrorCause cause) {
    switch (cause) {
        case FileErrorCause::none:
            return common::texts::kFileErrorNone;
        case FileErrorCause::generic:
            return common::texts::kFileErrorGeneric;
        case FileErrorCause::fileNotFound:
            return common::texts::kFileErrorFileNotFound;
        case FileErrorCause::badPath:
            return common::texts::kFileErrorBadPath;
        case FileErrorCause::tooManyOpenFiles:
            return common::texts::kFileErrorTooManyOpenFiles;
        case FileErrorCause::accessDenied:
            return common::texts::kFileErrorAccessDenied;
        case FileErrorCause::invalidFile:
            return common::texts::kFileErrorInvalidFile;
        case FileErrorCause::removeCurrentDir:
            return common::texts::kFileErrorRemoveCurrentDir;
        case FileErrorCause::directoryFull:
            return common::texts::kFileErrorDirectoryFull;
        case FileErrorCause::badSeek:
            return common::texts::kFileErrorBadSeek;
        case FileErrorCause::hardIO:
            return common::texts::kFileErrorHardIO;
        case FileErrorCause::sharingViolation:
            return common::texts::kFileErrorSharingViolation;
        case FileErrorCause::lockViolation:
            return common::texts::kFileErrorLockViolation;
        case FileErrorCause::diskFull:
            return common::texts::kFileErrorDiskFull;
        case FileErrorCause::endOfFile:
            return common::texts::kFileErrorEndOfFile;
    }
    return common::texts::kFileErrorGeneric;
}

std::string archiveErrorText(ArchiveErrorCause cause) {
    switch (cause) {
        case ArchiveErrorCause::none:
            return common::texts::kArchiveErrorNone;
        case ArchiveErrorCause::generic:
            return common::texts::kArchiveErrorGeneric;
        case ArchiveErrorCause::readOnly:
            return common::texts::kArchiveErrorReadOnly;
        case ArchiveErrorCause::endOfFile:
            return common::texts::kArchiveErrorEndOfFile;
        case ArchiveErrorCause::writeOnly:
            return common::texts::kArchiveErrorWriteOnly;
        case ArchiveErrorCause::badIndex:
            return common::texts::kArchiveErrorBadIndex;
        case ArchiveErrorCause::badClass:
            return common::texts::kArchiveErrorBadClass;
        case ArchiveErrorCause::badSchema:
            return common::texts::kArchiveErrorBadSchema;
    }
    return common::texts::kArchiveErrorGeneric;
}

FileErrorCause fileErrorFromErrno(int errorNumber) {
    switch (errorNumber) {
        case 0:
            return FileErrorCause::none;
        case ENOENT:
            return FileErrorCause::fileNotFound;
        case ENOTDIR:
        case ENAMETOOLONG:
        case EINVAL:
        case ELOOP:
            return FileErrorCause::badPath;
        case EMFILE:
        case ENFILE:
            return FileErrorCause::tooManyOpenFiles;
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
        case EEXIST:
            return FileErrorCause::accessDenied;
        case EBADF:
            return FileErrorCause::invalidFile;
        case EBUSY:
            return FileErrorCause::sharingViolation;
        case ESPIPE:
            return FileErrorCause::badSeek;
        case EIO:
        case ENXIO:
        case ENODEV:
            return FileErrorCause::hardIO;
        case ENOSPC:
        case EFBIG:
            return FileErrorCause::diskFull;
        case ENOLCK:
        case EDEADLK:
            return FileErrorCause::lockViolation;
        default:
            return FileErrorCause::generic;
    }
}

FileErrorCause fileErrorFromCode(const std::error_code& code) {
    if (!code) return FileErrorCause::none;
    if (code.category() == std::generic_category() || code.category() == std::system_category()) {
        const std::error_condition condition = code.default_error_condition();
        if (condition.category() == std::generic_category()) {
            return fileErrorFromErrno(condition.value());
        }
    }
    return FileErrorCause::generic;
}

}  // namespace bunrako
