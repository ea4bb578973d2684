#pragma once
// The executable files of the running processes.

#include "toolkit/GuiHandles.h"

#include <windows.h>

#include <string>
#include <vector>

namespace corvane {

// One running process: its id (0 for the system's idle process) and executable path.
struct TProcessPath {
    DWORD Id;
    std::wstring Path;
};

// Adds the running processes, in the order the system reports them: tool-help snapshot on
// the 9x platform, process-status functions on the NT platform. Processes that cannot be
// opened are left out. Does nothing without a list.
void ListProcessPaths(std::vector<TProcessPath>* list);

// The shell's icon for the file's type (the file itself is not read), or none.
tk::IconHandle GetFileSmallIcon(const std::wstring& path, bool small);

// The part of a path after its last "\" or ":"; the whole path when it has neither.
std::wstring PathFileName(const std::wstring& path);

} // namespace corvane
