#include "hwinfo/Unit1.h"

#include "registry/RegHelpers.h"

namespace corvane {

namespace {

const int UsbImageIndex = 8;

enum class TWalkKind {
    RemovableMedia, // a disk's removable medium: its description and identifier
    Device,         // the device's description and instance path
    Disk,           // the disk's friendly name and instance path
};

struct TUsbWalk {
    TWalkKind Kind;
    const wchar_t* Service; // whose Enum key lists the instances
    int First;
    int Last;
    std::vector<const wchar_t*> DescriptionPrefixes; // removed from the description
};

std::vector<TUsbWalk> UsbWalks(TUsbListing listing) {
    const int firstDisk = listing == TUsbListing::PortsPage ? 0 : 1;
    return {
        {TWalkKind::RemovableMedia, L"Disk", firstDisk, 4, {}},
        {TWalkKind::Device, L"USBSTOR", 0, 4, {}},
        {TWalkKind::Device,
         L"usbhub",
         0,
         6,
         {L"@usbport.inf,%usb\\root_hub20.devicedesc%;",
          L"@usbport.inf,%usb\\root_hub.devicedesc%;"}},
        {TWalkKind::Disk, L"Disk", 1, 4, {}},
        {TWalkKind::Device,
         L"usbuhci",
         0,
         6,
         {L"@usbport.inf,%pci\\ven_1106&dev_3038&cc_0c0300.devicedesc%;"}},
        {TWalkKind::Device,
         L"usbehci",
         0,
         6,
         {L"@usbport.inf,%pci\\ven_1106&dev_3104.devicedesc%;"}},
    };
}

class TUsbWalker {
  public:
    TUsbWalker(const TRegTextSource& registry, TUsbListing listing)
        : registry_(registry), listing_(listing) {}

    void Walk(const TUsbWalk& walk, std::vector<TInfoRow>& rows) const {
        for (int n = walk.First; n <= walk.Last; ++n) {
            const std::wstring instance =
                registry_(HKEY_LOCAL_MACHINE, ServiceEnumKey(walk.Service), std::to_wstring(n));
            if (const std::optional<TInfoRow> row = RowFor(walk, instance))
                rows.push_back(*row);
        }
    }

  private:
    std::wstring DeviceText(const std::wstring& instance, const wchar_t* name) const {
        return registry_(HKEY_LOCAL_MACHINE, MachineEnumKey + instance, name);
    }

    std::optional<TInfoRow> RowFor(const TUsbWalk& walk, const std::wstring& instance) const {
        switch (walk.Kind) {
        case TWalkKind::RemovableMedia:
            return RemovableMediaRow(instance);
        case TWalkKind::Device:
            return DeviceRow(walk, instance);
        case TWalkKind::Disk:
            return DiskRow(instance);
        }
        return std::nullopt;
    }

    std::optional<TInfoRow> RemovableMediaRow(const std::wstring& instance) const {
        const std::wstring medium = DeviceText(instance, L"ParentIdPrefix") + L"&RM";
        const std::wstring description =
            registry_(HKEY_LOCAL_MACHINE, MachineEnumKey + L"STORAGE\\RemovableMedia\\" + medium,
                      L"DeviceDesc");
        if (description.empty())
            return std::nullopt;
        return DataRow(description, L"STORAGE\\REMOVABLEMEDIA\\" + medium);
    }

    std::optional<TInfoRow> DeviceRow(const TUsbWalk& walk, const std::wstring& instance) const {
        const std::wstring stored = DeviceText(instance, L"DeviceDesc");
        const bool listed =
            listing_ == TUsbListing::PortsPage ? !stored.empty() : !instance.empty();
        if (!listed)
            return std::nullopt;
        std::wstring description = stored;
        for (const wchar_t* prefix : walk.DescriptionPrefixes)
            description = RemoveText(prefix, description);
        return DataRow(description, instance);
    }

    std::optional<TInfoRow> DiskRow(const std::wstring& instance) const {
        const std::wstring name = DeviceText(instance, L"FriendlyName");
        const bool listed = listing_ == TUsbListing::PortsPage
                                ? !name.empty()
                                : !DeviceText(instance, L"ParentIdPrefix").empty();
        if (!listed)
            return std::nullopt;
        return DataRow(name, instance);
    }

    const TRegTextSource& registry_;
    TUsbListing listing_;
};

} // namespace

std::vector<TInfoRow> UsbDeviceRows(const TRegTextSource& registry, TUsbListing listing) {
    const TUsbWalker walker(registry, listing);
    std::vector<TInfoRow> rows;
    for (const TUsbWalk& walk : UsbWalks(listing))
        walker.Walk(walk, rows);
    return rows;
}

std::vector<TInfoRow> UsbPageRows(const TUsbPageSources& sources) {
    std::vector<TInfoRow> rows = {HeadingRow(L"USB", UsbImageIndex)};
    const std::vector<TInfoRow> devices = UsbDeviceRows(sources.Registry, TUsbListing::UsbPage);
    rows.insert(rows.end(), devices.begin(), devices.end());
    return rows;
}

void TForm1::Action9Execute() {
    TPageFill fill(*this, TInfoTab::Component);
    RetitleComponentColumns(L"Device", 200, L"PNP Device ID");
    ShowPageRows(*this, *LV1, &ImageList4, UsbPageRows(UsbSources), TFirstRow::Selected);
}

} // namespace corvane
