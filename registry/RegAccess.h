#pragma once

#include "handles/Handles.h"

#include <windows.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

// Kinds of registry data as the typed operations number them.
enum class RegDataKind { Unknown = 0, String = 1, ExpandString = 2, Integer = 3, Binary = 4 };

struct TRegKeyInfo {
    DWORD NumSubKeys;
    DWORD MaxSubKeyLen;
    DWORD NumValues;
    DWORD MaxValueLen;
    DWORD MaxDataLen;
    FILETIME LastWriteTime;
};

class ERegAccessError : public std::runtime_error {
  public:
    // format holds one "%s", replaced by the value name.
    ERegAccessError(const char* format, const std::wstring& name);
};

// What the registry answers about a key. Missing only when opening it says that it is not
// there; any other failure (access denied, a damaged hive) proves nothing.
enum class KeyAnswer { Missing, Present, Unknown };

// UTF-8 form of a text, for exception messages.
std::string Utf8Text(const std::wstring& text);

// The key path below base, opened with the access; none when it does not open, and then
// result, when given, says why.
handles::RegKeyHandle OpenRegKey(HKEY base, const std::wstring& path, REGSAM access,
                                 LSTATUS* result = nullptr);

// One root key and at most one open current key. Paths starting with a backslash are
// absolute (under the root); others are relative to the current key, or to the root while
// no key is open. Name lists hold each name with one blank in front.
class TRegAccess {
  public:
    explicit TRegAccess(REGSAM access = KEY_ALL_ACCESS) : access_(access) {}
    ~TRegAccess();
    TRegAccess(const TRegAccess&) = delete;
    TRegAccess& operator=(const TRegAccess&) = delete;

    HKEY RootKey() const { return rootKey_; }
    void SetRootKey(HKEY root);
    HKEY CurrentKey() const { return currentKey_.get(); }
    const std::wstring& CurrentPath() const { return currentPath_; }
    REGSAM Access() const { return access_; }
    bool LazyWrite() const { return lazyWrite_; }
    void SetLazyWrite(bool lazyWrite) { lazyWrite_ = lazyWrite; }

    // On failure the current key stays open and the thread's last error holds the
    // registry function's result.
    bool OpenKey(const std::wstring& path, bool create);
    void CloseKey();
    bool KeyExists(const std::wstring& path) const;
    KeyAnswer LookUpKey(const std::wstring& path) const;
    // Deletes the key with all its subkeys; refuses a path naming the base key itself.
    bool DeleteKey(const std::wstring& path);
    bool GetKeyInfo(TRegKeyInfo& info) const;
    void GetKeyNames(std::vector<std::wstring>& list) const;

    void GetValueNames(std::vector<std::wstring>& list) const;
    bool ValueExists(const std::wstring& name) const;
    RegDataKind GetDataType(const std::wstring& name) const;
    bool DeleteValue(const std::wstring& name);
    void WriteString(const std::wstring& name, const std::wstring& text);
    void WriteExpandString(const std::wstring& name, const std::wstring& text);
    void WriteInteger(const std::wstring& name, std::int32_t value);
    void WriteBinaryData(const std::wstring& name, const void* buffer, DWORD size);
    std::int32_t ReadInteger(const std::wstring& name) const;

  private:
    struct ResolvedPath {
        HKEY base;
        std::wstring path;
        bool relative;
    };
    ResolvedPath Resolve(const std::wstring& path) const;
    void WriteData(const std::wstring& name, DWORD type, const void* data, DWORD size);

    handles::RegKeyHandle currentKey_;
    HKEY rootKey_ = HKEY_CURRENT_USER;
    bool lazyWrite_ = true;
    std::wstring currentPath_;
    REGSAM access_;
};
