#pragma once
// A label that reports the mouse pointer moving over it and leaving it.

#include "toolkit/Label.h"

#include <functional>

namespace corvane {

class THoverLabel : public tk::Label {
  public:
    using tk::Label::Label;

    std::function<void()> onMouseMove;
    std::function<void()> onMouseLeave;

  protected:
    LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    bool tracking_ = false;
};

} // namespace corvane
