#pragma once
// Font description and the HFONT made from it.

#include "toolkit/GuiHandles.h"

#include <memory>
#include <string>

namespace tk {

struct FontSpec {
    std::wstring name = L"Tahoma";
    int height = 11; // character height in pixels
    bool bold = false;
    bool italic = false;
    bool underline = false;
    COLORREF color = 0; // text colour used by the controls and Canvas::setFont
    int angle = 0;      // direction of the text in tenths of a degree, counter-clockwise

    bool operator==(const FontSpec& other) const;
    bool operator!=(const FontSpec& other) const { return !(*this == other); }
};

// Owns the HFONT made from a FontSpec.
class Font {
  public:
    explicit Font(const FontSpec& fontStyle = FontSpec{});

    HFONT handle() const { return handle_.get(); }
    const FontSpec& fontStyle() const { return style_; }

    // A font for the fontStyle shared by everyone who asks while it lives (the
    // colour does not matter to the HFONT).
    static std::shared_ptr<const Font> shared(const FontSpec& fontStyle);

  private:
    FontSpec style_;
    FontHandle handle_;
};

} // namespace tk
