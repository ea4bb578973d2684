#pragma once
// The executable files of the running processes.

#include "toolkit/GuiHandles.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace corvane {

// One running process: its id (0 for the system's idle process) and executable path, or
// the file's bare name where the system names no folder for it.
struct TProcessPath {
    DWORD Id;
    std::wstring Path;
};

// Where the running processes are read from; tests put stand-ins here.
struct TProcessSource {
    // The platform identifier of the system's version; 0 when it cannot be read.
    std::function<DWORD()> platformId;
    // The tool-help snapshot: each process's id and executable file.
    std::function<std::vector<TProcessPath>()> snapshot;
    // The process ids the process-status functions report, in their order.
    std::function<std::vector<DWORD>()> processIds;
    // The module walk: the file of the process's first module; empty when it cannot be read
    // (a process that cannot be opened for it, or a 64-bit one seen from a 32-bit one).
    std::function<std::wstring(DWORD id)> firstModulePath;
    // The image file the system names for the process; empty when it cannot. None before
    // Vista, where the system has no such call.
    std::function<std::wstring(DWORD id)> imagePath;

    // The running system's, bound by name.
    static TProcessSource System();
};

// Adds the running processes, in the order the system reports them: tool-help snapshot on
// the 9x platform, process-status functions on the NT platform. On the NT platform a process
// whose module walk fails is named by its image path or, failing that, by its name in the
// snapshot; before Vista it is left out. Does nothing without a list.
void ListProcessPaths(std::vector<TProcessPath>* list,
                      const TProcessSource& source = TProcessSource::System());

// The shell's icon for the file's type (the file itself is not read), or none.
tk::IconHandle GetFileSmallIcon(const std::wstring& path, bool small);

// The part of a path after its last "\" or ":"; the whole path when it has neither.
std::wstring PathFileName(const std::wstring& path);

} // namespace corvane
