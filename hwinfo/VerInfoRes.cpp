#include "hwinfo/VerInfoRes.h"

#include <shellapi.h>

#include <cstdio>

namespace corvane {

namespace {

// The version data of the file; empty when it has none or it cannot be read.
std::vector<BYTE> LoadVersionData(const std::wstring& fileName) {
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(fileName.c_str(), &handle);
    if (size == 0)
        return {};
    std::vector<BYTE> data(size, 0);
    if (!GetFileVersionInfoW(fileName.c_str(), handle, size, data.data()))
        return {};
    return data;
}

// A block of the version data, or nullptr.
const void* QueryBlock(const std::vector<BYTE>& data, const std::wstring& path, UINT minimumSize) {
    void* block = nullptr;
    UINT length = 0;
    if (data.empty() ||
        !VerQueryValueW(const_cast<BYTE*>(data.data()), path.c_str(), &block, &length) || !block ||
        length < minimumSize)
        return nullptr;
    return block;
}

const DWORD* FirstTranslation(const std::vector<BYTE>& data) {
    return static_cast<const DWORD*>(
        QueryBlock(data, L"\\VarFileInfo\\Translation", sizeof(DWORD)));
}

const VS_FIXEDFILEINFO* FixedInfo(const std::vector<BYTE>& data) {
    return static_cast<const VS_FIXEDFILEINFO*>(QueryBlock(data, L"\\", sizeof(VS_FIXEDFILEINFO)));
}

// One string of the first translation, up to its first zero character.
std::wstring VersionString(const std::vector<BYTE>& data, DWORD translation, const wchar_t* key) {
    wchar_t path[80];
    std::swprintf(path, 80, L"\\StringFileInfo\\%.4x%.4x\\%ls", LOWORD(translation),
                  HIWORD(translation), key);
    void* text = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(const_cast<BYTE*>(data.data()), path, &text, &length) || !text)
        return {};
    const auto* chars = static_cast<const wchar_t*>(text);
    std::wstring value(chars, length);
    return value.substr(0, value.find(L'\0'));
}

bool FlagSet(const VS_FIXEDFILEINFO& info, DWORD flag) {
    return (info.dwFileFlagsMask & info.dwFileFlags & flag) != 0;
}

void ReadVersionStrings(const std::vector<BYTE>& data, TFileVersionRecord& record) {
    const DWORD* translation = FirstTranslation(data);
    if (!translation)
        return;
    const std::pair<const wchar_t*, std::wstring*> keys[] = {
        {L"CompanyName", &record.CompanyName},
        {L"FileDescription", &record.FileDescription},
        {L"FileVersion", &record.FileVersion},
        {L"InternalName", &record.InternalName},
        {L"LegalCopyRight", &record.LegalCopyright},
        {L"LegalTradeMarks", &record.LegalTrademarks},
        {L"OriginalFileName", &record.OriginalFilename},
        {L"ProductName", &record.ProductName},
        {L"ProductVersion", &record.ProductVersion},
        {L"Comments", &record.Comments},
        {L"SpecialBuild", &record.SpecialBuildText},
        {L"PrivateBuild", &record.PrivateBuildText},
    };
    for (const auto& [key, field] : keys)
        *field = VersionString(data, *translation, key);
}

void ReadFixedInfo(const std::vector<BYTE>& data, TFileVersionRecord& record) {
    const VS_FIXEDFILEINFO* info = FixedInfo(data);
    if (!info)
        return;
    record.Debug = FlagSet(*info, VS_FF_DEBUG);
    record.PreRelease = FlagSet(*info, VS_FF_PRERELEASE);
    record.SpecialBuild = FlagSet(*info, VS_FF_SPECIALBUILD);
    record.PrivateBuild = FlagSet(*info, VS_FF_PRIVATEBUILD);
    record.Patched = FlagSet(*info, VS_FF_PATCHED);
    record.InfoInferred = FlagSet(*info, VS_FF_INFOINFERRED);
    record.FileType = FileTypeText(info->dwFileType, info->dwFileSubtype);
}

const wchar_t* const DriverNames[] = {
    L"Unknown Driver",    L"Printer Driver", L"Keyboard Driver",      L"Language Driver",
    L"Display Driver",    L"Mouse Driver",   L"Network Driver",       L"System Driver",
    L"InstallableDriver", L"Sound Driver",   L"Communications Driver"};

const wchar_t* const FontNames[] = {L"Unknown Font", L"Raster Font", L"Vector Font",
                                    L"Truetype Font"};

// The subtype's name in the table; empty for a subtype past its end.
template <std::size_t N> std::wstring SubtypeName(const wchar_t* const (&names)[N], DWORD subtype) {
    return subtype < N ? names[subtype] : L"";
}

} // namespace

std::wstring FileTypeText(DWORD fileType, DWORD fileSubtype) {
    switch (fileType) {
    case VFT_UNKNOWN:
        return L"Unknown";
    case VFT_APP:
        return L"Application";
    case VFT_DRV:
        return SubtypeName(DriverNames, fileSubtype);
    case VFT_FONT:
        return SubtypeName(FontNames, fileSubtype);
    case VFT_VXD: {
        wchar_t hex[9];
        std::swprintf(hex, 9, L"%.8X", static_cast<unsigned>(fileSubtype));
        return std::wstring(L"Virtual Defice Identifier = ") + hex;
    }
    case VFT_STATIC_LIB:
        return L"Static-link Library";
    default:
        return L"";
    }
}

void ReadFileVersionInfo(const std::wstring& path, TFileVersionRecord& record) {
    record = TFileVersionRecord{};
    SHFILEINFOW info = {};
    if (SHGetFileInfoW(path.c_str(), 0, &info, sizeof(info), SHGFI_TYPENAME))
        record.TypeName = info.szTypeName;
    if (SHGetFileInfoW(path.c_str(), 0, nullptr, 0, SHGFI_EXETYPE) == 0)
        return;
    const std::vector<BYTE> data = LoadVersionData(path);
    if (data.empty())
        return;
    ReadVersionStrings(data, record);
    ReadFixedInfo(data, record);
}

TVerInfoRes::TVerInfoRes(const std::wstring& fileName)
    : fileName_(fileName), data_(LoadVersionData(fileName)) {
    translation_ = FirstTranslation(data_);
    loaded_ = translation_ != nullptr;
    if (!loaded_)
        return;
    fixedInfo_ = FixedInfo(data_);
    if (!fixedInfo_)
        return;
    const std::pair<DWORD, const wchar_t*> names[] = {{VS_FF_PRERELEASE, L"Pre-release"},
                                                      {VS_FF_PRIVATEBUILD, L"private build"},
                                                      {VS_FF_SPECIALBUILD, L"Special build"},
                                                      {VS_FF_DEBUG, L"Debug"}};
    for (const auto& [flag, name] : names)
        if (FlagSet(*fixedInfo_, flag))
            flags_.push_back(name);
}

std::wstring TVerInfoRes::FileVersionText() const {
    if (!loaded_ || !fixedInfo_)
        return L"";
    wchar_t text[48];
    std::swprintf(text, 48, L"%u.%u.%u.%u", HIWORD(fixedInfo_->dwFileVersionMS),
                  LOWORD(fixedInfo_->dwFileVersionMS), HIWORD(fixedInfo_->dwFileVersionLS),
                  LOWORD(fixedInfo_->dwFileVersionLS));
    return text;
}

} // namespace corvane
