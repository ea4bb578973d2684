#include "controls/GradButton.h"

#include "controls/CtrlCommon.h"

#include <windowsx.h>

namespace ctl {

namespace {

// A scheme leaves colours marked `keep` as they are.
constexpr COLORREF keep = 0xFFFFFFFF;

using SchemeColors = COLORREF[gradColorCount];

// Colours of each scheme but Custom, in GradColor order.
const SchemeColors schemes[] = {
    // NeoDesert
    {0xC6ECFF, 0x37BEFF, 0x009CE8, 0xB9E7FF, 0x005680, 0x000000, 0xB3E7FF, 0x00A3F0, 0x008ED2,
     0x95DAFF, 0x005680, 0x000000, 0x2BBAFF, 0x77D2FF, 0x8AD9FF, 0x0077B7, 0x0070A6, 0x000000,
     0xEEEEEE, 0xFFFFFF, 0xD2D2D2, 0xFFFFFF, 0x808080, 0x808080, 0x4080FF},
    // NeoSky
    {0xFFEEDD, 0xFFB66C, 0xFFA851, 0xFFECD9, 0xB35900, 0x000000, 0xFFEBD7, 0xFFA346, 0xFF9E3E,
     0xFFE4CA, 0xB35900, 0x000000, 0xFFB366, 0xFFCE9D, 0xFFD3A8, 0xFF9E3E, 0xB35900, 0x000000,
     0xEEEEEE, 0xFFFFFF, 0xD2D2D2, 0xFFFFFF, 0x808080, 0x808080, 0xFFA953},
    // NeoGrass
    {0xDDF9E8, 0x5EDF8E, 0x24B95C, 0xCBF5DB, 0x156F37, 0x000000, 0xBFF2D2, 0x3DD877, 0x23B459,
     0xB5F0CB, 0x17793D, 0x000000, 0x4EDC83, 0x80E6A6, 0x89E7AC, 0x177D3E, 0x167439, 0x000000,
     0xEEEEEE, 0xFFFFFF, 0xD2D2D2, 0xFFFFFF, 0x808080, 0x808080, 0x24B95C},
    // NeoSilver
    {0xF3F3F3, 0xBCBCBC, 0xA7A7A7, 0xF7F7F7, 0x626262, 0x000000, 0xF0F0F0, 0xA6A6A6, 0xA2A2A2,
     0xEEEEEE, 0x757575, 0x000000, 0xCACACA, 0xDADADA, 0xE9E9E9, 0x7C7C7C, 0x4E4E4E, 0x000000,
     0xEEEEEE, 0xFFFFFF, 0xD2D2D2, 0xFFFFFF, 0x808080, 0x808080, 0xADADAD},
    // NeoRose
    {0xE8E8FF, 0x9595FF, 0x8282FF, 0xDDDDFF, 0x00009D, 0x000000, 0xDFDFFF, 0x7777FF, 0x6A6AFF,
     0xD7D7FF, 0x00009D, 0x000000, 0xA6A6FF, 0xB9B9FF, 0xCECEFF, 0x5E5EFF, 0x00009D, 0x000000,
     0xEEEEEE, 0xFFFFFF, 0xD2D2D2, 0xFFFFFF, 0x808080, 0x808080, 0x5E5EFF},
    // NeoSun
    {0xF0FFFF, 0x20D8F9, 0x00BBBB, 0xF2FFFF, 0x006464, 0x000000, 0xD5FCFF, 0x05BCDC, 0x00A6A6,
     0xCCFFFF, 0x006464, 0x000000, 0x05D1F5, 0x66F0FB, 0x66F3FF, 0x008484, 0x006464, 0x000000,
     0xEEEEEE, 0xFFFFFF, 0xD2D2D2, 0xFFFFFF, 0x808080, 0x808080, 0x00BBBB},
    // Desert
    {0x95DDFF, keep,     0x009CE8, 0xB9E7FF, 0x005680, 0x000000, 0x6FD0FF, keep,     0x008ED2,
     0x95DAFF, 0x005680, 0x000000, 0x6FD0FF, keep,     0x8AD9FF, 0x0077B7, 0x0070A6, 0x000000,
     0xE2E2E2, keep,     0xD8D8D8, 0xEAEAEA, 0xC4C4C4, 0x808080, 0x4080FF},
    // Grass
    {0x98EBB7, keep,     0x24B95C, 0xCBF5DB, 0x156F37, 0x000000, 0x68E196, keep,     0x23B459,
     0xB5F0CB, 0x17793D, 0x000000, 0x4EDC83, keep,     0x89E7AC, 0x177D3E, 0x167439, 0x000000,
     0xE2E2E2, keep,     0xD8D8D8, 0xEAEAEA, 0xC4C4C4, 0x808080, 0x00A421},
    // Sky
    {0xFFE0C1, keep,     0xFFA953, 0xFFECD9, 0xB35900, 0x000000, 0xFFCD9B, keep,     0xFFB164,
     0xFFE4CA, 0xB35900, 0x000000, 0xFFC082, keep,     0xFFD3A8, 0xFF9122, 0xB35900, 0x000000,
     0xE2E2E2, keep,     0xD8D8D8, 0xEAEAEA, 0xC4C4C4, 0x808080, 0xDC9B14},
    // Sun
    {0xA8FFFF, keep,     0x00BBBB, 0xF2FFFF, 0x006464, 0x000000, 0x66F3FF, keep,     0x00A6A6,
     0xCCFFFF, 0x006464, 0x000000, 0x22EEFF, keep,     0x66F3FF, 0x008484, 0x006464, 0x000000,
     0xE2E2E2, keep,     0xD8D8D8, 0xEAEAEA, 0xC4C4C4, 0x808080, 0x008CF4},
    // Rose
    {0xC6C6FF, keep,     0x8282FF, 0xDDDDFF, 0x00009D, 0x000000, 0xB0B0FF, keep,     0x6A6AFF,
     0xD7D7FF, 0x00009D, 0x000000, 0x9F9FFF, keep,     0x8888FF, 0x5E5EFF, 0x00009D, 0x000000,
     0xE2E2E2, keep,     0xD8D8D8, 0xEAEAEA, 0xC4C4C4, 0x808080, 0x5E5EFF},
    // Silver
    {0xE0E0E0, keep,     0xAEAEAE, 0xF7F7F7, 0x626262, 0x000000, 0xCFCFCF, keep,     0x797979,
     0xEEEEEE, 0x757575, 0x000000, 0xD3D3D3, keep,     0xE9E9E9, 0x7C7C7C, 0x4E4E4E, 0x000000,
     0xE2E2E2, keep,     0xD8D8D8, 0xEAEAEA, 0xC4C4C4, 0x808080, 0x8A8A8A},
};

constexpr int lookColorCount = 6;

int half(int value) {
    return value / 2;
}

int roundedHalf(int value) {
    return value / 2 + value % 2;
}

struct AxisPlacement {
    int glyph;
    int text;
};

// Glyph and caption positions along the axis of the layout: the glyph goes
// before the caption (left, top) or after it (right, bottom), the caption
// moves by half the glyph, and both part by the spacing.
AxisPlacement placeOnAxis(int text, int textSize, int glyphSize, int glyphLead, int spacing,
                          bool hasCaption, bool after) {
    const int sign = after ? -1 : 1;
    AxisPlacement place{after ? text + textSize - half(glyphSize) : text - glyphLead,
                        text + sign * half(glyphSize)};
    if (hasCaption) {
        place.glyph -= sign * roundedHalf(spacing);
        place.text += sign * half(spacing);
    }
    return place;
}

} // namespace

TGradButton::TGradButton(tk::Control& parent, int x, int y, int width, int height)
    : DialogButton(parent, x, y, width, height) {
    setTabStop(true);
    setColorScheme(ColorScheme::NeoDesert);
    colors_[static_cast<int>(GradColor::OverColorGrad)] = 0xFFFFFF;
    colors_[static_cast<int>(GradColor::DownColorGrad)] = 0xFFFFFF;
    colors_[static_cast<int>(GradColor::DisabledColorGrad)] = 0xFFFFFF;
}

void TGradButton::setSchemeColor(GradColor which, COLORREF color) {
    colors_[static_cast<int>(which)] = color;
    scheme_ = ColorScheme::Custom;
    repaint();
}

COLORREF TGradButton::schemeColor(GradColor which) const {
    return colors_[static_cast<int>(which)];
}

void TGradButton::setColorScheme(ColorScheme scheme) {
    scheme_ = scheme;
    if (scheme == ColorScheme::Custom)
        return;
    const SchemeColors& colors = schemes[static_cast<int>(scheme)];
    for (int i = 0; i < gradColorCount; ++i)
        if (colors[i] != keep)
            colors_[i] = colors[i];
    gradient_ = static_cast<int>(scheme) < static_cast<int>(ColorScheme::Desert);
    repaint();
}

template <class T> void TGradButton::storeAndRepaint(T& field, const T& value) {
    field = value;
    repaint();
}

void TGradButton::setCtl3D(bool ctl3D) {
    storeAndRepaint(ctl3D_, ctl3D);
}

void TGradButton::setLayout(ButtonLayout layout) {
    storeAndRepaint(layout_, layout);
}

void TGradButton::setGlyph(HBITMAP glyph) {
    glyph_ = copyBitmap(glyph);
    repaint();
}

void TGradButton::setSpacing(int spacing) {
    storeAndRepaint(spacing_, spacing);
}

void TGradButton::setTransparentGlyph(bool transparent) {
    storeAndRepaint(transparentGlyph_, transparent);
}

void TGradButton::setGradient(bool gradient) {
    storeAndRepaint(gradient_, gradient);
}

void TGradButton::setLook(ButtonLook look) {
    storeAndRepaint(look_, look);
}

void TGradButton::mouseEnter() {
    if (hotTrack_)
        setLook(mouseHeld_ ? ButtonLook::Down : ButtonLook::Over);
}

void TGradButton::mouseLeave() {
    setLook(ButtonLook::Normal);
}

void TGradButton::mouseDown(tk::MouseButton button, int, int, UINT) {
    if (button != tk::MouseButton::Left)
        return;
    mouseHeld_ = true;
    setLook(ButtonLook::Down);
}

void TGradButton::keyDown(UINT vk) {
    if (vk == VK_SPACE)
        look_ = ButtonLook::Down;
    repaint();
    if (takesDialogKey(vk))
        click();
}

void TGradButton::keyUp(UINT vk) {
    if (vk != VK_SPACE)
        return;
    setLook(ButtonLook::Normal);
    click();
}

bool TGradButton::takesDialogKey(UINT vk) const {
    return clickedByKey(vk, hasFocus_ || default_);
}

bool TGradButton::takesAccelerator() const {
    return enabled();
}

void TGradButton::focusChanged(bool focused) {
    hasFocus_ = focused;
    if (!focused)
        look_ = ButtonLook::Normal;
    repaint();
}

void TGradButton::click() {
    leaveModalResult();
    setLook(ButtonLook::Normal);
    DialogButton::click();
}

// The look after a release runs after the click, so a click inside ends hot.
LRESULT TGradButton::handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = DialogButton::handleMessage(msg, wParam, lParam);
    if (msg == WM_LBUTTONUP || msg == WM_RBUTTONUP) {
        mouseHeld_ = false;
        const int x = GET_X_LPARAM(lParam);
        const int y = GET_Y_LPARAM(lParam);
        if (x > 0 && y > 0 && x < width() && y < height())
            setLook(hotTrack_ ? ButtonLook::Over : ButtonLook::Normal);
    }
    return result;
}

int TGradButton::lookBase() const {
    if (!enabled())
        return static_cast<int>(GradColor::DisabledColorFace);
    return static_cast<int>(look_) * lookColorCount;
}

void TGradButton::paint(tk::Canvas& canvas) {
    const RECT client = clientRect();
    const int w = client.right;
    const int h = client.bottom;
    const COLORREF* look = colors_ + lookBase();
    const COLORREF face = look[0], grad = look[1], dark = look[2], light = look[3],
                   border = look[4], text = look[5];
    const bool down = look_ == ButtonLook::Down;

    canvas.setBrushStyle(tk::BrushStyle::Solid);
    canvas.setBrushColor(face);
    canvas.fillRect(client);
    if (gradient_)
        drawGradient(canvas, client, face, grad, GradientKind::Rows);

    tk::FontSpec font = this->font();
    font.color = text;
    canvas.setFont(font);
    const std::wstring caption = this->caption();
    const int tw = canvas.textWidth(caption);
    const int th = canvas.textHeight(caption);
    int tx = (w - tw) / 2;
    int ty = (h - th) / 2;
    if (glyph_)
        drawGlyph(canvas, w, h, tw, th, tx, ty);
    if (down) {
        ++tx;
        ++ty;
    }
    if (!caption.empty()) {
        canvas.setBrushStyle(tk::BrushStyle::Clear);
        RECT rect{tx, ty, tx + tw, ty + th};
        canvas.drawText(caption, rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
    }

    canvas.setPenStyle(tk::PenStyle::Solid);
    canvas.setPenColor(border);
    canvas.setBrushStyle(tk::BrushStyle::Clear);
    canvas.rectangle(client);
    if (ctl3D_) {
        canvas.setPenColor(light);
        canvas.polyline({{1, h - 2}, {1, 1}, {w - 1, 1}});
        canvas.setPenColor(dark);
        canvas.polyline({{w - 2, 1}, {w - 2, h - 2}, {1, h - 2}});
    }
    if (hasFocus_) {
        canvas.setPenColor(colors_[static_cast<int>(GradColor::ColorFocusRect)]);
        canvas.rectangle(RECT{3, 3, w - 3, h - 3});
    }
}

// Places the glyph beside the caption (moving the caption to make room) and draws it.
void TGradButton::drawGlyph(tk::Canvas& canvas, int w, int h, int tw, int th, int& tx,
                            int& ty) const {
    const SIZE size = tk::bitmapSize(glyph_.get());
    const int gw = size.cx, gh = size.cy, s = spacing_;
    const bool hasCaption = !caption().empty();
    const bool sideways = layout_ == ButtonLayout::GlyphLeft || layout_ == ButtonLayout::GlyphRight;
    const bool after = layout_ == ButtonLayout::GlyphRight || layout_ == ButtonLayout::GlyphBottom;
    int gx = 0, gy = 0;
    if (sideways) {
        gy = (h - gh) / 2;
        const AxisPlacement x = placeOnAxis(tx, tw, gw, half(gw), s, hasCaption, after);
        gx = x.glyph;
        tx = x.text;
    } else {
        gx = (w - gw) / 2;
        const AxisPlacement y = placeOnAxis(ty, th, gh, roundedHalf(gh), s, hasCaption, after);
        gy = y.glyph;
        ty = y.text;
    }
    if (look_ == ButtonLook::Down) {
        ++gx;
        ++gy;
    }
    if (transparentGlyph_)
        drawTransparent(canvas, gx, gy, glyph_.get(), bitmapPixel(glyph_.get(), 0, 0));
    else
        canvas.draw(gx, gy, glyph_.get());
}

} // namespace ctl
