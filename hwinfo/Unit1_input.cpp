#include "hwinfo/Unit1.h"

#include "registry/RegHelpers.h"

namespace corvane {

namespace {

const int KeyboardImageIndex = 3;
const int PointingDeviceImageIndex = 4;

// The class driver's instance "1" and the facts of its device key.
struct TInputDevice {
    std::wstring Instance;
    std::wstring Description; // "DeviceDesc" as stored
    std::wstring Driver;
};

TInputDevice ReadInputDevice(const TRegTextSource& registry, const std::wstring& classService) {
    TInputDevice device;
    device.Instance = registry(HKEY_LOCAL_MACHINE, ServiceEnumKey(classService), L"1");
    const std::wstring deviceKey = MachineEnumKey + device.Instance;
    device.Description = registry(HKEY_LOCAL_MACHINE, deviceKey, L"DeviceDesc");
    device.Driver =
        ServiceDriverText(registry, registry(HKEY_LOCAL_MACHINE, deviceKey, L"Service"));
    return device;
}

std::wstring HandednessText(const std::wstring& swapped) {
    if (swapped == L"0")
        return L"Right Handed Operation";
    if (swapped == L"1")
        return L"Left Handed Operation";
    return swapped;
}

} // namespace

std::vector<TInfoRow> KeyboardPageRows(const TInputPageSources& sources) {
    const TInputDevice device = ReadInputDevice(sources.Registry, L"Kbdclass");
    const auto keyboard = [&](const wchar_t* property) {
        return sources.Wmi(L"Win32_Keyboard", property);
    };
    const auto setting = [&](const wchar_t* name) {
        return sources.Registry(HKEY_CURRENT_USER, L"Control Panel\\Keyboard", name);
    };
    return {
        HeadingRow(L"Keyboard", KeyboardImageIndex),
        DataRow(L"Description",
                RemoveText(L"@keyboard.inf,%*pnp0303.devicedesc%;", device.Description)),
        DataRow(L"Name", keyboard(L"Name")),
        DataRow(L"Layout", keyboard(L"Layout")),
        DataRow(L"PNP Device ID", UpperText(device.Instance)),
        DataRow(L"Number Of Function Keys", keyboard(L"NumberOfFunctionKeys")),
        DataRow(L"Delay", setting(L"KeyboardDelay")),
        DataRow(L"Speed", setting(L"KeyboardSpeed")),
        DataRow(L"Driver", device.Driver),
    };
}

std::vector<TInfoRow> PointingDevicePageRows(const TInputPageSources& sources) {
    const TInputDevice device = ReadInputDevice(sources.Registry, L"Mouclass");
    const auto setting = [&](const wchar_t* name) {
        return sources.Registry(HKEY_CURRENT_USER, L"Control Panel\\Mouse", name);
    };
    return {
        HeadingRow(L"Pointing Device", PointingDeviceImageIndex),
        DataRow(L"Description",
                RemoveText(L"@msmouse.inf,%*pnp0f03.devicedesc%;", device.Description)),
        DataRow(L"Number of Buttons", std::to_wstring(sources.MouseButtons())),
        DataRow(L"Status", L"OK"),
        DataRow(L"PNP Device ID", device.Instance),
        DataRow(L"Power Management Supported",
                sources.Wmi(L"Win32_PointingDevice", L"PowerManagementSupported")),
        DataRow(L"X/Y Threshold",
                setting(L"MouseThreshold1") + L" / " + setting(L"MouseThreshold2")),
        DataRow(L"Handedness", HandednessText(setting(L"SwapMouseButtons"))),
        DataRow(L"Speed", setting(L"MouseSpeed")),
        DataRow(L"Double Click Speed", setting(L"DoubleClickSpeed")),
        DataRow(L"Sensitivity", setting(L"MouseSensitivity")),
        DataRow(L"Driver", device.Driver),
    };
}

void TForm1::Action4Execute() {
    TPageFill fill(*this, TInfoTab::Component);
    Standar();
    ShowPageRows(*this, *LV1, &ImageList4, KeyboardPageRows(InputSources), TFirstRow::NotSelected);
}

void TForm1::Action5Execute() {
    TPageFill fill(*this, TInfoTab::Component);
    Standar();
    ShowPageRows(*this, *LV1, &ImageList4, PointingDevicePageRows(InputSources),
                 TFirstRow::NotSelected);
}

} // namespace corvane
