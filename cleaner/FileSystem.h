#pragma once
// Small questions to the file system that several parts of Tidewell ask.

#include <windows.h>

#include <string>
#include <vector>

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

// What the system answers about a path. Missing only when it says that the file, or a
// folder on its way, is not there; any other failure (access denied, a name it rejects, a
// device not ready) proves nothing.
enum class PathAnswer { Missing, File, Folder, Unknown };

inline PathAnswer LookUpPath(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES)
        return attributes & FILE_ATTRIBUTE_DIRECTORY ? PathAnswer::Folder : PathAnswer::File;
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? PathAnswer::Missing
                                                                          : PathAnswer::Unknown;
}

// Proven to name neither a file nor a folder.
inline bool NamesNothing(const std::wstring& path) {
    return LookUpPath(path) == PathAnswer::Missing;
}

// Proven to name no file: nothing is there, or a folder is.
inline bool NamesNoFile(const std::wstring& path) {
    const PathAnswer answer = LookUpPath(path);
    return answer == PathAnswer::Missing || answer == PathAnswer::Folder;
}

// A file or a folder.
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

// The text with its environment variables expanded; the text itself when that fails.
inline std::wstring ExpandEnvironment(const std::wstring& text) {
    const DWORD size = ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
    std::wstring expanded(size, L'\0');
    if (size == 0 || ExpandEnvironmentStringsW(text.c_str(), expanded.data(), size) != size)
        return text;
    expanded.resize(size - 1);
    return expanded;
}

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
