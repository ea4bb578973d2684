#pragma once
// Push button (BUTTON); onClick on a click, Space or Enter.

#include "toolkit/Control.h"

namespace tk {

class Button : public Control {
  public:
    Button(Control& parent, int x, int y, int width, int height, const std::wstring& caption = {});

    // Runs onClick as a user click would.
    void click();

  protected:
    bool reflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

} // namespace tk
