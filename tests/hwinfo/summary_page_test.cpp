#include "main_window_fixture.h"

#include <algorithm>
#include <map>

namespace {

const std::wstring MonitorClass =
    L"SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E96E-E325-11CE-BFC1-08002BE10318}\\000";
const std::wstring MediaClass =
    L"SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E96C-E325-11CE-BFC1-08002BE10318}\\000";
const std::wstring NetworkCards =
    L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\NetworkCards\\";

// Registry and WMI stand-ins: a value is found under "key|name" or "class|property".
struct FakeSources {
    std::map<std::wstring, std::wstring> registry;
    std::map<std::wstring, std::wstring> wmi;

    TSummarySources Sources() const {
        TSummarySources sources;
        sources.registry = [this](const std::wstring& key, const std::wstring& name) {
            const auto found = registry.find(key + L"|" + name);
            return found == registry.end() ? std::wstring() : found->second;
        };
        sources.wmi = [this](const std::wstring& className, const std::wstring& property) {
            const auto found = wmi.find(className + L"|" + property);
            return found == wmi.end() ? std::wstring() : found->second;
        };
        sources.systemDir = [] { return std::wstring(L"C:\\WINDOWS\\system32"); };
        sources.osDescription = [] { return std::wstring(L"Windows XP"); };
        sources.drives.logicalDrives = [] { return DWORD(0); };
        return sources;
    }
};

// Index of the first row with the caption at or after the start; -1 when there is none.
int Find(const std::vector<TInfoRow>& rows, const std::wstring& caption, int start = 0) {
    for (int i = start; i < static_cast<int>(rows.size()); ++i)
        if (rows[i].Caption == caption)
            return i;
    return -1;
}

TDriveSources FakeDrives(DWORD present, std::map<wchar_t, UINT> types, bool media) {
    TDriveSources drives;
    drives.logicalDrives = [present] { return present; };
    drives.driveType = [types](wchar_t letter) {
        const auto found = types.find(letter);
        return found == types.end() ? UINT(DRIVE_NO_ROOT_DIR) : found->second;
    };
    drives.diskInDrive = [media](wchar_t) { return media; };
    drives.diskBytes = [media](const std::wstring&) {
        return media ? std::optional<TDiskBytes>(TDiskBytes{3LL * 1073741824, 1610612736LL})
                     : std::nullopt;
    };
    drives.volumeField = [](wchar_t, TVolumeField field) {
        return std::wstring(field == TVolumeField::Label ? L"SYSTEM" : L"NTFS");
    };
    return drives;
}

} // namespace

TEST(SummaryRows, EmptySourcesStillGiveEveryFixedRow) {
    const FakeSources fake;
    const std::vector<TInfoRow> rows = SystemSummaryRows(fake.Sources());

    ASSERT_EQ(35u, rows.size());
    EXPECT_EQ(L"System Summary", rows[0].Caption);
    EXPECT_EQ(TInfoRowKind::Heading, rows[0].Kind);
    EXPECT_EQ(0, rows[0].ImageIndex);
    EXPECT_EQ(L"", rows[Find(rows, L"Domain")].Value);
    EXPECT_EQ(L"C:\\WINDOWS\\system32", rows[Find(rows, L"System Directory")].Value);
    EXPECT_EQ(L" MHz", rows[Find(rows, L"Speed")].Value);
    EXPECT_EQ(L"AGP PCI IMB USB i2c/SMBus", rows[Find(rows, L"Bus(es)")].Value);
    EXPECT_EQ(L" COM /  LPT", rows[Find(rows, L"Serial/Parallel Port(s)")].Value);
    EXPECT_EQ(L"On Line", rows[Find(rows, L"AC Line Status")].Value);
    EXPECT_EQ(L"Windows XP", rows[Find(rows, L"Windows System")].Value);
    const int video = Find(rows, L"Video System");
    EXPECT_EQ(3, rows[video].ImageIndex);
    EXPECT_EQ(L"Adapter", rows[video + 1].Caption);
    const int media = Find(rows, L"Multimedia Device(s)");
    EXPECT_EQ(TInfoRowKind::Blank, rows[media + 1].Kind);
    EXPECT_EQ(L"Network Services", rows.back().Caption);
    EXPECT_EQ(9, rows.back().ImageIndex);
}

TEST(SummaryRows, RowsPerMatchingInstance) {
    FakeSources fake;
    fake.registry[MonitorClass + L"0|DPMS"] = L"1";
    fake.registry[MonitorClass + L"0|DriverDesc"] = L"Plug and Play Monitor";
    fake.registry[MonitorClass + L"1|DPMS"] = L"0";
    fake.registry[MonitorClass + L"10|DPMS"] = L"1";
    fake.registry[MonitorClass + L"10|DriverDesc"] = L"Second Monitor";
    fake.registry[L"HARDWARE\\DEVICEMAP\\VIDEO|\\Device\\Video0"] =
        L"\\Registry\\Machine\\System\\Video\\{1}\\0000";
    fake.registry[L"System\\Video\\{1}\\0000|Device Description"] = L"Fast Adapter";
    fake.registry[L"System\\Video\\{1}\\0000|DriverDesc"] = L"Fast Driver";
    fake.registry[L"SYSTEM\\CurrentControlSet\\Services\\Flpydisk\\Enum|0"] = L"FDC\\1";
    fake.registry[L"SYSTEM\\CurrentControlSet\\Enum\\FDC\\1|DeviceDesc"] =
        L"@flpydisk.inf,%floppy_devdesc%;Floppy disk drive";
    fake.registry[MediaClass + L"2|AssociatedFilters"] = L"wdmaud,swmidi,redbook";
    fake.registry[MediaClass + L"2|DriverDesc"] = L"Sound Card";
    fake.registry[MediaClass + L"3|AssociatedFilters"] = L"wdmaud,swmidi";
    fake.registry[NetworkCards + L"2|Description"] = L"Net One";
    fake.registry[NetworkCards + L"7|Description"] = L"Net Two";
    fake.registry[L"HARDWARE\\DEVICEMAP\\SERIALCOMM|\\Device\\Serial1"] = L"COM1";
    fake.registry[L"HARDWARE\\DEVICEMAP\\PARALLEL PORTS|\\Device\\Parallel0"] =
        L"\\DosDevices\\LPT1";
    fake.wmi[L"Win32_Processor|Name"] = L"Intel(R)  Core   i7";
    fake.wmi[L"Win32_Processor|CurrentClockSpeed"] = L"2400";
    const std::vector<TInfoRow> rows = SystemSummaryRows(fake.Sources());

    const int video = Find(rows, L"Video System");
    EXPECT_EQ(L"Plug and Play Monitor", rows[video + 1].Value);
    EXPECT_EQ(L"Second Monitor", rows[video + 2].Value);
    EXPECT_EQ(L"Fast Adapter", rows[video + 3].Value);
    EXPECT_EQ(L"Floppy disk drive", rows[Find(rows, L"Removable Drive")].Value);
    const int media = Find(rows, L"Multimedia Device(s)");
    EXPECT_EQ(L"Sound Card", rows[media + 1].Value);
    EXPECT_EQ(TInfoRowKind::Blank, rows[media + 2].Kind);
    EXPECT_EQ(L"Net Two", rows.back().Value);
    EXPECT_EQ(L"Net One", rows[rows.size() - 2].Value);
    EXPECT_EQ(L"1 COM / 1 LPT", rows[Find(rows, L"Serial/Parallel Port(s)")].Value);
    EXPECT_EQ(L"Intel(R)Core i7", rows[Find(rows, L"Name")].Value);
    EXPECT_EQ(L"2400 MHz", rows[Find(rows, L"Speed")].Value);
}

TEST(SummaryRows, DriveRowsByType) {
    const TDriveSources drives =
        FakeDrives((1u << 0) | (1u << 2) | (1u << 3) | (1u << 4) | (1u << 5) | (1u << 11),
                   {{L'A', DRIVE_REMOVABLE},
                    {L'C', DRIVE_FIXED},
                    {L'D', DRIVE_CDROM},
                    {L'E', DRIVE_REMOTE},
                    {L'F', DRIVE_REMOVABLE},
                    {L'L', DRIVE_FIXED}},
                   true);
    const std::vector<TInfoRow> rows = LogicalDriveRows(drives);

    ASSERT_EQ(4u, rows.size());
    EXPECT_EQ(L"1.44MB 3.5\" (A:)", rows[0].Caption);
    EXPECT_EQ(L"3072.00 MB (1536.00 MB Free Space) (NTFS)", rows[0].Value);
    EXPECT_EQ(L"SYSTEM (C:)", rows[1].Caption);
    EXPECT_EQ(L"3.00 GB (1.50 GB Free Space) (NTFS)", rows[1].Value);
    EXPECT_EQ(L"CD-ROM/DVD (D:)", rows[2].Caption);
    EXPECT_EQ(L"3072.00 MB  (NTFS)", rows[2].Value);
    EXPECT_EQ(L"REMOVABLE DISK (F:)", rows[3].Caption);
}

TEST(SummaryRows, DrivesWithoutReadableMediumShowNoFigures) {
    const TDriveSources drives = FakeDrives((1u << 0) | (1u << 2) | (1u << 3) | (1u << 5),
                                            {{L'A', DRIVE_REMOVABLE},
                                             {L'C', DRIVE_FIXED},
                                             {L'D', DRIVE_CDROM},
                                             {L'F', DRIVE_REMOVABLE}},
                                            false);
    const std::vector<TInfoRow> rows = LogicalDriveRows(drives);
    ASSERT_EQ(4u, rows.size());
    EXPECT_EQ(L"N/A", rows[0].Value);
    EXPECT_EQ(L"SYSTEM (C:)", rows[1].Caption);
    EXPECT_EQ(L"", rows[1].Value);
    EXPECT_EQ(L"N/A", rows[2].Value);
    EXPECT_EQ(L"REMOVABLE DISK (F:)", rows[3].Caption);
    EXPECT_EQ(L"", rows[3].Value);
}

TEST_F(MainWindowTest, ClickedSummaryCountsPortsFromTheFirstNameAndNamesTheAdapterByItsDriver) {
    FakeSources fake;
    fake.registry[L"HARDWARE\\DEVICEMAP\\SERIALCOMM|\\Device\\Serial0"] = L"COM1";
    fake.registry[L"HARDWARE\\DEVICEMAP\\VIDEO|\\Device\\Video0"] = L"System\\Video\\{1}\\0000";
    fake.registry[L"System\\Video\\{1}\\0000|DriverDesc"] = L"Wine Adapter";
    form->SummarySources = fake.Sources();
    ClickPageButton(*form->ButtonGroup2, 0);
    ASSERT_EQ(L"Serial/Parallel Port(s)", form->LV2->item(24).caption);
    EXPECT_EQ(L"1 COM /  LPT", form->LV2->subItem(24, 0));
    ASSERT_EQ(L"Adapter", form->LV2->item(17).caption);
    EXPECT_EQ(L"Wine Adapter", form->LV2->subItem(17, 0));
}

// The version calls tell a program taken for an older one 6.2.9200 on Windows 10; the row
// names the build the system holds.
TEST_F(MainWindowTest, ClickedSummaryNamesTheBuildTheSystemHolds) {
    TKelOSFacts facts;
    facts.Version = {VER_PLATFORM_WIN32_NT, 6, 2, 9200, L"", true, 0, VER_NT_WORKSTATION};
    facts.ProductName = L"Microsoft Windows 10";
    facts.SystemBuild = 18362;
    const FakeSources fake;
    form->SummarySources = fake.Sources();
    form->SummarySources.osDescription = [facts] { return TKelOSInfo::OSDescriptionOf(facts); };
    ClickPageButton(*form->ButtonGroup2, 0);
    const std::vector<TInfoRow> rows = SystemSummaryRows(fake.Sources());
    const int row = Find(rows, L"Windows System");
    ASSERT_EQ(L"Windows System", form->LV2->item(row).caption);
    EXPECT_EQ(L"Microsoft Windows 10 (Build 18362)", form->LV2->subItem(row, 0));
}

TEST_F(MainWindowTest, SummaryPageFromRealSources) {
    ClickPageButton(*form->ButtonGroup2, 0);

    const auto& items = form->LV2->items();
    ASSERT_GE(items.size(), 35u);
    EXPECT_EQ(L"System Summary", items[0].caption);
    EXPECT_FALSE(items[0].checked);
    EXPECT_EQ(-1, form->LV2->itemIndex());
    int directory = -1;
    bool systemDrive = false;
    for (int i = 0; i < static_cast<int>(items.size()); ++i) {
        if (items[i].caption == L"System Directory")
            directory = i;
        systemDrive = systemDrive || items[i].caption.find(L"(C:)") != std::wstring::npos;
        EXPECT_FALSE(items[i].caption == L"Windows System" && items[i].subItems.at(0)[0] == L' ');
    }
    ASSERT_GE(directory, 0);
    EXPECT_EQ(GetSystemDir(), form->LV2->subItem(directory, 0));
    EXPECT_TRUE(systemDrive);
    EXPECT_TRUE(std::any_of(items.begin(), items.end(), [](const tk::ListItem& row) {
        return row.caption == L"Network Services";
    }));
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(form->SystemHasContent);
}
