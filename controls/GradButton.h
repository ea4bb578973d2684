#pragma once
// A self-painted push button with a vertical colour gradient, a one-pixel
// border, optional 3-D edge lines and a glyph, coloured by a named scheme.

#include "controls/CtrlCommon.h"

namespace ctl {

// The 25 colours of a gradient button, in this order.
enum class GradColor {
    ColorFace,
    ColorGrad,
    ColorDark,
    ColorLight,
    ColorBorder,
    ColorText,
    OverColorFace,
    OverColorGrad,
    OverColorDark,
    OverColorLight,
    OverColorBorder,
    OverColorText,
    DownColorFace,
    DownColorGrad,
    DownColorDark,
    DownColorLight,
    DownColorBorder,
    DownColorText,
    DisabledColorFace,
    DisabledColorGrad,
    DisabledColorDark,
    DisabledColorLight,
    DisabledColorBorder,
    DisabledColorText,
    ColorFocusRect
};
constexpr int gradColorCount = 25;

enum class ButtonLayout { GlyphLeft, GlyphRight, GlyphTop, GlyphBottom };
enum class ButtonLook { Normal, Over, Down };

class TGradButton : public DialogButton {
  public:
    enum class ColorScheme {
        NeoDesert,
        NeoSky,
        NeoGrass,
        NeoSilver,
        NeoRose,
        NeoSun,
        Desert,
        Grass,
        Sky,
        Sun,
        Rose,
        Silver,
        Custom
    };

    TGradButton(tk::Control& parent, int x, int y, int width = 75, int height = 25);

    // Setting one colour makes the scheme Custom.
    void setSchemeColor(GradColor which, COLORREF color);
    COLORREF schemeColor(GradColor which) const;
    // Writes the scheme's colours; the Neo schemes turn the gradient on, the others off.
    void setColorScheme(ColorScheme scheme);
    ColorScheme colorScheme() const { return scheme_; }

    void setCtl3D(bool ctl3D);
    bool ctl3D() const { return ctl3D_; }
    void setLayout(ButtonLayout layout);
    ButtonLayout layout() const { return layout_; }
    // The button keeps a copy of the picture.
    void setGlyph(HBITMAP glyph);
    HBITMAP glyph() const { return glyph_.get(); }
    void setSpacing(int spacing);
    int spacing() const { return spacing_; }
    void setTransparentGlyph(bool transparent);
    bool transparentGlyph() const { return transparentGlyph_; }
    void setGradient(bool gradient);
    bool gradient() const { return gradient_; }
    void setHotTrack(bool hotTrack) { hotTrack_ = hotTrack; }
    bool hotTrack() const { return hotTrack_; }
    // Enter clicks the button also when another control holds the focus.
    void setDefault(bool isDefault) { default_ = isDefault; }
    bool isDefault() const { return default_; }

    ButtonLook look() const { return look_; }

  protected:
    void paint(tk::Canvas& canvas) override;
    void mouseEnter() override;
    void mouseLeave() override;
    void mouseDown(tk::MouseButton button, int x, int y, UINT keys) override;
    void keyDown(UINT vk) override;
    void keyUp(UINT vk) override;
    void focusChanged(bool focused) override;
    void click() override;
    bool takesDialogKey(UINT vk) const override;
    bool takesAccelerator() const override;
    LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    // Stores a property and repaints, also when the value is unchanged.
    template <class T> void storeAndRepaint(T& field, const T& value);
    void setLook(ButtonLook look);
    int lookBase() const;
    void drawGlyph(tk::Canvas& canvas, int w, int h, int tw, int th, int& tx, int& ty) const;

    COLORREF colors_[gradColorCount] = {};
    ColorScheme scheme_ = ColorScheme::Custom;
    bool ctl3D_ = true;
    ButtonLayout layout_ = ButtonLayout::GlyphLeft;
    tk::BitmapHandle glyph_;
    int spacing_ = 4;
    bool transparentGlyph_ = true;
    bool gradient_ = true;
    bool hotTrack_ = true;
    bool default_ = false;
    ButtonLook look_ = ButtonLook::Normal;
    bool mouseHeld_ = false;
    bool hasFocus_ = false;
};

} // namespace ctl
