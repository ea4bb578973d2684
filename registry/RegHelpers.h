#pragma once

#include "registry/RegAccess.h"

#include <functional>
#include <string>
#include <variant>
#include <vector>

using RegValue = std::variant<std::wstring, long long>;

// The text with every occurrence of the pattern removed, also occurrences that a removal
// creates. Case-sensitive.
std::wstring RemoveText(const std::wstring& pattern, const std::wstring& text);

// A blank or a tab.
inline bool IsBlank(wchar_t character) {
    return character == L' ' || character == L'\t';
}

// The text without the blanks and tabs at its start and end.
std::wstring Trimmed(const std::wstring& text);

// Splits the text at every delimiter into the list, each field with one blank in front. A
// delimiter adds its field even when empty; an empty last field is dropped.
void SplitText(const std::wstring& text, wchar_t delimiter, std::vector<std::wstring>& list);

// Writes one value under root\key, creating the key. Kind Unknown keeps the kind of the
// existing value. Throws std::runtime_error with the system's text when the key cannot be
// opened or the kind is unusable; ERegAccessError when the value cannot be written.
void WriteRegValue(HKEY root, const std::wstring& key, const std::wstring& name,
                   const RegValue& value, RegDataKind kind);

// The value's data as text, or the empty text on any failure and for data longer than 510
// bytes: string data (REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ) up to its first zero character
// (at most 255 characters), the bytes of any other type as ANSI text up to the first zero
// byte.
std::wstring ReadRegString(const std::wstring& key, const std::wstring& name, HKEY root);

// The text of a REG_SZ or REG_EXPAND_SZ value as ReadRegString reads it; empty for a value
// of any other type, whose data never names a path.
std::wstring ReadRegStringOnly(const std::wstring& key, const std::wstring& name, HKEY root);

// ReadRegStringOnly of a value of a key that is open for reading.
std::wstring ReadKeyStringOnly(HKEY key, const std::wstring& name);

// The text of REG_SZ or REG_EXPAND_SZ data up to its first zero character, however long;
// empty for data of any other type.
std::wstring StringValueText(DWORD type, const BYTE* data, DWORD size);

// Calls visit(name, type, data, size) for every value of an open key, in enumeration order.
void ForEachValueData(
    HKEY key, const std::function<void(const std::wstring&, DWORD, const BYTE*, DWORD)>& visit);

// Calls visit(name, text) for every value of an open key, in enumeration order, text being
// what ReadKeyString gives for the value (with stringsOnly, what ReadKeyStringOnly gives).
void ForEachValueText(HKEY key, bool stringsOnly,
                      const std::function<void(const std::wstring&, const std::wstring&)>& visit);

// The system's text for an error code, without its trailing line break.
std::wstring SystemErrorText(DWORD code);
