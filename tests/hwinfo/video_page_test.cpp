#include "system_page_fakes.h"

namespace {

const std::wstring DeviceKey = L"System\\CurrentControlSet\\Control\\Video\\{5A3F}\\0000";
const std::wstring EnumKey = L"SYSTEM\\CurrentControlSet\\Enum\\PCI\\VEN_1002&DEV_5960\\4&1";
const std::wstring ClassKey = L"SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E968}\\0000";
const std::wstring ServiceKey = L"SYSTEM\\CurrentControlSet\\Services\\ati2mtag";
const std::wstring WindowsKey = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";

class VideoPageTest : public SystemPageTest {
  protected:
    // A complete chain of keys from the device map to the driver's class key.
    void SeedAdapter() {
        registry.SetString(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\VIDEO", L"\\Device\\Video0",
                           L"\\Registry\\Machine\\" + DeviceKey);
        registry.SetString(HKEY_LOCAL_MACHINE, DeviceKey, L"Device Description",
                           L"RADEON 9200 PRO");
        registry.SetString(HKEY_LOCAL_MACHINE, DeviceKey, L"DriverDesc", L"Wine Adapter");
        registry.SetString(HKEY_LOCAL_MACHINE,
                           L"System\\CurrentControlSet\\Control\\Video\\{5A3F}\\Video", L"Service",
                           L"ati2mtag");
        registry.SetString(HKEY_LOCAL_MACHINE, ServiceKey + L"\\Enum", L"0",
                           L"PCI\\VEN_1002&DEV_5960\\4&1");
        registry.SetString(HKEY_LOCAL_MACHINE, EnumKey, L"LocationInformation", L"PCI bus 1");
        registry.SetString(HKEY_LOCAL_MACHINE, EnumKey, L"Mfg", L"ATI Technologies Inc.");
        registry.SetString(HKEY_LOCAL_MACHINE, EnumKey, L"Driver", L"{4D36E968}\\0000");
        registry.SetString(HKEY_LOCAL_MACHINE, ClassKey, L"DriverVersion", L"6.14.10.6444");
        registry.SetString(HKEY_LOCAL_MACHINE, ClassKey, L"DriverDate", L"3-9-2004");
        registry.SetString(HKEY_LOCAL_MACHINE, ClassKey, L"InfPath", L"oem3.inf");
        registry.SetString(HKEY_LOCAL_MACHINE, ClassKey, L"InfSection", L"ati2mtag_RV280");
        registry.SetString(HKEY_LOCAL_MACHINE, ServiceKey, L"ImagePath",
                           L"System32\\DRIVERS\\ati2mtag.SYS");
        registry.SetString(HKEY_LOCAL_MACHINE, WindowsKey, L"SystemRoot", L"C:\\WINDOWS");
    }
    void SetDisplay(const wchar_t* name, std::int32_t value) {
        registry.SetInteger(HKEY_CURRENT_CONFIG, DeviceKey, name, value);
    }
    void SetSwitch(const wchar_t* name, std::int32_t value) {
        registry.SetInteger(HKEY_LOCAL_MACHINE, DeviceKey, name, value);
    }
    std::vector<TInfoRow> Rows() { return VideoPageRows(Sources()); }
    TVideoPageSources Sources() {
        return {wmi.Source(), registry.StringSource(), registry.IntegerSource(),
                [this] { return currentMode; }};
    }
    std::wstring RamShown(const std::wstring& bytesText) {
        wmi.Set(L"Win32_VideoController", L"AdapterRAM", bytesText);
        return Rows().at(4).Value;
    }

    FakeRegistry registry;
    FakeWmi wmi;
    TDisplayMode currentMode;
};

} // namespace

TEST_F(VideoPageTest, FollowsTheKeysFromTheDeviceMapToTheDriverClass) {
    SeedAdapter();
    const std::vector<TInfoRow> rows = Rows();

    ASSERT_EQ(25u, rows.size());
    EXPECT_EQ(L"RADEON 9200 PRO", rows[1].Value);
    EXPECT_EQ(L"PCI bus 1", rows[5].Value);
    EXPECT_EQ(L"PCI\\VEN_1002&DEV_5960\\4&1", rows[6].Value);
    EXPECT_EQ(L"ATI Technologies Inc.", rows[7].Value);
    EXPECT_EQ(L"c:\\windows\\system32\\drivers\\ati2mtag.sys", rows[21].Value);
    EXPECT_EQ(L"6.14.10.6444", rows[22].Value);
    EXPECT_EQ(L"3-9-2004", rows[23].Value);
    EXPECT_EQ(L"oem3.inf (ati2mtag_RV280 section)", rows[24].Value);
}

TEST_F(VideoPageTest, AbsentDeviceMapEmptiesTheRegistryRows) {
    const std::vector<TInfoRow> rows = Rows();

    ASSERT_EQ(25u, rows.size());
    for (int row : {1, 5, 6, 7, 21, 22, 23, 24})
        EXPECT_EQ(L"", rows[row].Value) << "row " << row;
    EXPECT_EQ(L"0x0 pixels", rows[8].Value);
    EXPECT_EQ(L"Not Available", rows[9].Value);
    EXPECT_EQ(L"Not Available", rows[10].Value);
    for (int row = 11; row <= 20; ++row)
        EXPECT_NE(L"", rows[row].Value) << "row " << row;
}

TEST_F(VideoPageTest, PrefixIsRemovedOnlyInItsOwnLetterCase) {
    SeedAdapter();
    registry.SetString(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\VIDEO", L"\\Device\\Video0",
                       L"\\REGISTRY\\Machine\\" + DeviceKey);
    EXPECT_EQ(L"", Rows().at(1).Value);
}

TEST_F(VideoPageTest, AdapterMemoryInWholeMegabytes) {
    EXPECT_EQ(L"128 MB", RamShown(L"134217728"));
    EXPECT_EQ(L"2 MB", RamShown(L"1572864"));
    EXPECT_EQ(L"1 MB", RamShown(L"1572863"));
    EXPECT_EQ(L"2048 MB", RamShown(L"2147483648"));
    EXPECT_EQ(L"4096 MB", RamShown(L"4294967295"));
}

TEST_F(VideoPageTest, AdapterMemoryNotAvailableWhenNoneOrUnreadable) {
    EXPECT_EQ(L"Not Available", RamShown(L"0"));
    EXPECT_EQ(L"Not Available", RamShown(L"524287"));
    EXPECT_EQ(L"Not Available", RamShown(L""));
    EXPECT_EQ(L"Not Available", RamShown(L"-1"));
    EXPECT_EQ(L"Not Available", RamShown(L"12 MB"));
}

TEST_F(VideoPageTest, AdapterFactsFromWmi) {
    wmi.Set(L"Win32_VideoController", L"AdapterCompatibility", L"ATI Technologies Inc.");
    wmi.Set(L"Win32_VideoController", L"AdapterDACType", L"0");
    std::vector<TInfoRow> rows = Rows();
    EXPECT_EQ(L"ATI Technologies Inc.", rows[2].Value);
    EXPECT_EQ(L"Not Available", rows[3].Value);

    wmi.Set(L"Win32_VideoController", L"AdapterDACType", L"Internal DAC(400MHz)");
    EXPECT_EQ(L"Internal DAC(400MHz)", Rows().at(3).Value);
}

TEST_F(VideoPageTest, DisplayModeFromTheCurrentConfiguration) {
    SeedAdapter();
    currentMode = {1280, 1024, 32, 60};
    SetDisplay(L"DefaultSettings.XResolution", 1024);
    SetDisplay(L"DefaultSettings.YResolution", 768);
    SetDisplay(L"DefaultSettings.BitsPerPel", 32);
    SetDisplay(L"DefaultSettings.VRefresh", 75);
    SetSwitch(L"DefaultSettings.XResolution", 640);
    const std::vector<TInfoRow> rows = Rows();

    EXPECT_EQ(L"Screen Resolution", rows[8].Caption);
    EXPECT_EQ(L"1024x768 pixels", rows[8].Value);
    EXPECT_EQ(L"32 Bits", rows[9].Value);
    EXPECT_EQ(L"75 Hz", rows[10].Value);
}

TEST_F(VideoPageTest, SwitchesShowYesOnlyForOneAndOverlayLevelsAsNumbers) {
    SeedAdapter();
    SetSwitch(L"VgaCompatible", 2);
    SetSwitch(L"USE_VideoCapture", 1);
    SetSwitch(L"Overlay_Saturation", 2);
    SetSwitch(L"Overlay_Brightness", -5);
    SetSwitch(L"Overlay_Hue", 1);
    SetSwitch(L"ProgressiveScan", 3);
    const std::vector<TInfoRow> rows = Rows();

    EXPECT_EQ(L"No", rows[11].Value);
    EXPECT_EQ(L"Yes", rows[12].Value);
    EXPECT_EQ(L"2", rows[13].Value);
    EXPECT_EQ(L"Overlay_Brightness", rows[14].Caption);
    EXPECT_EQ(L"-5", rows[14].Value);
    EXPECT_EQ(L"Overlay_Contrast", rows[15].Caption);
    EXPECT_EQ(L"Not Available", rows[15].Value);
    EXPECT_EQ(L"Yes", rows[16].Value);
    EXPECT_EQ(L"No", rows[17].Value);
    EXPECT_EQ(L"No", rows[20].Value);
}

TEST_F(VideoPageTest, ServiceWithoutImagePathLeavesDriverEmptyWithoutReadingTheRoot) {
    SeedAdapter();
    registry.SetString(HKEY_LOCAL_MACHINE, ServiceKey, L"ImagePath", L"");
    EXPECT_EQ(L"", Rows().at(21).Value);
    for (const std::wstring& read : registry.reads)
        EXPECT_EQ(std::wstring::npos, read.find(L"SystemRoot"));
}

TEST(DriverFilePath, PlacesRelativePathsUnderTheSystemRoot) {
    EXPECT_EQ(L"c:\\windows\\system32\\drivers\\vga.sys",
              DriverFilePath(L"System32\\DRIVERS\\VGA.SYS", L"C:\\WINDOWS"));
    EXPECT_EQ(L"c:\\windows\\system32\\drivers\\vga.sys",
              DriverFilePath(L"\\SystemRoot\\System32\\DRIVERS\\VGA.SYS", L"C:\\WINDOWS"));
    EXPECT_EQ(L"d:\\drivers\\vga.sys", DriverFilePath(L"D:\\Drivers\\VGA.SYS", L"C:\\WINDOWS"));
    EXPECT_EQ(L"d:\\drivers\\vga.sys",
              DriverFilePath(L"\\??\\D:\\Drivers\\VGA.SYS", L"C:\\WINDOWS"));
    EXPECT_EQ(L"", DriverFilePath(L"", L"C:\\WINDOWS"));
}

TEST(DriverFilePath, LowersAsciiLettersOnly) {
    EXPECT_EQ(L"c:\\win\\\u00C4rger.sys", DriverFilePath(L"\u00C4RGER.SYS", L"C:\\WIN"));
}

TEST_F(VideoPageTest, PageShowsTheRowsWithNoneSelected) {
    SeedAdapter();
    form->VideoSources = {wmi.Source(), registry.StringSource(), registry.IntegerSource()};
    form->ActionManager1.execute(L"Action17");

    ASSERT_EQ(25, form->LV2->count());
    EXPECT_EQ(L"Video Adapter", Row(0).caption);
    EXPECT_EQ(3, Row(0).imageIndex);
    EXPECT_FALSE(Row(0).checked);
    EXPECT_TRUE(Row(0).subItems.empty());
    EXPECT_EQ(L"Device Description", Row(1).caption);
    EXPECT_EQ(L"RADEON 9200 PRO", Value(1));
    EXPECT_TRUE(Row(24).checked);
    EXPECT_EQ(-1, Row(24).imageIndex);
    EXPECT_EQ(-1, form->LV2->itemIndex());
    EXPECT_TRUE(ShowsSystemImages());
    ExpectPageEnded();
}

TEST_F(VideoPageTest, ClickedPageShowsTheDriverAndTheCurrentModeWhereTheDeviceKeysHaveNone) {
    SeedAdapter();
    registry.SetString(HKEY_LOCAL_MACHINE, DeviceKey, L"Device Description", L"");
    currentMode = {1280, 1024, 32, 60};
    form->VideoSources = Sources();
    ClickPageButton(*form->ButtonGroup2, 7);
    EXPECT_EQ(L"Wine Adapter", Value(1));
    EXPECT_EQ(L"1280x1024 pixels", Value(8));
    EXPECT_EQ(L"32 Bits", Value(9));
}

TEST_F(VideoPageTest, PageFromThisMachine) {
    ClickPageButton(*form->ButtonGroup2, 7);
    EXPECT_EQ(25, form->LV2->count());
    EXPECT_NE(L"0x0 pixels", Value(8));
    ExpectPageEnded();
}
