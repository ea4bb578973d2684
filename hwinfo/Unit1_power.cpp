#include "hwinfo/Unit1.h"

namespace corvane {

namespace {

const int PowerSchemesImageIndex = 7;
const int ApmStatusImageIndex = 13;
const int AcpiImageIndex = 11;
const int BusesImageIndex = 12;
const int LastPowerScheme = 10;
const wchar_t* const PowerPolicies = L"Control Panel\\PowerCfg\\PowerPolicies\\";

} // namespace

std::vector<TInfoRow> ApmPageRows(const TPowerPageSources& sources) {
    std::vector<TInfoRow> rows = {HeadingRow(L"Power Schemes", PowerSchemesImageIndex)};
    for (int number = 0; number <= LastPowerScheme; ++number) {
        const std::wstring key = PowerPolicies + std::to_wstring(number);
        const std::wstring name = sources.regString(key, L"Name", HKEY_CURRENT_USER);
        if (!name.empty())
            rows.push_back(
                DataRow(name, sources.regString(key, L"Description", HKEY_CURRENT_USER)));
    }
    rows.push_back(BlankRow());
    rows.push_back(HeadingRow(L"APM System Status", ApmStatusImageIndex));
    rows.push_back(DataRow(L"AC Line Status", L"On-Line"));
    return rows;
}

std::vector<TInfoRow> AcpiPageRows(bool hasAcpi) {
    if (!hasAcpi)
        return {NotAvailableRow()};
    return {
        HeadingRow(L"ACPI BIOS", AcpiImageIndex),
        DataRow(L"Version", L"1.00"),
        DataRow(L"Manufacturer", L"ACPIAM"),
        DataRow(L"Revision", L"5.15"),
        DataRow(L"MP APIC", L"Yes"),
        DataRow(L"SCI ARP IRQ", L"9"),
    };
}

std::vector<TInfoRow> CardBusPageRows() {
    return {
        HeadingRow(L"System Buses", BusesImageIndex),
        DataRow(L"AGP Bus(es)", L"1"),
        DataRow(L"PCI Bus(es)", L"1"),
        DataRow(L"Interface Version", L"2.10"),
    };
}

void TForm1::Action14Execute() {
    TPageFill fill(*this, TInfoTab::System);
    ShowSystemRows(*this, ApmPageRows(PowerSources), TFirstRow::Selected);
}

// Without ACPI data the list keeps whatever small images it has.
void TForm1::Action15Execute() {
    TPageFill fill(*this, TInfoTab::System);
    const bool hasAcpi = PowerSources.keyExists(L"\\HARDWARE\\ACPI");
    ShowPageRows(*this, *LV2, hasAcpi ? &ImageList3 : nullptr, AcpiPageRows(hasAcpi),
                 TFirstRow::NotSelected);
}

void TForm1::Action16Execute() {
    TPageFill fill(*this, TInfoTab::System);
    ShowSystemRows(*this, CardBusPageRows());
}

} // namespace corvane
