// Keeps the Wine desktop of the test display open between test programs: Wine
// closes a desktop that no process uses, and opening it again costs seconds.
// Once its window exists it creates the file named on its command line, so that
// the caller knows the desktop is up.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR readyFile, int) {
    CreateWindowExW(0, L"STATIC", L"desktop keeper", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                    nullptr, nullptr);
    if (readyFile && *readyFile) {
        HANDLE file = CreateFileW(readyFile, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE)
            CloseHandle(file);
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    return 0;
}
