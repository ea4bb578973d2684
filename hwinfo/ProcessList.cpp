#include "hwinfo/ProcessList.h"

#include "handles/Handles.h"

#include <shellapi.h>
#include <tlhelp32.h>

#include <algorithm>

namespace corvane {

namespace {

const DWORD MaxProcesses = 1024;
const DWORD ModuleNameLength = 301;
const DWORD LongPathLength = 32768;

// A function of a system library, bound by name; nullptr when it cannot be bound.
template <class F> F BindFunction(const wchar_t* library, const char* name) {
    HMODULE module = GetModuleHandleW(library);
    if (!module)
        module = LoadLibraryW(library);
    if (!module)
        return nullptr;
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

DWORD PlatformId() {
    OSVERSIONINFOW version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    if (!GetVersionExW(&version))
        return 0;
    return version.dwPlatformId;
}

std::vector<TProcessPath> SnapshotProcesses() {
    using CreateSnapshotFn = HANDLE(WINAPI*)(DWORD, DWORD);
    using ProcessWalkFn = BOOL(WINAPI*)(HANDLE, PROCESSENTRY32W*);
    auto createSnapshot =
        BindFunction<CreateSnapshotFn>(L"kernel32.dll", "CreateToolhelp32Snapshot");
    auto first = BindFunction<ProcessWalkFn>(L"kernel32.dll", "Process32FirstW");
    auto next = BindFunction<ProcessWalkFn>(L"kernel32.dll", "Process32NextW");
    if (!createSnapshot || !first || !next)
        return {};
    const handles::KernelHandle snapshot(createSnapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot)
        return {};
    std::vector<TProcessPath> processes;
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof(entry);
    for (BOOL more = first(snapshot.get(), &entry); more; more = next(snapshot.get(), &entry))
        processes.push_back({entry.th32ProcessID, entry.szExeFile});
    return processes;
}

struct ProcessStatusFunctions {
    using EnumProcessesFn = BOOL(WINAPI*)(DWORD*, DWORD, DWORD*);
    using EnumModulesFn = BOOL(WINAPI*)(HANDLE, HMODULE*, DWORD, DWORD*);
    using ModuleNameFn = DWORD(WINAPI*)(HANDLE, HMODULE, wchar_t*, DWORD);
    EnumProcessesFn enumProcesses = BindFunction<EnumProcessesFn>(L"psapi.dll", "EnumProcesses");
    EnumModulesFn enumModules = BindFunction<EnumModulesFn>(L"psapi.dll", "EnumProcessModules");
    ModuleNameFn moduleName = BindFunction<ModuleNameFn>(L"psapi.dll", "GetModuleFileNameExW");
};

std::vector<DWORD> ProcessIds(const ProcessStatusFunctions& psapi) {
    std::vector<DWORD> ids(MaxProcesses);
    DWORD bytes = 0;
    if (!psapi.enumProcesses ||
        !psapi.enumProcesses(ids.data(), MaxProcesses * sizeof(DWORD), &bytes))
        return {};
    ids.resize(bytes / sizeof(DWORD));
    return ids;
}

// The file of the process's first module; empty when it cannot be read.
std::wstring FirstModulePath(const ProcessStatusFunctions& psapi, DWORD id) {
    if (!psapi.enumModules || !psapi.moduleName)
        return {};
    const handles::KernelHandle process(
        OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, id));
    HMODULE module = nullptr;
    DWORD needed = 0;
    if (!process || !psapi.enumModules(process.get(), &module, sizeof(module), &needed) || !module)
        return {};
    wchar_t name[ModuleNameLength] = {};
    if (psapi.moduleName(process.get(), module, name, ModuleNameLength) == 0)
        return {};
    return name;
}

using QueryImageNameFn = BOOL(WINAPI*)(HANDLE, DWORD, wchar_t*, DWORD*);

// The image file the system names for the process, in the form of a file path.
std::wstring ImagePath(QueryImageNameFn queryImageName, DWORD id) {
    const handles::KernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id));
    std::wstring path(LongPathLength, L'\0');
    DWORD length = LongPathLength;
    if (!process || !queryImageName(process.get(), 0, path.data(), &length))
        return {};
    path.resize(length);
    return path;
}

// A process the module walk cannot read, by its image path or else by its name in the
// snapshot; empty when it is in neither (it has ended).
std::wstring PathBeyondModuleWalk(const TProcessSource& source, DWORD id,
                                  const std::vector<TProcessPath>& snapshot) {
    const std::wstring path = source.imagePath(id);
    if (!path.empty())
        return path;
    const auto entry = std::find_if(snapshot.begin(), snapshot.end(),
                                    [id](const TProcessPath& process) { return process.Id == id; });
    return entry == snapshot.end() ? std::wstring() : entry->Path;
}

void ListByProcessStatus(std::vector<TProcessPath>& list, const TProcessSource& source) {
    const std::vector<DWORD> ids = source.processIds();
    const std::vector<TProcessPath> snapshot =
        source.imagePath ? source.snapshot() : std::vector<TProcessPath>();
    for (DWORD id : ids) {
        std::wstring path = source.firstModulePath(id);
        if (path.empty() && source.imagePath)
            path = PathBeyondModuleWalk(source, id, snapshot);
        if (!path.empty())
            list.push_back({id, path});
    }
}

} // namespace

TProcessSource TProcessSource::System() {
    const ProcessStatusFunctions psapi;
    TProcessSource source;
    source.platformId = PlatformId;
    source.snapshot = SnapshotProcesses;
    source.processIds = [psapi] { return ProcessIds(psapi); };
    source.firstModulePath = [psapi](DWORD id) { return FirstModulePath(psapi, id); };
    if (auto query = BindFunction<QueryImageNameFn>(L"kernel32.dll", "QueryFullProcessImageNameW"))
        source.imagePath = [query](DWORD id) { return ImagePath(query, id); };
    return source;
}

void ListProcessPaths(std::vector<TProcessPath>* list, const TProcessSource& source) {
    if (!list)
        return;
    switch (source.platformId()) {
    case VER_PLATFORM_WIN32_WINDOWS: {
        const std::vector<TProcessPath> snapshot = source.snapshot();
        list->insert(list->end(), snapshot.begin(), snapshot.end());
        break;
    }
    case VER_PLATFORM_WIN32_NT:
        ListByProcessStatus(*list, source);
        break;
    default:
        break;
    }
}

tk::IconHandle GetFileSmallIcon(const std::wstring& path, bool small) {
    SHFILEINFOW info = {};
    UINT flags = SHGFI_ICON | SHGFI_USEFILEATTRIBUTES;
    if (small)
        flags |= SHGFI_SMALLICON;
    if (!SHGetFileInfoW(path.c_str(), 0, &info, sizeof(info), flags))
        return {};
    return tk::IconHandle(info.hIcon);
}

std::wstring PathFileName(const std::wstring& path) {
    const std::size_t last = path.find_last_of(L"\\:");
    return last == std::wstring::npos ? path : path.substr(last + 1);
}

} // namespace corvane
