#include "device_sources_fake.h"

#include <gtest/gtest.h>

namespace {

using namespace device_fakes;

class InputPagesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        sources.Registry = registry.Source();
        sources.Wmi = wmi.Source();
        sources.MouseButtons = [] { return 3; };
        registry.Set(WindowsNtKey, L"SystemRoot", L"C:\\WINDOWS");
    }

    void AddDevice(const std::wstring& classService, const std::wstring& instance,
                   const std::wstring& description, const std::wstring& service) {
        registry.Set(ServicesKey + classService + L"\\Enum", L"1", instance);
        registry.Set(EnumKey + instance, L"DeviceDesc", description);
        registry.Set(EnumKey + instance, L"Service", service);
        registry.Set(ServicesKey + service, L"ImagePath",
                     L"System32\\DRIVERS\\" + service + L".sys");
    }

    void SetMouse(const std::wstring& name, const std::wstring& value) {
        registry.Set(L"Control Panel\\Mouse", name, value, HKEY_CURRENT_USER);
    }

    static std::wstring ValueOf(const std::vector<TInfoRow>& rows, const std::wstring& caption) {
        for (const TInfoRow& row : rows)
            if (row.Caption == caption)
                return row.Value;
        ADD_FAILURE() << "no row " << std::string(caption.begin(), caption.end());
        return L"";
    }

    FakeRegistry registry;
    FakeWmi wmi;
    TInputPageSources sources;
};

} // namespace

TEST_F(InputPagesTest, KeyboardShowsTheSecondClassDriverInstance) {
    registry.Set(ServicesKey + L"Kbdclass\\Enum", L"0", L"ACPI\\First");
    AddDevice(L"Kbdclass", L"Acpi\\Pnp0303\\4&1",
              L"@keyboard.inf,%*pnp0303.devicedesc%;Standard Keyboard", L"i8042prt");
    wmi.Set(L"Win32_Keyboard", L"Name", L"Enhanced Keyboard");
    wmi.Set(L"Win32_Keyboard", L"Layout", L"00000409");
    wmi.Set(L"Win32_Keyboard", L"NumberOfFunctionKeys", L"12");
    registry.Set(L"Control Panel\\Keyboard", L"KeyboardDelay", L"1", HKEY_CURRENT_USER);
    registry.Set(L"Control Panel\\Keyboard", L"KeyboardSpeed", L"31", HKEY_CURRENT_USER);

    const std::vector<TInfoRow> rows = KeyboardPageRows(sources);
    const RowTexts expected = {
        {L"Keyboard", L""},
        {L"Description", L"Standard Keyboard"},
        {L"Name", L"Enhanced Keyboard"},
        {L"Layout", L"00000409"},
        {L"PNP Device ID", L"ACPI\\PNP0303\\4&1"},
        {L"Number Of Function Keys", L"12"},
        {L"Delay", L"1"},
        {L"Speed", L"31"},
        {L"Driver", L"c:\\windows\\system32\\drivers\\i8042prt.sys"},
    };
    EXPECT_EQ(expected, Shown(rows, 0));
    EXPECT_EQ(TInfoRowKind::Heading, rows[0].Kind);
    EXPECT_EQ(3, rows[0].ImageIndex);
}

TEST_F(InputPagesTest, KeyboardWithOnlyTheFirstInstanceHasEmptyDeviceFacts) {
    registry.Set(ServicesKey + L"Kbdclass\\Enum", L"0", L"ACPI\\First");
    wmi.Set(L"Win32_Keyboard", L"Layout", L"00000409");
    const std::vector<TInfoRow> rows = KeyboardPageRows(sources);
    EXPECT_EQ(L"", ValueOf(rows, L"Description"));
    EXPECT_EQ(L"", ValueOf(rows, L"PNP Device ID"));
    EXPECT_EQ(L"", ValueOf(rows, L"Driver"));
    EXPECT_EQ(L"00000409", ValueOf(rows, L"Layout"));
}

TEST_F(InputPagesTest, PointingDeviceShowsItsFactsAndMouseSettings) {
    AddDevice(L"Mouclass", L"Acpi\\Pnp0f03\\4&1", L"@msmouse.inf,%*pnp0f03.devicedesc%;PS/2 Mouse",
              L"i8042prt");
    wmi.Set(L"Win32_PointingDevice", L"PowerManagementSupported", L"False");
    SetMouse(L"MouseThreshold1", L"6");
    SetMouse(L"MouseThreshold2", L"10");
    SetMouse(L"SwapMouseButtons", L"1");
    SetMouse(L"MouseSpeed", L"1");
    SetMouse(L"DoubleClickSpeed", L"500");
    SetMouse(L"MouseSensitivity", L"10");

    const std::vector<TInfoRow> rows = PointingDevicePageRows(sources);
    ASSERT_EQ(12u, rows.size());
    EXPECT_EQ(L"Pointing Device", rows[0].Caption);
    EXPECT_EQ(4, rows[0].ImageIndex);
    EXPECT_EQ(L"PS/2 Mouse", ValueOf(rows, L"Description"));
    EXPECT_EQ(L"3", ValueOf(rows, L"Number of Buttons"));
    EXPECT_EQ(L"OK", ValueOf(rows, L"Status"));
    EXPECT_EQ(L"Acpi\\Pnp0f03\\4&1", ValueOf(rows, L"PNP Device ID"));
    EXPECT_EQ(L"False", ValueOf(rows, L"Power Management Supported"));
    EXPECT_EQ(L"6 / 10", ValueOf(rows, L"X/Y Threshold"));
    EXPECT_EQ(L"Left Handed Operation", ValueOf(rows, L"Handedness"));
    EXPECT_EQ(L"500", ValueOf(rows, L"Double Click Speed"));
    EXPECT_EQ(L"10", ValueOf(rows, L"Sensitivity"));
    EXPECT_EQ(L"c:\\windows\\system32\\drivers\\i8042prt.sys", ValueOf(rows, L"Driver"));
}

TEST_F(InputPagesTest, HandednessNamesOnlyTheStoredZeroAndOne) {
    EXPECT_EQ(L"", ValueOf(PointingDevicePageRows(sources), L"Handedness"));
    EXPECT_EQ(L" / ", ValueOf(PointingDevicePageRows(sources), L"X/Y Threshold"));
    SetMouse(L"SwapMouseButtons", L"0");
    EXPECT_EQ(L"Right Handed Operation", ValueOf(PointingDevicePageRows(sources), L"Handedness"));
    SetMouse(L"SwapMouseButtons", L"2");
    EXPECT_EQ(L"2", ValueOf(PointingDevicePageRows(sources), L"Handedness"));
}

TEST_F(InputPagesTest, DriverRowsOfEveryDevicePageResolveTheImagePath) {
    const std::pair<std::wstring, std::wstring> imagePaths[] = {
        {L"System32\\DRIVERS\\Dev.sys", L"c:\\windows\\system32\\drivers\\dev.sys"},
        {L"\\SystemRoot\\System32\\DRIVERS\\Dev.sys", L"c:\\windows\\system32\\drivers\\dev.sys"},
        {L"\\??\\D:\\Drivers\\Dev.sys", L"d:\\drivers\\dev.sys"},
        {L"D:\\Drivers\\Dev.sys", L"d:\\drivers\\dev.sys"},
        {L"", L""},
    };
    AddDevice(L"Kbdclass", L"ACPI\\PNP0303\\1", L"Keyboard", L"i8042prt");
    AddDevice(L"Mouclass", L"ACPI\\PNP0F03\\1", L"Mouse", L"i8042prt");
    registry.Set(ServicesKey + L"Cdrom\\Enum", L"0", L"IDE\\CdRom\\1");
    wmi.Set(L"Win32_ParallelPort", L"Name", L"LPT1");
    TDrivePageSources drives;
    drives.Registry = registry.Source();
    drives.LogicalDrives = [] { return DWORD(0); };
    TPortsPageSources ports;
    ports.Registry = registry.Source();
    ports.Wmi = wmi.Source();
    for (const auto& [imagePath, shown] : imagePaths) {
        for (const wchar_t* service : {L"i8042prt", L"Cdrom", L"Parport"})
            registry.Set(ServicesKey + service, L"ImagePath", imagePath);
        const std::string path(imagePath.begin(), imagePath.end());
        EXPECT_EQ(shown, ValueOf(KeyboardPageRows(sources), L"Driver")) << path;
        EXPECT_EQ(shown, ValueOf(PointingDevicePageRows(sources), L"Driver")) << path;
        EXPECT_EQ(shown, ValueOf(CdromPageRows(drives), L"Driver")) << path;
        EXPECT_EQ(shown, ValueOf(PortsPageRows(ports), L"Driver")) << path;
    }
}
