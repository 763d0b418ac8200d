#include "common/os_description.h"

namespace bunrako {
namespace {

using Info = WindowsVersionInfo;

std::string versionNumber(const Info& info) {
    return std::to_string(info.major) + "." + std::to_string(info.minor);
}

// On the 9x family the service-pack text carries one letter (" C", " A").
char servicePackLetter(const std::string& servicePack) {
    const size_t at = servicePack.find_first_not_of(' ');
    return at == std::string::npos ? '\0' : servicePack[at];
}

std::string windows9xName(const Info& info) {
    const char letter = servicePackLetter(info.servicePack);
    if (info.major == 4 && info.minor == 0) {
        return letter == 'C' || letter == 'B' ? "Windows95 OSR2" : "Windows95";
    }
    if (info.major == 4 && info.minor == 10) return letter == 'A' ? "Windows98 SE" : "Windows98";
    if (info.major == 4 && info.minor == 90) return "WindowsMe";
    return "Windows " + versionNumber(info);
}

std::string ntName(const Info& info) {
    if (info.major <= 4) return "WindowsNT";
    struct Known {
        unsigned major, minor;
        const char* name;
    };
    static constexpr Known kKnown[] = {
        {5, 0, "Windows2000"}, {5, 1, "WindowsXP"},  {6, 0, "WindowsVista"}, {6, 1, "Windows7"},
        {6, 2, "Windows8"},    {6, 3, "Windows8.1"}, {10, 0, "Windows10"},
    };
    for (const Known& known : kKnown) {
        if (known.major == info.major && known.minor == info.minor) return known.name;
    }
    return "Windows " + versionNumber(info);
}

std::string ntProduct(const Info& info) {
    if (!info.extended) {
        if (info.registryProductType == "WINNT") return " Professional";
        if (info.registryProductType == "LANMANNT") return " Server";
        if (info.registryProductType == "SERVERNT") return " Advanced Server";
        return {};
    }
    if (info.productType == Info::kWorkstation) {
        return info.suiteMask & Info::kSuitePersonal ? " Personal" : " Professional";
    }
    // A domain controller is a server as well.
    if (info.productType == Info::kServer || info.productType == Info::kDomainController) {
        if (info.suiteMask & Info::kSuiteDataCenter) return " DataCenterServer";
        if (info.suiteMask & Info::kSuiteEnterprise) return " AdvancedServer";
        return " Server";
    }
    return {};
}

std::string ntVersion(const Info& info) {
    const std::string version = info.major <= 4 ? " version " + versionNumber(info) : "";
    return version + " " + info.servicePack + " (Build " + std::to_string(info.build) + ")";
}

std::string_view trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    const size_t last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

// A value of os-release: bare, or quoted with backslash escapes.
std::string unquoted(std::string_view value) {
    value = trimmed(value);
    if (value.size() < 2 || (value.front() != '"' && value.front() != '\'') ||
        value.back() != value.front()) {
        return std::string(value);
    }
    const char quote = value.front();
    value = value.substr(1, value.size() - 2);
    std::string text;
    for (size_t i = 0; i < value.size(); ++i) {
        if (quote == '"' && value[i] == '\\' && i + 1 < value.size()) ++i;
        text += value[i];
    }
    return text;
}

std::string osReleaseValue(std::string_view osRelease, std::string_view key) {
    while (!osRelease.empty()) {
        const size_t end = osRelease.find('\n');
        const std::string_view line = trimmed(osRelease.substr(0, end));
        osRelease = end == std::string_view::npos ? std::string_view() : osRelease.substr(end + 1);
        if (line.size() > key.size() && line.starts_with(key) && line[key.size()] == '=') {
            return unquoted(line.substr(key.size() + 1));
        }
    }
    return {};
}

}  // namespace

std::string DescribeWindowsVersion(const WindowsVersionInfo& info) {
    switch (info.platform) {
        case Info::Platform::win32s:
            return "Win32s";
        case Info::Platform::windows9x:
            return windows9xName(info);
        case Info::Platform::nt:
            return ntName(info) + ntProduct(info) + ntVersion(info);
    }
    return {};
}

std::string DescribeLinuxSystem(std::string_view osRelease, std::string_view kernelRelease) {
    std::string name = osReleaseValue(osRelease, "PRETTY_NAME");
    if (name.empty()) name = osReleaseValue(osRelease, "NAME");
    const std::string_view kernel = trimmed(kernelRelease);
    if (kernel.empty()) return name;
    const std::string kernelText = "Linux " + std::string(kernel);
    return name.empty() ? kernelText : name + " (" + kernelText + ")";
}

}  // namespace bunrako
