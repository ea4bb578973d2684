#include "hwinfo/ProcessList.h"

#include "handles/Handles.h"

#include <shellapi.h>
#include <tlhelp32.h>

namespace corvane {

namespace {

const DWORD MaxProcesses = 1024;
const DWORD ModuleNameLength = 301;

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

void ListBySnapshot(std::vector<TProcessPath>& list) {
    using CreateSnapshotFn = HANDLE(WINAPI*)(DWORD, DWORD);
    using ProcessWalkFn = BOOL(WINAPI*)(HANDLE, PROCESSENTRY32W*);
    auto createSnapshot =
        BindFunction<CreateSnapshotFn>(L"kernel32.dll", "CreateToolhelp32Snapshot");
    auto first = BindFunction<ProcessWalkFn>(L"kernel32.dll", "Process32FirstW");
    auto next = BindFunction<ProcessWalkFn>(L"kernel32.dll", "Process32NextW");
    if (!createSnapshot || !first || !next)
        return;
    const handles::KernelHandle snapshot(createSnapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot)
        return;
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof(entry);
    for (BOOL more = first(snapshot.get(), &entry); more; more = next(snapshot.get(), &entry))
        list.push_back({entry.th32ProcessID, entry.szExeFile});
}

struct ProcessStatusFunctions {
    using EnumProcessesFn = BOOL(WINAPI*)(DWORD*, DWORD, DWORD*);
    using EnumModulesFn = BOOL(WINAPI*)(HANDLE, HMODULE*, DWORD, DWORD*);
    using ModuleNameFn = DWORD(WINAPI*)(HANDLE, HMODULE, wchar_t*, DWORD);
    EnumProcessesFn enumProcesses = BindFunction<EnumProcessesFn>(L"psapi.dll", "EnumProcesses");
    EnumModulesFn enumModules = BindFunction<EnumModulesFn>(L"psapi.dll", "EnumProcessModules");
    ModuleNameFn moduleName = BindFunction<ModuleNameFn>(L"psapi.dll", "GetModuleFileNameExW");
    bool bound() const { return enumProcesses && enumModules && moduleName; }
};

// The file of the process's first module; empty when it cannot be read.
std::wstring FirstModulePath(const ProcessStatusFunctions& psapi, HANDLE process) {
    HMODULE module = nullptr;
    DWORD needed = 0;
    if (!psapi.enumModules(process, &module, sizeof(module), &needed) || !module)
        return {};
    wchar_t name[ModuleNameLength] = {};
    if (psapi.moduleName(process, module, name, ModuleNameLength) == 0)
        return {};
    return name;
}

void ListByProcessStatus(std::vector<TProcessPath>& list) {
    const ProcessStatusFunctions psapi;
    if (!psapi.bound())
        return;
    std::vector<DWORD> ids(MaxProcesses);
    DWORD bytes = 0;
    if (!psapi.enumProcesses(ids.data(), MaxProcesses * sizeof(DWORD), &bytes))
        return;
    ids.resize(bytes / sizeof(DWORD));
    for (DWORD id : ids) {
        const handles::KernelHandle process(
            OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, id));
        if (!process)
            continue;
        const std::wstring path = FirstModulePath(psapi, process.get());
        if (!path.empty())
            list.push_back({id, path});
    }
}

} // namespace

void ListProcessPaths(std::vector<TProcessPath>* list) {
    if (!list)
        return;
    switch (PlatformId()) {
    case VER_PLATFORM_WIN32_WINDOWS:
        ListBySnapshot(*list);
        break;
    case VER_PLATFORM_WIN32_NT:
        ListByProcessStatus(*list);
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
