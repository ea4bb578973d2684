#pragma once
// The modal and blocking calls of the toolkit, replaceable by tests. Nothing
// else in the tree calls MessageBoxW, TrackPopupMenu or ShellExecuteW; every fixed
// pause goes through pause.

#include <windows.h>

#include <functional>
#include <string>

namespace tk {

struct Seams {
    // MessageBoxW: returns IDOK, IDYES, ...
    std::function<int(HWND owner, const std::wstring& text, const std::wstring& caption,
                      UINT flags)>
        messageBox;
    // TrackPopupMenu with TPM_RETURNCMD: returns the chosen command id, or 0.
    std::function<int(HMENU menu, int x, int y, HWND owner)> trackPopupMenu;
    // ShellExecuteW with the "open" verb: true when the shell started it.
    std::function<bool(const std::wstring& file, const std::wstring& params, int show)> shellOpen;
    // A fixed pause of ms milliseconds during which the window messages run as they
    // arrive (Application::answerFor).
    std::function<void(unsigned ms)> pause;
    // Step count of a busy delay loop: identity by default.
    std::function<unsigned long(unsigned long steps)> busySteps = [](unsigned long steps) {
        return steps;
    };
};

// The process-wide seams; the real implementations until a test replaces a member.
Seams& seams();

// Puts the real implementations back.
void resetSeams();

} // namespace tk
