#pragma once

#include <string>
#include <string_view>

namespace bunrako {

// What the running Windows reports about its version, as the about box
// needs it. Filled by the platform code; described on every platform.
struct WindowsVersionInfo {
    enum class Platform { win32s, windows9x, nt };
    // The product types and suite flags of the extended version form.
    static constexpr unsigned kWorkstation = 1;
    static constexpr unsigned kDomainController = 2;
    static constexpr unsigned kServer = 3;
    static constexpr unsigned kSuiteEnterprise = 0x0002;
    static constexpr unsigned kSuiteDataCenter = 0x0080;
    static constexpr unsigned kSuitePersonal = 0x0200;

    Platform platform = Platform::nt;
    unsigned major = 0;
    unsigned minor = 0;
    unsigned build = 0;
    std::string servicePack;  // "Service Pack 3"; on 9x the letter after a space (" C")
    bool extended = false;    // productType and suiteMask are known
    unsigned productType = 0;
    unsigned suiteMask = 0;
    // Without the extended form: the "ProductType" registry value
    // ("WINNT", "LANMANNT", "SERVERNT").
    std::string registryProductType;
};

// "WindowsXP Professional Service Pack 3 (Build 2600)", "Windows98 SE", ...
std::string DescribeWindowsVersion(const WindowsVersionInfo& info);

// "<PRETTY_NAME of os-release> (Linux <kernel release>)"; either half alone
// when the other is unknown, "" when both are.
std::string DescribeLinuxSystem(std::string_view osRelease, std::string_view kernelRelease);

}  // namespace bunrako
