// Pages that walk device class keys: Monitor, Modem and Sound Device, and the Printer page.
#include "device_sources_fake.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace device_fakes;

const std::wstring MonitorClass = ClassKey + L"{4D36E96E-E325-11CE-BFC1-08002BE10318}\\";
const std::wstring ModemClass = ClassKey + L"{4D36E96D-E325-11CE-BFC1-08002BE10318}\\";
const std::wstring MediaClass = ClassKey + L"{4D36E96C-E325-11CE-BFC1-08002BE10318}\\";

class ClassPagesTest : public ::testing::Test {
  protected:
    void AddMonitor(const std::wstring& name, const std::wstring& description) {
        registry.Set(MonitorClass + name, L"DPMS", L"1");
        registry.Set(MonitorClass + name, L"DriverDesc", description);
    }
    void AddModem(const std::wstring& name) {
        registry.Set(ModemClass + name, L"FriendlyName", L"Modem " + name);
    }
    void AddSoundDevice(const std::wstring& name, const std::wstring& filters) {
        registry.Set(MediaClass + name, L"AssociatedFilters", filters);
        registry.Set(MediaClass + name, L"DriverDesc", L"Sound " + name);
    }
    std::vector<TInfoRow> MonitorRows() {
        TMonitorPageSources sources;
        sources.Registry = registry.Source();
        sources.Wmi = wmi.Source();
        return MonitorPageRows(sources);
    }
    std::vector<TInfoRow> ModemRows() {
        TModemPageSources sources;
        sources.Registry = registry.Source();
        return ModemPageRows(sources);
    }
    TSoundPageSources SoundSources() {
        TSoundPageSources sources;
        sources.Registry = registry.Source();
        sources.Wmi = wmi.Source();
        sources.SystemDir = [] { return std::wstring(L"C:\\WINDOWS\\System32"); };
        return sources;
    }
    bool KeyWasRead(const std::wstring& key) const {
        const auto& keys = registry.ReadKeys();
        return std::find(keys.begin(), keys.end(), key) != keys.end();
    }

    FakeRegistry registry;
    FakeWmi wmi;
};

} // namespace

TEST_F(ClassPagesTest, MonitorPageWithoutPowerManagedMonitorsOrWmiSaysNotAvailable) {
    registry.Set(MonitorClass + L"0000", L"DPMS", L"0");
    registry.Set(MonitorClass + L"0000", L"DriverDesc", L"Plug and Play Monitor");
    EXPECT_EQ((RowTexts{{L"Monitor", L""}, {L"Not Available", L""}}), Shown(MonitorRows(), 0));
}

TEST_F(ClassPagesTest, MonitorGroupShowsDriverAndDesktopMonitorFacts) {
    AddMonitor(L"0000", L"Plug and Play Monitor");
    registry.Set(MonitorClass + L"0000", L"DriverVersion", L"6.1.7600.16385");
    registry.Set(MonitorClass + L"0000", L"InfPath", L"monitor.inf");
    AddMonitor(L"0001", L"Second Monitor");
    registry.Set(MonitorClass + L"0001", L"MaxResolution", L"1600,1200");
    wmi.Set(L"Win32_DesktopMonitor", L"ScreenHeight", L"768");
    wmi.Set(L"Win32_DesktopMonitor", L"Name", L"Generic Non-PnP Monitor");
    wmi.Set(L"Win32_DesktopMonitor", L"MonitorManufacturer", L"(Standard monitor types)");

    const std::vector<TInfoRow> rows = MonitorRows();
    ASSERT_EQ(26u, rows.size());
    EXPECT_EQ(L"Monitor", rows[0].Caption);
    EXPECT_EQ(TInfoRowKind::Heading, rows[0].Kind);
    EXPECT_EQ(0, rows[0].ImageIndex);
    const RowTexts first = {
        {L"Device Descripton", L"Plug and Play Monitor"},
        {L"Max Resolution", L"Not Available"},
        {L"Driver Version", L"6.1.7600.16385"},
        {L"Driver Date", L""},
        {L"InfPath", L"monitor.inf"},
        {L"InfSection", L""},
        {L"Screen Height", L"768"},
        {L"Screen Width", L""},
        {L"PixelsPerXLogicalInch", L""},
        {L"PixelsPerYLogicalInch", L""},
        {L"PNP Device ID", L""},
        {L"Manufacturer", L"(Standard monitor types)"},
    };
    EXPECT_EQ(first, Shown(rows, 1, 1 + first.size()));
    EXPECT_EQ(L"Monitor", rows[13].Caption);
    EXPECT_EQ(L"1600,1200", rows[15].Value);
    EXPECT_EQ(L"768", rows[20].Value);
}

TEST_F(ClassPagesTest, MonitorWithoutDescriptionLeavesALoneHeading) {
    registry.Set(MonitorClass + L"0000", L"DPMS", L"1");
    AddMonitor(L"0002", L"Plug and Play Monitor");
    const std::vector<TInfoRow> rows = MonitorRows();
    ASSERT_EQ(1u + 13, rows.size());
    EXPECT_EQ(L"Monitor", rows[1].Caption);
    EXPECT_EQ(L"Plug and Play Monitor", rows[2].Value);
}

TEST_F(ClassPagesTest, MonitorKeysAfterNineArePlainDecimalAfterThreeZeros) {
    AddMonitor(L"00010", L"Tenth");
    AddMonitor(L"0010", L"Never read");
    const std::vector<TInfoRow> rows = MonitorRows();
    ASSERT_EQ(13u, rows.size());
    EXPECT_EQ(L"Tenth", rows[1].Value);
    EXPECT_FALSE(KeyWasRead(MonitorClass + L"0010"));
}

TEST_F(ClassPagesTest, ModemPageWithoutModemsShowsOnlyItsHeading) {
    const std::vector<TInfoRow> rows = ModemRows();
    ASSERT_EQ(1u, rows.size());
    EXPECT_EQ(L"Modem", rows[0].Caption);
    EXPECT_EQ(5, rows[0].ImageIndex);
}

TEST_F(ClassPagesTest, ModemBlocksAfterTheFirstKeyBeginWithABlankRow) {
    AddModem(L"0000");
    AddModem(L"0002");
    const std::vector<TInfoRow> rows = ModemRows();
    ASSERT_EQ(1u + 33 + 1 + 33, rows.size());
    EXPECT_EQ(L"Modem 0000", rows[1].Value);
    EXPECT_EQ(TInfoRowKind::Blank, rows[34].Kind);
    EXPECT_EQ(L"Modem 0002", rows[35].Value);
}

TEST_F(ClassPagesTest, SingleModemAtALaterKeyIsPrecededByABlankRow) {
    AddModem(L"0003");
    const std::vector<TInfoRow> rows = ModemRows();
    ASSERT_EQ(1u + 1 + 33, rows.size());
    EXPECT_EQ(TInfoRowKind::Blank, rows[1].Kind);
    EXPECT_EQ(L"Name", rows[2].Caption);
}

TEST_F(ClassPagesTest, ModemFactsComeFromTheClassKeyAndItsSettings) {
    AddModem(L"0000");
    registry.Set(ModemClass + L"0000", L"AttachedTo", L"COM3");
    registry.Set(ModemClass + L"0000", L"Reset", L"AT&F<cr>");
    registry.Set(ModemClass + L"0000\\Settings", L"FlowControl_sOft", L"\\Q1");
    registry.Set(ModemClass + L"0000\\Settings", L"Reset", L"wrong key");
    const std::vector<TInfoRow> rows = ModemRows();
    ASSERT_EQ(34u, rows.size());
    EXPECT_EQ(L"COM3", rows[3].Value);
    EXPECT_EQ(L"", rows[2].Value) << "description has no fallback";
    EXPECT_EQ(L"Flow Control Soft", rows[16].Caption);
    EXPECT_EQ(L"\\Q1", rows[16].Value);
    EXPECT_EQ(L"Not Available", rows[15].Value);
    EXPECT_EQ(L"Default", rows[17].Caption);
    EXPECT_EQ(L"Not Available", rows[17].Value);
    EXPECT_EQ(L"Reset", rows[23].Caption);
    EXPECT_EQ(L"AT&F<cr>", rows[23].Value);
    EXPECT_EQ(L"Tone", rows[33].Caption);
    EXPECT_EQ(L"Not Available", rows[33].Value);
}

TEST_F(ClassPagesTest, ModemKeysAfterFiveAreNeverRead) {
    AddModem(L"0006");
    EXPECT_EQ(1u, ModemRows().size());
    EXPECT_FALSE(KeyWasRead(ModemClass + L"0006"));
}

TEST_F(ClassPagesTest, SoundDevicesFollowEachOtherWithoutSeparator) {
    AddSoundDevice(L"0001", L"wdmaud,swmidi,redbook");
    AddSoundDevice(L"0004", L"wdmaud,swmidi,redbook");
    registry.Set(MediaClass + L"0001", L"ProviderName", L"Maker");
    registry.Set(MediaClass + L"0001", L"InfPath", L"oem1.inf");
    registry.Set(MediaClass + L"0001", L"InfSection", L"Audio.Install");
    registry.Set(MediaClass + L"0001", L"Driver", L"Audio.SYS");

    const std::vector<TInfoRow> rows = SoundDevicePageRows(SoundSources());
    ASSERT_EQ(1u + 14, rows.size());
    EXPECT_EQ(L"Sound Device", rows[0].Caption);
    EXPECT_EQ(2, rows[0].ImageIndex);
    const RowTexts first = {
        {L"Description", L"Sound 0001"},
        {L"Manufacturer", L"Maker"},
        {L"Status", L"OK"},
        {L"Driver Version", L""},
        {L"Driver Date", L""},
        {L"INF", L"oem1.inf\\Audio.Install"},
        {L"Driver", L"c:\\windows\\system32\\drivers\\audio.sys"},
    };
    EXPECT_EQ(first, Shown(rows, 1, 1 + first.size()));
    EXPECT_EQ(L"Sound 0004", rows[8].Value);
    EXPECT_EQ(L"\\", rows[13].Value);
}

TEST_F(ClassPagesTest, OnlyTheExactFilterListMakesASoundDevice) {
    AddSoundDevice(L"0000", L"wdmaud,swmidi,redbook,extra");
    AddSoundDevice(L"0001", L"swmidi,wdmaud,redbook");
    AddSoundDevice(L"0002", L"WDMAUD,SWMIDI,REDBOOK");
    EXPECT_EQ(1u, SoundDevicePageRows(SoundSources()).size());
}

TEST_F(ClassPagesTest, PrinterPageShowsTheLastPrinterWmiGives) {
    wmi.Set(L"Win32_Printer", L"Name", L"Office Laser");
    wmi.Set(L"Win32_Printer", L"DriverName", L"Laser Driver");
    wmi.Set(L"Win32_Printer", L"PortName", L"LPT1:");
    const std::vector<TInfoRow> rows = PrinterPageRows(SoundSources());
    ASSERT_EQ(4u, rows.size());
    EXPECT_EQ(L"Printer", rows[0].Caption);
    EXPECT_EQ(7, rows[0].ImageIndex);
    EXPECT_EQ(TInfoRowKind::Heading, rows[0].Kind);
    EXPECT_EQ(L"Office Laser", rows[1].Value);
    EXPECT_EQ(L"Laser Driver", rows[2].Value);
    EXPECT_EQ(L"LPT1:", rows[3].Value);
}

TEST_F(ClassPagesTest, PrinterPageWithoutPrinterSaysNotAvailable) {
    const std::vector<TInfoRow> rows = PrinterPageRows(SoundSources());
    ASSERT_EQ(1u, rows.size());
    EXPECT_EQ(L"Not Available", rows[0].Caption);
    EXPECT_EQ(TInfoRowKind::Data, rows[0].Kind);
    EXPECT_EQ(0, rows[0].ImageIndex);
}
