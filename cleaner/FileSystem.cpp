#include "cleaner/FileSystem.h"

#include <cwctype>
#include <initializer_list>
#include <utility>

namespace tidewell {

namespace {

// A kernel32 function of a later system than the program needs, bound by name; nullptr
// where the system has none.
template <class Function> Function Kernel32Function(const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), name)));
}

// A 32-bit program on 64-bit Windows: the system redirects its view of the system folders
// and gives it the 32-bit program folders.
bool RunsOnWow64() {
    static const bool wow64 = [] {
        using IsWow64ProcessFunction = BOOL(WINAPI*)(HANDLE, PBOOL);
        const auto isWow64 = Kernel32Function<IsWow64ProcessFunction>("IsWow64Process");
        BOOL result = FALSE;
        return isWow64 && isWow64(GetCurrentProcess(), &result) && result;
    }();
    return wow64;
}

// "\\?\", "\\.\" and "\??\" stand before the drive of a path the system takes as it is.
bool HasDevicePrefix(const std::wstring& path) {
    for (const wchar_t* prefix : {L"\\\\?\\", L"\\\\.\\", L"\\??\\"})
        if (path.compare(0, 4, prefix) == 0)
            return true;
    return false;
}

// A drive letter whose root cannot be looked at now: no such drive, or no disc in it.
bool OnAbsentDrive(const std::wstring& path) {
    const std::wstring root = DriveRoot(path);
    return !root.empty() && GetFileAttributesW(root.c_str()) == INVALID_FILE_ATTRIBUTES;
}

// A "%NAME%" that expansion left: a variable this system does not know.
bool HoldsVariable(const std::wstring& text) {
    for (std::size_t open = text.find(L'%'); open != std::wstring::npos;) {
        const std::size_t close = text.find(L'%', open + 1);
        if (close == std::wstring::npos)
            return false;
        const std::wstring name = text.substr(open + 1, close - open - 1);
        if (!name.empty() && name.find_first_of(L" \t\\/\":") == std::wstring::npos)
            return true;
        open = close;
    }
    return false;
}

// The program's and, on 64-bit Windows, the 64-bit system's answer for one path.
PathAnswer LookUpInBothViews(const std::wstring& path) {
    const PathAnswer seen = LookUpPath(path);
    if (seen != PathAnswer::Missing || !RunsOnWow64())
        return seen;
    const RedirectionOff redirection;
    return redirection.off() ? LookUpPath(path) : PathAnswer::Unknown;
}

// Of the answers for several forms of one path, the one that says most for its presence.
PathAnswer Strongest(PathAnswer first, PathAnswer second) {
    for (const PathAnswer answer : {PathAnswer::File, PathAnswer::Unknown, PathAnswer::Folder})
        if (first == answer || second == answer)
            return answer;
    return PathAnswer::Missing;
}

// The text with every "%name%" (in any letter case) replaced by the value.
std::wstring WithVariable(std::wstring text, const std::wstring& name, const std::wstring& value) {
    const std::wstring pattern = L"%" + name + L"%";
    for (std::size_t at = 0; at + pattern.size() <= text.size();) {
        if (CompareStringOrdinal(text.data() + at, static_cast<int>(pattern.size()), pattern.data(),
                                 static_cast<int>(pattern.size()), TRUE) == CSTR_EQUAL) {
            text.replace(at, pattern.size(), value);
            at += value.size();
        } else {
            ++at;
        }
    }
    return text;
}

std::wstring EnvironmentVariable(const wchar_t* name) {
    const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
    std::wstring value(size, L'\0');
    if (size == 0 || GetEnvironmentVariableW(name, value.data(), size) != size - 1)
        return {};
    value.resize(size - 1);
    return value;
}

// The text with the 64-bit program folders where it names the program folders.
std::wstring With64BitProgramFolders(const std::wstring& text) {
    std::wstring result = text;
    for (const auto& [name, name64] : {std::pair(L"ProgramFiles", L"ProgramW6432"),
                                       std::pair(L"CommonProgramFiles", L"CommonProgramW6432")}) {
        const std::wstring folder = EnvironmentVariable(name64);
        if (!folder.empty())
            result = WithVariable(result, name, folder);
    }
    return result;
}

template <class Getter> std::wstring SystemText(Getter get) {
    std::wstring text(MAX_PATH, L'\0');
    for (;;) {
        const UINT length = get(text.data(), static_cast<UINT>(text.size()));
        if (length < text.size()) {
            text.resize(length);
            return text;
        }
        text.resize(length + 1);
    }
}

void AppendPathList(const std::wstring& list, std::vector<std::wstring>& folders) {
    std::size_t start = 0;
    while (start <= list.size()) {
        std::size_t end = list.find(L';', start);
        if (end == std::wstring::npos)
            end = list.size();
        std::wstring folder = list.substr(start, end - start);
        if (folder.size() >= 2 && folder.front() == L'"' && folder.back() == L'"')
            folder = folder.substr(1, folder.size() - 2);
        if (!folder.empty())
            folders.push_back(folder);
        start = end + 1;
    }
}

} // namespace

RedirectionOff::RedirectionOff() {
    using DisableFunction = BOOL(WINAPI*)(PVOID*);
    const auto disable = Kernel32Function<DisableFunction>("Wow64DisableWow64FsRedirection");
    off_ = disable && disable(&previous_);
}

RedirectionOff::~RedirectionOff() {
    using RevertFunction = BOOL(WINAPI*)(PVOID);
    if (off_)
        Kernel32Function<RevertFunction>("Wow64RevertWow64FsRedirection")(previous_);
}

bool CanBePath(const std::wstring& text) {
    const std::size_t colon = text.find(L':', HasDevicePrefix(text) ? 6 : 2);
    const std::size_t lastSeparator = text.find_last_of(L"\\/");
    return text.find(L'"') == std::wstring::npos &&
           (colon == std::wstring::npos || lastSeparator == std::wstring::npos ||
            colon > lastSeparator);
}

std::wstring DriveRoot(const std::wstring& path) {
    if (path.size() < 2 || path[1] != L':' || !std::iswalpha(path[0]))
        return {};
    return path.substr(0, 2) + L"\\";
}

PathAnswer LookUpPath(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES)
        return attributes & FILE_ATTRIBUTE_DIRECTORY ? PathAnswer::Folder : PathAnswer::File;
    const DWORD error = GetLastError();
    if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND)
        return PathAnswer::Unknown;
    return OnAbsentDrive(path) ? PathAnswer::Unknown : PathAnswer::Missing;
}

std::wstring ExpandEnvironment(const std::wstring& text) {
    const DWORD size = ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
    std::wstring expanded(size, L'\0');
    if (size == 0 || ExpandEnvironmentStringsW(text.c_str(), expanded.data(), size) != size)
        return text;
    expanded.resize(size - 1);
    return expanded;
}

std::vector<std::wstring> ExpandedForms(const std::wstring& text) {
    std::vector<std::wstring> forms{ExpandEnvironment(text)};
    if (RunsOnWow64() && text.find(L'%') != std::wstring::npos) {
        std::wstring form64 = ExpandEnvironment(With64BitProgramFolders(text));
        if (form64 != forms.front())
            forms.push_back(std::move(form64));
    }
    return forms;
}

PathAnswer LookUpNamedPath(const std::wstring& path) {
    PathAnswer answer = PathAnswer::Missing;
    for (const std::wstring& form : ExpandedForms(path))
        answer =
            Strongest(answer, HoldsVariable(form) ? PathAnswer::Unknown : LookUpInBothViews(form));
    return answer;
}

std::vector<std::wstring> SearchFolders() {
    const std::wstring windowsFolder = WindowsFolder();
    std::vector<std::wstring> folders{
        ProgramFolder(), SystemText([](wchar_t* buffer, UINT size) {
            return static_cast<UINT>(GetCurrentDirectoryW(size, buffer));
        }),
        SystemText([](wchar_t* buffer, UINT size) { return GetSystemDirectoryW(buffer, size); }),
        windowsFolder + L"\\System", windowsFolder};
    AppendPathList(SystemText([](wchar_t* buffer, UINT size) {
                       return static_cast<UINT>(GetEnvironmentVariableW(L"PATH", buffer, size));
                   }),
                   folders);
    return folders;
}

} // namespace tidewell
