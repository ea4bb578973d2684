#pragma once

#include <windows.h>

#include <stdexcept>
#include <string>

namespace corvane {

class EKelSysInfo : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// What the system reports about its version.
struct TKelVersion {
    DWORD PlatformId = VER_PLATFORM_WIN32_NT;
    DWORD MajorVersion = 0;
    DWORD MinorVersion = 0;
    DWORD BuildNumber = 0;
    std::wstring ServicePack;   // the system's CSD version text
    bool ExtendedValid = false; // the extended version record could be read
    WORD SuiteMask = 0;
    BYTE ProductType = 0; // VER_NT_WORKSTATION, VER_NT_DOMAIN_CONTROLLER or VER_NT_SERVER
};

// Everything the description is made of.
struct TKelOSFacts {
    TKelVersion Version;
    // "ProductType" of the product options key: its text, or an integer value in decimal;
    // empty when missing.
    std::wstring ProductType;
    bool ProductTypeUnsupported = false; // stored as a type that has no text
    bool HasHotfixQ246009 = false;
    // The system's own name for itself ("ProductName" of the current version key); names the
    // NT versions that have no name of their own here.
    std::wstring ProductName;
    // The build the system holds ("CurrentBuildNumber" of the current version key); 0 when
    // missing. Counts where the version calls say less (a program taken for an older one).
    DWORD SystemBuild = 0;
    int MediaCenterMetric = 0; // SM_MEDIACENTER
    int TabletPcMetric = 0;    // SM_TABLETPC
};

class TKelOSInfo {
  public:
    // One line such as "Windows XP Home Edition Service Pack 2 (Build 2600)". Throws
    // EKelSysInfo for an unknown platform, and for an unsupported "ProductType" when the
    // edition has to be taken from it.
    static std::wstring Describe(const TKelOSFacts& facts);

    // The facts of the running system; the version record is read once.
    static TKelOSFacts ReadFacts();

    // The description, or the empty text when it cannot be made.
    static std::wstring OSDescriptionOf(const TKelOSFacts& facts);
    // The description of the running system, or the empty text when it cannot be made.
    static std::wstring OSDescription();
};

} // namespace corvane
