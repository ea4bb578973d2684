#include "device_sources_fake.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using namespace device_fakes;

const std::wstring CdromEnum = ServicesKey + L"Cdrom\\Enum";

class DrivePagesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        sources.Registry = registry.Source();
        sources.LogicalDrives = [this] { return mask; };
        sources.DriveType = [this](const std::wstring& root) {
            typeAsked.push_back(root);
            const auto found = types.find(root.at(0));
            return found == types.end() ? UINT(DRIVE_NO_ROOT_DIR) : found->second;
        };
        sources.MediumLoaded = [this](wchar_t letter) { return loaded.count(letter) > 0; };
        sources.Volume = [](wchar_t, TVolumeField field) -> std::wstring {
            switch (field) {
            case TVolumeField::Label:
                return L"SYSTEM";
            case TVolumeField::SerialNumber:
                return L"1A2B-3C4D";
            case TVolumeField::FileSystem:
                return L"NTFS";
            }
            return L"";
        };
        sources.DiskBytes = [](const std::wstring&) {
            return std::optional<TDiskBytes>(TDiskBytes{80000000000LL, 30000000000LL});
        };
        sources.Clusters = [](const std::wstring&) {
            return std::optional<TClusterFigures>(TClusterFigures{8, 512, 1000, 2000});
        };
    }

    void AddDrive(wchar_t letter, UINT type) {
        mask |= 1u << (letter - L'A');
        types[letter] = type;
    }

    void AddCdromInstance(int n, const std::wstring& instance) {
        registry.Set(CdromEnum, std::to_wstring(n), instance);
        registry.Set(EnumKey + instance, L"DeviceDesc",
                     L"@cdrom.inf,%gencdrom_devdesc%;CD-ROM Drive");
        registry.Set(EnumKey + instance, L"Mfg",
                     L"@cdrom.inf,%genmanufacturer%;(Standard CD-ROM drives)");
        registry.Set(EnumKey + instance, L"Class", L"CDROM");
        registry.Set(EnumKey + instance, L"FriendlyName", L"Virtual DVD " + std::to_wstring(n));
        registry.Set(EnumKey + instance, L"LocationInformation", L"0");
    }

    FakeRegistry registry;
    TDrivePageSources sources;
    DWORD mask = 0;
    std::map<wchar_t, UINT> types;
    std::map<wchar_t, bool> loaded;
    std::vector<std::wstring> typeAsked;
};

} // namespace

TEST_F(DrivePagesTest, CdromPageWithoutDriverInstancesShowsOnlyItsHeading) {
    AddDrive(L'D', DRIVE_CDROM);
    const std::vector<TInfoRow> rows = CdromPageRows(sources);
    ASSERT_EQ(1u, rows.size());
    EXPECT_EQ(L"CD-ROM", rows[0].Caption);
    EXPECT_EQ(TInfoRowKind::Heading, rows[0].Kind);
    EXPECT_EQ(1, rows[0].ImageIndex);
}

TEST_F(DrivePagesTest, CdromBlockShowsTheDeviceFactsOfItsDrive) {
    AddDrive(L'C', DRIVE_FIXED);
    AddDrive(L'D', DRIVE_CDROM);
    loaded[L'D'] = true;
    AddCdromInstance(0, L"IDE\\CdRomVirtual\\5&abc&0");
    registry.Set(WindowsNtKey, L"SystemRoot", L"C:\\WINDOWS");
    registry.Set(ServicesKey + L"Cdrom", L"ImagePath", L"System32\\DRIVERS\\cdrom.sys");

    const std::vector<TInfoRow> rows = CdromPageRows(sources);
    const RowTexts expected = {
        {L"Drive", L"D:"},
        {L"Description", L"CD-ROM Drive"},
        {L"Media Loaded", L"Yes"},
        {L"Media Type", L"CDROM"},
        {L"Name", L"Virtual DVD 0"},
        {L"Manufacturer", L"(Standard CD-ROM drives)"},
        {L"Status", L"OK"},
        {L"Transfer Rate", L"Not Available"},
        {L"SCSI Target ID", L"0"},
        {L"PNP Device ID", L"IDE\\CDROMVIRTUAL\\5&ABC&0"},
        {L"Driver", L"c:\\windows\\system32\\drivers\\cdrom.sys"},
    };
    EXPECT_EQ(expected, Shown(rows, 1));
    EXPECT_EQ(TInfoRowKind::Data, rows[1].Kind);
}

TEST_F(DrivePagesTest, CdromInstancesPairWithDrivesByPositionAcrossGaps) {
    AddDrive(L'D', DRIVE_CDROM);
    AddDrive(L'E', DRIVE_CDROM);
    loaded[L'D'] = true;
    AddCdromInstance(0, L"IDE\\A");
    AddCdromInstance(2, L"IDE\\C");

    const std::vector<TInfoRow> rows = CdromPageRows(sources);
    ASSERT_EQ(1u + 11 + 1 + 11, rows.size());
    EXPECT_EQ(L"D:", rows[1].Value);
    EXPECT_EQ(TInfoRowKind::Blank, rows[12].Kind);
    EXPECT_EQ(L"Drive", rows[13].Caption);
    EXPECT_EQ(L"", rows[13].Value);
    EXPECT_EQ(L"No", rows[15].Value);
    EXPECT_EQ(L"Virtual DVD 2", rows[17].Value);
}

TEST_F(DrivePagesTest, DrivesAfterKAreNeverLookedAt) {
    AddDrive(L'L', DRIVE_CDROM);
    AddCdromInstance(0, L"IDE\\A");
    const std::vector<TInfoRow> cdrom = CdromPageRows(sources);
    EXPECT_EQ(L"", cdrom.at(1).Value);
    EXPECT_EQ(1u, StoragePageRows(sources).size());
    EXPECT_TRUE(typeAsked.empty());
}

TEST_F(DrivePagesTest, StorageListsRemovableFixedAndCdromDrivesInLetterOrder) {
    AddDrive(L'A', DRIVE_REMOVABLE);
    AddDrive(L'C', DRIVE_FIXED);
    AddDrive(L'E', DRIVE_CDROM);
    AddDrive(L'F', DRIVE_REMOVABLE);
    AddDrive(L'G', DRIVE_REMOTE);

    const std::vector<TInfoRow> rows = StoragePageRows(sources);
    ASSERT_EQ(1u + 3 + 13 + 3 + 3, rows.size());
    EXPECT_EQ(L"Storage", rows[0].Caption);
    EXPECT_EQ(6, rows[0].ImageIndex);
    EXPECT_EQ(L"3 1/2 Inch Floppy Drive", rows[2].Value);
    EXPECT_EQ(TInfoRowKind::Blank, rows[3].Kind);
    const RowTexts fixed = {
        {L"Drive", L"C:"},
        {L"Description", L"Harddisk"},
        {L"Name", L"SYSTEM"},
        {L"Serial", L"1A2B3C4D"},
        {L"File System", L"NTFS"},
        {L"Disk Size", L"74.51 GB"},
        {L"Disk Used", L"46.57 GB"},
        {L"Disk Free", L"27.94 GB"},
        {L"Sectors Per Cluster", L"8"},
        {L"Bytes Per Sector", L"512"},
        {L"Free Clusters", L"1000"},
        {L"Num Clusters", L"2000"},
    };
    EXPECT_EQ(fixed, Shown(rows, 4, 16));
    EXPECT_EQ(TInfoRowKind::Blank, rows[16].Kind);
    EXPECT_EQ(L"E:", rows[17].Value);
    EXPECT_EQ(L"CD-ROM", rows[18].Value);
    EXPECT_EQ(L"REMOVABLE DISK", rows[21].Value);
}

TEST_F(DrivePagesTest, UnreadableFixedDiskShowsEmptyFiguresInsteadOfNegativeSizes) {
    AddDrive(L'C', DRIVE_FIXED);
    sources.DiskBytes = [](const std::wstring&) { return std::optional<TDiskBytes>(); };
    sources.Clusters = [](const std::wstring&) { return std::optional<TClusterFigures>(); };
    const std::vector<TInfoRow> rows = StoragePageRows(sources);
    ASSERT_EQ(14u, rows.size());
    for (std::size_t i = 6; i <= 12; ++i)
        EXPECT_EQ(L"", rows[i].Value) << rows[i].Caption;
}

TEST_F(DrivePagesTest, SizesStayInGigabytesForSmallDisks) {
    AddDrive(L'C', DRIVE_FIXED);
    sources.DiskBytes = [](const std::wstring&) {
        return std::optional<TDiskBytes>(TDiskBytes{1048576, 0});
    };
    const std::vector<TInfoRow> rows = StoragePageRows(sources);
    EXPECT_EQ(L"0.00 GB", rows.at(6).Value);
}

TEST_F(DrivePagesTest, LargeClusterCountsStayPositive) {
    AddDrive(L'C', DRIVE_FIXED);
    sources.Clusters = [](const std::wstring&) {
        return std::optional<TClusterFigures>(TClusterFigures{8, 4096, 2500000000u, 3000000000u});
    };
    const std::vector<TInfoRow> rows = StoragePageRows(sources);
    EXPECT_EQ(L"2500000000", rows.at(11).Value);
    EXPECT_EQ(L"3000000000", rows.at(12).Value);
}
