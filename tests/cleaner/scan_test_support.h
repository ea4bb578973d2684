#pragma once
// Helpers of the scan, repair and backup tests and of the scan benchmark: unique folders and
// registry keys that clean up after themselves, and values and keys put back as they were.

#include "cleaner/FileSystem.h"
#include "registry/RegHelpers.h"

#include <windows.h>

#include <sddl.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

// The tests speak of Tidewell's own names.
using namespace tidewell;

namespace scantest {

inline std::wstring UniqueName(const std::wstring& prefix) {
    static int counter = 0;
    return prefix + L"_" + std::to_wstring(GetCurrentProcessId()) + L"_" +
           std::to_wstring(GetTickCount64()) + L"_" + std::to_wstring(++counter);
}

// A new folder under the temporary folder, removed with everything in it.
class TempFolder {
  public:
    explicit TempFolder(const std::wstring& prefix = L"TwScan") {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        path_ = std::wstring(temp) + UniqueName(prefix);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::wstring& path() const { return path_; }
    std::wstring file(const std::wstring& name) const { return path_ + L"\\" + name; }
    // Creates the file with the given bytes; returns its full path.
    std::wstring write(const std::wstring& name, const std::string& bytes = "x") const {
        std::ofstream(file(name).c_str(), std::ios::binary) << bytes;
        return file(name);
    }

  private:
    std::wstring path_;
};

// A Linux symbolic link to a folder, which Wine lists as a folder with a reparse point. Wine
// starts the Linux program that makes or removes it without a handle, so the link is awaited.
class FolderLink {
  public:
    FolderLink(const std::wstring& folder, const std::string& name, const std::wstring& target)
        : path(folder + L"\\" + std::wstring(name.begin(), name.end())),
          unixPath_(UnixPath(folder) + "/" + name) {
        RunLinux("ln -s \"" + UnixPath(target) + "\" \"" + unixPath_ + "\"", true);
    }
    ~FolderLink() { RunLinux("rm \"" + unixPath_ + "\"", false); }
    FolderLink(const FolderLink&) = delete;
    FolderLink& operator=(const FolderLink&) = delete;

    const std::wstring path;

  private:
    static std::string UnixPath(const std::wstring& path) {
        using UnixFileName = char*(CDECL*)(LPCWSTR);
        const auto unixFileName = reinterpret_cast<UnixFileName>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
        char* name = unixFileName(path.c_str());
        const std::string copy = name ? name : "";
        HeapFree(GetProcessHeap(), 0, name);
        return copy;
    }
    void RunLinux(std::string commandLine, bool linked) const {
        const std::string program = "Z:\\bin\\" + commandLine.substr(0, commandLine.find(' '));
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        if (CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           nullptr, &startup, &process))
            for (int wait = 0; wait < 500 && PathExists(path) != linked; ++wait)
                Sleep(10);
    }

    std::string unixPath_;
};

// A file that the 64-bit system sees at the path, in a folder of its own made if missing;
// under WoW64 the program's own view of the system folder does not show it. Removed with
// the object.
class NativeFile {
  public:
    explicit NativeFile(std::wstring file) : path(std::move(file)) {
        const RedirectionOff redirection;
        madeFolder_ = CreateDirectoryW(folder().c_str(), nullptr);
        CloseHandle(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    }
    ~NativeFile() {
        const RedirectionOff redirection;
        DeleteFileW(path.c_str());
        if (madeFolder_)
            RemoveDirectoryW(folder().c_str());
    }
    NativeFile(const NativeFile&) = delete;
    NativeFile& operator=(const NativeFile&) = delete;

    const std::wstring path;

  private:
    std::wstring folder() const { return path.substr(0, path.find_last_of(L'\\')); }
    bool madeFolder_ = false;
};

// The program files folder of 64-bit programs, or the only one of a 32-bit system.
inline std::wstring NativeProgramFiles() {
    const std::wstring native = ExpandEnvironment(L"%ProgramW6432%");
    return native.find(L'%') == std::wstring::npos ? native : ExpandEnvironment(L"%ProgramFiles%");
}

inline std::string FileBytes(const std::wstring& path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

inline std::vector<std::wstring> FileNames(const std::wstring& folder) {
    std::vector<std::wstring> names;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ignored))
        names.push_back(entry.path().filename().wstring());
    return names;
}

// The text of a UTF-16 file (after its byte order mark).
inline std::wstring Utf16FileText(const std::wstring& path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    if (bytes.size() < 2)
        return {};
    std::wstring text((bytes.size() - 2) / 2, L'\0');
    std::copy(bytes.begin() + 2, bytes.begin() + 2 + text.size() * 2,
              reinterpret_cast<char*>(text.data()));
    return text;
}

// Remembers the files of a folder and deletes those added meanwhile on destruction.
class NewFilesRemover {
  public:
    explicit NewFilesRemover(std::wstring folder)
        : folder_(std::move(folder)), before_(FileNames(folder_)) {}
    ~NewFilesRemover() {
        for (const std::wstring& name : added()) {
            SetFileAttributesW((folder_ + L"\\" + name).c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW((folder_ + L"\\" + name).c_str());
        }
    }
    NewFilesRemover(const NewFilesRemover&) = delete;
    NewFilesRemover& operator=(const NewFilesRemover&) = delete;

    std::vector<std::wstring> added() const {
        std::vector<std::wstring> names;
        for (const std::wstring& name : FileNames(folder_))
            if (std::find(before_.begin(), before_.end(), name) == before_.end())
                names.push_back(name);
        return names;
    }

  private:
    std::wstring folder_;
    std::vector<std::wstring> before_;
};

// A message-only window for a message posted before a long action: when the action lets
// pending messages run, the message is handled and `look` tells what the action shows then.
class PostedMessageProbe {
  public:
    explicit PostedMessageProbe(std::function<bool()> look) : look_(std::move(look)) {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = Procedure;
        windowClass.lpszClassName = L"TwPostedMessageProbe";
        RegisterClassW(&windowClass);
        window_ = CreateWindowW(windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                nullptr, nullptr, nullptr);
        SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        PostMessageW(window_, WM_APP, 0, 0);
    }
    ~PostedMessageProbe() { DestroyWindow(window_); }
    PostedMessageProbe(const PostedMessageProbe&) = delete;
    PostedMessageProbe& operator=(const PostedMessageProbe&) = delete;

    // True when the message was handled and `look` said yes at that moment.
    bool seenDuringTheAction() const { return seen_; }

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* probe =
            reinterpret_cast<PostedMessageProbe*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (message != WM_APP || !probe)
            return DefWindowProcW(window, message, wParam, lParam);
        probe->seen_ = probe->look_();
        return 0;
    }

    std::function<bool()> look_;
    HWND window_ = nullptr;
    bool seen_ = false;
};

inline HKEY OpenKey(HKEY root, const std::wstring& path, REGSAM access = KEY_ALL_ACCESS) {
    HKEY key = nullptr;
    RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, access, nullptr, &key, nullptr);
    return key;
}

inline void SetString(HKEY root, const std::wstring& path, const std::wstring& name,
                      const std::wstring& data, DWORD type = REG_SZ) {
    HKEY key = OpenKey(root, path);
    RegSetValueExW(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.c_str()),
                   static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

// Gives the key, made if missing, the access rules of the security descriptor text.
inline void SetKeyAccess(HKEY root, const std::wstring& path, const wchar_t* rules) {
    HKEY key = OpenKey(root, path);
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    ConvertStringSecurityDescriptorToSecurityDescriptorW(rules, SDDL_REVISION_1, &descriptor,
                                                         nullptr);
    RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor);
    LocalFree(descriptor);
    RegCloseKey(key);
}

inline bool ValueExists(HKEY root, const std::wstring& path, const std::wstring& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return false;
    const bool exists =
        RegQueryValueExW(key, name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    RegCloseKey(key);
    return exists;
}

inline void DeleteValue(HKEY root, const std::wstring& path, const std::wstring& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS)
        return;
    RegDeleteValueW(key, name.c_str());
    RegCloseKey(key);
}

// One string value of a key, put back as it was (or deleted) on destruction.
class SavedValue {
  public:
    SavedValue(HKEY root, std::wstring path, std::wstring name)
        : root_(root), path_(std::move(path)), name_(std::move(name)),
          existed_(ValueExists(root_, path_, name_)), data_(ReadRegString(path_, name_, root_)) {}
    ~SavedValue() {
        if (existed_)
            SetString(root_, path_, name_, data_);
        else
            DeleteValue(root_, path_, name_);
    }
    SavedValue(const SavedValue&) = delete;
    SavedValue& operator=(const SavedValue&) = delete;

  private:
    HKEY root_;
    std::wstring path_;
    std::wstring name_;
    bool existed_;
    std::wstring data_;
};

// A registry string set for the life of the object, then put back as it was.
class PointedValue {
  public:
    PointedValue(HKEY root, const std::wstring& path, const std::wstring& name,
                 const std::wstring& data)
        : saved_(root, path, name) {
        SetString(root, path, name, data);
    }

  private:
    SavedValue saved_;
};

// Remembers every value of a key and puts the key back as it was on destruction: values
// added meanwhile are deleted, changed or deleted ones written again.
class SavedKey {
  public:
    SavedKey(HKEY root, const std::wstring& path) : root_(root), path_(path) {
        HKEY key = nullptr;
        existed_ = RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS;
        if (!existed_)
            return;
        for (DWORD index = 0;; ++index) {
            wchar_t name[16384];
            DWORD nameLength = 16384;
            DWORD type = 0;
            DWORD size = 0;
            if (RegEnumValueW(key, index, name, &nameLength, nullptr, &type, nullptr, &size) !=
                ERROR_SUCCESS)
                break;
            Value value{name, type, std::vector<BYTE>(size)};
            RegQueryValueExW(key, name, nullptr, nullptr, value.data.data(), &size);
            values_.push_back(std::move(value));
        }
        RegCloseKey(key);
    }
    ~SavedKey() {
        if (!existed_) {
            RegDeleteTreeW(root_, path_.c_str());
            RegDeleteKeyW(root_, path_.c_str());
            return;
        }
        HKEY key = OpenKey(root_, path_);
        RegDeleteTreeW(key, nullptr);
        for (const Value& value : values_)
            RegSetValueExW(key, value.name.c_str(), 0, value.type, value.data.data(),
                           static_cast<DWORD>(value.data.size()));
        RegCloseKey(key);
    }
    SavedKey(const SavedKey&) = delete;
    SavedKey& operator=(const SavedKey&) = delete;

  private:
    struct Value {
        std::wstring name;
        DWORD type;
        std::vector<BYTE> data;
    };
    HKEY root_;
    std::wstring path_;
    bool existed_ = false;
    std::vector<Value> values_;
};

} // namespace scantest
