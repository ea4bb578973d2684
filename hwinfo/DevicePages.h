#pragma once
// Rows of the device pages (drives, input devices, USB, monitor, modem, sound, printer and
// ports) and the sources they are read from; tests put stand-ins into the sources.

#include "hwinfo/Un_Tambahan.h"

#include "toolkit/ImageList.h"
#include "toolkit/ListView.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace corvane {

class TForm1;

// A string value of a registry key (empty on any failure).
using TRegTextSource =
    std::function<std::wstring(HKEY root, const std::wstring& key, const std::wstring& name)>;

std::wstring RegistryText(HKEY root, const std::wstring& key, const std::wstring& name);

struct TClusterFigures {
    DWORD SectorsPerCluster;
    DWORD BytesPerSector;
    DWORD FreeClusters;
    DWORD TotalClusters;
};

std::optional<TClusterFigures> ReadClusterFigures(const std::wstring& root);

struct TDrivePageSources {
    TRegTextSource Registry = RegistryText;
    std::function<DWORD()> LogicalDrives = [] { return GetLogicalDrives(); };
    std::function<UINT(const std::wstring& root)> DriveType = [](const std::wstring& root) {
        return GetDriveTypeW(root.c_str());
    };
    std::function<bool(wchar_t letter)> MediumLoaded = DiskInDrive;
    std::function<std::wstring(wchar_t letter, TVolumeField field)> Volume = GetVolumeField;
    std::function<std::optional<TDiskBytes>(const std::wstring& root)> DiskBytes = ReadDiskBytes;
    std::function<std::optional<TClusterFigures>(const std::wstring& root)> Clusters =
        ReadClusterFigures;
};

struct TInputPageSources {
    TRegTextSource Registry = RegistryText;
    TWmiSource Wmi = LocalWmiProperty;
    std::function<int()> MouseButtons = [] { return GetSystemMetrics(SM_CMOUSEBUTTONS); };
};

struct TUsbPageSources {
    TRegTextSource Registry = RegistryText;
};

struct TMonitorPageSources {
    TRegTextSource Registry = RegistryText;
    TWmiSource Wmi = LocalWmiProperty;
};

struct TModemPageSources {
    TRegTextSource Registry = RegistryText;
};

struct TSoundPageSources {
    TRegTextSource Registry = RegistryText;
    TWmiSource Wmi = LocalWmiProperty;
    std::function<std::wstring()> SystemDir = GetSystemDir;
};

struct TPortsPageSources {
    TRegTextSource Registry = RegistryText;
    TWmiSource Wmi = LocalWmiProperty;
};

std::vector<TInfoRow> CdromPageRows(const TDrivePageSources& sources);
std::vector<TInfoRow> StoragePageRows(const TDrivePageSources& sources);
std::vector<TInfoRow> KeyboardPageRows(const TInputPageSources& sources);
std::vector<TInfoRow> PointingDevicePageRows(const TInputPageSources& sources);
std::vector<TInfoRow> UsbPageRows(const TUsbPageSources& sources);
std::vector<TInfoRow> MonitorPageRows(const TMonitorPageSources& sources);
std::vector<TInfoRow> ModemPageRows(const TModemPageSources& sources);
std::vector<TInfoRow> SoundDevicePageRows(const TSoundPageSources& sources);
std::vector<TInfoRow> PrinterPageRows(const TSoundPageSources& sources);
std::vector<TInfoRow> PortsPageRows(const TPortsPageSources& sources);

// The USB devices of the registry as the USB page lists them, or as the Ports page does
// (which also looks at disk instance "0" and drops devices without a description).
enum class TUsbListing { UsbPage, PortsPage };
std::vector<TInfoRow> UsbDeviceRows(const TRegTextSource& registry, TUsbListing listing);

// Shared pieces of the device pages.
extern const std::wstring MachineEnumKey; // SYSTEM\CurrentControlSet\Enum\ (with the "\")
std::wstring LowerText(const std::wstring& text);
std::wstring UpperText(const std::wstring& text);
// The key that lists a service's device instances as values "0", "1", ...
std::wstring ServiceEnumKey(const std::wstring& service);
// The driver file of a service: DriverFilePath of its "ImagePath" under the system root.
std::wstring ServiceDriverText(const TRegTextSource& registry, const std::wstring& service);
// The full path of a driver file from the service's "ImagePath", in lower case (A to Z
// only): a relative path or one under "\SystemRoot\" is placed under the system root, a
// drive path (also behind "\??\") stays as it is. Empty when the image path is.
std::wstring DriverFilePath(const std::wstring& imagePath, const std::wstring& systemRoot);
// A device class instance key: the class key, "\000" and the number in plain decimal.
std::wstring ClassInstanceKey(const std::wstring& classGuid, int number);
// Device classes that both the System Summary and a device page walk, and the
// kernel-streaming filters of a sound device, exactly as its driver lists them.
inline const wchar_t* const MonitorClassGuid = L"{4D36E96E-E325-11CE-BFC1-08002BE10318}";
inline const wchar_t* const MediaClassGuid = L"{4D36E96C-E325-11CE-BFC1-08002BE10318}";
inline const wchar_t* const SoundDeviceFilters = L"wdmaud,swmidi,redbook";

enum class TFirstRow { Selected, NotSelected };
// Replaces the list's rows; images null leaves the list's small images as they are.
void ShowPageRows(TForm1& form, tk::ListView& list, tk::ImageList* images,
                  const std::vector<TInfoRow>& rows, TFirstRow firstRow);

} // namespace corvane
