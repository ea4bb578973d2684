// Keeps the Wine desktop of the test display open between test programs: Wine
// closes a desktop that no process uses, and opening it again costs seconds.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    CreateWindowExW(0, L"STATIC", L"desktop keeper", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                    nullptr, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    return 0;
}
