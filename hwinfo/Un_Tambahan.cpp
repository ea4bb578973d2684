#include "hwinfo/Un_Tambahan.h"

#include "handles/ErrorMode.h"
#include "registry/RegAccess.h"

#include <wbemidl.h>

#include <cerrno>
#include <cwchar>
#include <iomanip>
#include <sstream>

namespace corvane {

namespace {

// Owns one COM interface reference.
template <class T> class ComRef {
  public:
    ComRef() = default;
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    ~ComRef() {
        if (ptr_)
            ptr_->Release();
    }
    T* operator->() const { return ptr_; }
    T* Get() const { return ptr_; }
    T** Put() { return &ptr_; }
    void** PutVoid() { return reinterpret_cast<void**>(&ptr_); }

  private:
    T* ptr_ = nullptr;
};

class Bstr {
  public:
    explicit Bstr(const std::wstring& text) : bstr_(SysAllocString(text.c_str())) {}
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    ~Bstr() { SysFreeString(bstr_); }
    operator BSTR() const { return bstr_; }

  private:
    BSTR bstr_;
};

class Variant {
  public:
    Variant() { VariantInit(&value_); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    ~Variant() { VariantClear(&value_); }
    VARIANT* Put() { return &value_; }
    const VARIANT& Get() const { return value_; }

  private:
    VARIANT value_;
};

bool ConnectWmi(const std::wstring& server, ComRef<IWbemServices>& services) {
    ComRef<IWbemLocator> locator;
    if (FAILED(CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                                locator.PutVoid())))
        return false;
    const std::wstring path = server.empty() ? L"root\\cimv2" : L"\\\\" + server + L"\\root\\cimv2";
    if (FAILED(locator->ConnectServer(Bstr(path), nullptr, nullptr, nullptr, 0, nullptr, nullptr,
                                      services.Put())))
        return false;
    // A remote or out-of-process connection needs impersonation to be queried; an in-process
    // one has no proxy to set, so the outcome does not matter.
    CoSetProxyBlanket(services.Get(), RPC_C_AUTHN_DEFAULT, RPC_C_AUTHZ_NONE, nullptr,
                      RPC_C_AUTHN_LEVEL_CALL, RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE);
    return true;
}

// Reads the property of every instance in turn; the last one wins. Any failing instance
// empties the result.
std::wstring LastInstanceProperty(IEnumWbemClassObject* instances,
                                  const std::wstring& propertyName) {
    std::wstring result;
    const Bstr name(propertyName);
    for (;;) {
        ComRef<IWbemClassObject> instance;
        ULONG returned = 0;
        if (instances->Next(WBEM_INFINITE, 1, instance.Put(), &returned) != S_OK || returned != 1)
            return result;
        Variant value;
        CIMTYPE type = CIM_EMPTY;
        if (FAILED(instance->Get(name, 0, value.Put(), &type, nullptr)))
            return {};
        const std::optional<std::wstring> text = WmiValueText(value.Get(), type);
        if (!text)
            return {};
        result = *text;
    }
}

std::optional<long long> WholeNumber(const std::wstring& text) {
    if (text.empty())
        return std::nullopt;
    wchar_t* end = nullptr;
    errno = 0;
    const long long number = std::wcstoll(text.c_str(), &end, 10);
    if (errno != 0 || end != text.c_str() + text.size())
        return std::nullopt;
    return number;
}

bool IsDriveLetter(wchar_t letter) {
    return (letter >= L'A' && letter <= L'Z') || (letter >= L'a' && letter <= L'z');
}

} // namespace

ComApartment::ComApartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}

ComApartment::~ComApartment() {
    if (SUCCEEDED(result_))
        CoUninitialize();
}

TInfoRow HeadingRow(const std::wstring& caption, int imageIndex) {
    return {TInfoRowKind::Heading, caption, L"", imageIndex};
}

TInfoRow DataRow(const std::wstring& caption, const std::wstring& value) {
    return {TInfoRowKind::Data, caption, value, -1};
}

TInfoRow BlankRow() {
    return {TInfoRowKind::Blank, L"", L"", -1};
}

TInfoRow NotAvailableRow() {
    return {TInfoRowKind::Data, L"Not Available", L"", 0};
}

std::optional<std::wstring> WmiValueText(const VARIANT& value, long cimType) {
    if (V_VT(&value) == VT_NULL)
        return L"0";
    if (V_VT(&value) == VT_BOOL)
        return V_BOOL(&value) ? L"True" : L"False";
    if (V_VT(&value) == VT_I4 && cimType == CIM_UINT32)
        return std::to_wstring(static_cast<std::uint32_t>(V_I4(&value)));
    Variant text;
    if (FAILED(VariantChangeTypeEx(text.Put(), const_cast<VARIANT*>(&value), LOCALE_USER_DEFAULT, 0,
                                   VT_BSTR)))
        return std::nullopt;
    const BSTR bstr = V_BSTR(&text.Get());
    return std::wstring(bstr, SysStringLen(bstr));
}

std::wstring GetWmiProperty(const std::wstring& server, const std::wstring& className,
                            const std::wstring& propertyName) {
    const ComApartment apartment;
    ComRef<IWbemServices> services;
    if (!ConnectWmi(server, services))
        return {};
    ComRef<IEnumWbemClassObject> instances;
    if (FAILED(services->ExecQuery(Bstr(L"WQL"), Bstr(L"SELECT * FROM " + className), 0, nullptr,
                                   instances.Put())))
        return {};
    return LastInstanceProperty(instances.Get(), propertyName);
}

std::wstring LocalWmiProperty(const std::wstring& className, const std::wstring& propertyName) {
    return GetWmiProperty(L"", className, propertyName);
}

std::int32_t ReadRegistryInteger(HKEY root, const std::wstring& keyPath,
                                 const std::wstring& valueName) {
    TRegAccess registry(KEY_READ);
    registry.SetRootKey(root);
    if (!registry.OpenKey(keyPath, false))
        return 0;
    try {
        return registry.ReadInteger(valueName);
    } catch (const ERegAccessError&) {
        return 0;
    }
}

bool RegistryKeyExists(const std::wstring& keyPath) {
    TRegAccess registry(KEY_READ);
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    return registry.KeyExists(keyPath);
}

std::wstring DriveRoot(wchar_t driveLetter) {
    return std::wstring(1, driveLetter) + L":\\";
}

std::wstring VolumeSerialText(DWORD serialNumber) {
    wchar_t text[16];
    swprintf(text, 16, L"%04X-%04X", static_cast<unsigned>(HIWORD(serialNumber)),
             static_cast<unsigned>(LOWORD(serialNumber)));
    return text;
}

std::wstring GetVolumeField(wchar_t driveLetter, TVolumeField field) {
    const handles::CriticalErrorsSilenced silenced;
    wchar_t label[MAX_PATH + 1] = {};
    wchar_t fileSystem[16] = {};
    DWORD serialNumber = 0;
    if (!GetVolumeInformationW(DriveRoot(driveLetter).c_str(), label, MAX_PATH + 1, &serialNumber,
                               nullptr, nullptr, fileSystem, 16))
        return {};
    switch (field) {
    case TVolumeField::Label:
        return label;
    case TVolumeField::SerialNumber:
        return VolumeSerialText(serialNumber);
    case TVolumeField::FileSystem:
        return fileSystem;
    }
    return {};
}

std::optional<TDiskBytes> ReadDiskBytes(const std::wstring& root) {
    const handles::CriticalErrorsSilenced silenced;
    ULARGE_INTEGER freeToCaller, total;
    if (!GetDiskFreeSpaceExW(root.c_str(), &freeToCaller, &total, nullptr))
        return std::nullopt;
    return TDiskBytes{static_cast<std::int64_t>(total.QuadPart),
                      static_cast<std::int64_t>(freeToCaller.QuadPart)};
}

bool DiskInDrive(wchar_t driveLetter) {
    return IsDriveLetter(driveLetter) && ReadDiskBytes(DriveRoot(driveLetter)).has_value();
}

std::wstring GetSystemDir() {
    wchar_t buffer[MAX_PATH];
    const UINT length = GetSystemDirectoryW(buffer, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return {};
    return std::wstring(buffer, length);
}

std::wstring FixedTwoDecimals(double number) {
    std::wostringstream text;
    text.imbue(std::locale::classic());
    text << std::fixed << std::setprecision(2) << number;
    return text.str();
}

std::wstring FormatByteSize(const std::wstring& bytesText) {
    const std::optional<long long> bytes = WholeNumber(bytesText);
    if (!bytes)
        return {};
    static const struct {
        long long size;
        const wchar_t* unit;
    } units[] = {{1LL << 30, L" GB"}, {1LL << 20, L" MB"}, {1LL << 10, L" KB"}};
    for (const auto& unit : units)
        if (*bytes / unit.size != 0)
            return FixedTwoDecimals(static_cast<double>(*bytes) / unit.size) + unit.unit;
    return std::to_wstring(*bytes) + L" bytes";
}

} // namespace corvane
