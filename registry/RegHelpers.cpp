#include "registry/RegHelpers.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <limits>

std::wstring SystemErrorText(DWORD code) {
    wchar_t buffer[512];
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, code, 0, buffer, ARRAYSIZE(buffer), nullptr);
    std::wstring text(buffer, length);
    text.erase(text.find_last_not_of(L" \r\n") + 1);
    return text;
}

namespace {

std::runtime_error SystemError(DWORD code) {
    return std::runtime_error(Utf8Text(SystemErrorText(code)));
}

std::wstring TextOf(const RegValue& value) {
    if (const auto* text = std::get_if<std::wstring>(&value))
        return *text;
    return std::to_wstring(std::get<long long>(value));
}

std::int32_t IntegerOf(const std::wstring& name, const RegValue& value) {
    long long number;
    if (const auto* text = std::get_if<std::wstring>(&value)) {
        wchar_t* end = nullptr;
        errno = 0;
        number = std::wcstoll(text->c_str(), &end, 10);
        if (text->empty() || *end != L'\0' || errno != 0)
            throw ERegAccessError("Invalid data type for '%s'", name);
    } else {
        number = std::get<long long>(value);
    }
    if (number < std::numeric_limits<std::int32_t>::min() ||
        number > std::numeric_limits<std::int32_t>::max())
        throw ERegAccessError("Invalid data type for '%s'", name);
    return static_cast<std::int32_t>(number);
}

} // namespace

std::wstring RemoveText(const std::wstring& pattern, const std::wstring& text) {
    std::wstring result = text;
    if (pattern.empty())
        return result;
    for (auto at = result.find(pattern); at != std::wstring::npos; at = result.find(pattern))
        result.erase(at, pattern.size());
    return result;
}

void SplitText(const std::wstring& text, wchar_t delimiter, std::vector<std::wstring>& list) {
    list.clear();
    std::wstring field;
    for (const wchar_t character : text) {
        if (character == delimiter) {
            list.push_back(L" " + field);
            field.clear();
        } else {
            field += character;
        }
    }
    if (!field.empty())
        list.push_back(L" " + field);
}

void WriteRegValue(HKEY root, const std::wstring& key, const std::wstring& name,
                   const RegValue& value, RegDataKind kind) {
    // Querying the existing value's kind needs read access besides KEY_WRITE.
    TRegAccess registry(KEY_WRITE | KEY_QUERY_VALUE);
    registry.SetRootKey(root);
    if (!registry.OpenKey(key, true))
        throw SystemError(GetLastError());
    if (kind == RegDataKind::Unknown)
        kind = registry.GetDataType(name);
    switch (kind) {
    case RegDataKind::String:
        registry.WriteString(name, TextOf(value));
        break;
    case RegDataKind::ExpandString:
        registry.WriteExpandString(name, TextOf(value));
        break;
    case RegDataKind::Integer:
        registry.WriteInteger(name, IntegerOf(name, value));
        break;
    case RegDataKind::Binary: {
        const std::string bytes = Utf8Text(TextOf(value));
        registry.WriteBinaryData(name, bytes.data(), static_cast<DWORD>(bytes.size()));
        break;
    }
    default:
        throw SystemError(ERROR_CANTWRITE);
    }
}

namespace {

bool IsWideText(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

std::wstring AnsiText(const char* bytes, std::size_t size) {
    const int length = static_cast<int>(std::find(bytes, bytes + size, '\0') - bytes);
    std::wstring text(MultiByteToWideChar(CP_ACP, 0, bytes, length, nullptr, 0), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes, length, text.data(), static_cast<int>(text.size()));
    return text;
}

// The value's data as text (see ReadRegString) and its type; REG_NONE on failure.
std::wstring ReadRegText(const std::wstring& key, const std::wstring& name, HKEY root,
                         DWORD& type) {
    type = REG_NONE;
    HKEY handle;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS)
        return {};
    wchar_t buffer[256];
    DWORD size = sizeof buffer;
    const LSTATUS result = RegQueryValueExW(handle, name.c_str(), nullptr, &type,
                                            reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(handle);
    if (result != ERROR_SUCCESS) {
        type = REG_NONE;
        return {};
    }
    if (!IsWideText(type))
        return AnsiText(reinterpret_cast<const char*>(buffer), size);
    const std::wstring data(buffer, size / sizeof(wchar_t));
    return data.substr(0, data.find(L'\0'));
}

} // namespace

std::wstring ReadRegString(const std::wstring& key, const std::wstring& name, HKEY root) {
    DWORD type;
    return ReadRegText(key, name, root, type);
}

std::wstring ReadRegStringOnly(const std::wstring& key, const std::wstring& name, HKEY root) {
    DWORD type;
    std::wstring text = ReadRegText(key, name, root, type);
    return type == REG_SZ || type == REG_EXPAND_SZ ? text : std::wstring();
}
