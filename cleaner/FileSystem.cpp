#include "cleaner/FileSystem.h"

#include "registry/RegHelpers.h"

#include <algorithm>
#include <cwctype>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <utility>

namespace tidewell {

namespace {

// A kernel32 function of a later system than the program needs, bound by name; nullptr
// where the system has none.
template <class Function> Function Kernel32Function(const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), name)));
}

// The WoW64 functions, bound once.
struct Wow64Functions {
    BOOL(WINAPI* isWow64Process)(HANDLE, PBOOL);
    BOOL(WINAPI* disableRedirection)(PVOID*);
    BOOL(WINAPI* revertRedirection)(PVOID);
};

const Wow64Functions& Wow64() {
    static const Wow64Functions functions{
        Kernel32Function<decltype(Wow64Functions::isWow64Process)>("IsWow64Process"),
        Kernel32Function<decltype(Wow64Functions::disableRedirection)>(
            "Wow64DisableWow64FsRedirection"),
        Kernel32Function<decltype(Wow64Functions::revertRedirection)>(
            "Wow64RevertWow64FsRedirection")};
    return functions;
}

// A 32-bit program on 64-bit Windows: the system redirects its view of the system folders
// and gives it the 32-bit program folders.
bool RunsOnWow64() {
    static const bool wow64 = [] {
        BOOL result = FALSE;
        return Wow64().isWow64Process && Wow64().isWow64Process(GetCurrentProcess(), &result) &&
               result;
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

bool IsPathSeparator(wchar_t character) {
    return character == L'\\' || character == L'/';
}

// The last part of the path has a dot; a trailing dot counts, as it does for the system.
bool HasExtension(const std::wstring& name) {
    const std::size_t dot = name.find_last_of(L'.');
    const std::size_t separator = name.find_last_of(L"\\/");
    return dot != std::wstring::npos && (separator == std::wstring::npos || dot > separator);
}

std::wstring JoinPath(const std::wstring& folder, const std::wstring& name) {
    if (folder.empty() || IsPathSeparator(folder.back()))
        return folder + name;
    return folder + L"\\" + name;
}

// The two views of the files a 32-bit program on 64-bit Windows can take.
enum View { ProgramView, NativeView, ViewCount };

// What is remembered while a RememberedAnswers object lives. Paths are kept in their full
// form in capitals, as the system compares them.
struct Memory {
    std::unordered_map<std::wstring, bool> driveRootPresent;
    std::unordered_map<std::wstring, PathAnswer> answers[ViewCount];
    // Folders proven absent: every path below one is missing.
    std::unordered_set<std::wstring> absentFolders[ViewCount];
    std::optional<std::vector<std::wstring>> searchFolders;
};

std::unique_ptr<Memory> remembered;

bool DriveRootPresent(const std::wstring& root) {
    if (!remembered)
        return GetFileAttributesW(root.c_str()) != INVALID_FILE_ATTRIBUTES;
    const auto [entry, added] = remembered->driveRootPresent.try_emplace(root, false);
    if (added)
        entry->second = GetFileAttributesW(root.c_str()) != INVALID_FILE_ATTRIBUTES;
    return entry->second;
}

// A drive letter whose root cannot be looked at now: no such drive, or no disc in it. A
// device prefix before the drive letter changes nothing.
bool OnAbsentDrive(const std::wstring& path) {
    const std::wstring root = DriveRoot(HasDevicePrefix(path) ? path.substr(4) : path);
    return !root.empty() && !DriveRootPresent(root);
}

// The system's answer for the path, with the error that made it Missing or Unknown.
PathAnswer LookUp(const std::wstring& path, DWORD& error) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES)
        return attributes & FILE_ATTRIBUTE_DIRECTORY ? PathAnswer::Folder : PathAnswer::File;
    error = GetLastError();
    if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND)
        return PathAnswer::Unknown;
    return OnAbsentDrive(path) ? PathAnswer::Unknown : PathAnswer::Missing;
}

PathAnswer LookUpInView(const std::wstring& path, View view, DWORD& error) {
    if (view == ProgramView)
        return LookUp(path, error);
    const RedirectionOff redirection;
    return redirection.off() ? LookUp(path, error) : PathAnswer::Unknown;
}

std::wstring InCapitals(std::wstring text) {
    CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

// The path as the system resolves it before looking ("." and ".." parts, "/" and repeated
// separators), in capitals; a path with a device prefix is taken as it is, as the system
// takes it.
std::wstring RememberedForm(const std::wstring& path) {
    if (HasDevicePrefix(path))
        return InCapitals(path);
    std::wstring full(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (length == 0)
            return InCapitals(path);
        if (length < full.size()) {
            full.resize(length);
            return InCapitals(full);
        }
        full.resize(length);
    }
}

std::wstring WithoutTrailingSeparators(std::wstring path) {
    while (path.size() > 3 && path.back() == L'\\')
        path.pop_back();
    return path;
}

// A folder that can be proven absent: one below the root of a drive letter.
bool BelowDriveRoot(const std::wstring& folder) {
    const std::wstring local = HasDevicePrefix(folder) ? folder.substr(4) : folder;
    return local.size() > 3 && !DriveRoot(local).empty();
}

// A folder above the path, in its remembered form, is proven absent.
bool BelowAbsentFolder(const std::wstring& path, const std::unordered_set<std::wstring>& absent) {
    if (absent.empty())
        return false;
    for (std::size_t end = path.find_last_of(L'\\'); end != std::wstring::npos && end > 0;
         end = path.find_last_of(L'\\', end - 1))
        if (absent.count(path.substr(0, end)))
            return true;
    return false;
}

// A missing path is no folder; when the system said that a folder on the way to it is not
// there, neither is the folder that would hold it.
void RememberAbsence(const std::wstring& path, DWORD error,
                     std::unordered_set<std::wstring>& absent) {
    const std::wstring folder = WithoutTrailingSeparators(path);
    if (BelowDriveRoot(folder))
        absent.insert(folder);
    if (error != ERROR_PATH_NOT_FOUND || folder != path)
        return;
    const std::wstring parent = folder.substr(0, folder.find_last_of(L'\\'));
    if (BelowDriveRoot(parent))
        absent.insert(parent);
}

PathAnswer RememberedLookUp(const std::wstring& path, View view) {
    DWORD error = ERROR_SUCCESS;
    if (!remembered)
        return LookUpInView(path, view, error);
    const std::wstring form = RememberedForm(path);
    const auto known = remembered->answers[view].find(form);
    if (known != remembered->answers[view].end())
        return known->second;
    if (BelowAbsentFolder(form, remembered->absentFolders[view]))
        return PathAnswer::Missing;
    const PathAnswer answer = LookUpInView(path, view, error);
    remembered->answers[view].emplace(form, answer);
    if (answer == PathAnswer::Missing)
        RememberAbsence(form, error, remembered->absentFolders[view]);
    return answer;
}

// A "%NAME%" that expansion left (a variable this system does not know) or a "%" with two
// hexadecimal digits (an escaped character of an address).
bool LeftUnexpanded(const std::wstring& text) {
    for (std::size_t open = text.find(L'%'); open != std::wstring::npos;) {
        if (open + 2 < text.size() && std::iswxdigit(text[open + 1]) &&
            std::iswxdigit(text[open + 2]))
            return true;
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
    const PathAnswer seen = RememberedLookUp(path, ProgramView);
    if (seen != PathAnswer::Missing || !RunsOnWow64())
        return seen;
    return RememberedLookUp(path, NativeView);
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

std::vector<std::wstring> ReadSearchFolders() {
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

// The folders the system searches for a program or library named without a folder, in
// its order: the program's own, the current one, the system folders, then PATH.
std::vector<std::wstring> SearchFolders() {
    if (!remembered)
        return ReadSearchFolders();
    if (!remembered->searchFolders)
        remembered->searchFolders = ReadSearchFolders();
    return *remembered->searchFolders;
}

// The named path is proven to name no file: nothing is there, or a folder is.
bool NamesNoFile(const std::wstring& path) {
    const PathAnswer answer = LookUpNamedPath(path);
    return answer == PathAnswer::Missing || answer == PathAnswer::Folder;
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

// ---- Command lines -------------------------------------------------------------------

// The program names CreateProcess would try for the command line, in its order: the
// quoted part, or every blank-separated prefix from the shortest to the whole line.
std::vector<std::wstring> ProgramCandidates(const std::wstring& commandLine) {
    const std::wstring line = Trimmed(commandLine);
    if (line.empty())
        return {};
    if (line.front() == L'"') {
        const std::size_t closing = line.find(L'"', 1);
        return {line.substr(1, closing == std::wstring::npos ? std::wstring::npos : closing - 1)};
    }
    std::vector<std::wstring> candidates;
    for (std::size_t at = 1; at < line.size(); ++at)
        if (IsBlank(line[at]) && !IsBlank(line[at - 1]))
            candidates.push_back(line.substr(0, at));
    candidates.push_back(line);
    return candidates;
}

// A drive-letter, UNC or rooted path: used as it stands, without searching.
bool IsFullPath(const std::wstring& name) {
    return (name.size() >= 2 && name[1] == L':') || (!name.empty() && IsPathSeparator(name[0]));
}

// ".\name" or "..\name": only the current folder applies.
bool IsCurrentFolderRelative(const std::wstring& name) {
    return (name.size() >= 2 && name[0] == L'.' && IsPathSeparator(name[1])) ||
           (name.size() >= 3 && name[0] == L'.' && name[1] == L'.' && IsPathSeparator(name[2]));
}

// A name looked up in the search folders rather than used as it stands.
bool IsSearchedName(const std::wstring& name) {
    return !IsFullPath(name) && !IsCurrentFolderRelative(name);
}

bool ProgramExists(std::wstring name, const std::vector<std::wstring>& searchFolders) {
    if (name.empty())
        return false;
    if (!HasExtension(name))
        name += L".exe";
    if (!IsSearchedName(name))
        return !NamesNoFile(name);
    return MayBeInFolders(name, searchFolders, NamesNoFile);
}

bool NeedsSearch(const std::vector<std::wstring>& candidates) {
    for (const std::wstring& candidate : candidates)
        if (IsSearchedName(candidate))
            return true;
    return false;
}

// ---- Class servers -------------------------------------------------------------------

// A place the stored path may stand for; none when it is built from a folder value that
// is empty.
std::optional<std::wstring> Within(const std::wstring& folder, const std::wstring& rest) {
    if (folder.empty())
        return std::nullopt;
    return folder + rest;
}

// No file stands at any form the path stands for once expanded, nor, for a form without an
// extension, at that form with the ".dll" the loader adds. A form that no path can hold
// proves nothing either way.
bool NamesNoServerFile(const std::wstring& path) {
    for (const std::wstring& form : ExpandedForms(path))
        if (CanBePath(form) &&
            !(NamesNoFile(form) && (HasExtension(form) || NamesNoFile(form + L".dll"))))
            return false;
    return true;
}

// A name without a folder names no file in any folder the loader searches.
bool MissingFromSearchPath(const std::wstring& name) {
    return name.find_first_of(L"\\/:") != std::wstring::npos ||
           !MayBeInFolders(name, SearchFolders(), NamesNoServerFile);
}

// The folder before the first part that holds a mask ("*" or "?"); the path itself otherwise.
std::wstring LookedUpPath(const std::wstring& path) {
    const std::size_t mask = path.find_first_of(L"*?");
    if (mask == std::wstring::npos)
        return path;
    const std::size_t separator = path.find_last_of(L"\\/", mask);
    return separator == std::wstring::npos ? path : path.substr(0, separator + 1);
}

} // namespace

RedirectionOff::RedirectionOff() {
    off_ = Wow64().disableRedirection && Wow64().disableRedirection(&previous_);
}

RedirectionOff::~RedirectionOff() {
    if (off_)
        Wow64().revertRedirection(previous_);
}

RememberedAnswers::RememberedAnswers() : owner_(!remembered) {
    if (owner_)
        remembered = std::make_unique<Memory>();
}

RememberedAnswers::~RememberedAnswers() {
    if (owner_)
        remembered.reset();
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
    DWORD error = ERROR_SUCCESS;
    return LookUp(path, error);
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
    if (text.find(L'%') == std::wstring::npos)
        return {text};
    std::vector<std::wstring> forms{ExpandEnvironment(text)};
    if (RunsOnWow64()) {
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
            Strongest(answer, LeftUnexpanded(form) ? PathAnswer::Unknown : LookUpInBothViews(form));
    return answer;
}

bool NamesNothing(const std::wstring& path) {
    return LookUpNamedPath(LookedUpPath(path)) == PathAnswer::Missing;
}

bool NamesNothingBeforeLocator(const std::wstring& path) {
    if (!NamesNothing(path))
        return false;
    const std::wstring file = path.substr(0, path.find_first_of(L"#:", 2));
    return file == path || NamesNothing(file);
}

int ProbeCommandLine(const std::wstring& commandLine) {
    for (const std::wstring& line : ExpandedForms(commandLine)) {
        const std::vector<std::wstring> candidates = ProgramCandidates(line);
        const std::vector<std::wstring> folders =
            NeedsSearch(candidates) ? SearchFolders() : std::vector<std::wstring>();
        for (const std::wstring& candidate : candidates)
            if (ProgramExists(candidate, folders))
                return 0;
    }
    return 1;
}

bool ServerIsMissing(const std::wstring& server, const ServerFolders& folders) {
    const std::wstring unquoted = RemoveText(L"\"", server);
    const std::optional<std::wstring> candidates[] = {
        unquoted,
        Within(folders.programFiles, RemoveText(L"%ProgramFiles%", server)),
        Within(folders.systemRoot, RemoveText(L"%SystemRoot%", server)),
        Within(folders.systemRoot, RemoveText(L"%systemroot%", server)),
        server,
        Within(folders.systemRoot, L"\\system32\\" + server),
        Within(folders.systemRoot, RemoveText(L"%windir%", server)),
        Within(folders.systemRoot, RemoveText(L"%Systemroot%", server)),
        Within(folders.systemRoot, RemoveText(L"%Windir%", server)),
        Within(folders.programFiles, RemoveText(L"%programFiles%", server)),
        Within(folders.commonFiles, RemoveText(L"%CommonProgramFiles%", server)),
    };
    bool judged = true;
    // A place already looked at is not looked at again.
    for (auto candidate = std::begin(candidates); candidate != std::end(candidates); ++candidate) {
        if (!*candidate)
            judged = false;
        else if (std::find(std::begin(candidates), candidate, *candidate) == candidate &&
                 !NamesNoServerFile(**candidate))
            return false;
    }
    return judged && MissingFromSearchPath(unquoted);
}

} // namespace tidewell
