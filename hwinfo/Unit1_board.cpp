#include "hwinfo/Unit1.h"

namespace corvane {

namespace {

const int MainboardImageIndex = 2;
const int BiosImageIndex = 10;

std::wstring SystemBiosDate(const TBoardPageSources& sources) {
    return sources.regString(L"HARDWARE\\DESCRIPTION\\System", L"SystemBiosDate",
                             HKEY_LOCAL_MACHINE);
}

std::wstring BaseBoard(const TBoardPageSources& sources, const wchar_t* property) {
    return sources.wmi(L"Win32_BaseBoard", property);
}

std::wstring Bios(const TBoardPageSources& sources, const wchar_t* property) {
    return sources.wmi(L"Win32_BIOS", property);
}

} // namespace

std::vector<TInfoRow> MainboardPageRows(const TBoardPageSources& sources) {
    return {
        HeadingRow(L"Mainboard", MainboardImageIndex),
        DataRow(L"Bus(es)", L"AGP PCI IMB USB i2c/SMBus"),
        DataRow(L"MP Support", L"1 CPU(s)"),
        DataRow(L"Model", BaseBoard(sources, L"Product")),
        DataRow(L"Version", BaseBoard(sources, L"Version")),
        DataRow(L"Serial Number", BaseBoard(sources, L"SerialNumber")),
        DataRow(L"BIOS Version", Bios(sources, L"Version")),
        DataRow(L"BIOS Date", SystemBiosDate(sources)),
        DataRow(L"BIOS Vendor", Bios(sources, L"Manufacturer")),
    };
}

std::vector<TInfoRow> BiosPageRows(const TBoardPageSources& sources) {
    return {
        HeadingRow(L"BIOS", BiosImageIndex),
        DataRow(L"System Bios Version", Bios(sources, L"Version")),
        DataRow(L"System Bios Date", SystemBiosDate(sources)),
        DataRow(L"Manufacturer", Bios(sources, L"Manufacturer")),
        DataRow(L"SMBIOS Version", Bios(sources, L"SMBIOSBIOSVersion")),
        DataRow(L"Plug & Play Version", BaseBoard(sources, L"Version")),
        DataRow(L"SMBIOS/DMI Version",
                Bios(sources, L"SMBIOSMajorVersion") + L"." + Bios(sources, L"SMBIOSMinorVersion")),
    };
}

void TForm1::Action11Execute() {
    TPageFill fill(*this, TInfoTab::System);
    ShowSystemRows(*this, MainboardPageRows(BoardSources));
}

void TForm1::Action13Execute() {
    TPageFill fill(*this, TInfoTab::System);
    ShowSystemRows(*this, BiosPageRows(BoardSources));
}

} // namespace corvane
