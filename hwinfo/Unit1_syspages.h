#pragma once
// Sources and rows of the System tab's Video Adapter, Mainboard, BIOS, APM, ACPI,
// Card Bus(es), Memory and Windows Info pages. Each page reads through a small set of
// source functions so that tests can put stand-ins there.

#include "hwinfo/DevicePages.h"
#include "hwinfo/Un_Tambahan.h"

#include "registry/RegHelpers.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace corvane {

class TForm1;

// A string value, by the rules of ReadRegString.
using TRegStringSource =
    std::function<std::wstring(const std::wstring& key, const std::wstring& name, HKEY root)>;
// A REG_DWORD value, by the rules of ReadRegistryInteger.
using TRegIntegerSource =
    std::function<std::int32_t(HKEY root, const std::wstring& key, const std::wstring& name)>;

// A display mode; 0 where a figure is unknown.
struct TDisplayMode {
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::int32_t BitsPerPixel = 0;
    std::int32_t RefreshRate = 0;
};

// The mode the display shows now; all 0 when it cannot be read.
TDisplayMode ReadCurrentDisplayMode();

struct TVideoPageSources {
    TWmiSource wmi = LocalWmiProperty;
    TRegStringSource regString = ReadRegString;
    TRegIntegerSource regInteger = ReadRegistryInteger;
    std::function<TDisplayMode()> currentMode = ReadCurrentDisplayMode;
};

// The Video Adapter page's 25 rows about the device "\Device\Video0".
std::vector<TInfoRow> VideoPageRows(const TVideoPageSources& sources);

// The adapter's name from the values of its device key: "Device Description", or the
// driver's "DriverDesc" where that is absent.
std::wstring VideoAdapterName(const std::function<std::wstring(const wchar_t* name)>& deviceValue);

struct TBoardPageSources {
    TWmiSource wmi = LocalWmiProperty;
    TRegStringSource regString = ReadRegString;
};

// The Mainboard page's 9 rows and the BIOS page's 7 rows.
std::vector<TInfoRow> MainboardPageRows(const TBoardPageSources& sources);
std::vector<TInfoRow> BiosPageRows(const TBoardPageSources& sources);

struct TPowerPageSources {
    TRegStringSource regString = ReadRegString;
    std::function<bool(const std::wstring& keyPath)> keyExists = RegistryKeyExists;
};

// The APM page: the power schemes numbered 0 to 10 that have a name, then the power status.
std::vector<TInfoRow> ApmPageRows(const TPowerPageSources& sources);
// The ACPI page: its table when the machine has ACPI data, else one "Not Available" row.
std::vector<TInfoRow> AcpiPageRows(bool hasAcpi);
std::vector<TInfoRow> CardBusPageRows();

// The figures of the global memory status that the Memory page shows.
struct TMemoryFigures {
    std::uint32_t LoadPercent = 0;
    std::uint64_t TotalPhysical = 0;
    std::uint64_t AvailablePhysical = 0;
    std::uint64_t TotalPageFile = 0;
    std::uint64_t AvailablePageFile = 0;
};

// The memory status now; all zero when it cannot be read.
TMemoryFigures ReadMemoryFigures();

struct TMemoryPageSources {
    std::function<TMemoryFigures()> memory = ReadMemoryFigures;
    TWmiSource wmi = LocalWmiProperty;
};

// The Memory page's 9 rows and the Windows Info page's 20 rows.
std::vector<TInfoRow> MemoryPageRows(const TMemoryFigures& memory, const TWmiSource& wmi);
std::vector<TInfoRow> WindowsInfoPageRows(const TWmiSource& wmi);

// ShowPageRows on the System tab's list with its small images (ImageList3).
void ShowSystemRows(TForm1& form, const std::vector<TInfoRow>& rows,
                    TFirstRow firstRow = TFirstRow::NotSelected);

} // namespace corvane
