#include "hwinfo/Unit1.h"

namespace corvane {

namespace {

// Left unset, the heading shows the list's first picture: the monitor.
const int MonitorImageIndex = 0;
const int MonitorClassInstances = 11;
const wchar_t* const DesktopMonitorClass = L"Win32_DesktopMonitor";

// The screen figures of the last desktop monitor that WMI lists.
std::vector<TInfoRow> DesktopMonitorRows(const TMonitorPageSources& sources) {
    const auto screen = [&](const wchar_t* property) {
        return sources.Wmi(DesktopMonitorClass, property);
    };
    return {
        DataRow(L"Screen Height", screen(L"ScreenHeight")),
        DataRow(L"Screen Width", screen(L"ScreenWidth")),
        DataRow(L"PixelsPerXLogicalInch", screen(L"PixelsPerXLogicalInch")),
        DataRow(L"PixelsPerYLogicalInch", screen(L"PixelsPerYLogicalInch")),
        DataRow(L"PNP Device ID", screen(L"PNPDeviceID")),
        DataRow(L"Manufacturer", screen(L"MonitorManufacturer")),
    };
}

void Append(std::vector<TInfoRow>& rows, const std::vector<TInfoRow>& more) {
    rows.insert(rows.end(), more.begin(), more.end());
}

void AddMonitorRows(std::vector<TInfoRow>& rows, const TMonitorPageSources& sources,
                    const std::wstring& classKey, const std::wstring& description) {
    const auto driverText = [&](const wchar_t* name) {
        return sources.Registry(HKEY_LOCAL_MACHINE, classKey, name);
    };
    const std::wstring maxResolution = driverText(L"MaxResolution");
    Append(rows,
           {
               DataRow(L"Device Descripton", description),
               DataRow(L"Max Resolution", maxResolution.empty() ? L"Not Available" : maxResolution),
               DataRow(L"Driver Version", driverText(L"DriverVersion")),
               DataRow(L"Driver Date", driverText(L"DriverDate")),
               DataRow(L"InfPath", driverText(L"InfPath")),
               DataRow(L"InfSection", driverText(L"InfSection")),
           });
    Append(rows, DesktopMonitorRows(sources));
}

// Where no class key names a monitor: the desktop monitor that WMI knows, or a lone
// "Not Available" under the heading.
std::vector<TInfoRow> WmiMonitorRows(const TMonitorPageSources& sources) {
    std::vector<TInfoRow> rows = {HeadingRow(L"Monitor", MonitorImageIndex)};
    const std::wstring name = sources.Wmi(DesktopMonitorClass, L"Name");
    if (name.empty()) {
        rows.push_back(DataRow(L"Not Available", L""));
        return rows;
    }
    rows.push_back(DataRow(L"Device Descripton", name));
    Append(rows, DesktopMonitorRows(sources));
    return rows;
}

} // namespace

std::vector<TInfoRow> MonitorPageRows(const TMonitorPageSources& sources) {
    std::vector<TInfoRow> rows;
    for (int n = 0; n < MonitorClassInstances; ++n) {
        const std::wstring classKey = ClassInstanceKey(MonitorClassGuid, n);
        if (sources.Registry(HKEY_LOCAL_MACHINE, classKey, L"DPMS") != L"1")
            continue;
        rows.push_back(HeadingRow(L"Monitor", MonitorImageIndex));
        const std::wstring description =
            sources.Registry(HKEY_LOCAL_MACHINE, classKey, L"DriverDesc");
        if (!description.empty())
            AddMonitorRows(rows, sources, classKey, description);
    }
    return rows.empty() ? WmiMonitorRows(sources) : rows;
}

void TForm1::Action1Execute() {
    TPageFill fill(*this, TInfoTab::Component);
    Standar();
    ShowPageRows(*this, *LV1, &ImageList4, MonitorPageRows(MonitorSources), TFirstRow::NotSelected);
}

} // namespace corvane
