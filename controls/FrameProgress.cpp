#include "controls/FrameProgress.h"

#include "controls/CtrlCommon.h"
#include "toolkit/GuiHandles.h"

namespace ctl {

TFrameProgressBar::TFrameProgressBar(tk::Control& parent, int x, int y, int width, int height)
    : tk::ProgressBar(parent, x, y, width, height) {}

void TFrameProgressBar::setShowFrame(bool show) {
    if (!store(showFrame_, show) || !handle())
        return;
    SetWindowPos(handle(), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    invalidate();
}

// Covers a frame of up to one pixel on each side in the background colour.
void TFrameProgressBar::coverFrame() {
    const tk::WindowDc dc = tk::wholeWindowDc(handle());
    if (!dc)
        return;
    RECT rect = clientRect();
    rect.right += 2;
    rect.bottom += 2;
    FillRect(dc.get().dc, &rect, backgroundBrush());
}

// A themed bar has no non-client frame and draws its edge in the client area:
// there the outermost ring of pixels is covered after painting.
void TFrameProgressBar::coverClientEdge() {
    RECT window{};
    GetWindowRect(handle(), &window);
    const RECT client = clientRect();
    if (client.right != window.right - window.left || client.bottom != window.bottom - window.top)
        return;
    const tk::WindowDc dc = tk::clientDc(handle());
    if (!dc)
        return;
    FrameRect(dc.get().dc, &client, backgroundBrush());
}

LRESULT TFrameProgressBar::handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PAINT) {
        const LRESULT result = tk::ProgressBar::handleMessage(msg, wParam, lParam);
        if (!showFrame_)
            coverClientEdge();
        return result;
    }
    if (msg != WM_NCPAINT)
        return tk::ProgressBar::handleMessage(msg, wParam, lParam);
    if (!showFrame_) {
        coverFrame();
        return 0;
    }
    const LRESULT result = tk::ProgressBar::handleMessage(msg, wParam, lParam);
    invalidate();
    return result;
}

} // namespace ctl
