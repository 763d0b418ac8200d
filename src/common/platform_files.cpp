// Exclusive creation, durable writes and one-step replacement of files, and
// the identity of this process: the calls that differ between Windows and
// POSIX systems.
#include "common/platform_files.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <string>

#include "common/texts.h"

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace bunrako::platform {

namespace fs = std::filesystem;

namespace {

// A file beside path, unique to this process and call, where a file's whole
// contents are written before they appear under path in one step.
fs::path stagedPath(const fs::path& path, int64_t process) {
    static std::atomic<unsigned> calls{0};
    fs::path staged = path;
    staged += "." + std::to_string(process) + "." + std::to_string(++calls) +
              common::texts::kReplacementSuffix;
    return staged;
}

}  // namespace

#ifdef _WIN32

namespace {

FileErrorCause causeOfLastError() {
    switch (GetLastError()) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return FileErrorCause::fileNotFound;
        case ERROR_ACCESS_DENIED:
            return FileErrorCause::accessDenied;
        case ERROR_SHARING_VIOLATION:
            return FileErrorCause::sharingViolation;
        case ERROR_LOCK_VIOLATION:
            return FileErrorCause::lockViolation;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return FileErrorCause::diskFull;
        case ERROR_TOO_MANY_OPEN_FILES:
            return FileErrorCause::tooManyOpenFiles;
        case ERROR_INVALID_NAME:
            return FileErrorCause::badPath;
        default:
            return FileErrorCause::generic;
    }
}

FileErrorCause writeAndFlush(HANDLE file, std::string_view bytes, bool toDisk) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr)) return causeOfLastError();
        bytes.remove_prefix(written);
    }
    if (!toDisk) return FileErrorCause::none;
    return FlushFileBuffers(file) ? FileErrorCause::none : causeOfLastError();
}

// opened tells whether the file was created or opened at all, so that a
// failure to open never leads to removing a file that is someone else's.
FileErrorCause createAndWrite(const fs::path& path, std::string_view bytes, DWORD disposition,
                              bool toDisk, bool& opened) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, disposition,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    opened = file != INVALID_HANDLE_VALUE;
    if (!opened) return causeOfLastError();
    const FileErrorCause cause = writeAndFlush(file, bytes, toDisk);
    CloseHandle(file);
    return cause;
}

std::string wideToUtf8(const std::wstring& text) {
    const std::u8string utf8 = fs::path(text).u8string();
    return std::string(utf8.begin(), utf8.end());
}

}  // namespace

// Creates the file with its contents in one step: they are written to a
// staged file that is then moved to the name, which fails when the name is
// taken. Where that cannot be done, the file is created and then written.
CreateResult createExclusively(const fs::path& path, std::string_view bytes,
                               FileErrorCause& cause) {
    bool opened = false;
    const fs::path staged = stagedPath(path, processId());
    if (createAndWrite(staged, bytes, CREATE_NEW, false, opened) == FileErrorCause::none) {
        if (MoveFileExW(staged.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH)) {
            cause = FileErrorCause::none;
            return CreateResult::created;
        }
        const DWORD error = GetLastError();
        DeleteFileW(staged.c_str());
        if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) {
            cause = FileErrorCause::none;
            return CreateResult::alreadyExists;
        }
    } else if (opened) {
        DeleteFileW(staged.c_str());
    }
    cause = createAndWrite(path, bytes, CREATE_NEW, false, opened);
    if (cause == FileErrorCause::none) return CreateResult::created;
    if (!opened) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) {
            return CreateResult::alreadyExists;
        }
        return CreateResult::failed;
    }
    DeleteFileW(path.c_str());
    return CreateResult::failed;
}

FileErrorCause writeDurably(const fs::path& path, std::string_view bytes) {
    bool opened = false;
    return createAndWrite(path, bytes, CREATE_ALWAYS, true, opened);
}

FileErrorCause replaceFile(const fs::path& from, const fs::path& to) {
    // ReplaceFileW keeps the replaced file's attributes and security; it
    // needs the file to exist, MoveFileExW does not.
    if (ReplaceFileW(to.c_str(), from.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                     nullptr)) {
        return FileErrorCause::none;
    }
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return FileErrorCause::none;
    }
    return causeOfLastError();
}

std::string computerName() {
    wchar_t name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = MAX_COMPUTERNAME_LENGTH + 1;
    return GetComputerNameW(name, &size) ? wideToUtf8(std::wstring(name, size)) : std::string();
}

std::string userName() {
    wchar_t name[257] = {};
    DWORD size = 257;
    return GetUserNameW(name, &size) && size > 0 ? wideToUtf8(std::wstring(name, size - 1))
                                                 : std::string();
}

int64_t processId() { return static_cast<int64_t>(GetCurrentProcessId()); }

bool processExists(int64_t id) {
    if (id <= 0 || id > 0xFFFFFFFFll) return false;
    const HANDLE process =
        OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(id));
    if (!process) return GetLastError() == ERROR_ACCESS_DENIED;
    DWORD code = 0;
    const bool running = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
    CloseHandle(process);
    return running;
}

std::tm localTime(std::time_t moment) {
    std::tm local{};
    localtime_s(&local, &moment);
    return local;
}

#else

namespace {

FileErrorCause lastCause() {
    const FileErrorCause cause = fileErrorFromErrno(errno);
    return cause == FileErrorCause::none ? FileErrorCause::generic : cause;
}

FileErrorCause writeAndSync(int fd, std::string_view bytes, bool toDisk) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return lastCause();
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    if (!toDisk) return FileErrorCause::none;
    return ::fsync(fd) == 0 ? FileErrorCause::none : lastCause();
}

// opened tells whether the file was created or opened at all, so that a
// failure to open never leads to removing a file that is someone else's.
FileErrorCause openWriteAndClose(const fs::path& path, std::string_view bytes, int flags,
                                 bool toDisk, bool& opened) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | flags, 0666);
    opened = fd >= 0;
    if (!opened) return lastCause();
    FileErrorCause cause = writeAndSync(fd, bytes, toDisk);
    if (::close(fd) != 0 && cause == FileErrorCause::none) cause = lastCause();
    return cause;
}

}  // namespace

// Creates the file with its contents in one step: they are written to a
// staged file that is then linked to the name, which fails when the name is
// taken (atomic on local disks and NFS). Where links cannot be made (some
// SMB mounts), the file is created and then written.
CreateResult createExclusively(const fs::path& path, std::string_view bytes,
                               FileErrorCause& cause) {
    bool opened = false;
    const fs::path staged = stagedPath(path, processId());
    if (openWriteAndClose(staged, bytes, O_EXCL, false, opened) == FileErrorCause::none) {
        const int linked = ::link(staged.c_str(), path.c_str());
        const int linkError = errno;
        ::unlink(staged.c_str());
        if (linked == 0 || linkError == EEXIST) {
            cause = FileErrorCause::none;
            return linked == 0 ? CreateResult::created : CreateResult::alreadyExists;
        }
    } else if (opened) {
        ::unlink(staged.c_str());
    }
    cause = openWriteAndClose(path, bytes, O_EXCL, false, opened);
    if (cause == FileErrorCause::none) return CreateResult::created;
    if (!opened) return errno == EEXIST ? CreateResult::alreadyExists : CreateResult::failed;
    ::unlink(path.c_str());
    return CreateResult::failed;
}

FileErrorCause writeDurably(const fs::path& path, std::string_view bytes) {
    bool opened = false;
    return openWriteAndClose(path, bytes, O_TRUNC, true, opened);
}

FileErrorCause replaceFile(const fs::path& from, const fs::path& to) {
    return ::rename(from.c_str(), to.c_str()) == 0 ? FileErrorCause::none : lastCause();
}

std::string computerName() {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0) return {};
    return name;
}

std::string userName() {
    if (const passwd* entry = ::getpwuid(::geteuid()); entry && entry->pw_name) {
        return entry->pw_name;
    }
    const char* fromEnvironment = std::getenv("USER");
    return fromEnvironment ? fromEnvironment : "";
}

int64_t processId() { return static_cast<int64_t>(::getpid()); }

bool processExists(int64_t id) {
    if (id <= 0 || id != static_cast<pid_t>(id)) return false;
    // EPERM: the process is there but belongs to someone else.
    return ::kill(static_cast<pid_t>(id), 0) == 0 || errno == EPERM;
}

std::tm localTime(std::time_t moment) {
    std::tm local{};
    ::localtime_r(&moment, &local);
    return local;
}

#endif

}  // namespace bunrako::platform
