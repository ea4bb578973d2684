// Tidewell's process entry.
#include "cleaner/ProgramMain.h"

#include "toolkit/Application.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    return tk::runProgram(L"Tidewell", tidewell::ProgramMain);
}
