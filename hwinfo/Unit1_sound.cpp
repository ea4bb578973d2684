#include "hwinfo/Unit1.h"

namespace corvane {

namespace {

const int SoundDeviceImageIndex = 2;
const int PrinterImageIndex = 7;
const int MediaClassInstances = 11;

void AddSoundDeviceRows(std::vector<TInfoRow>& rows, const TSoundPageSources& sources,
                        const std::wstring& classKey) {
    const auto driverText = [&](const wchar_t* name) {
        return sources.Registry(HKEY_LOCAL_MACHINE, classKey, name);
    };
    const std::vector<TInfoRow> device = {
        DataRow(L"Description", driverText(L"DriverDesc")),
        DataRow(L"Manufacturer", driverText(L"ProviderName")),
        DataRow(L"Status", L"OK"),
        DataRow(L"Driver Version", driverText(L"DriverVersion")),
        DataRow(L"Driver Date", driverText(L"DriverDate")),
        DataRow(L"INF", driverText(L"InfPath") + L"\\" + driverText(L"InfSection")),
        DataRow(L"Driver", LowerText(sources.SystemDir() + L"\\drivers\\" + driverText(L"Driver"))),
    };
    rows.insert(rows.end(), device.begin(), device.end());
}

} // namespace

std::vector<TInfoRow> SoundDevicePageRows(const TSoundPageSources& sources) {
    std::vector<TInfoRow> rows = {HeadingRow(L"Sound Device", SoundDeviceImageIndex)};
    for (int n = 0; n < MediaClassInstances; ++n) {
        const std::wstring classKey = ClassInstanceKey(MediaClassGuid, n);
        if (sources.Registry(HKEY_LOCAL_MACHINE, classKey, L"AssociatedFilters") ==
            SoundDeviceFilters)
            AddSoundDeviceRows(rows, sources, classKey);
    }
    return rows;
}

std::vector<TInfoRow> PrinterPageRows(const TSoundPageSources& sources) {
    const std::wstring name = sources.Wmi(L"Win32_Printer", L"Name");
    if (name.empty())
        return {NotAvailableRow()};
    return {
        HeadingRow(L"Printer", PrinterImageIndex),
        DataRow(L"Name", name),
        DataRow(L"Driver", sources.Wmi(L"Win32_Printer", L"DriverName")),
        DataRow(L"Port Name", sources.Wmi(L"Win32_Printer", L"PortName")),
    };
}

void TForm1::Action3Execute() {
    TPageFill fill(*this, TInfoTab::Component);
    Standar();
    ShowPageRows(*this, *LV1, &ImageList4, SoundDevicePageRows(SoundSources), TFirstRow::Selected);
}

void TForm1::Action8Execute() {
    TPageFill fill(*this, TInfoTab::Component);
    Standar();
    const std::vector<TInfoRow> rows = PrinterPageRows(SoundSources);
    const bool found = rows.front().Kind == TInfoRowKind::Heading;
    ShowPageRows(*this, *LV1, found ? &ImageList4 : nullptr, rows, TFirstRow::NotSelected);
}

} // namespace corvane
