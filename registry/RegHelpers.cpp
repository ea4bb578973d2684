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

std::wstring Trimmed(const std::wstring& text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsBlank(text[first]))
        ++first;
    while (last > first && IsBlank(text[last - 1]))
        --last;
    return text.substr(first, last - first);
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

bool IsStringType(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ;
}

// ReadRegString reads at most this many bytes of data.
constexpr DWORD ReadLimit = 256 * sizeof(wchar_t);

// Value data as ReadRegString gives it.
std::wstring TextOfData(DWORD type, const BYTE* data, DWORD size) {
    if (!IsWideText(type))
        return AnsiText(reinterpret_cast<const char*>(data), size);
    const std::wstring text(reinterpret_cast<const wchar_t*>(data), size / sizeof(wchar_t));
    return text.substr(0, text.find(L'\0'));
}

// The value's data as text (see ReadRegString) and its type; REG_NONE on failure.
std::wstring ReadValueText(HKEY key, const std::wstring& name, DWORD& type) {
    alignas(wchar_t) BYTE buffer[ReadLimit];
    DWORD size = sizeof buffer;
    if (RegQueryValueExW(key, name.c_str(), nullptr, &type, buffer, &size) != ERROR_SUCCESS) {
        type = REG_NONE;
        return {};
    }
    return TextOfData(type, buffer, size);
}

// What read gives for the value of root\key; the empty text when the key does not open.
std::wstring ReadFromKey(HKEY root, const std::wstring& key, const std::wstring& name,
                         std::wstring (*read)(HKEY, const std::wstring&)) {
    const handles::RegKeyHandle handle = OpenRegKey(root, key, KEY_QUERY_VALUE);
    return handle ? read(handle.get(), name) : std::wstring();
}

std::wstring ReadKeyString(HKEY key, const std::wstring& name) {
    DWORD type;
    return ReadValueText(key, name, type);
}

} // namespace

std::wstring StringValueText(DWORD type, const BYTE* data, DWORD size) {
    return IsStringType(type) ? TextOfData(type, data, size) : std::wstring();
}

std::wstring ReadKeyStringOnly(HKEY key, const std::wstring& name) {
    DWORD type;
    std::wstring text = ReadValueText(key, name, type);
    return IsStringType(type) ? text : std::wstring();
}

std::wstring ReadRegString(const std::wstring& key, const std::wstring& name, HKEY root) {
    return ReadFromKey(root, key, name, ReadKeyString);
}

std::wstring ReadRegStringOnly(const std::wstring& key, const std::wstring& name, HKEY root) {
    return ReadFromKey(root, key, name, ReadKeyStringOnly);
}

void ForEachValueData(
    HKEY key, const std::function<void(const std::wstring&, DWORD, const BYTE*, DWORD)>& visit) {
    DWORD longestName = 0;
    DWORD largestData = 0;
    if (RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                         &longestName, &largestData, nullptr, nullptr) != ERROR_SUCCESS)
        return;
    std::vector<wchar_t> name(longestName + 1);
    std::vector<BYTE> data(largestData + sizeof(wchar_t));
    for (DWORD index = 0;;) {
        DWORD nameLength = static_cast<DWORD>(name.size());
        DWORD size = static_cast<DWORD>(data.size());
        DWORD type = REG_NONE;
        const LSTATUS result =
            RegEnumValueW(key, index, name.data(), &nameLength, nullptr, &type, data.data(), &size);
        if (result == ERROR_MORE_DATA) {
            // The value grew since the key was measured.
            name.resize(name.size() * 2);
            data.resize(std::max<std::size_t>(data.size() * 2, size));
            continue;
        }
        if (result != ERROR_SUCCESS)
            return;
        ++index;
        visit(std::wstring(name.data(), nameLength), type, data.data(), size);
    }
}

void ForEachValueText(HKEY key, bool stringsOnly,
                      const std::function<void(const std::wstring&, const std::wstring&)>& visit) {
    ForEachValueData(key, [&](const std::wstring& name, DWORD type, const BYTE* data, DWORD size) {
        const bool read = size <= ReadLimit && (!stringsOnly || IsStringType(type));
        visit(name, read ? TextOfData(type, data, size) : std::wstring());
    });
}
