#pragma once
// Registry backup files: their names, their check and the registry editor that writes
// and reads them.

#include "handles/Handles.h"

#include <windows.h>

#include <string>

namespace tidewell {

// "Backup_h-m-s_d-m-yyyy.reg", every number without leading zeros.
std::wstring BackupFileName(const SYSTEMTIME& moment);

// The backup file name of the moment, with "_2", "_3", ... before ".reg" when the
// folder already holds a file of that name.
std::wstring FreeBackupFileName(const std::wstring& folder, const SYSTEMTIME& moment);

// The date and time that a backup file name stands for; false when the name does not
// follow the pattern or names no valid moment.
bool ParseBackupFileName(const std::wstring& name, SYSTEMTIME& moment);

// The moment in the user's short date format and long time format.
std::wstring ShortDateText(const SYSTEMTIME& moment);
std::wstring LongTimeText(const SYSTEMTIME& moment);

// True when the file exists, is not empty and starts with a registry editor's header
// ("REGEDIT4" or "Windows Registry Editor Version 5.00"; UTF-16 or 8-bit text).
bool IsRegistryExport(const std::wstring& path);

// One run of the system's registry editor (the Windows folder's regedit.exe), hidden.
class RegistryEditorRun {
  public:
    // Starts the editor with the arguments in the working folder; false when it could not.
    bool start(const std::wstring& arguments, const std::wstring& workingFolder);
    // Waits (bounded) for the editor to end, letting messages run; true when it ended in
    // time with exit code 0. An editor still running at the bound is ended.
    bool wait();
    // Ends the editor if it still runs, and waits until it has.
    void end();

  private:
    handles::KernelHandle process_;
};

// Starts the editor and waits for it.
bool RunRegistryEditor(const std::wstring& arguments, const std::wstring& workingFolder);

// The text in double quotes, for a command line.
std::wstring Quoted(const std::wstring& text);

} // namespace tidewell
