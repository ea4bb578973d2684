#pragma once
// Questions to the file system: the one judge of whether a path, a command line or a class's
// server that an entry names is there, and the small questions several parts of Tidewell ask.

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
// Windows, as the 64-bit system sees it. A form that still holds a variable ("%NAME%") or an
// escaped character ("%20") once expanded proves nothing.
PathAnswer LookUpNamedPath(const std::wstring& path);

// The texts a path written with environment variables stands for: as this program expands
// it and, on 64-bit Windows, with the 64-bit program folders for %ProgramFiles% and
// %CommonProgramFiles%.
std::vector<std::wstring> ExpandedForms(const std::wstring& text);

// While an object of this class lives, the answers for named paths are remembered: each
// drive root is looked at once, each path once, and a folder proven absent answers for
// every path below it. A scan holds one for its run, so that nothing it remembers outlives
// it (a drive plugged in between two scans is seen). Objects made while one lives share
// its memory.
class RememberedAnswers {
  public:
    RememberedAnswers();
    ~RememberedAnswers();
    RememberedAnswers(const RememberedAnswers&) = delete;
    RememberedAnswers& operator=(const RememberedAnswers&) = delete;

  private:
    bool owner_ = false;
};

// The named path is proven to name neither a file nor a folder. A path with a mask ("*" or
// "?") is judged by the folder before its masked part.
bool NamesNothing(const std::wstring& path);

// NamesNothing, also once a locator after the file is set aside: a help topic ("::"), a
// part of a page ("#") or a line (":").
bool NamesNothingBeforeLocator(const std::wstring& path);

// 1 when the command line names no program that could be started, otherwise 0. Nothing
// is started: the program is looked up the way CreateProcess would look it up, after the
// environment variables of the text are expanded.
int ProbeCommandLine(const std::wstring& commandLine);

// The folders that the server paths of classes may be written relative to.
struct ServerFolders {
    std::wstring programFiles;
    std::wstring systemRoot;
    std::wstring commonFiles;
};

// True only when a class's server path, as stored, is proven to name no file in any form it
// may stand for: as written, quoted, relative to the folders, with each folder variable the
// loader knows, found along the search path when written without a folder, and with the
// ".dll" the loader adds to a name without extension. A form that cannot be built or looked
// at leaves the server kept.
bool ServerIsMissing(const std::wstring& server, const ServerFolders& folders);

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

// False for a text with a quote, or with a colon past the drive in one of its folders: no
// file system allows them there, so the text is no path to look up. Joining a folder to a
// full or quoted path gives such texts ("C:\WINDOWS" + "C:\x.dll").
bool CanBePath(const std::wstring& text);

} // namespace tidewell
