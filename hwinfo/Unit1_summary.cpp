#include "hwinfo/Unit1.h"

#include "hwinfo/DevicePages.h"

#include "registry/RegHelpers.h"

namespace corvane {

namespace {

const int InstanceCount = 11;
const wchar_t* const FloppyPrefix = L"1.44MB 3.5\" (";
const double BytesPerMB = 1048576.0;
const double BytesPerGB = 1073741824.0;

class SummaryBuilder {
  public:
    explicit SummaryBuilder(const TSummarySources& sources) : src_(sources) {}

    std::vector<TInfoRow> Build() {
        SystemGroup();
        ProcessorGroup();
        MainboardGroup();
        VideoGroup();
        PhysicalStorageGroup();
        LogicalStorageGroup();
        PeripheralGroup();
        MultimediaGroup();
        Group(L"Power Management", 7);
        Data(L"AC Line Status", L"On Line");
        rows_.push_back(BlankRow());
        Group(L"Operating System", 8);
        Data(L"Windows System", src_.osDescription());
        rows_.push_back(BlankRow());
        Group(L"Network Services", 9);
        for (int n = 0; n < InstanceCount; ++n)
            DataIfAny(L"Adapter",
                      Reg(L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\NetworkCards\\" +
                              std::to_wstring(n),
                          L"Description"));
        return std::move(rows_);
    }

  private:
    std::wstring Reg(const std::wstring& key, const std::wstring& name) const {
        return src_.registry(key, name);
    }
    void Group(const std::wstring& caption, int picture) {
        rows_.push_back(HeadingRow(caption, picture));
    }
    void Data(const std::wstring& caption, const std::wstring& value) {
        rows_.push_back(DataRow(caption, value));
    }
    void DataIfAny(const std::wstring& caption, const std::wstring& value) {
        if (!value.empty())
            Data(caption, value);
    }

    void SystemGroup() {
        Group(L"System Summary", 0);
        Data(L"System Name",
             Reg(L"SYSTEM\\CurrentControlSet\\Control\\ComputerName\\ActiveComputerName",
                 L"ComputerName"));
        Data(L"User Name",
             Reg(L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", L"RegisteredOwner"));
        Data(L"Domain", src_.wmi(L" Win32_ComputerSystem", L"Domain"));
        Data(L"System Directory", src_.systemDir());
        rows_.push_back(BlankRow());
    }

    void ProcessorGroup() {
        Group(L"Processor", 1);
        Data(L"Name", NormaliseProcessorName(src_.wmi(L"Win32_Processor", L"Name")));
        Data(L"Speed", src_.wmi(L"Win32_Processor", L"CurrentClockSpeed") + L" MHz");
        rows_.push_back(BlankRow());
    }

    void MainboardGroup() {
        Group(L"Mainboard", 2);
        Data(L"Bus(es)", L"AGP PCI IMB USB i2c/SMBus");
        Data(L"MP Support", L"1 CPU(s)");
        Data(L"MP APIC", L"Yes");
        Data(L"System BIOS Version", Reg(L"HARDWARE\\DESCRIPTION\\System", L"SystemBiosVersion"));
        rows_.push_back(BlankRow());
    }

    // One row per instance of a device class whose value is the expected text, valued with
    // the instance's "DriverDesc".
    void MatchingInstances(const std::wstring& caption, const std::wstring& classId,
                           const std::wstring& valueName, const std::wstring& expected) {
        for (int n = 0; n < InstanceCount; ++n) {
            const std::wstring key = ClassInstanceKey(classId, n);
            if (Reg(key, valueName) == expected)
                Data(caption, Reg(key, L"DriverDesc"));
        }
    }

    void VideoGroup() {
        Group(L"Video System", 3);
        MatchingInstances(L"Monitor", MonitorClassGuid, L"DPMS", L"1");
        const std::wstring device = RemoveText(
            L"\\Registry\\Machine\\", Reg(L"HARDWARE\\DEVICEMAP\\VIDEO", L"\\Device\\Video0"));
        Data(L"Adapter", VideoAdapterName([&](const wchar_t* name) { return Reg(device, name); }));
        rows_.push_back(BlankRow());
    }

    // One row per instance listed under a service's Enum key, valued from the instance's
    // enum key with the given patterns removed in order.
    void ServiceInstances(const std::wstring& caption, const std::wstring& service,
                          const std::wstring& valueName,
                          const std::vector<std::wstring>& patterns = {}) {
        const std::wstring enumKey = ServiceEnumKey(service);
        for (int n = 0; n < InstanceCount; ++n) {
            const std::wstring instance = Reg(enumKey, std::to_wstring(n));
            if (instance.empty())
                continue;
            std::wstring value = Reg(MachineEnumKey + instance, valueName);
            for (const std::wstring& pattern : patterns)
                value = RemoveText(pattern, value);
            Data(caption, value);
        }
    }

    void PhysicalStorageGroup() {
        Group(L"Physical Storage Device", 4);
        ServiceInstances(L"Removable Drive", L"Flpydisk", L"DeviceDesc",
                         {L"@flpydisk.inf,%floppy_devdesc%;"});
        ServiceInstances(L"Harddisk", L"disk", L"FriendlyName");
        ServiceInstances(L"CD-ROM/DVD", L"Cdrom", L"FriendlyName");
        rows_.push_back(BlankRow());
    }

    void LogicalStorageGroup() {
        Group(L"Logical Storage Device", 4);
        for (TInfoRow& row : LogicalDriveRows(src_.drives))
            rows_.push_back(std::move(row));
        rows_.push_back(BlankRow());
    }

    // The first port number named under a device map key, from the device's first name
    // ("\Device\Serial0") on, with its prefix removed.
    std::wstring PortFigure(const std::wstring& key, const std::wstring& valuePrefix,
                            const std::wstring& portPrefix) const {
        for (int k = 0; k < InstanceCount; ++k) {
            const std::wstring port = Reg(key, valuePrefix + std::to_wstring(k));
            if (!port.empty())
                return RemoveText(portPrefix, port);
        }
        return L"";
    }

    void PeripheralGroup() {
        Group(L"Peripheral", 5);
        const std::wstring serial =
            PortFigure(L"HARDWARE\\DEVICEMAP\\SERIALCOMM", L"\\Device\\Serial", L"COM");
        const std::wstring parallel = PortFigure(L"HARDWARE\\DEVICEMAP\\PARALLEL PORTS",
                                                 L"\\Device\\Parallel", L"\\DosDevices\\LPT");
        Data(L"Serial/Parallel Port(s)", serial + L" COM / " + parallel + L" LPT");
        const std::wstring hub = L"USB Controller/Hub";
        ServiceInstances(hub, L"usbuhci", L"DeviceDesc",
                         {L"@usbport.inf,%pci\\ven_1106&dev_3038&cc_0c0300.devicedesc%;"});
        ServiceInstances(hub, L"usbehci", L"DeviceDesc",
                         {L"@usbport.inf,%pci\\ven_1106&dev_3104.devicedesc%;"});
        ServiceInstances(hub, L"usbhub", L"DeviceDesc",
                         {L"@usbport.inf,%usb\\root_hub20.devicedesc%;",
                          L"@usbport.inf,%usb\\root_hub.devicedesc%;"});
        ServiceInstances(hub, L"USBSTOR", L"DeviceDesc");
        ServiceInstances(L"Infrared Device", L"irsir", L"DeviceDesc");
        ClassDescriptions(L"Keyboard", L"{4D36E96B-E325-11CE-BFC1-08002BE10318}");
        ClassDescriptions(L"Mouse", L"{4D36E96F-E325-11CE-BFC1-08002BE10318}");
        rows_.push_back(BlankRow());
    }

    void ClassDescriptions(const std::wstring& caption, const std::wstring& classId) {
        for (int n = 0; n < InstanceCount; ++n)
            DataIfAny(caption, Reg(ClassInstanceKey(classId, n), L"DriverDesc"));
    }

    void MultimediaGroup() {
        Group(L"Multimedia Device(s)", 6);
        MatchingInstances(L"Device", MediaClassGuid, L"AssociatedFilters", SoundDeviceFilters);
        rows_.push_back(BlankRow());
    }

    const TSummarySources& src_;
    std::vector<TInfoRow> rows_;
};

std::wstring DriveCaption(const std::wstring& prefix, wchar_t letter) {
    return prefix + letter + L":)";
}

// A byte count in the unit, with two decimals.
std::wstring Figure(std::int64_t bytes, double unitBytes, const wchar_t* unit) {
    return FixedTwoDecimals(static_cast<double>(bytes) / unitBytes) + unit;
}

// Size and free space of the drive's medium and its file system; empty when the medium
// cannot be measured.
std::wstring SpaceValue(const TDriveSources& drives, wchar_t letter, double unitBytes,
                        const wchar_t* unit) {
    const std::optional<TDiskBytes> bytes = drives.diskBytes(DriveRoot(letter));
    if (!bytes)
        return L"";
    return Figure(bytes->Total, unitBytes, unit) + L" (" + Figure(bytes->Free, unitBytes, unit) +
           L" Free Space) (" + drives.volumeField(letter, TVolumeField::FileSystem) + L")";
}

// Size of the disc and its file system; empty when the disc cannot be measured.
std::wstring DiscValue(const TDriveSources& drives, wchar_t letter) {
    const std::optional<TDiskBytes> bytes = drives.diskBytes(DriveRoot(letter));
    if (!bytes)
        return L"";
    return Figure(bytes->Total, BytesPerMB, L" MB") + L"  (" +
           drives.volumeField(letter, TVolumeField::FileSystem) + L")";
}

std::optional<TInfoRow> DriveRow(const TDriveSources& drives, wchar_t letter) {
    switch (drives.driveType(letter)) {
    case DRIVE_REMOVABLE:
        if (letter == L'A')
            return DataRow(DriveCaption(FloppyPrefix, letter),
                           drives.diskInDrive(letter)
                               ? SpaceValue(drives, letter, BytesPerMB, L" MB")
                               : L"N/A");
        return DataRow(DriveCaption(L"REMOVABLE DISK (", letter),
                       SpaceValue(drives, letter, BytesPerMB, L" MB"));
    case DRIVE_FIXED:
        return DataRow(
            DriveCaption(drives.volumeField(letter, TVolumeField::Label) + L" (", letter),
            SpaceValue(drives, letter, BytesPerGB, L" GB"));
    case DRIVE_CDROM:
        return DataRow(DriveCaption(L"CD-ROM/DVD (", letter),
                       drives.diskInDrive(letter) ? DiscValue(drives, letter) : L"N/A");
    default:
        return std::nullopt;
    }
}

} // namespace

TSummarySources::TSummarySources()
    : registry([](const std::wstring& key, const std::wstring& name) {
          return ReadRegString(key, name, HKEY_LOCAL_MACHINE);
      }) {}

std::vector<TInfoRow> LogicalDriveRows(const TDriveSources& drives) {
    std::vector<TInfoRow> rows;
    const DWORD present = drives.logicalDrives();
    for (int bit = 0; bit <= 10; ++bit) {
        if ((present & (1u << bit)) == 0)
            continue;
        if (auto row = DriveRow(drives, static_cast<wchar_t>(L'A' + bit)))
            rows.push_back(std::move(*row));
    }
    return rows;
}

std::vector<TInfoRow> SystemSummaryRows(const TSummarySources& sources) {
    return SummaryBuilder(sources).Build();
}

void TForm1::Action10Execute() {
    TPageFill fill(*this, TInfoTab::System);
    ShowSystemRows(*this, SystemSummaryRows(SummarySources));
}

} // namespace corvane
