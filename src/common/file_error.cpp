#include "common/file_error.h"

#include <cerrno>

#include "common/texts.h"

namespace bunrako {

std::string fileErrorText(FileErrorCause cause) {
    switch (cause) {
        case FileErrorCause::none: return texts::kFileErrorNone;
        case FileErrorCause::generic: return texts::kFileErrorGeneric;
        case FileErrorCause::fileNotFound: return texts::kFileErrorFileNotFound;
        case FileErrorCause::badPath: return texts::kFileErrorBadPath;
        case FileErrorCause::tooManyOpenFiles: return texts::kFileErrorTooManyOpenFiles;
        case FileErrorCause::accessDenied: return texts::kFileErrorAccessDenied;
        case FileErrorCause::invalidFile: return texts::kFileErrorInvalidFile;
        case FileErrorCause::removeCurrentDir: return texts::kFileErrorRemoveCurrentDir;
        case FileErrorCause::directoryFull: return texts::kFileErrorDirectoryFull;
        case FileErrorCause::badSeek: return texts::kFileErrorBadSeek;
        case FileErrorCause::hardIO: return texts::kFileErrorHardIO;
        case FileErrorCause::sharingViolation: return texts::kFileErrorSharingViolation;
        case FileErrorCause::lockViolation: return texts::kFileErrorLockViolation;
        case FileErrorCause::diskFull: return texts::kFileErrorDiskFull;
        case FileErrorCause::endOfFile: return texts::kFileErrorEndOfFile;
    }
    return texts::kFileErrorGeneric;
}

std::string archiveErrorText(ArchiveErrorCause cause) {
    switch (cause) {
        case ArchiveErrorCause::none: return texts::kArchiveErrorNone;
        case ArchiveErrorCause::generic: return texts::kArchiveErrorGeneric;
        case ArchiveErrorCause::readOnly: return texts::kArchiveErrorReadOnly;
        case ArchiveErrorCause::endOfFile: return texts::kArchiveErrorEndOfFile;
        case ArchiveErrorCause::writeOnly: return texts::kArchiveErrorWriteOnly;
        case ArchiveErrorCause::badIndex: return texts::kArchiveErrorBadIndex;
        case ArchiveErrorCause::badClass: return texts::kArchiveErrorBadClass;
        case ArchiveErrorCause::badSchema: return texts::kArchiveErrorBadSchema;
    }
    return texts::kArchiveErrorGeneric;
}

FileErrorCause fileErrorFromErrno(int errorNumber) {
    switch (errorNumber) {
        case 0: return FileErrorCause::none;
        case ENOENT: return FileErrorCause::fileNotFound;
        case ENOTDIR:
        case ENAMETOOLONG:
        case EINVAL:
        case ELOOP: return FileErrorCause::badPath;
        case EMFILE:
        case ENFILE: return FileErrorCause::tooManyOpenFiles;
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
        case EEXIST: return FileErrorCause::accessDenied;
        case EBADF: return FileErrorCause::invalidFile;
        case EBUSY: return FileErrorCause::sharingViolation;
        case ESPIPE: return FileErrorCause::badSeek;
        case EIO:
        case ENXIO:
        case ENODEV: return FileErrorCause::hardIO;
        case ENOSPC:
        case EFBIG: return FileErrorCause::diskFull;
        case ENOLCK:
        case EDEADLK: return FileErrorCause::lockViolation;
        default: return FileErrorCause::generic;
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
