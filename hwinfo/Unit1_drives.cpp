#include "hwinfo/Unit1.h"

#include "registry/RegHelpers.h"

namespace corvane {

namespace {

const int CdromImageIndex = 1;
const int StorageImageIndex = 6;
// Only the letters A to K are looked at.
const int DriveLetterCount = 11;
const int CdromInstanceCount = 11;
const double BytesPerGB = 1073741824.0;

struct TDriveLetter {
    wchar_t Letter;
    std::wstring Root() const { return DriveRoot(Letter); }
    std::wstring Text() const { return std::wstring(1, Letter) + L":"; }
};

std::vector<TDriveLetter> PresentDrives(const TDrivePageSources& sources) {
    const DWORD mask = sources.LogicalDrives();
    std::vector<TDriveLetter> drives;
    for (int i = 0; i < DriveLetterCount; ++i)
        if (mask & (1u << i))
            drives.push_back({static_cast<wchar_t>(L'A' + i)});
    return drives;
}

std::vector<TDriveLetter> CdromDrives(const TDrivePageSources& sources) {
    std::vector<TDriveLetter> cdroms;
    for (const TDriveLetter& drive : PresentDrives(sources))
        if (sources.DriveType(drive.Root()) == DRIVE_CDROM)
            cdroms.push_back(drive);
    return cdroms;
}

void AddCdromBlock(std::vector<TInfoRow>& rows, const TDrivePageSources& sources,
                   const std::wstring& instance, const TDriveLetter* drive) {
    const std::wstring device = MachineEnumKey + instance;
    const auto deviceText = [&](const wchar_t* name) {
        return sources.Registry(HKEY_LOCAL_MACHINE, device, name);
    };
    const bool loaded = drive && sources.MediumLoaded(drive->Letter);
    rows.push_back(DataRow(L"Drive", drive ? drive->Text() : L""));
    rows.push_back(DataRow(
        L"Description", RemoveText(L"@cdrom.inf,%gencdrom_devdesc%;", deviceText(L"DeviceDesc"))));
    rows.push_back(DataRow(L"Media Loaded", loaded ? L"Yes" : L"No"));
    rows.push_back(DataRow(L"Media Type", deviceText(L"Class")));
    rows.push_back(DataRow(L"Name", deviceText(L"FriendlyName")));
    rows.push_back(
        DataRow(L"Manufacturer", RemoveText(L"@cdrom.inf,%genmanufacturer%;", deviceText(L"Mfg"))));
    rows.push_back(DataRow(L"Status", L"OK"));
    rows.push_back(DataRow(L"Transfer Rate", L"Not Available"));
    rows.push_back(DataRow(L"SCSI Target ID", deviceText(L"LocationInformation")));
    rows.push_back(DataRow(L"PNP Device ID", UpperText(instance)));
    rows.push_back(DataRow(L"Driver", ServiceDriverText(sources.Registry, L"Cdrom")));
}

// Always in GB, with two decimals and a point.
std::wstring GigabyteText(std::int64_t bytes) {
    return FixedTwoDecimals(static_cast<double>(bytes) / BytesPerGB) + L" GB";
}

void AddFixedDiskRows(std::vector<TInfoRow>& rows, const TDrivePageSources& sources,
                      const TDriveLetter& drive) {
    rows.push_back(DataRow(L"Drive", drive.Text()));
    rows.push_back(DataRow(L"Description", L"Harddisk"));
    rows.push_back(DataRow(L"Name", sources.Volume(drive.Letter, TVolumeField::Label)));
    rows.push_back(DataRow(
        L"Serial", RemoveText(L"-", sources.Volume(drive.Letter, TVolumeField::SerialNumber))));
    rows.push_back(DataRow(L"File System", sources.Volume(drive.Letter, TVolumeField::FileSystem)));
    const std::optional<TDiskBytes> bytes = sources.DiskBytes(drive.Root());
    rows.push_back(DataRow(L"Disk Size", bytes ? GigabyteText(bytes->Total) : L""));
    rows.push_back(DataRow(L"Disk Used", bytes ? GigabyteText(bytes->Total - bytes->Free) : L""));
    rows.push_back(DataRow(L"Disk Free", bytes ? GigabyteText(bytes->Free) : L""));
    const std::optional<TClusterFigures> clusters = sources.Clusters(drive.Root());
    // Counts above 2^31 stay positive.
    const auto figure = [&](DWORD TClusterFigures::*field) {
        return clusters ? std::to_wstring((*clusters).*field) : L"";
    };
    rows.push_back(DataRow(L"Sectors Per Cluster", figure(&TClusterFigures::SectorsPerCluster)));
    rows.push_back(DataRow(L"Bytes Per Sector", figure(&TClusterFigures::BytesPerSector)));
    rows.push_back(DataRow(L"Free Clusters", figure(&TClusterFigures::FreeClusters)));
    rows.push_back(DataRow(L"Num Clusters", figure(&TClusterFigures::TotalClusters)));
    rows.push_back(BlankRow());
}

void AddShortDriveRows(std::vector<TInfoRow>& rows, const TDriveLetter& drive,
                       const std::wstring& description) {
    rows.push_back(DataRow(L"Drive", drive.Text()));
    rows.push_back(DataRow(L"Description", description));
    rows.push_back(BlankRow());
}

} // namespace

std::vector<TInfoRow> CdromPageRows(const TDrivePageSources& sources) {
    std::vector<TInfoRow> rows = {HeadingRow(L"CD-ROM", CdromImageIndex)};
    const std::vector<TDriveLetter> cdroms = CdromDrives(sources);
    for (int n = 0; n < CdromInstanceCount; ++n) {
        const std::wstring instance =
            sources.Registry(HKEY_LOCAL_MACHINE, ServiceEnumKey(L"Cdrom"), std::to_wstring(n));
        if (instance.empty())
            continue;
        if (n != 0)
            rows.push_back(BlankRow());
        const std::size_t entry = static_cast<std::size_t>(n);
        AddCdromBlock(rows, sources, instance, entry < cdroms.size() ? &cdroms[entry] : nullptr);
    }
    return rows;
}

std::vector<TInfoRow> StoragePageRows(const TDrivePageSources& sources) {
    std::vector<TInfoRow> rows = {HeadingRow(L"Storage", StorageImageIndex)};
    for (const TDriveLetter& drive : PresentDrives(sources)) {
        switch (sources.DriveType(drive.Root())) {
        case DRIVE_REMOVABLE:
            AddShortDriveRows(
                rows, drive, drive.Letter == L'A' ? L"3 1/2 Inch Floppy Drive" : L"REMOVABLE DISK");
            break;
        case DRIVE_FIXED:
            AddFixedDiskRows(rows, sources, drive);
            break;
        case DRIVE_CDROM:
            AddShortDriveRows(rows, drive, L"CD-ROM");
            break;
        default:
            break;
        }
    }
    return rows;
}

void TForm1::Action2Execute() {
    TPageFill fill(*this, TInfoTab::Component);
    Standar();
    ShowPageRows(*this, *LV1, &ImageList4, CdromPageRows(DriveSources), TFirstRow::Selected);
}

void TForm1::Action7Execute() {
    TPageFill fill(*this, TInfoTab::Component);
    Standar();
    ShowPageRows(*this, *LV1, &ImageList4, StoragePageRows(DriveSources), TFirstRow::Selected);
}

} // namespace corvane
