#include "common/os_description.h"

#include <gtest/gtest.h>

#include "common/my_tool.h"

namespace bunrako {
namespace {

using Info = WindowsVersionInfo;

Info nt(unsigned major, unsigned minor, unsigned build, std::string servicePack,
        unsigned productType, unsigned suite = 0) {
    Info info;
    info.platform = Info::Platform::nt;
    info.major = major;
    info.minor = minor;
    info.build = build;
    info.servicePack = std::move(servicePack);
    info.extended = true;
    info.productType = productType;
    info.suiteMask = suite;
    return info;
}

Info nineX(unsigned minor, std::string letter) {
    Info info;
    info.platform = Info::Platform::windows9x;
    info.major = 4;
    info.minor = minor;
    info.servicePack = std::move(letter);
    return info;
}

TEST(DescribeWindowsVersion, NtFamilyNamesProductAndBuild) {
    EXPECT_EQ(DescribeWindowsVersion(nt(5, 1, 2600, "Service Pack 3", Info::kWorkstation)),
              "WindowsXP Professional Service Pack 3 (Build 2600)");
    EXPECT_EQ(DescribeWindowsVersion(
                  nt(5, 1, 2600, "Service Pack 2", Info::kWorkstation, Info::kSuitePersonal)),
              "WindowsXP Personal Service Pack 2 (Build 2600)");
    EXPECT_EQ(DescribeWindowsVersion(nt(10, 0, 19045, "", Info::kWorkstation)),
              "Windows10 Professional  (Build 19045)");
    EXPECT_EQ(DescribeWindowsVersion(nt(5, 0, 2195, "Service Pack 4", Info::kServer)),
              "Windows2000 Server Service Pack 4 (Build 2195)");
    EXPECT_EQ(DescribeWindowsVersion(nt(5, 0, 2195, "", Info::kServer, Info::kSuiteEnterprise)),
              "Windows2000 AdvancedServer  (Build 2195)");
    EXPECT_EQ(DescribeWindowsVersion(nt(6, 1, 7601, "Service Pack 1", Info::kDomainController,
                                        Info::kSuiteDataCenter | Info::kSuiteEnterprise)),
              "Windows7 DataCenterServer Service Pack 1 (Build 7601)");
    EXPECT_EQ(DescribeWindowsVersion(nt(6, 0, 6002, "Service Pack 2", Info::kWorkstation)),
              "WindowsVista Professional Service Pack 2 (Build 6002)");
    EXPECT_EQ(DescribeWindowsVersion(nt(6, 2, 9200, "", Info::kWorkstation)),
              "Windows8 Professional  (Build 9200)");
    EXPECT_EQ(DescribeWindowsVersion(nt(6, 3, 9600, "", Info::kWorkstation)),
              "Windows8.1 Professional  (Build 9600)");
}

TEST(DescribeWindowsVersion, OldNtShowsItsVersionNumber) {
    EXPECT_EQ(DescribeWindowsVersion(nt(4, 0, 1381, "Service Pack 6", Info::kWorkstation)),
              "WindowsNT Professional version 4.0 Service Pack 6 (Build 1381)");
    Info basic = nt(4, 0, 1381, "Service Pack 5", 0);
    basic.extended = false;
    basic.registryProductType = "SERVERNT";
    EXPECT_EQ(DescribeWindowsVersion(basic),
              "WindowsNT Advanced Server version 4.0 Service Pack 5 (Build 1381)");
    basic.registryProductType = "LANMANNT";
    EXPECT_EQ(DescribeWindowsVersion(basic),
              "WindowsNT Server version 4.0 Service Pack 5 (Build 1381)");
    basic.registryProductType = "WINNT";
    EXPECT_EQ(DescribeWindowsVersion(basic),
              "WindowsNT Professional version 4.0 Service Pack 5 (Build 1381)");
    basic.registryProductType = "";
    EXPECT_EQ(DescribeWindowsVersion(basic), "WindowsNT version 4.0 Service Pack 5 (Build 1381)");
}

TEST(DescribeWindowsVersion, NineXFamilyAndWin32s) {
    EXPECT_EQ(DescribeWindowsVersion(nineX(0, "")), "Windows95");
    EXPECT_EQ(DescribeWindowsVersion(nineX(0, " C")), "Windows95 OSR2");
    EXPECT_EQ(DescribeWindowsVersion(nineX(0, " B")), "Windows95 OSR2");
    EXPECT_EQ(DescribeWindowsVersion(nineX(10, " ")), "Windows98");
    EXPECT_EQ(DescribeWindowsVersion(nineX(10, " A ")), "Windows98 SE");
    EXPECT_EQ(DescribeWindowsVersion(nineX(90, "")), "WindowsMe");
    Info win32s;
    win32s.platform = Info::Platform::win32s;
    EXPECT_EQ(DescribeWindowsVersion(win32s), "Win32s");
}

TEST(DescribeWindowsVersion, UnlistedVersionsAreNamedByNumber) {
    EXPECT_EQ(DescribeWindowsVersion(nt(5, 2, 3790, "Service Pack 2", Info::kServer)),
              "Windows 5.2 Server Service Pack 2 (Build 3790)");
}

TEST(DescribeLinuxSystem, PrettyNameAndKernel) {
    const char* osRelease =
        "# comment\nNAME=\"Debian GNU/Linux\"\nPRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\n"
        "PRETTY_NAME_X=no\n";
    EXPECT_EQ(DescribeLinuxSystem(osRelease, "6.1.0-18-amd64\n"),
              "Debian GNU/Linux 12 (bookworm) (Linux 6.1.0-18-amd64)");
    EXPECT_EQ(DescribeLinuxSystem("PRETTY_NAME='Alpine \"edge\"'", ""), "Alpine \"edge\"");
    EXPECT_EQ(DescribeLinuxSystem("PRETTY_NAME=\"say \\\"hi\\\"\"", ""), "say \"hi\"");
    EXPECT_EQ(DescribeLinuxSystem("NAME=Fedora\r\n", "6.5"), "Fedora (Linux 6.5)");
    EXPECT_EQ(DescribeLinuxSystem("", "6.5\n"), "Linux 6.5");
    EXPECT_EQ(DescribeLinuxSystem("garbage\n=\nPRETTY_NAME", ""), "");
}

TEST(GetOsDescription, NamesTheRunningSystemWithoutThrowing) {
#ifndef _WIN32
    EXPECT_NE(CMyTool::GetOsDescription().find("Linux"), std::string::npos);
#else
    EXPECT_EQ(CMyTool::GetOsDescription().rfind("Windows", 0), 0u);
#endif
}

TEST(GetProgramFolder, EndsWithASeparator) {
    const std::string folder = CMyTool::GetProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_TRUE(folder.back() == '/' || folder.back() == '\\');
    EXPECT_TRUE(CMyTool::FolderExists(folder));
}

}  // namespace
}  // namespace bunrako
