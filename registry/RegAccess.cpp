#include "registry/RegAccess.h"

namespace {

std::string FormatWithName(const char* format, const std::wstring& name) {
    std::string text = format;
    text.replace(text.find("%s"), 2, Utf8Text(name));
    return text;
}

bool QueryKeyInfo(HKEY key, TRegKeyInfo& info) {
    info = {};
    return RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &info.NumSubKeys, &info.MaxSubKeyLen,
                            nullptr, &info.NumValues, &info.MaxValueLen, &info.MaxDataLen, nullptr,
                            &info.LastWriteTime) == ERROR_SUCCESS;
}

// Subkey names (subKeys) or value names of the key, each with one blank in front.
void ListNames(HKEY key, bool subKeys, std::vector<std::wstring>& list) {
    list.clear();
    TRegKeyInfo info;
    if (!QueryKeyInfo(key, info))
        return;
    const DWORD count = subKeys ? info.NumSubKeys : info.NumValues;
    std::vector<wchar_t> name((subKeys ? info.MaxSubKeyLen : info.MaxValueLen) + 1);
    for (DWORD index = 0; index < count; ++index) {
        DWORD length = static_cast<DWORD>(name.size());
        const LSTATUS result = subKeys ? RegEnumKeyExW(key, index, name.data(), &length, nullptr,
                                                       nullptr, nullptr, nullptr)
                                       : RegEnumValueW(key, index, name.data(), &length, nullptr,
                                                       nullptr, nullptr, nullptr);
        if (result == ERROR_SUCCESS)
            list.push_back(L" " + std::wstring(name.data()));
    }
}

// Deletes the subkeys of base\path depth-first, then the key itself.
bool DeleteTree(HKEY base, const std::wstring& path, REGSAM access) {
    if (const handles::RegKeyHandle key = OpenRegKey(base, path, access)) {
        std::vector<std::wstring> names;
        ListNames(key.get(), true, names);
        for (auto entry = names.rbegin(); entry != names.rend(); ++entry)
            DeleteTree(key.get(), entry->substr(1), access);
    }
    return RegDeleteKeyW(base, path.c_str()) == ERROR_SUCCESS;
}

RegDataKind KindOfType(DWORD type) {
    switch (type) {
    case REG_SZ:
        return RegDataKind::String;
    case REG_EXPAND_SZ:
        return RegDataKind::ExpandString;
    case REG_DWORD:
        return RegDataKind::Integer;
    case REG_BINARY:
        return RegDataKind::Binary;
    default:
        return RegDataKind::Unknown;
    }
}

std::wstring JoinPath(const std::wstring& parent, const std::wstring& child) {
    return parent.empty() || child.empty() ? parent + child : parent + L"\\" + child;
}

DWORD TextSize(const std::wstring& text) {
    return static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
}

} // namespace

handles::RegKeyHandle OpenRegKey(HKEY base, const std::wstring& path, REGSAM access,
                                 LSTATUS* result) {
    HKEY key = nullptr;
    const LSTATUS opened = RegOpenKeyExW(base, path.c_str(), 0, access, &key);
    if (result)
        *result = opened;
    return handles::RegKeyHandle(opened == ERROR_SUCCESS ? key : nullptr);
}

ERegAccessError::ERegAccessError(const char* format, const std::wstring& name)
    : std::runtime_error(FormatWithName(format, name)) {}

std::string Utf8Text(const std::wstring& text) {
    const int length = static_cast<int>(text.size());
    std::string result(
        WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), length, result.data(),
                        static_cast<int>(result.size()), nullptr, nullptr);
    return result;
}

TRegAccess::~TRegAccess() {
    CloseKey();
}

void TRegAccess::SetRootKey(HKEY root) {
    if (root == rootKey_)
        return;
    rootKey_ = root;
    CloseKey();
}

TRegAccess::ResolvedPath TRegAccess::Resolve(const std::wstring& path) const {
    const bool absolute = !path.empty() && path.front() == L'\\';
    const bool relative = !absolute && currentKey_;
    return {relative ? currentKey_.get() : rootKey_, absolute ? path.substr(1) : path, relative};
}

bool TRegAccess::OpenKey(const std::wstring& path, bool create) {
    const ResolvedPath target = Resolve(path);
    HKEY key;
    const LSTATUS result =
        create && !target.path.empty()
            ? RegCreateKeyExW(target.base, target.path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                              access_, nullptr, &key, nullptr)
            : RegOpenKeyExW(target.base, target.path.c_str(), 0, access_, &key);
    if (result != ERROR_SUCCESS) {
        SetLastError(result);
        return false;
    }
    handles::RegKeyHandle opened(key);
    std::wstring newPath = target.relative ? JoinPath(currentPath_, target.path) : target.path;
    CloseKey();
    currentKey_ = std::move(opened);
    currentPath_ = std::move(newPath);
    return true;
}

void TRegAccess::CloseKey() {
    if (!currentKey_)
        return;
    if (!lazyWrite_)
        RegFlushKey(currentKey_.get());
    currentKey_.reset();
    currentPath_.clear();
}

bool TRegAccess::KeyExists(const std::wstring& path) const {
    return LookUpKey(path) == KeyAnswer::Present;
}

KeyAnswer TRegAccess::LookUpKey(const std::wstring& path) const {
    const ResolvedPath target = Resolve(path);
    const REGSAM readAccess = STANDARD_RIGHTS_READ | KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS;
    LSTATUS result;
    if (OpenRegKey(target.base, target.path, readAccess, &result))
        return KeyAnswer::Present;
    return result == ERROR_FILE_NOT_FOUND ? KeyAnswer::Missing : KeyAnswer::Unknown;
}

bool TRegAccess::DeleteKey(const std::wstring& path) {
    const ResolvedPath target = Resolve(path);
    return !target.path.empty() && DeleteTree(target.base, target.path, access_);
}

bool TRegAccess::GetKeyInfo(TRegKeyInfo& info) const {
    return QueryKeyInfo(currentKey_.get(), info);
}

void TRegAccess::GetKeyNames(std::vector<std::wstring>& list) const {
    ListNames(currentKey_.get(), true, list);
}

void TRegAccess::GetValueNames(std::vector<std::wstring>& list) const {
    ListNames(currentKey_.get(), false, list);
}

bool TRegAccess::ValueExists(const std::wstring& name) const {
    return RegQueryValueExW(currentKey_.get(), name.c_str(), nullptr, nullptr, nullptr, nullptr) ==
           ERROR_SUCCESS;
}

RegDataKind TRegAccess::GetDataType(const std::wstring& name) const {
    DWORD type;
    if (RegQueryValueExW(currentKey_.get(), name.c_str(), nullptr, &type, nullptr, nullptr) !=
        ERROR_SUCCESS)
        return RegDataKind::Unknown;
    return KindOfType(type);
}

bool TRegAccess::DeleteValue(const std::wstring& name) {
    return RegDeleteValueW(currentKey_.get(), name.c_str()) == ERROR_SUCCESS;
}

void TRegAccess::WriteData(const std::wstring& name, DWORD type, const void* data, DWORD size) {
    if (RegSetValueExW(currentKey_.get(), name.c_str(), 0, type, static_cast<const BYTE*>(data),
                       size) != ERROR_SUCCESS)
        throw ERegAccessError("Failed to set data for '%s'", name);
}

void TRegAccess::WriteString(const std::wstring& name, const std::wstring& text) {
    WriteData(name, REG_SZ, text.c_str(), TextSize(text));
}

void TRegAccess::WriteExpandString(const std::wstring& name, const std::wstring& text) {
    WriteData(name, REG_EXPAND_SZ, text.c_str(), TextSize(text));
}

void TRegAccess::WriteInteger(const std::wstring& name, std::int32_t value) {
    WriteData(name, REG_DWORD, &value, sizeof value);
}

void TRegAccess::WriteBinaryData(const std::wstring& name, const void* buffer, DWORD size) {
    WriteData(name, REG_BINARY, buffer, size);
}

std::int32_t TRegAccess::ReadInteger(const std::wstring& name) const {
    DWORD type = REG_NONE;
    std::int32_t value = 0;
    DWORD size = sizeof value;
    const LSTATUS result = RegQueryValueExW(currentKey_.get(), name.c_str(), nullptr, &type,
                                            reinterpret_cast<BYTE*>(&value), &size);
    // A value too large for the buffer still reports its type.
    const bool typeKnown = result == ERROR_SUCCESS || result == ERROR_MORE_DATA;
    if (typeKnown && KindOfType(type) != RegDataKind::Integer)
        throw ERegAccessError("Invalid data type for '%s'", name);
    if (result != ERROR_SUCCESS)
        throw ERegAccessError("Failed to get data for '%s'", name);
    return value;
}
