#pragma once
// Group box (BUTTON, BS_GROUPBOX) that holds child controls.

#include "toolkit/Control.h"

namespace tk {

class GroupBox : public Control {
  public:
    GroupBox(Control& parent, int x, int y, int width, int height,
             const std::wstring& caption = {});

  protected:
    LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool reflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

} // namespace tk
