#include "device_sources_fake.h"

#include <gtest/gtest.h>

namespace {

using namespace device_fakes;

class UsbListingTest : public ::testing::Test {
  protected:
    void SetEnum(const std::wstring& service, int n, const std::wstring& instance) {
        registry.Set(ServicesKey + service + L"\\Enum", std::to_wstring(n), instance);
    }
    void SetDevice(const std::wstring& instance, const std::wstring& name,
                   const std::wstring& value) {
        registry.Set(EnumKey + instance, name, value);
    }
    // A disk instance whose removable medium has a description.
    void AddRemovableDisk(int n, const std::wstring& instance, const std::wstring& prefix) {
        SetEnum(L"Disk", n, instance);
        SetDevice(instance, L"ParentIdPrefix", prefix);
        SetDevice(instance, L"FriendlyName", L"USB Flash " + std::to_wstring(n));
        registry.Set(EnumKey + L"STORAGE\\RemovableMedia\\" + prefix + L"&RM", L"DeviceDesc",
                     L"Generic volume");
    }
    std::vector<TInfoRow> UsbRows() {
        TUsbPageSources sources;
        sources.Registry = registry.Source();
        return UsbPageRows(sources);
    }
    std::vector<TInfoRow> PortsRows() {
        TPortsPageSources sources;
        sources.Registry = registry.Source();
        sources.Wmi = wmi.Source();
        return PortsPageRows(sources);
    }
    FakeRegistry registry;
    FakeWmi wmi;
};

const std::size_t UsbSectionStart = 24 + 6 + 1; // serial, parallel and the "USB Ports" heading

} // namespace

TEST_F(UsbListingTest, UsbPageWithoutDevicesShowsOnlyItsHeading) {
    const std::vector<TInfoRow> rows = UsbRows();
    ASSERT_EQ(1u, rows.size());
    EXPECT_EQ(L"USB", rows[0].Caption);
    EXPECT_EQ(8, rows[0].ImageIndex);
    EXPECT_EQ(TInfoRowKind::Heading, rows[0].Kind);
}

TEST_F(UsbListingTest, UsbPageWalksEveryEnumKeyInOrder) {
    AddRemovableDisk(0, L"USBSTOR\\Disk&Ven_Zero\\1", L"7&aaa&0");
    AddRemovableDisk(2, L"USBSTOR\\Disk&Ven_Two\\1", L"7&bbb&0");
    SetEnum(L"USBSTOR", 0, L"USB\\Vid_1&Pid_2\\9");
    SetEnum(L"usbhub", 0, L"USB\\ROOT_HUB20\\4&1");
    SetDevice(L"USB\\ROOT_HUB20\\4&1", L"DeviceDesc",
              L"@usbport.inf,%usb\\root_hub20.devicedesc%;USB Root Hub");
    SetEnum(L"usbhub", 3, L"USB\\ROOT_HUB\\4&2");
    SetDevice(L"USB\\ROOT_HUB\\4&2", L"DeviceDesc",
              L"@usbport.inf,%usb\\root_hub.devicedesc%;USB Root Hub (1.1)");
    SetEnum(L"Disk", 3, L"IDE\\Disk\\fixed");
    SetDevice(L"IDE\\Disk\\fixed", L"FriendlyName", L"Fixed disk");
    SetEnum(L"usbuhci", 1, L"PCI\\UHCI");
    SetDevice(L"PCI\\UHCI", L"DeviceDesc",
              L"@usbport.inf,%pci\\ven_1106&dev_3038&cc_0c0300.devicedesc%;VIA UHCI");
    SetEnum(L"usbehci", 6, L"PCI\\EHCI");
    SetDevice(L"PCI\\EHCI", L"DeviceDesc",
              L"@usbport.inf,%pci\\ven_1106&dev_3104.devicedesc%;VIA EHCI");

    const std::vector<TInfoRow> rows = UsbRows();
    const RowTexts expected = {
        {L"Generic volume", L"STORAGE\\REMOVABLEMEDIA\\7&bbb&0&RM"},
        {L"", L"USB\\Vid_1&Pid_2\\9"},
        {L"USB Root Hub", L"USB\\ROOT_HUB20\\4&1"},
        {L"USB Root Hub (1.1)", L"USB\\ROOT_HUB\\4&2"},
        {L"USB Flash 2", L"USBSTOR\\Disk&Ven_Two\\1"},
        {L"VIA UHCI", L"PCI\\UHCI"},
        {L"VIA EHCI", L"PCI\\EHCI"},
    };
    EXPECT_EQ(expected, Shown(rows, 1));
    EXPECT_EQ(TInfoRowKind::Data, rows[1].Kind);
    EXPECT_EQ(-1, rows[1].ImageIndex);
}

TEST_F(UsbListingTest, PortsPageBuildsItsSectionsWhenWmiKnowsNothing) {
    const std::vector<TInfoRow> rows = PortsRows();
    ASSERT_EQ(UsbSectionStart, rows.size());
    EXPECT_EQ(L"Serial Ports", rows[0].Caption);
    EXPECT_EQ(17, rows[0].ImageIndex);
    EXPECT_EQ(TInfoRowKind::Heading, rows[0].Kind);
    for (std::size_t i = 1; i <= 22; ++i)
        EXPECT_EQ(L"", rows[i].Value) << rows[i].Caption.c_str();
    EXPECT_EQ(TInfoRowKind::Blank, rows[23].Kind);
    EXPECT_EQ(L"Parallel Ports", rows[24].Caption);
    const RowTexts parallel = {
        {L"Model", L""}, {L"PNP Device ID", L""}, {L"Device Description", L""}, {L"Driver", L"\\"}};
    EXPECT_EQ(parallel, Shown(rows, 25, 29));
    EXPECT_EQ(TInfoRowKind::Blank, rows[29].Kind);
    EXPECT_EQ(L"USB Ports", rows[30].Caption);
    EXPECT_EQ(16, rows[30].ImageIndex);
}

TEST_F(UsbListingTest, PortsPageTakesTheSerialTypeFromTheSerialPortClass) {
    wmi.Set(L"Win32_SerialPortConfiguration", L"Name", L"COM1");
    wmi.Set(L"Win32_SerialPortConfiguration", L"BaudRate", L"9600");
    wmi.Set(L"Win32_SerialPortConfiguration", L"XOnXOffOutFlowControl", L"True");
    wmi.Set(L"Win32_SerialPort", L"Description", L"Communications Port");
    const std::vector<TInfoRow> rows = PortsRows();
    const RowTexts serial = {
        {L"Model", L"COM1"}, {L"Type", L"Communications Port"}, {L"Baud Rate", L"9600"}};
    EXPECT_EQ(serial, Shown(rows, 1, 4));
    EXPECT_EQ(RowTexts({{L"XOn XOff Output Flow Control", L"True"}}), Shown(rows, 22, 23));
}

TEST_F(UsbListingTest, PortsPageDescribesTheParallelPortFromItsDeviceKey) {
    wmi.Set(L"Win32_ParallelPort", L"Name", L"LPT1");
    wmi.Set(L"Win32_ParallelPort", L"PNPDeviceID", L"ACPI\\PNP0401\\1");
    SetDevice(L"ACPI\\PNP0401\\1", L"DeviceDesc",
              L"@msports.inf,%*pnp0401.devicedesc%;ECP Printer Port");
    registry.Set(WindowsNtKey, L"SystemRoot", L"C:\\WINDOWS");
    registry.Set(ServicesKey + L"Parport", L"ImagePath", L"System32\\DRIVERS\\parport.sys");
    const std::vector<TInfoRow> rows = PortsRows();
    const RowTexts parallel = {{L"Model", L"LPT1"},
                               {L"PNP Device ID", L"ACPI\\PNP0401\\1"},
                               {L"Device Description", L"ECP Printer Port"},
                               {L"Driver", L"c:\\windows\\system32\\drivers\\parport.sys"}};
    EXPECT_EQ(parallel, Shown(rows, 25, 29));
}

TEST_F(UsbListingTest, PortsPageWalksDiskZeroAndDropsDevicesWithoutDescription) {
    AddRemovableDisk(0, L"USBSTOR\\Disk&Ven_Zero\\1", L"7&aaa&0");
    SetEnum(L"Disk", 1, L"IDE\\Disk\\second");
    SetDevice(L"IDE\\Disk\\second", L"FriendlyName", L"Second disk");
    SetEnum(L"USBSTOR", 0, L"USB\\NoDescription");
    SetEnum(L"usbhub", 2, L"USB\\ROOT_HUB\\1");
    SetDevice(L"USB\\ROOT_HUB\\1", L"DeviceDesc",
              L"@usbport.inf,%usb\\root_hub.devicedesc%;USB Root Hub");

    const std::vector<TInfoRow> rows = PortsRows();
    const RowTexts expected = {
        {L"Generic volume", L"STORAGE\\REMOVABLEMEDIA\\7&aaa&0&RM"},
        {L"USB Root Hub", L"USB\\ROOT_HUB\\1"},
        {L"Second disk", L"IDE\\Disk\\second"},
    };
    EXPECT_EQ(expected, Shown(rows, UsbSectionStart));
}
