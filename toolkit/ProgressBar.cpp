#include "toolkit/ProgressBar.h"

#include <commctrl.h>

#include <algorithm>

namespace tk {

ProgressBar::ProgressBar(Control& parent, int x, int y, int width, int height) {
    createSystem(PROGRESS_CLASSW, &parent, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, x, y, width,
                 height);
    SendMessageW(handle(), PBM_SETRANGE32, min_, max_);
    SendMessageW(handle(), PBM_SETSTEP, step_, 0);
}

void ProgressBar::setMin(int min) {
    min_ = min;
    SendMessageW(handle(), PBM_SETRANGE32, min_, max_);
    setPosition(position_);
}

void ProgressBar::setMax(int max) {
    max_ = max;
    SendMessageW(handle(), PBM_SETRANGE32, min_, max_);
    setPosition(position_);
}

void ProgressBar::setPosition(int position) {
    position_ = std::clamp(position, min_, std::max(min_, max_));
    SendMessageW(handle(), PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}

void ProgressBar::setStep(int step) {
    step_ = step;
    SendMessageW(handle(), PBM_SETSTEP, static_cast<WPARAM>(step_), 0);
}

void ProgressBar::stepIt() {
    SendMessageW(handle(), PBM_STEPIT, 0, 0);
    position_ = static_cast<int>(SendMessageW(handle(), PBM_GETPOS, 0, 0));
}

} // namespace tk
