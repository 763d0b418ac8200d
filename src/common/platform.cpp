// The parts of CMyTool that ask the operating system itself: where the
// program lies and what system runs it. The only file with Windows calls.
#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/file_io.h"
#include "common/my_tool.h"
#include "common/os_description.h"

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace bunrako {
namespace {

namespace fs = std::filesystem;

std::string folderOf(const fs::path& program) {
    std::string folder = pathToUtf8(program.parent_path());
    const char separator = static_cast<char>(fs::path::preferred_separator);
    if (folder.empty() || folder.back() != separator) folder += separator;
    return folder;
}

#ifdef _WIN32

fs::path runningProgram() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) {
            buffer.resize(length);
            return fs::path(buffer);
        }
        buffer.resize(buffer.size() * 2);  // the name was cut; ask again with more room
    }
}

std::string wideToUtf8(const wchar_t* text) { return pathToUtf8(fs::path(std::wstring(text))); }

std::string registryProductType() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SYSTEM\\CurrentControlSet\\Control\\ProductOptions", 0,
                      KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return {};
    }
    wchar_t value[80] = {};
    DWORD bytes = sizeof value - sizeof(wchar_t);  // room for the terminator
    DWORD type = 0;
    const LONG result = RegQueryValueExW(key, L"ProductType", nullptr, &type,
                                         reinterpret_cast<LPBYTE>(value), &bytes);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || type != REG_SZ) return {};
    return wideToUtf8(value);
}

void copyBasicVersion(const OSVERSIONINFOW& version, WindowsVersionInfo& info) {
    switch (version.dwPlatformId) {
        case VER_PLATFORM_WIN32s:
            info.platform = WindowsVersionInfo::Platform::win32s;
            break;
        case VER_PLATFORM_WIN32_WINDOWS:
            info.platform = WindowsVersionInfo::Platform::windows9x;
            break;
        default:
            info.platform = WindowsVersionInfo::Platform::nt;
            break;
    }
    info.major = version.dwMajorVersion;
    info.minor = version.dwMinorVersion;
    info.build = version.dwBuildNumber;
    info.servicePack = wideToUtf8(version.szCSDVersion);
}

#ifdef _MSC_VER
#pragma warning(push)
#pragma warning(disable : 4996)  // GetVersionEx is kept as the fallback on purpose
#endif
bool queryWindowsVersion(WindowsVersionInfo& info) {
    OSVERSIONINFOEXW extended{};
    extended.dwOSVersionInfoSize = sizeof extended;
    // The kernel's own answer first: GetVersionEx reports 6.2 to programs
    // whose manifest does not list the newer systems.
    using RtlGetVersion = LONG(WINAPI*)(OSVERSIONINFOEXW*);
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    const auto rtlGetVersion = ntdll ? reinterpret_cast<RtlGetVersion>(reinterpret_cast<void*>(
                                           GetProcAddress(ntdll, "RtlGetVersion")))
                                     : nullptr;
    if ((rtlGetVersion && rtlGetVersion(&extended) == 0) ||
        GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&extended))) {
        copyBasicVersion(*reinterpret_cast<const OSVERSIONINFOW*>(&extended), info);
        info.extended = true;
        info.productType = extended.wProductType;
        info.suiteMask = extended.wSuiteMask;
        return true;
    }
    OSVERSIONINFOW basic{};
    basic.dwOSVersionInfoSize = sizeof basic;
    if (!GetVersionExW(&basic)) return false;
    copyBasicVersion(basic, info);
    info.registryProductType = registryProductType();
    return true;
}
#ifdef _MSC_VER
#pragma warning(pop)
#endif

#else

fs::path runningProgram() {
    std::error_code error;
    fs::path program = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path() : program;
}

// Read as a stream: files under /proc report a size of 0.
std::string readSystemFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

#endif

}  // namespace

std::string CMyTool::GetProgramFolder() {
    const fs::path program = runningProgram();
    return program.empty() ? std::string() : folderOf(program);
}

std::string CMyTool::GetOsDescription() {
#ifdef _WIN32
    WindowsVersionInfo info;
    return queryWindowsVersion(info) ? DescribeWindowsVersion(info) : std::string();
#else
    std::string osRelease = readSystemFile("/etc/os-release");
    if (osRelease.empty()) osRelease = readSystemFile("/usr/lib/os-release");
    return DescribeLinuxSystem(osRelease, readSystemFile("/proc/sys/kernel/osrelease"));
#endif
}

}  // namespace bunrako
