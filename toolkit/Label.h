#pragma once
// Static text (STATIC). Transparent by default: the background is the parent's
// colour until setColor or setTransparent(false). Text colour is font().color.
// onClick works (SS_NOTIFY).

#include "toolkit/Control.h"

namespace tk {

class Label : public Control {
  public:
    Label(Control& parent, int x, int y, int width, int height, const std::wstring& caption = {});

    // Resizes the label to its text (single line) on every caption or font change.
    void setAutoSize(bool autoSize);
    void setAlignment(Alignment alignment);
    Alignment alignment() const { return alignment_; }
    void setWordWrap(bool wordWrap);
    void setTransparent(bool transparent);
    bool transparent() const { return transparent_; }

    void setCaption(const std::wstring& caption) override;
    void setColor(COLORREF color) override;

    bool graphic() const override { return true; }

  protected:
    bool reflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    void fontChanged() override;

  private:
    void applyStyle();
    void fitToText();

    bool autoSize_ = false;
    bool wordWrap_ = false;
    bool transparent_ = true;
    Alignment alignment_ = Alignment::Left;
};

} // namespace tk
