#pragma once

#include <windows.h>

#include <oaidl.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace corvane {

// COM for the calling thread for the lifetime of the object, unless it is already there:
// only an initialisation that succeeded is undone.
class ComApartment {
  public:
    ComApartment();
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

  private:
    HRESULT result_;
};

// Kinds of rows of Corvane's two-column lists. Heading and blank rows have the data-row
// mark off, data rows have it on.
enum class TInfoRowKind { Heading, Data, Blank };

// One row of an information list, as a page hands it to the window.
struct TInfoRow {
    TInfoRowKind Kind;
    std::wstring Caption;
    std::wstring Value; // shown in column "Value"; data rows only
    int ImageIndex;     // index into the list's small images, -1 for none
};

TInfoRow HeadingRow(const std::wstring& caption, int imageIndex);
TInfoRow DataRow(const std::wstring& caption, const std::wstring& value);
TInfoRow BlankRow();
// The lone data row "Not Available" of a page whose source has nothing; its picture is left
// unset, so the list shows its image 0.
TInfoRow NotAvailableRow();

// Text of one property of the last instance of a WMI class in root\cimv2 on the given
// machine (empty: this one). A null value gives "0"; no instance or any failure gives the
// empty text. Initialises COM for the calling thread when it is not yet.
std::wstring GetWmiProperty(const std::wstring& server, const std::wstring& className,
                            const std::wstring& propertyName);

// GetWmiProperty on this machine.
std::wstring LocalWmiProperty(const std::wstring& className, const std::wstring& propertyName);

// Where a page reads WMI properties from: LocalWmiProperty, or a stand-in in the tests.
using TWmiSource =
    std::function<std::wstring(const std::wstring& className, const std::wstring& propertyName)>;

// Text of a WMI property value of the given CIM type: strings as they are, numbers in
// decimal (unsigned 32-bit ones unsigned), floating-point numbers with the user's decimal
// separator, Booleans "True" or "False", null "0". Values without a text form (arrays)
// give nothing.
std::optional<std::wstring> WmiValueText(const VARIANT& value, long cimType);

// The REG_DWORD value, or 0 when the key, the value or its integer type is missing.
std::int32_t ReadRegistryInteger(HKEY root, const std::wstring& keyPath,
                                 const std::wstring& valueName);

// Whether the key exists under HKEY_LOCAL_MACHINE.
bool RegistryKeyExists(const std::wstring& keyPath);

// The root folder of the drive: "C:\" for C.
std::wstring DriveRoot(wchar_t driveLetter);

enum class TVolumeField { Label = 0, SerialNumber = 1, FileSystem = 2 };

// One field of the volume in the drive ("C" for C:\); empty text when the drive is not
// ready or does not exist. No system error box is shown.
std::wstring GetVolumeField(wchar_t driveLetter, TVolumeField field);

// A volume serial number as two groups of four upper-case hexadecimal digits: 1234-5678.
std::wstring VolumeSerialText(DWORD serialNumber);

// Byte counts of a volume.
struct TDiskBytes {
    std::int64_t Total;
    std::int64_t Free; // available to the caller
};

// The byte counts of the volume at the root folder; nullopt when the drive has no readable
// medium or does not exist. No system error box is shown.
std::optional<TDiskBytes> ReadDiskBytes(const std::wstring& root);

// Whether the drive holds a medium whose size can be read. No system error box is shown.
bool DiskInDrive(wchar_t driveLetter);

// The Windows system directory without a trailing backslash; empty on failure.
std::wstring GetSystemDir();

// The number with two decimals and a full stop whatever the user's locale: "1536.00".
std::wstring FixedTwoDecimals(double number);

// A byte count given as decimal text, as "512 bytes", "1.50 KB", "1024.00 MB" or
// "3.00 GB" (always with "."); empty text when the text is not a whole number.
std::wstring FormatByteSize(const std::wstring& bytesText);

} // namespace corvane
