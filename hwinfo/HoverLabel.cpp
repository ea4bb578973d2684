#include "hwinfo/HoverLabel.h"

namespace corvane {

LRESULT THoverLabel::handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_MOUSEMOVE) {
        if (!tracking_)
            tracking_ = trackMouseLeave();
        fire(onMouseMove);
    } else if (msg == WM_MOUSELEAVE) {
        tracking_ = false;
        fire(onMouseLeave);
    }
    return tk::Label::handleMessage(msg, wParam, lParam);
}

} // namespace corvane
