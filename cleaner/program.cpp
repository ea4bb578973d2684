// Tidewell's process entry.
#include "cleaner/ProgramMain.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    return ProgramMain();
}
