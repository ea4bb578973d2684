#include "hwinfo/KelSysInfo.h"

#include "hwinfo/Un_Tambahan.h"
#include "registry/RegHelpers.h"

#include <algorithm>
#include <cwchar>
#include <cwctype>

namespace corvane {

namespace {

enum class Platform { NT, Win9x, Win32s };

enum class Product {
    Unknown,
    WindowsNT,
    Windows2000,
    WindowsXP,
    Windows2003,
    WindowsVista,
    Unknown9x,
    Windows95,
    Windows98,
    WindowsMe,
    Win32s
};

const wchar_t ProductOptionsKey[] = L"SYSTEM\\CurrentControlSet\\Control\\ProductOptions";
const wchar_t CurrentVersionKey[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
// From this build on the system is Windows 11, though its own name still says Windows 10.
const DWORD FirstWindows11Build = 22000;
const wchar_t HotfixQ246009Key[] =
    L"\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Hotfix\\Q246009";

Platform PlatformOf(const TKelVersion& version) {
    switch (version.PlatformId) {
    case VER_PLATFORM_WIN32_NT:
        return Platform::NT;
    case VER_PLATFORM_WIN32_WINDOWS:
        return Platform::Win9x;
    case VER_PLATFORM_WIN32s:
        return Platform::Win32s;
    }
    throw EKelSysInfo("Unrecognized operating system platform");
}

bool IsVersion(const TKelVersion& version, DWORD major, DWORD minor) {
    return version.MajorVersion == major && version.MinorVersion == minor;
}

Product NtProduct(const TKelVersion& version) {
    if ((version.MajorVersion == 3 || version.MajorVersion == 4) && version.MinorVersion == 0)
        return Product::WindowsNT;
    if (IsVersion(version, 5, 0))
        return Product::Windows2000;
    if (IsVersion(version, 5, 1))
        return Product::WindowsXP;
    if (IsVersion(version, 5, 2))
        return Product::Windows2003;
    if (IsVersion(version, 6, 0))
        return Product::WindowsVista;
    return Product::Unknown;
}

Product Win9xProduct(const TKelVersion& version) {
    if (IsVersion(version, 4, 0))
        return Product::Windows95;
    if (IsVersion(version, 4, 10))
        return Product::Windows98;
    if (IsVersion(version, 4, 90))
        return Product::WindowsMe;
    return Product::Unknown9x;
}

Product ProductOf(Platform platform, const TKelVersion& version) {
    switch (platform) {
    case Platform::NT:
        return NtProduct(version);
    case Platform::Win9x:
        return Win9xProduct(version);
    case Platform::Win32s:
        return Product::Win32s;
    }
    return Product::Unknown;
}

std::wstring ProductName(Product product) {
    switch (product) {
    case Product::WindowsNT:
        return L"Windows NT";
    case Product::Windows2000:
        return L"Windows 2000";
    case Product::WindowsXP:
        return L"Windows XP";
    case Product::Windows2003:
        return L"Windows 2003";
    case Product::WindowsVista:
        return L"Windows Vista";
    case Product::Windows95:
        return L"Windows 95";
    case Product::Windows98:
        return L"Windows 98";
    case Product::WindowsMe:
        return L"Windows Me";
    default:
        return L"";
    }
}

std::wstring UpperCase(std::wstring text) {
    for (wchar_t& c : text)
        c = static_cast<wchar_t>(std::towupper(c));
    return text;
}

bool SameText(const std::wstring& a, const std::wstring& b) {
    return UpperCase(a) == UpperCase(b);
}

std::wstring VersionText(const TKelVersion& version) {
    return std::to_wstring(version.MajorVersion) + L"." + std::to_wstring(version.MinorVersion);
}

const std::wstring& ProductTypeText(const TKelOSFacts& facts) {
    if (facts.ProductTypeUnsupported)
        throw EKelSysInfo("Unsupported registry type");
    return facts.ProductType;
}

std::wstring RegistryEdition(const TKelOSFacts& facts) {
    const std::wstring productType = ProductTypeText(facts);
    std::wstring kind;
    if (SameText(productType, L"WINNT"))
        kind = L"WorkStation";
    else if (SameText(productType, L"LANMANNT"))
        kind = L"Server";
    else if (SameText(productType, L"SERVERNT"))
        kind = L"Advanced Server";
    return kind + L" " + VersionText(facts.Version);
}

std::wstring ServerEdition(Product product, WORD suiteMask) {
    const bool enterprise = suiteMask & VER_SUITE_ENTERPRISE;
    const bool datacenter = suiteMask & VER_SUITE_DATACENTER;
    switch (product) {
    case Product::WindowsNT:
        return enterprise ? L"Enterprise Edition" : L"Server";
    case Product::Windows2000:
        if (datacenter)
            return L"Datacenter Server";
        return enterprise ? L"Advanced Server" : L"Server";
    case Product::Windows2003:
        if (datacenter)
            return L"DataCenter Edition";
        if (enterprise)
            return L"Enterprise Edition";
        return (suiteMask & VER_SUITE_BLADE) ? L"Web Edition" : L"Standard Edition";
    case Product::WindowsVista:
        return L"\"Longhorn\" Server";
    default:
        return L"";
    }
}

std::wstring WorkstationEdition(Product product, const TKelOSFacts& facts) {
    switch (product) {
    case Product::WindowsNT:
        return L"Workstation";
    case Product::Windows2000:
        return L"Professional";
    case Product::WindowsXP:
        if (facts.MediaCenterMetric != 0)
            return L"Media Center Edition";
        if (facts.TabletPcMetric != 0)
            return L"Tablet PC Edition";
        return (facts.Version.SuiteMask & VER_SUITE_PERSONAL) ? L"Home Edition" : L"Professional";
    default:
        return L"";
    }
}

std::wstring NtEdition(Product product, const TKelOSFacts& facts) {
    if (!facts.Version.ExtendedValid)
        return RegistryEdition(facts);
    if (facts.Version.ProductType != VER_NT_WORKSTATION)
        return ServerEdition(product, facts.Version.SuiteMask);
    return WorkstationEdition(product, facts);
}

std::wstring Win9xServicePack(Product product, const std::wstring& servicePack) {
    if (servicePack.empty())
        return L"";
    const wchar_t first = static_cast<wchar_t>(std::towupper(servicePack[0]));
    if (product == Product::Windows95 && (first == L'B' || first == L'C'))
        return L"OSR2";
    if (product == Product::Windows98 && first == L'A')
        return L"SE";
    return L"";
}

std::wstring NtServicePack(Product product, const TKelOSFacts& facts) {
    const TKelVersion& version = facts.Version;
    if (product == Product::WindowsNT && version.MajorVersion == 4 &&
        SameText(version.ServicePack, L"Service Pack 6") && facts.HasHotfixQ246009)
        return L"Service Pack 6a";
    return version.ServicePack;
}

DWORD BuildNumber(const TKelOSFacts& facts) {
    return std::max(facts.Version.BuildNumber, facts.SystemBuild);
}

// The system's own name, for the NT versions that have none here.
std::wstring SystemProductName(const TKelOSFacts& facts) {
    if (BuildNumber(facts) < FirstWindows11Build)
        return facts.ProductName;
    std::wstring name = facts.ProductName;
    const std::size_t ten = name.find(L"Windows 10");
    if (ten != std::wstring::npos)
        return name.replace(ten, 10, L"Windows 11");
    return name.empty() ? L"Windows 11" : name;
}

void Append(std::wstring& description, const std::wstring& text) {
    if (!text.empty())
        description += L" " + text;
}

void AppendNtDetails(std::wstring& description, Product product, const TKelOSFacts& facts) {
    if (product == Product::WindowsNT)
        Append(description, VersionText(facts.Version));
    Append(description, NtEdition(product, facts));
    Append(description, NtServicePack(product, facts));
    Append(description, L"(Build " + std::to_wstring(BuildNumber(facts)) + L")");
}

TKelVersion ReadVersion() {
    TKelVersion version;
    OSVERSIONINFOEXW extended = {};
    extended.dwOSVersionInfoSize = sizeof(extended);
    OSVERSIONINFOW& basic = reinterpret_cast<OSVERSIONINFOW&>(extended);
    version.ExtendedValid = GetVersionExW(&basic);
    if (!version.ExtendedValid) {
        basic.dwOSVersionInfoSize = sizeof(OSVERSIONINFOW);
        GetVersionExW(&basic);
    }
    version.PlatformId = extended.dwPlatformId;
    version.MajorVersion = extended.dwMajorVersion;
    version.MinorVersion = extended.dwMinorVersion;
    version.BuildNumber = extended.dwBuildNumber;
    version.ServicePack = extended.szCSDVersion;
    version.SuiteMask = extended.wSuiteMask;
    version.ProductType = extended.wProductType;
    return version;
}

// A build number stored as text; 0 when it is none.
DWORD BuildNumberValue(const std::wstring& text) {
    if (text.empty() || text.find_first_not_of(L"0123456789") != std::wstring::npos)
        return 0;
    return static_cast<DWORD>(std::wcstoul(text.c_str(), nullptr, 10));
}

void ReadProductType(TKelOSFacts& facts) {
    TRegAccess registry(KEY_READ);
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    if (!registry.OpenKey(ProductOptionsKey, false) || !registry.ValueExists(L"ProductType"))
        return;
    switch (registry.GetDataType(L"ProductType")) {
    case RegDataKind::String:
    case RegDataKind::ExpandString:
        facts.ProductType = ReadRegString(ProductOptionsKey, L"ProductType", HKEY_LOCAL_MACHINE);
        break;
    case RegDataKind::Integer:
        facts.ProductType = std::to_wstring(registry.ReadInteger(L"ProductType"));
        break;
    default:
        facts.ProductTypeUnsupported = true;
    }
}

} // namespace

std::wstring TKelOSInfo::Describe(const TKelOSFacts& facts) {
    const Platform platform = PlatformOf(facts.Version);
    const Product product = ProductOf(platform, facts.Version);
    std::wstring description =
        product == Product::Unknown ? SystemProductName(facts) : ProductName(product);
    if (platform == Platform::NT)
        AppendNtDetails(description, product, facts);
    else if (platform == Platform::Win9x)
        Append(description, Win9xServicePack(product, facts.Version.ServicePack));
    return description;
}

TKelOSFacts TKelOSInfo::ReadFacts() {
    static const TKelVersion version = ReadVersion();
    TKelOSFacts facts;
    facts.Version = version;
    ReadProductType(facts);
    facts.HasHotfixQ246009 = RegistryKeyExists(HotfixQ246009Key);
    facts.ProductName = ReadRegString(CurrentVersionKey, L"ProductName", HKEY_LOCAL_MACHINE);
    facts.SystemBuild = BuildNumberValue(
        ReadRegString(CurrentVersionKey, L"CurrentBuildNumber", HKEY_LOCAL_MACHINE));
    facts.MediaCenterMetric = GetSystemMetrics(SM_MEDIACENTER);
    facts.TabletPcMetric = GetSystemMetrics(SM_TABLETPC);
    return facts;
}

std::wstring TKelOSInfo::OSDescriptionOf(const TKelOSFacts& facts) {
    try {
        return Describe(facts);
    } catch (const std::exception&) {
        return L"";
    }
}

std::wstring TKelOSInfo::OSDescription() {
    return OSDescriptionOf(ReadFacts());
}

} // namespace corvane
