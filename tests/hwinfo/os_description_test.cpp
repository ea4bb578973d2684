#include "hwinfo/KelSysInfo.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace corvane;

namespace {

TKelOSFacts Nt(DWORD major, DWORD minor, DWORD build, const wchar_t* servicePack,
               const wchar_t* productName = L"") {
    TKelOSFacts facts;
    facts.ProductName = productName;
    facts.Version.PlatformId = VER_PLATFORM_WIN32_NT;
    facts.Version.MajorVersion = major;
    facts.Version.MinorVersion = minor;
    facts.Version.BuildNumber = build;
    facts.Version.ServicePack = servicePack;
    facts.Version.ExtendedValid = true;
    facts.Version.ProductType = VER_NT_WORKSTATION;
    return facts;
}

// The system holds its build apart from what the version calls say.
TKelOSFacts Holding(DWORD systemBuild, TKelOSFacts facts) {
    facts.SystemBuild = systemBuild;
    return facts;
}

TKelOSFacts NtServer(DWORD major, DWORD minor, DWORD build, WORD suiteMask) {
    TKelOSFacts facts = Nt(major, minor, build, L"");
    facts.Version.ProductType = VER_NT_SERVER;
    facts.Version.SuiteMask = suiteMask;
    return facts;
}

TKelOSFacts NtWithoutRecord(const wchar_t* productType, const wchar_t* servicePack) {
    TKelOSFacts facts = Nt(4, 0, 1381, servicePack);
    facts.Version.ExtendedValid = false;
    facts.ProductType = productType;
    return facts;
}

TKelOSFacts Win9x(DWORD minor, const wchar_t* servicePack) {
    TKelOSFacts facts;
    facts.Version.PlatformId = VER_PLATFORM_WIN32_WINDOWS;
    facts.Version.MajorVersion = 4;
    facts.Version.MinorVersion = minor;
    facts.Version.BuildNumber = 1998;
    facts.Version.ServicePack = servicePack;
    return facts;
}

TKelOSFacts Xp(WORD suiteMask, int mediaCenter, int tabletPc) {
    TKelOSFacts facts = Nt(5, 1, 2600, L"Service Pack 2");
    facts.Version.SuiteMask = suiteMask;
    facts.MediaCenterMetric = mediaCenter;
    facts.TabletPcMetric = tabletPc;
    return facts;
}

TKelOSFacts Nt4Sp6(const wchar_t* servicePack, bool hotfix) {
    TKelOSFacts facts = Nt(4, 0, 1381, servicePack);
    facts.HasHotfixQ246009 = hotfix;
    return facts;
}

TKelOSFacts Win32s() {
    TKelOSFacts facts;
    facts.Version.PlatformId = VER_PLATFORM_WIN32s;
    facts.Version.MajorVersion = 1;
    facts.Version.ServicePack = L"A";
    return facts;
}

struct DescriptionCase {
    const char* name;
    TKelOSFacts facts;
    std::wstring expected;
};

} // namespace

TEST(OSDescription, DescribesEveryProductEditionAndServicePack) {
    const std::vector<DescriptionCase> cases = {
        {"XP Home", Xp(VER_SUITE_PERSONAL, 0, 0),
         L"Windows XP Home Edition Service Pack 2 (Build 2600)"},
        {"XP Professional", Xp(0, 0, 0), L"Windows XP Professional Service Pack 2 (Build 2600)"},
        {"XP Media Center wins over tablet and home", Xp(VER_SUITE_PERSONAL, 1, 1),
         L"Windows XP Media Center Edition Service Pack 2 (Build 2600)"},
        {"XP Tablet PC", Xp(VER_SUITE_PERSONAL, 0, 1),
         L"Windows XP Tablet PC Edition Service Pack 2 (Build 2600)"},
        {"NT 4.0 workstation", Nt(4, 0, 1381, L"Service Pack 5"),
         L"Windows NT 4.0 Workstation Service Pack 5 (Build 1381)"},
        {"NT 3.0 counts as NT", Nt(3, 0, 807, L""), L"Windows NT 3.0 Workstation (Build 807)"},
        {"NT 3.51 has no name", Nt(3, 51, 1057, L""), L" (Build 1057)"},
        {"2000 Professional", Nt(5, 0, 2195, L"Service Pack 4"),
         L"Windows 2000 Professional Service Pack 4 (Build 2195)"},
        {"2003 on a workstation has no edition", Nt(5, 2, 3790, L""), L"Windows 2003 (Build 3790)"},
        {"Vista workstation has no edition", Nt(6, 0, 6000, L""), L"Windows Vista (Build 6000)"},
        {"unlisted NT version", Nt(6, 1, 7601, L"Service Pack 1"), L" Service Pack 1 (Build 7601)"},
        {"unlisted NT version named by the system",
         Nt(6, 1, 7601, L"Service Pack 1", L"Microsoft Windows 7 Professional"),
         L"Microsoft Windows 7 Professional Service Pack 1 (Build 7601)"},
        {"7 with its build held alike",
         Holding(7601, Nt(6, 1, 7601, L"Service Pack 1", L"Microsoft Windows 7")),
         L"Microsoft Windows 7 Service Pack 1 (Build 7601)"},
        {"XP with its build held alike", Holding(2600, Xp(VER_SUITE_PERSONAL, 0, 0)),
         L"Windows XP Home Edition Service Pack 2 (Build 2600)"},
        {"10 told 6.2 by the version calls",
         Holding(18362, Nt(6, 2, 9200, L"", L"Microsoft Windows 10")),
         L"Microsoft Windows 10 (Build 18362)"},
        {"11 named so by its build", Holding(22631, Nt(10, 0, 22631, L"", L"Windows 10 Pro")),
         L"Windows 11 Pro (Build 22631)"},
        {"11 told 6.2", Holding(22000, Nt(6, 2, 9200, L"", L"Windows 10 Home")),
         L"Windows 11 Home (Build 22000)"},
        {"11 without a name", Holding(22000, Nt(10, 0, 22000, L"")), L"Windows 11 (Build 22000)"},
        {"a later system not called Windows 10 keeps its name",
         Holding(26100, Nt(10, 0, 26100, L"", L"Windows Server 2025 Standard")),
         L"Windows Server 2025 Standard (Build 26100)"},
        {"listed version keeps its own name", Nt(5, 0, 2195, L"", L"Microsoft Windows 2000"),
         L"Windows 2000 Professional (Build 2195)"},
        {"NT 4.0 server", NtServer(4, 0, 1381, 0), L"Windows NT 4.0 Server (Build 1381)"},
        {"NT 4.0 enterprise", NtServer(4, 0, 1381, VER_SUITE_ENTERPRISE),
         L"Windows NT 4.0 Enterprise Edition (Build 1381)"},
        {"2000 server", NtServer(5, 0, 2195, 0), L"Windows 2000 Server (Build 2195)"},
        {"2000 advanced", NtServer(5, 0, 2195, VER_SUITE_ENTERPRISE),
         L"Windows 2000 Advanced Server (Build 2195)"},
        {"2000 datacenter", NtServer(5, 0, 2195, VER_SUITE_DATACENTER | VER_SUITE_ENTERPRISE),
         L"Windows 2000 Datacenter Server (Build 2195)"},
        {"2003 standard", NtServer(5, 2, 3790, 0), L"Windows 2003 Standard Edition (Build 3790)"},
        {"2003 web", NtServer(5, 2, 3790, VER_SUITE_BLADE),
         L"Windows 2003 Web Edition (Build 3790)"},
        {"2003 enterprise", NtServer(5, 2, 3790, VER_SUITE_ENTERPRISE | VER_SUITE_BLADE),
         L"Windows 2003 Enterprise Edition (Build 3790)"},
        {"2003 datacenter", NtServer(5, 2, 3790, VER_SUITE_DATACENTER | VER_SUITE_ENTERPRISE),
         L"Windows 2003 DataCenter Edition (Build 3790)"},
        {"Vista server", NtServer(6, 0, 6001, 0),
         L"Windows Vista \"Longhorn\" Server (Build 6001)"},
        {"XP as a server has no edition", NtServer(5, 1, 2600, 0), L"Windows XP (Build 2600)"},
        {"NT 4.0 from the registry, version twice", NtWithoutRecord(L"WinNT", L"Service Pack 5"),
         L"Windows NT 4.0 WorkStation 4.0 Service Pack 5 (Build 1381)"},
        {"registry LanmanNT", NtWithoutRecord(L"LanmanNT", L""),
         L"Windows NT 4.0 Server 4.0 (Build 1381)"},
        {"registry ServerNT", NtWithoutRecord(L"SERVERNT", L""),
         L"Windows NT 4.0 Advanced Server 4.0 (Build 1381)"},
        {"registry unknown type keeps the version", NtWithoutRecord(L"", L""),
         L"Windows NT 4.0  4.0 (Build 1381)"},
        {"NT 4.0 SP6 with hot-fix", Nt4Sp6(L"service pack 6", true),
         L"Windows NT 4.0 Workstation Service Pack 6a (Build 1381)"},
        {"NT 4.0 SP6 without hot-fix", Nt4Sp6(L"Service Pack 6", false),
         L"Windows NT 4.0 Workstation Service Pack 6 (Build 1381)"},
        {"hot-fix only matters for SP6", Nt4Sp6(L"Service Pack 5", true),
         L"Windows NT 4.0 Workstation Service Pack 5 (Build 1381)"},
        {"95", Win9x(0, L""), L"Windows 95"},
        {"95 OSR2 from B", Win9x(0, L"B"), L"Windows 95 OSR2"},
        {"95 OSR2 from lower-case c", Win9x(0, L"c"), L"Windows 95 OSR2"},
        {"95 with A", Win9x(0, L"A"), L"Windows 95"},
        {"98", Win9x(10, L""), L"Windows 98"},
        {"98 with a blank first", Win9x(10, L" A"), L"Windows 98"},
        {"98 SE from A", Win9x(10, L"A"), L"Windows 98 SE"},
        {"98 with B", Win9x(10, L"B"), L"Windows 98"},
        {"Me", Win9x(90, L"A"), L"Windows Me"},
        {"unlisted 9x version", Win9x(5, L"B"), L""},
        {"Win32s", Win32s(), L""},
    };
    for (const DescriptionCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.expected, TKelOSInfo::Describe(c.facts));
    }
}

TEST(OSDescription, UnknownPlatformRaises) {
    TKelOSFacts facts = Nt(5, 1, 2600, L"");
    facts.Version.PlatformId = 7;
    try {
        TKelOSInfo::Describe(facts);
        FAIL() << "no error";
    } catch (const EKelSysInfo& error) {
        EXPECT_STREQ("Unrecognized operating system platform", error.what());
    }
}

TEST(OSDescription, UnsupportedProductTypeRaisesOnlyWhenTheRegistryDecides) {
    TKelOSFacts facts = NtWithoutRecord(L"", L"");
    facts.ProductTypeUnsupported = true;
    try {
        TKelOSInfo::Describe(facts);
        FAIL() << "no error";
    } catch (const EKelSysInfo& error) {
        EXPECT_STREQ("Unsupported registry type", error.what());
    }

    facts.Version.ExtendedValid = true;
    EXPECT_EQ(L"Windows NT 4.0 Workstation (Build 1381)", TKelOSInfo::Describe(facts));
}

TEST(OSDescription, RunningSystemIsDescribedWithoutRaising) {
    const TKelOSFacts facts = TKelOSInfo::ReadFacts();
    EXPECT_EQ(TKelOSInfo::Describe(facts), TKelOSInfo::OSDescription());
    EXPECT_NE(0u, facts.SystemBuild);
    const std::wstring build = L"(Build " + std::to_wstring(facts.SystemBuild) + L")";
    EXPECT_NE(std::wstring::npos, TKelOSInfo::OSDescription().find(build));
}

// The programs' manifest names every system from Vista to 11, so that the version calls of
// Windows 8.1 and later tell their own version.
TEST(OSDescription, ManifestSupportsVistaToEleven) {
    const HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(1), RT_MANIFEST);
    ASSERT_NE(nullptr, found);
    const std::string manifest(static_cast<const char*>(LockResource(LoadResource(nullptr, found))),
                               SizeofResource(nullptr, found));
    for (const char* system :
         {"e2011457-1546-43c5-a5fe-008deee3d3f0", "35138b9a-5d96-4fbd-8e2d-a2440225f93a",
          "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38", "1f676c76-80e1-4239-95bb-83d0f6d0da78",
          "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"})
        EXPECT_NE(std::string::npos, manifest.find(std::string("<supportedOS Id=\"{") + system))
            << system;
}
