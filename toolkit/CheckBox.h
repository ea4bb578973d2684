#pragma once
// Check box (BUTTON, BS_AUTOCHECKBOX). onClick runs whenever the state changes:
// on a user click, and on setChecked when (and only when) the state differs.
// Text colour is font().color; background is the parent's colour unless set.

#include "toolkit/Control.h"

namespace tk {

class CheckBox : public Control {
  public:
    CheckBox(Control& parent, int x, int y, int width, int height,
             const std::wstring& caption = {});

    void setChecked(bool checked);
    bool checked() const;

    void setColor(COLORREF color) override;

  protected:
    bool reflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    bool ownColor_ = false;
};

} // namespace tk
