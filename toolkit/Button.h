#pragma once
// Push button (BUTTON); onClick on a click, Space or Enter. It may show a
// glyph left of its caption.

#include "toolkit/Control.h"
#include "toolkit/ImageList.h"

namespace tk {

class Button : public Control {
  public:
    Button(Control& parent, int x, int y, int width, int height, const std::wstring& caption = {});

    // Runs onClick as a user click would.
    void click();
    // Shows a copy of the glyph, whose mask colour is transparent; set once.
    void setGlyph(HBITMAP glyph, COLORREF maskColor);

  protected:
    bool reflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    ImageList glyph_;
};

} // namespace tk
