#include "toolkit/Seams.h"

#include "toolkit/Application.h"

#include <shellapi.h>

namespace tk {
namespace {

int realMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT flags) {
    return MessageBoxW(owner, text.c_str(), caption.c_str(), flags);
}

int realTrackPopupMenu(HMENU menu, int x, int y, HWND owner) {
    // Without the foreground and the null message the menu of a tray icon
    // would not close when the user clicks elsewhere.
    SetForegroundWindow(owner);
    const int chosen = static_cast<int>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, x, y, 0, owner, nullptr));
    PostMessageW(owner, WM_NULL, 0, 0);
    return chosen;
}

bool realShellOpen(const std::wstring& file, const std::wstring& params, int show) {
    const auto result = reinterpret_cast<INT_PTR>(ShellExecuteW(
        nullptr, L"open", file.c_str(), params.empty() ? nullptr : params.c_str(), nullptr, show));
    return result > 32;
}

void realPause(unsigned ms) {
    app().answerFor(ms);
}

Seams realSeams() {
    return Seams{realMessageBox, realTrackPopupMenu, realShellOpen, realPause};
}

} // namespace

Seams& seams() {
    static Seams current = realSeams();
    return current;
}

void resetSeams() {
    seams() = realSeams();
}

} // namespace tk
