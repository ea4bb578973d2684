// Start-with-Windows launcher: starts Tidewell.exe from the launcher's own folder.
#include "cleaner/FileSystem.h"
#include "handles/Handles.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const std::wstring folder = tidewell::ProgramFolder();
    std::wstring commandLine = L"\"" + folder + L"Tidewell.exe\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process))
        return 1;
    // Tidewell runs on by itself: its handles are let go at once.
    const handles::KernelHandle thread(process.hThread);
    const handles::KernelHandle started(process.hProcess);
    return 0;
}
