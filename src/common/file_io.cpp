#include "common/file_io.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <string>
#include <system_error>

#include "common/platform_files.h"
#include "common/texts.h"

namespace bunrako {

namespace fs = std::filesystem;

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Opens with a C mode string; Windows needs the wide call for names outside
// the ANSI code page.
FilePtr openFile(const fs::path& path, const char* mode) {
    errno = 0;
#ifdef _WIN32
    std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
    return FilePtr(_wfopen(path.c_str(), wideMode.c_str()));
#else
    return FilePtr(std::fopen(path.c_str(), mode));
#endif
}

// The cause of the last failed C library call, never none.
FileErrorCause lastCause() {
    const FileErrorCause cause = fileErrorFromErrno(errno);
    return cause == FileErrorCause::none ? FileErrorCause::generic : cause;
}

FileErrorCause readOpenFile(std::FILE* file, const fs::path& path, std::string& bytes) {
    std::error_code sizeError;
    const auto expected = fs::file_size(path, sizeError);
    bytes.clear();
    if (!sizeError) bytes.reserve(static_cast<size_t>(expected));
    char block[65536];
    for (;;) {
        errno = 0;
        const size_t got = std::fread(block, 1, sizeof block, file);
        bytes.append(block, got);
        if (got < sizeof block) break;
    }
    if (std::ferror(file)) {
        bytes.clear();
        return lastCause();
    }
    return FileErrorCause::none;
}

// A name beside the file for its new contents, unique to this process and
// call, so that two writers never share one.
fs::path replacementPath(const fs::path& path) {
    static std::atomic<unsigned> calls{0};
    fs::path replacement = path;
    replacement += "." + std::to_string(platform::processId()) + "." + std::to_string(++calls) +
                   common::texts::kReplacementSuffix;
    return replacement;
}

FileErrorCause writeInPlace(const fs::path& path, std::string_view bytes) {
    FilePtr file = openFile(path, "wb");
    if (!file) return lastCause();
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) return lastCause();
    errno = 0;
    if (std::fclose(file.release()) != 0) return lastCause();
    return FileErrorCause::none;
}

// The replacement takes over the permissions of the file it replaces.
void keepPermissions(const fs::path& from, const fs::path& replacement) {
    std::error_code error;
    const fs::file_status status = fs::status(from, error);
    if (error || !fs::exists(status)) return;
    fs::permissions(replacement, status.permissions(), fs::perm_options::replace, error);
}

}  // namespace

fs::path pathFromUtf8(std::string_view utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string pathToUtf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

FileErrorCause readWholeFile(const fs::path& path, std::string& bytes, bool createIfMissing) {
    bytes.clear();
    FilePtr file = openFile(path, "rb");
    if (!file && errno == ENOENT && createIfMissing) {
        // Append mode creates the file without ever truncating one that
        // another workstation has just written.
        FilePtr created = openFile(path, "ab");
        if (!created) return lastCause();
        created.reset();
        file = openFile(path, "rb");
    }
    if (!file) return lastCause();
    return readOpenFile(file.get(), path, bytes);
}

FileErrorCause writeWholeFile(const fs::path& path, std::string_view bytes) {
    std::error_code error;
    // A file that may not be written is not replaced either.
    if (fs::exists(path, error) && !openFile(path, "ab")) return lastCause();
    const fs::path replacement = replacementPath(path);
    FileErrorCause cause = platform::writeDurably(replacement, bytes);
    if (cause != FileErrorCause::none) {
        fs::remove(replacement, error);
        // A folder that allows changing its files but not adding any.
        if (cause == FileErrorCause::accessDenied) return writeInPlace(path, bytes);
        return cause;
    }
    keepPermissions(path, replacement);
    cause = platform::replaceFile(replacement, path);
    if (cause != FileErrorCause::none) fs::remove(replacement, error);
    return cause;
}

FileErrorCause appendToFile(const fs::path& path, std::string_view bytes) {
    FilePtr file = openFile(path, "ab");
    if (!file) return lastCause();
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) return lastCause();
    errno = 0;
    if (std::fclose(file.release()) != 0) return lastCause();
    return FileErrorCause::none;
}

FileErrorCause checkWritable(const fs::path& path) {
    return openFile(path, "ab") ? FileErrorCause::none : lastCause();
}

FileErrorCause copyFileIfExists(const fs::path& from, const fs::path& to) {
    std::error_code error;
    const fs::file_status source = fs::status(from, error);
    if (source.type() == fs::file_type::not_found) return FileErrorCause::none;
    if (error) return fileErrorFromCode(error);
    // A copy made of a read-only file is read-only too; it must not block
    // the next copy.
    if (fs::exists(to, error)) {
        fs::permissions(to, fs::perms::owner_write, fs::perm_options::add, error);
    }
    // The copy is made beside the target and moved over it in one step: an
    // interrupted copy never leaves a cut safety copy.
    const fs::path replacement = replacementPath(to);
    fs::copy_file(from, replacement, fs::copy_options::overwrite_existing, error);
    const auto written = error ? fs::file_time_type() : fs::last_write_time(from, error);
    if (!error) fs::last_write_time(replacement, written, error);
    if (!error)
        fs::permissions(replacement, source.permissions(), fs::perm_options::replace, error);
    FileErrorCause cause = fileErrorFromCode(error);
    if (cause == FileErrorCause::none) cause = platform::replaceFile(replacement, to);
    if (cause != FileErrorCause::none) fs::remove(replacement, error);
    return cause;
}

fs::path safetyCopyPath(const fs::path& path) {
    fs::path copy = path;
    copy.replace_extension(".da$");
    return copy;
}

}  // namespace bunrako
