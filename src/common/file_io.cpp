#include "common/file_io.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <system_error>

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
    FilePtr file = openFile(path, "wb");
    if (!file) return lastCause();
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) return lastCause();
    errno = 0;
    if (std::fclose(file.release()) != 0) return lastCause();
    return FileErrorCause::none;
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
    fs::copy_file(from, to, fs::copy_options::overwrite_existing, error);
    if (error) return fileErrorFromCode(error);
    const auto written = fs::last_write_time(from, error);
    if (!error) fs::last_write_time(to, written, error);
    if (!error) fs::permissions(to, source.permissions(), fs::perm_options::replace, error);
    return fileErrorFromCode(error);
}

fs::path safetyCopyPath(const fs::path& path) {
    fs::path copy = path;
    copy.replace_extension(".da$");
    return copy;
}

}  // namespace bunrako
