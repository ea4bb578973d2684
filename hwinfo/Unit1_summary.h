#pragma once
// Sources and rows of the System Summary page.

#include "hwinfo/KelSysInfo.h"
#include "hwinfo/Un_Tambahan.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace corvane {

// Facts of the drives A to K; tests put stand-ins here.
struct TDriveSources {
    std::function<DWORD()> logicalDrives = GetLogicalDrives;
    std::function<UINT(wchar_t letter)> driveType = [](wchar_t letter) {
        return GetDriveTypeW(DriveRoot(letter).c_str());
    };
    std::function<bool(wchar_t letter)> diskInDrive = DiskInDrive;
    std::function<std::optional<TDiskBytes>(const std::wstring& root)> diskBytes = ReadDiskBytes;
    std::function<std::wstring(wchar_t letter, TVolumeField field)> volumeField = GetVolumeField;
};

// Where the System Summary page reads from; tests put stand-ins here.
struct TSummarySources {
    // A string value under HKEY_LOCAL_MACHINE; empty on any failure.
    std::function<std::wstring(const std::wstring& key, const std::wstring& name)> registry;
    TWmiSource wmi = LocalWmiProperty;
    std::function<std::wstring()> systemDir = GetSystemDir;
    std::function<std::wstring()> osDescription = TKelOSInfo::OSDescription;
    TDriveSources drives;
    TSummarySources();
};

// The rows of the System Summary page, top to bottom.
std::vector<TInfoRow> SystemSummaryRows(const TSummarySources& sources);

// One row per drive A to K of a type that is listed (removable, fixed, CD-ROM).
std::vector<TInfoRow> LogicalDriveRows(const TDriveSources& drives);

} // namespace corvane
