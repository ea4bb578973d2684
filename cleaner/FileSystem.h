#pragma once
// Small questions to the file system that several parts of Tidewell ask.

#include <windows.h>

#include <string>
#include <vector>

namespace tidewell {

// The folder of the running program file, with its trailing backslash.
inline std::wstring ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return path.substr(0, path.find_last_of(L'\\') + 1);
}

// The 64-bit system's view of the files for this thread while the object lives, where the
// redirection can be turned off (on 64-bit Windows only). Nothing may load a library
// meanwhile.
class RedirectionOff {
  public:
    RedirectionOff();
    ~RedirectionOff();
    RedirectionOff(const RedirectionOff&) = delete;
    RedirectionOff& operator=(const RedirectionOff&) = delete;

    bool off() const { return off_; }

  private:
    PVOID previous_ = nullptr;
    bool off_ = false;
};

// The root of the path's drive: C:\ for C:\WINDOWS, C:\Windows or C:\WINNT; empty for a
// path without a drive letter.
std::wstring DriveRoot(const std::wstring& path);

// What the system answers about a path. Missing only when it says that the file, or a
// folder on its way, is not there; any other failure (access denied, a name it rejects, a
// device not ready, a drive that is not there now) proves nothing.
enum class PathAnswer { Missing, File, Folder, Unknown };

// The answer for a path as this program sees it: for the files it lists and deletes itself.
PathAnswer LookUpPath(const std::wstring& path);

// The answer for a path that an entry names, which any program may have written: each form
// its environment variables stand for, looked up as this program sees it and, on 64-bit
// Windows, as the 64-bit system sees it. A variable left unexpanded proves nothing.
PathAnswer LookUpNamedPath(const std::wstring& path);

// The texts a path written with environment variables stands for: as this program expands
// it and, on 64-bit Windows, with the 64-bit program folders for %ProgramFiles% and
// %CommonProgramFiles%.
std::vector<std::wstring> ExpandedForms(const std::wstring& text);

// The named path is proven to name neither a file nor a folder.
inline bool NamesNothing(const std::wstring& path) {
    return LookUpNamedPath(path) == PathAnswer::Missing;
}

// The named path is proven to name no file: nothing is there, or a folder is.
inline bool NamesNoFile(const std::wstring& path) {
    const PathAnswer answer = LookUpNamedPath(path);
    return answer == PathAnswer::Missing || answer == PathAnswer::Folder;
}

// A file or a folder of the program's own.
inline bool PathExists(const std::wstring& path) {
    const PathAnswer answer = LookUpPath(path);
    return answer == PathAnswer::File || answer == PathAnswer::Folder;
}

inline bool FileExists(const std::wstring& path) {
    return LookUpPath(path) == PathAnswer::File;
}

inline bool FolderExists(const std::wstring& path) {
    return LookUpPath(path) == PathAnswer::Folder;
}

// Deletes a file the program listed; true when it is gone afterwards, also when it was
// gone before.
inline bool DeleteListedFile(const std::wstring& path) {
    return DeleteFileW(path.c_str()) || LookUpPath(path) == PathAnswer::Missing;
}

// The text with its environment variables expanded; the text itself when that fails.
std::wstring ExpandEnvironment(const std::wstring& text);

// The Windows folder, without a trailing backslash.
inline std::wstring WindowsFolder() {
    wchar_t buffer[MAX_PATH];
    const UINT length = GetWindowsDirectoryW(buffer, MAX_PATH);
    return std::wstring(buffer, length < MAX_PATH ? length : 0);
}

inline bool IsPathSeparator(wchar_t character) {
    return character == L'\\' || character == L'/';
}

// The last part of the path has a dot; a trailing dot counts, as it does for the system.
inline bool HasExtension(const std::wstring& name) {
    const std::size_t dot = name.find_last_of(L'.');
    const std::size_t separator = name.find_last_of(L"\\/");
    return dot != std::wstring::npos && (separator == std::wstring::npos || dot > separator);
}

inline std::wstring JoinPath(const std::wstring& folder, const std::wstring& name) {
    if (folder.empty() || IsPathSeparator(folder.back()))
        return folder + name;
    return folder + L"\\" + name;
}

// False for a text with a quote, or with a colon past the drive in one of its folders: no
// file system allows them there, so the text is no path to look up. Joining a folder to a
// full or quoted path gives such texts ("C:\WINDOWS" + "C:\x.dll").
bool CanBePath(const std::wstring& text);

// True unless the check proves that no file stands at the name in any of the folders.
template <class NamesNoFileCheck>
bool MayBeInFolders(const std::wstring& name, const std::vector<std::wstring>& folders,
                    NamesNoFileCheck namesNoFile) {
    for (const std::wstring& folder : folders)
        if (!namesNoFile(JoinPath(folder, name)))
            return true;
    return false;
}

// The folders the system searches for a program or library named without a folder, in
// its order: the program's own, the current one, the system folders, then PATH.
std::vector<std::wstring> SearchFolders();

} // namespace tidewell
