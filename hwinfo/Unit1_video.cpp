#include "hwinfo/Unit1.h"

#include <cerrno>
#include <cwchar>
#include <cwctype>

namespace corvane {

namespace {

const int VideoImageIndex = 3;
const wchar_t* const NotAvailable = L"Not Available";
const std::wstring ControlSet = L"SYSTEM\\CurrentControlSet\\";
const std::uint64_t Megabyte = 1048576;

// The chain of keys from the device map to the driver's class key.
struct TVideoKeys {
    std::wstring Device; // under HKEY_LOCAL_MACHINE and HKEY_CURRENT_CONFIG
    std::wstring Instance;
    std::wstring Enum;
    std::wstring Class;
    std::wstring Service;
    std::wstring ServiceName;
};

TVideoKeys FollowVideoKeys(const TRegStringSource& regString) {
    TVideoKeys keys;
    keys.Device =
        RemoveText(L"\\Registry\\Machine\\", regString(L"HARDWARE\\DEVICEMAP\\VIDEO",
                                                       L"\\Device\\Video0", HKEY_LOCAL_MACHINE));
    keys.ServiceName =
        regString(RemoveText(L"0000", keys.Device) + L"Video", L"Service", HKEY_LOCAL_MACHINE);
    keys.Service = ControlSet + L"Services\\" + keys.ServiceName;
    keys.Instance = regString(keys.Service + L"\\Enum", L"0", HKEY_LOCAL_MACHINE);
    keys.Enum = ControlSet + L"Enum\\" + keys.Instance;
    keys.Class =
        ControlSet + L"Control\\Class\\" + regString(keys.Enum, L"Driver", HKEY_LOCAL_MACHINE);
    return keys;
}

// A whole number of bytes as WMI writes it (unsigned, also 2 GiB and more).
bool ParseByteCount(const std::wstring& text, std::uint64_t& bytes) {
    if (text.empty() || !std::iswdigit(text.front()))
        return false;
    wchar_t* end = nullptr;
    errno = 0;
    bytes = std::wcstoull(text.c_str(), &end, 10);
    return errno == 0 && end == text.c_str() + text.size();
}

// Nearest whole megabytes, a half rounded up.
std::wstring AdapterRamText(const std::wstring& bytesText) {
    std::uint64_t bytes = 0;
    if (!ParseByteCount(bytesText, bytes))
        return NotAvailable;
    const std::uint64_t megabytes = bytes / Megabyte + (bytes % Megabyte >= Megabyte / 2 ? 1 : 0);
    return megabytes == 0 ? std::wstring(NotAvailable) : std::to_wstring(megabytes) + L" MB";
}

std::wstring YesWhenOne(std::int32_t value) {
    return value == 1 ? L"Yes" : L"No";
}

std::wstring NumberOrNotAvailable(std::int32_t value, const std::wstring& unit = L"") {
    return value == 0 ? std::wstring(NotAvailable) : std::to_wstring(value) + unit;
}

std::wstring DriverRow(const TVideoPageSources& sources, const TVideoKeys& keys) {
    const TRegTextSource registry = [&](HKEY root, const std::wstring& key,
                                        const std::wstring& name) {
        return sources.regString(key, name, root);
    };
    return ServiceDriverText(registry, keys.ServiceName);
}

// The mode the current configuration keeps for the device, or the display's current mode
// where it keeps none.
TDisplayMode ShownDisplayMode(const TVideoPageSources& sources, const std::wstring& deviceKey) {
    const auto setting = [&](const wchar_t* name) {
        return sources.regInteger(HKEY_CURRENT_CONFIG, deviceKey, name);
    };
    const TDisplayMode kept = {
        setting(L"DefaultSettings.XResolution"), setting(L"DefaultSettings.YResolution"),
        setting(L"DefaultSettings.BitsPerPel"), setting(L"DefaultSettings.VRefresh")};
    const bool keepsNone =
        kept.Width == 0 && kept.Height == 0 && kept.BitsPerPixel == 0 && kept.RefreshRate == 0;
    return keepsNone ? sources.currentMode() : kept;
}

// Empty when the class key names no INF file at all.
std::wstring InfFileText(const TVideoPageSources& sources, const TVideoKeys& keys) {
    const std::wstring path = sources.regString(keys.Class, L"InfPath", HKEY_LOCAL_MACHINE);
    const std::wstring section = sources.regString(keys.Class, L"InfSection", HKEY_LOCAL_MACHINE);
    if (path.empty() && section.empty())
        return L"";
    return path + L" (" + section + L" section)";
}

} // namespace

TDisplayMode ReadCurrentDisplayMode() {
    DEVMODEW mode = {};
    mode.dmSize = sizeof(mode);
    if (!EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &mode))
        return {};
    return {static_cast<std::int32_t>(mode.dmPelsWidth),
            static_cast<std::int32_t>(mode.dmPelsHeight),
            static_cast<std::int32_t>(mode.dmBitsPerPel),
            static_cast<std::int32_t>(mode.dmDisplayFrequency)};
}

std::vector<TInfoRow> VideoPageRows(const TVideoPageSources& sources) {
    const TVideoKeys keys = FollowVideoKeys(sources.regString);
    const auto machine = [&](const wchar_t* name) {
        return sources.regInteger(HKEY_LOCAL_MACHINE, keys.Device, name);
    };
    const auto wmi = [&](const wchar_t* name) {
        return sources.wmi(L"Win32_VideoController", name);
    };
    const auto enumValue = [&](const wchar_t* name) {
        return sources.regString(keys.Enum, name, HKEY_LOCAL_MACHINE);
    };
    const auto classValue = [&](const wchar_t* name) {
        return sources.regString(keys.Class, name, HKEY_LOCAL_MACHINE);
    };
    const std::wstring description = VideoAdapterName([&](const wchar_t* name) {
        return sources.regString(keys.Device, name, HKEY_LOCAL_MACHINE);
    });
    const std::wstring compatibility = wmi(L"AdapterCompatibility");
    const std::wstring dacType = wmi(L"AdapterDACType");
    const std::wstring ram = wmi(L"AdapterRAM");
    const TDisplayMode mode = ShownDisplayMode(sources, keys.Device);
    return {
        HeadingRow(L"Video Adapter", VideoImageIndex),
        DataRow(L"Device Description", description),
        DataRow(L"Adapter Compatibility", compatibility),
        DataRow(L"Adapter DAC Type", dacType == L"0" ? std::wstring(NotAvailable) : dacType),
        DataRow(L"Adapter RAM", AdapterRamText(ram)),
        DataRow(L"Location Information", enumValue(L"LocationInformation")),
        DataRow(L"PNP Device ID", keys.Instance),
        DataRow(L"Manufacturer", enumValue(L"Mfg")),
        DataRow(L"Screen Resolution",
                std::to_wstring(mode.Width) + L"x" + std::to_wstring(mode.Height) + L" pixels"),
        DataRow(L"Color Quality", NumberOrNotAvailable(mode.BitsPerPixel, L" Bits")),
        DataRow(L"Refresh Rate", NumberOrNotAvailable(mode.RefreshRate, L" Hz")),
        DataRow(L"Vga Compatible", YesWhenOne(machine(L"VgaCompatible"))),
        DataRow(L"Video Capture", YesWhenOne(machine(L"USE_VideoCapture"))),
        DataRow(L"Overlay Saturation", NumberOrNotAvailable(machine(L"Overlay_Saturation"))),
        DataRow(L"Overlay_Brightness", NumberOrNotAvailable(machine(L"Overlay_Brightness"))),
        DataRow(L"Overlay_Contrast", NumberOrNotAvailable(machine(L"Overlay_Contrast"))),
        DataRow(L"Overlay Hue", YesWhenOne(machine(L"Overlay_Hue"))),
        DataRow(L"Overlay InDuoView to TV", YesWhenOne(machine(L"Overlay_InDuoView_toTV"))),
        DataRow(L"Overlay to IGA2", YesWhenOne(machine(L"Overlay_to_IGA2"))),
        DataRow(L"Over Ride Monitor Power", YesWhenOne(machine(L"OverRideMonitorPower"))),
        DataRow(L"Progressive Scan", YesWhenOne(machine(L"ProgressiveScan"))),
        DataRow(L"Driver", DriverRow(sources, keys)),
        DataRow(L"Driver Version", classValue(L"DriverVersion")),
        DataRow(L"Driver Date", classValue(L"DriverDate")),
        DataRow(L"INF File", InfFileText(sources, keys)),
    };
}

std::wstring VideoAdapterName(const std::function<std::wstring(const wchar_t* name)>& deviceValue) {
    const std::wstring description = deviceValue(L"Device Description");
    return description.empty() ? deviceValue(L"DriverDesc") : description;
}

void TForm1::Action17Execute() {
    TPageFill fill(*this, TInfoTab::System);
    ShowSystemRows(*this, VideoPageRows(VideoSources));
}

} // namespace corvane
