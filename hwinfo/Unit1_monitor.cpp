#include "hwinfo/Unit1.h"

namespace {

// Left unset, the heading shows the list's first picture: the monitor.
const int MonitorImageIndex = 0;
const int MonitorClassInstances = 11;

void AddMonitorRows(std::vector<TInfoRow>& rows, const TMonitorPageSources& sources,
                    const std::wstring& classKey, const std::wstring& description) {
    const auto driverText = [&](const wchar_t* name) {
        return sources.Registry(HKEY_LOCAL_MACHINE, classKey, name);
    };
    const auto screen = [&](const wchar_t* property) {
        return sources.Wmi(L"Win32_DesktopMonitor", property);
    };
    const std::wstring maxResolution = driverText(L"MaxResolution");
    const std::vector<TInfoRow> group = {
        DataRow(L"Device Descripton", description),
        DataRow(L"Max Resolution", maxResolution.empty() ? L"Not Available" : maxResolution),
        DataRow(L"Driver Version", driverText(L"DriverVersion")),
        DataRow(L"Driver Date", driverText(L"DriverDate")),
        DataRow(L"InfPath", driverText(L"InfPath")),
        DataRow(L"InfSection", driverText(L"InfSection")),
        DataRow(L"Screen Height", screen(L"ScreenHeight")),
        DataRow(L"Screen Width", screen(L"ScreenWidth")),
        DataRow(L"PixelsPerXLogicalInch", screen(L"PixelsPerXLogicalInch")),
        DataRow(L"PixelsPerYLogicalInch", screen(L"PixelsPerYLogicalInch")),
        DataRow(L"PNP Device ID", screen(L"PNPDeviceID")),
        DataRow(L"Manufacturer", screen(L"MonitorManufacturer")),
    };
    rows.insert(rows.end(), group.begin(), group.end());
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
    return rows;
}

void TForm1::Action1Execute() {
    TPageFill fill(*this, TInfoTab::Component);
    Standar();
    ShowPageRows(*this, *LV1, &ImageList4, MonitorPageRows(MonitorSources), TFirstRow::NotSelected);
}
