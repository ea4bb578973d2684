#include "controls/FlatBtn.h"

#include "controls/CtrlCommon.h"
#include "controls/FlatBtnGlyphs.h"
#include "toolkit/Application.h"
#include "toolkit/MessageBox.h"

#include <algorithm>

namespace ctl {

namespace {

// Where a point of an outline step lies on a button of the given size.
POINT resolve(POINT p, int width, int height) {
    return POINT{p.x < 0 ? width + p.x : p.x, p.y < 0 ? height + p.y : p.y};
}

bool sideways(GlyphPosition position) {
    return position == GlyphPosition::Left || position == GlyphPosition::Right;
}

template <class F> BOOL CALLBACK visitFlatButton(HWND child, LPARAM data) {
    if (auto* button = dynamic_cast<TFlatButton*>(tk::Control::fromHandle(child)))
        (*reinterpret_cast<F*>(data))(*button);
    return TRUE;
}

// Runs f for every flat button in the window `root`.
template <class F> void forEachFlatButton(HWND root, F f) {
    EnumChildWindows(root, visitFlatButton<F>, reinterpret_cast<LPARAM>(&f));
}

RECT moved(const RECT& rect, int dx, int dy) {
    return RECT{rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
}

RECT sized(int left, int top, int width, int height) {
    return RECT{left, top, left + width, top + height};
}

// Paints a window's client area (erased first when asked) onto the canvas
// with its top left corner at `origin`, clipped to `clip` of the window.
void printWindow(tk::Canvas& canvas, HWND window, POINT origin, const RECT& clip, bool erase) {
    const HDC dc = canvas.handle();
    const int saved = SaveDC(dc);
    SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
    IntersectClipRect(dc, clip.left, clip.top, clip.right, clip.bottom);
    if (erase)
        SendMessageW(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    RestoreDC(dc, saved);
}

} // namespace

std::vector<std::wstring> wrapCaption(const std::wstring& caption, int width,
                                      const TextMeasure& measure) {
    if (measure(caption) <= width)
        return {caption};
    std::vector<std::wstring> lines;
    const std::size_t length = caption.size();
    std::size_t position = 0;
    std::size_t lineStart = std::wstring::npos;
    while (position < length) {
        if (position == lineStart)
            return {};
        lineStart = position;
        std::wstring line;
        std::size_t lastBlank = 0;
        while (position < length && measure(line + caption[position]) <= width) {
            line += caption[position];
            if (caption[position] == L' ')
                lastBlank = line.size() - 1;
            ++position;
        }
        if (position < length && lastBlank != 0) {
            line.resize(lastBlank);
            position = lineStart + lastBlank + 1;
        }
        lines.push_back(line);
    }
    return lines;
}

int textAreaWidth(int buttonWidth, FlatBtnType type, GlyphPosition position, bool showGlyph,
                  int glyphWidth) {
    if (type == FlatBtnType::Button && !sideways(position))
        return buttonWidth - 13;
    const int margin = type == FlatBtnType::Button ? 18 : 10;
    const int width = buttonWidth - glyphWidth - margin;
    return showGlyph ? width : width + glyphWidth + 5;
}

int autoButtonHeight(int textHeight, FlatBtnType type, GlyphPosition position, bool showGlyph,
                     int glyphHeight) {
    int height = textHeight;
    if (showGlyph) {
        if (type == FlatBtnType::Button && !sideways(position))
            height += glyphHeight + 4;
        else
            height = std::max(height, glyphHeight);
    }
    return height + (type == FlatBtnType::Button ? 10 : 5);
}

struct TFlatButton::Layout {
    RECT glyph;
    RECT text;
};

TFlatButton::TFlatButton(tk::Control& parent, int x, int y, int width, int height)
    : DialogButton(parent, x, y, width, height) {
    initColor(0xCCFFFF);
    setTabStop(true);
    loadBuiltInGlyphs();
}

void TFlatButton::setCaption(const std::wstring& caption) {
    if (caption == this->caption())
        return;
    DialogButton::setCaption(caption);
    relayout();
}

void TFlatButton::setColor(COLORREF color) {
    DialogButton::setColor(color);
    repaint();
}

void TFlatButton::setOffice2000Look(bool look) {
    if (!store(office2000Look_, look))
        return;
    activeColor_ = 0x808080;
    activeOutlineColor_ = 0xFFFFFF;
    inactiveColor_ = 0xC0C0C0;
    if (look) {
        activeOutlineColor2_ = 0xD6E7E7;
        initColor(0xCCFFFF);
        if (controlType_ == FlatBtnType::Button)
            showGlyph_ = false;
    } else {
        mouseState_ = FlatMouseState::Inactive;
        initColor(0xE1FFFF);
        showGlyph_ = true;
    }
    if (controlType_ == FlatBtnType::RadioButton)
        loadBuiltInGlyphs();
    repaint();
}

void TFlatButton::setAbout(FlatBtnAbout about) {
    if (about == FlatBtnAbout::About)
        tk::messageBox(handle(), L"Flat button control: a flat, self-painted button.", L"About",
                       MB_OK | MB_ICONINFORMATION);
}

void TFlatButton::setAction(tk::Action* action) {
    action_ = action;
    if (action)
        setCaption(action->caption);
}

void TFlatButton::setActiveColor(COLORREF color) {
    if (store(activeColor_, color))
        repaint();
}

void TFlatButton::setActiveOutlineColor(COLORREF color) {
    if (store(activeOutlineColor_, color))
        repaint();
}

void TFlatButton::setActiveOutlineColor2(COLORREF color) {
    if (store(activeOutlineColor2_, color))
        repaint();
}

void TFlatButton::setInactiveColor(COLORREF color) {
    if (store(inactiveColor_, color))
        repaint();
}

void TFlatButton::setTransparentColor(COLORREF color) {
    if (store(transparentColor_, color))
        repaint();
}

void TFlatButton::setTransparent(bool transparent) {
    if (store(transparent_, transparent))
        repaint();
}

void TFlatButton::setAutoTransparency(bool automatic) {
    if (store(autoTransparency_, automatic))
        repaint();
}

void TFlatButton::setAutoHeight(bool autoHeight) {
    if (store(autoHeight_, autoHeight))
        relayout();
}

void TFlatButton::setWordWrap(bool wordWrap) {
    if (store(wordWrap_, wordWrap))
        relayout();
}

void TFlatButton::setShowGlyph(bool showGlyph) {
    if (store(showGlyph_, showGlyph))
        relayout();
}

void TFlatButton::setUseCustomGlyphs(bool useCustom) {
    if (store(useCustomGlyphs_, useCustom))
        relayout();
}

void TFlatButton::setGlyph(tk::BitmapHandle& target, HBITMAP glyph) {
    target = copyBitmap(glyph);
    relayout();
}

void TFlatButton::setHoverFont(const tk::FontSpec& font) {
    hoverFont_ = font;
    repaint();
}

void TFlatButton::setPosition(GlyphPosition position) {
    if (controlType_ != FlatBtnType::Button && sideways(position))
        position = GlyphPosition::Top;
    if (store(position_, position))
        relayout();
}

void TFlatButton::setControlType(FlatBtnType type) {
    if (!store(controlType_, type))
        return;
    loadBuiltInGlyphs();
    if (type != FlatBtnType::Button && sideways(position_))
        position_ = GlyphPosition::Top;
    remeasure();
    setShowGlyph(!(office2000Look_ && type == FlatBtnType::Button));
    repaint();
}

// A default button reacts to Enter while it does not hold the focus.
void TFlatButton::setDefault(bool isDefault) {
    default_ = isDefault;
    if (!focused())
        active_ = isDefault;
    focusMoved();
}

// Whether a default button shows its focus look depends on the control that
// holds the focus: every button of the form paints again.
void TFlatButton::focusMoved() {
    forEachFlatButton(GetAncestor(handle(), GA_ROOT),
                      [](TFlatButton& button) { button.invalidate(); });
}

void TFlatButton::relayout() {
    remeasure();
    repaint();
}

void TFlatButton::loadBuiltInGlyphs() {
    const int first = firstGlyphNumber(controlType_, office2000Look_);
    builtInHoverGlyph_ = builtInGlyph(first);
    builtInDisabledGlyph_ = builtInGlyph(first + 1);
    builtInDownGlyph_ = builtInGlyph(first + 2);
    builtInInactiveGlyph_ = builtInGlyph(first + 3);
}

// Mouse, focus and keyboard

void TFlatButton::setMouseState(FlatMouseState state) {
    if (store(mouseState_, state))
        repaint();
}

void TFlatButton::mouseMove(int, int, UINT) {
    const bool isOver = mouseInside();
    switch (mouseState_) {
    case FlatMouseState::DownInside:
        if (!isOver)
            setMouseState(FlatMouseState::DownOutside);
        break;
    case FlatMouseState::DownOutside:
        if (isOver)
            setMouseState(FlatMouseState::DownInside);
        break;
    case FlatMouseState::Inactive:
        if (isOver) {
            setMouseState(FlatMouseState::Hover);
            fire(onMouseEnter);
            SetCapture(handle());
        }
        break;
    case FlatMouseState::Hover:
        if (!isOver) {
            setMouseState(FlatMouseState::Inactive);
            fire(onMouseExit);
            releaseCapture();
        }
        break;
    }
}

void TFlatButton::mouseDown(tk::MouseButton button, int, int, UINT) {
    if (!mouseInside())
        return;
    if (button == tk::MouseButton::Left) {
        setMouseState(FlatMouseState::DownInside);
        SetCapture(handle());
    } else if (button == tk::MouseButton::Right && popupMenu()) {
        setMouseState(FlatMouseState::Inactive);
        releaseCapture();
    }
}

void TFlatButton::mouseUp(tk::MouseButton button, int, int, UINT) {
    if (button != tk::MouseButton::Left)
        return;
    if (mouseInside() && modalResult() == 0) {
        setMouseState(FlatMouseState::Hover);
        SetCapture(handle());
        return;
    }
    setMouseState(FlatMouseState::Inactive);
    releaseCapture();
}

// A default button stays active without the focus.
void TFlatButton::focusChanged(bool focused) {
    active_ = focused || default_;
    mouseState_ = FlatMouseState::Inactive;
    focusMoved();
}

void TFlatButton::keyDown(UINT vk) {
    if ((vk == VK_SPACE && active_) || takesDialogKey(vk))
        keyboardClick();
}

bool TFlatButton::takesDialogKey(UINT vk) const {
    return clickedByKey(vk, active_);
}

bool TFlatButton::takesAccelerator() const {
    return active_ || GetKeyState(VK_MENU) < 0;
}

void TFlatButton::keyboardClick() {
    keyboardClick_ = true;
    click();
    if (modalResult() != 0)
        releaseCapture();
}

void TFlatButton::releaseCapture() const {
    if (GetCapture() == handle())
        ReleaseCapture();
}

void TFlatButton::click() {
    const FlatMouseState remembered = mouseState_;
    if (keyboardClick_ && remembered != FlatMouseState::DownInside) {
        mouseState_ = FlatMouseState::DownInside;
        repaint();
        tk::app().processMessages();
    }
    resetOtherButtons();
    leaveModalResult();
    if (keyboardClick_ || mouseState_ != remembered) {
        mouseState_ = remembered;
        repaint();
        tk::app().processMessages();
    }
    keyboardClick_ = false;
    if (!onClick && action_)
        tk::app().guard([this] { action_->execute(); });
    else
        DialogButton::click();
}

void TFlatButton::resetOtherButtons() {
    forEachFlatButton(GetAncestor(handle(), GA_ROOT), [this](TFlatButton& button) {
        if (&button == this)
            return;
        button.mouseState_ = FlatMouseState::Inactive;
        button.repaint();
    });
}

LRESULT TFlatButton::handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_KILLFOCUS:
        releaseCapture();
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (!focused()) {
            settingFocus_ = true;
            SetFocus(handle());
            settingFocus_ = false;
            if (!focused())
                return 0;
        }
        break;
    case WM_SYSKEYDOWN:
        if (wParam == VK_F4) {
            setMouseState(FlatMouseState::Inactive);
            releaseCapture();
        }
        break;
    default:
        break;
    }
    return DialogButton::handleMessage(msg, wParam, lParam);
}

// Glyphs and measuring

HBITMAP TFlatButton::currentGlyph() {
    if (!enabled()) {
        if (!useCustomGlyphs_)
            return builtInDisabledGlyph_.get();
        return disabledGlyph_ ? disabledGlyph_.get() : embossedGlyph();
    }
    switch (mouseState_) {
    case FlatMouseState::Hover:
        if (!useCustomGlyphs_)
            return builtInHoverGlyph_.get();
        return activeGlyph_ ? activeGlyph_.get() : inactiveGlyph_.get();
    case FlatMouseState::DownInside:
        if (!useCustomGlyphs_)
            return builtInDownGlyph_.get();
        return downActiveGlyph_ ? downActiveGlyph_.get() : inactiveGlyph_.get();
    default:
        return useCustomGlyphs_ ? inactiveGlyph_.get() : builtInInactiveGlyph_.get();
    }
}

// The colour a glyph shows as transparent: its bottom-left pixel's with automatic
// transparency, else the transparent colour.
COLORREF TFlatButton::glyphTransparentColor(HBITMAP glyph) const {
    return autoTransparency_ ? bitmapPixel(glyph, 0, tk::bitmapSize(glyph).cy - 1)
                             : transparentColor_;
}

// A grey relief of the inactive glyph: every pixel that is not the glyph's
// transparent colour gets a highlight one pixel right and down and a shadow
// in place, on the button face.
HBITMAP TFlatButton::embossedGlyph() {
    const HBITMAP source = inactiveGlyph_.get();
    const SIZE size = tk::bitmapSize(source);
    if (size.cx <= 0 || size.cy <= 0)
        return nullptr;
    const COLORREF ground = glyphTransparentColor(source);
    std::vector<bool> ink(static_cast<std::size_t>(size.cx) * size.cy);
    {
        tk::SelectedBitmap pixels(source);
        for (int y = 0; y < size.cy; ++y)
            for (int x = 0; x < size.cx; ++x)
                ink[y * size.cx + x] = GetPixel(pixels.dc(), x, y) != ground;
    }
    embossedGlyph_ = tk::paintBitmap(size.cx, size.cy, [&](tk::Canvas& canvas) {
        canvas.setBrushColor(GetSysColor(COLOR_BTNFACE));
        canvas.fillRect(RECT{0, 0, size.cx, size.cy});
        for (int pass = 0; pass < 2; ++pass) {
            const COLORREF color = GetSysColor(pass == 0 ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW);
            const int offset = pass == 0 ? 1 : 0;
            for (int y = 0; y + offset < size.cy; ++y)
                for (int x = 0; x + offset < size.cx; ++x)
                    if (ink[y * size.cx + x])
                        canvas.setPixel(x + offset, y + offset, color);
        }
    });
    return embossedGlyph_.get();
}

RECT TFlatButton::wrappedTextArea(tk::Canvas& canvas, HBITMAP glyph) {
    const std::wstring text = caption();
    textAreaWidth_ =
        textAreaWidth(clientWidth(), controlType_, position_, showGlyph_, tk::bitmapSize(glyph).cx);
    wrappedLines_ = wrapCaption(text, textAreaWidth_,
                                [&](const std::wstring& s) { return canvas.textWidth(s); });
    const int captionWidth = canvas.textWidth(text);
    if (captionWidth > textAreaWidth_) {
        const int lineHeight = canvas.textHeight(L"0");
        return sized(0, 0, textAreaWidth_, static_cast<int>(wrappedLines_.size()) * lineHeight);
    }
    textAreaWidth_ = captionWidth;
    return sized(0, 0, captionWidth, canvas.textHeight(text));
}

void TFlatButton::remeasure() {
    if (!autoHeight_)
        return;
    tk::MemoryCanvas canvas(std::max(clientWidth(), 1), std::max(clientHeight(), 1));
    canvas.setFont(font());
    const HBITMAP glyph = currentGlyph();
    const int textHeight =
        wordWrap_ ? wrappedTextArea(canvas, glyph).bottom : canvas.textHeight(caption());
    setBounds(left(), top(), width(),
              autoButtonHeight(textHeight, controlType_, position_, showGlyph_,
                               tk::bitmapSize(glyph).cy));
}

// Painting

tk::FontSpec TFlatButton::paintFont() const {
    const bool hot =
        mouseState_ == FlatMouseState::Hover || mouseState_ == FlatMouseState::DownInside;
    tk::FontSpec fontStyle = enabled() && hot ? hoverFont_ : font();
    if (!enabled())
        fontStyle.color = inactiveColor_;
    if (default_)
        fontStyle.bold = true;
    return fontStyle;
}

TFlatButton::Layout TFlatButton::place(tk::Canvas& canvas, HBITMAP glyph) {
    const SIZE g = tk::bitmapSize(glyph);
    const RECT textArea =
        wordWrap_ ? wrappedTextArea(canvas, glyph)
                  : sized(0, 0, canvas.textWidth(caption()), canvas.textHeight(caption()));
    const int tw = textArea.right;
    const int th = textArea.bottom;
    const int w = clientWidth();
    const int h = clientHeight();
    const bool button = controlType_ == FlatBtnType::Button;
    int gx = 0, gy = 0, tx = 0, ty = 0;
    if (!showGlyph_) {
        tx = button ? (w - tw - 1) / 2 + 1 : 2;
        ty = button ? (h - th - 1) / 2 + 1 : 2;
    } else if (!button) {
        const int spare = canvas.textHeight(caption()) - g.cy;
        gy = spare > 1 ? spare / 2 + 2 : 2;
        ty = 2;
        gx = 2;
        tx = g.cx + 7;
    } else if (!sideways(position_)) {
        gx = (w - g.cx - 1) / 2 + 1;
        tx = (w - tw - 1) / 2 + 1;
        gy = 6;
        ty = (h - g.cy - th - 1) / 2 + g.cy + 1;
    } else {
        gy = (h - g.cy - 1) / 2 + 1;
        ty = (h - th - 1) / 2 + 1;
        gx = 6;
        tx = (w - g.cx - tw - 1) / 2 + g.cx + 1;
        // Right-to-left reading swaps a glyph on the left for one on the right.
        if ((position_ == GlyphPosition::Right) != useRightToLeftReading()) {
            gx = w - gx - g.cx - 1;
            tx = w - tx - tw - 1;
        }
    }
    if (!button && useRightToLeftReading()) {
        gx = w - gx - g.cx;
        tx = w - tx - tw;
    }
    if (showGlyph_ && position_ == GlyphPosition::Bottom) {
        gy = h - gy - g.cy - 1;
        ty = h - ty - th - 1;
    }
    return Layout{sized(gx, gy, g.cx, g.cy), sized(tx, ty, tw, th)};
}

bool TFlatButton::showsFocus() const {
    if (!active_)
        return false;
    if (focused())
        return true;
    return dynamic_cast<TFlatButton*>(tk::Control::fromHandle(GetFocus())) == nullptr;
}

void TFlatButton::drawFocus(tk::Canvas& canvas, const RECT& text) const {
    if (controlType_ == FlatBtnType::Button) {
        canvas.drawFocusRect(RECT{text.left, text.top, text.right + 1, text.bottom + 1});
        return;
    }
    canvas.setPenStyle(tk::PenStyle::Dot);
    canvas.setPenColor(canvas.font().color);
    canvas.setBrushStyle(tk::BrushStyle::Clear);
    const int lines = static_cast<int>(wrappedLines_.size());
    if (!wordWrap_ || lines <= 1) {
        canvas.rectangle(RECT{text.left - 1, text.top - 1, text.right + 2, text.bottom + 1});
    } else {
        const int l = text.left - 1, t = text.top - 1, r = text.right + 2, b = text.bottom + 1;
        const int y = text.top - 1 + (lines - 1) * canvas.textHeight(L"0");
        const int x = std::min<int>(text.left + 1 + canvas.textWidth(wrappedLines_.back()), r);
        if (useRightToLeftReading()) {
            const int mirrored = l + r - x; // the last line ends on the right
            canvas.polyline({{l, y}, {l, t}, {r, t}, {r, b}, {mirrored, b}, {mirrored, y}, {l, y}});
        } else {
            canvas.polyline({{l, b}, {l, t}, {r, t}, {r, y}, {x, y}, {x, b}, {l, b}});
        }
    }
    canvas.setPenStyle(tk::PenStyle::Solid);
}

void TFlatButton::drawCaption(tk::Canvas& canvas, const RECT& text) {
    canvas.setBrushStyle(tk::BrushStyle::Clear);
    const UINT format = readingFormat(controlType_ == FlatBtnType::Button ? DT_CENTER : DT_LEFT);
    if (!wordWrap_ || wrappedLines_.size() == 1) {
        RECT rect = text;
        canvas.drawText(caption(), rect, format);
        return;
    }
    const int lineHeight = canvas.textHeight(L"0");
    for (std::size_t i = 0; i < wrappedLines_.size(); ++i) {
        RECT rect = sized(text.left, text.top + static_cast<int>(i) * lineHeight, textAreaWidth_,
                          lineHeight);
        canvas.drawText(wrappedLines_[i], rect, format);
    }
}

// The parent's background and picture, then the pictures and texts behind the
// button, farthest first.
void TFlatButton::drawParentImage(tk::Canvas& canvas) {
    const HWND parent = GetParent(handle());
    RECT parentClient{};
    GetClientRect(parent, &parentClient);
    const RECT own = bounds();
    printWindow(canvas, parent, POINT{-own.left, -own.top}, parentClient, true);
    std::vector<tk::Control*> behind;
    for (HWND sibling = GetWindow(handle(), GW_HWNDNEXT); sibling;
         sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        tk::Control* control = tk::Control::fromHandle(sibling);
        RECT overlap{};
        const RECT at = control ? control->bounds() : RECT{};
        if (control && control->graphic() && control->visible() &&
            IntersectRect(&overlap, &at, &own))
            behind.push_back(control);
    }
    for (auto control = behind.rbegin(); control != behind.rend(); ++control) {
        const RECT at = (*control)->bounds();
        printWindow(canvas, (*control)->handle(), POINT{at.left - own.left, at.top - own.top},
                    (*control)->clientRect(), false);
    }
}

void TFlatButton::drawOutline(tk::Canvas& canvas) const {
    const Outline& outline = buttonOutline(office2000Look_, mouseState_);
    const int w = clientWidth();
    const int h = clientHeight();
    canvas.setPenStyle(tk::PenStyle::Solid);
    canvas.setPenWidth(1);
    for (const OutlineStep& step : outline) {
        const COLORREF inks[] = {inactiveColor_, activeColor_, activeOutlineColor_,
                                 activeOutlineColor2_};
        const COLORREF color = inks[static_cast<std::size_t>(step.ink)];
        std::vector<POINT> points;
        for (POINT p : step.points)
            points.push_back(resolve(p, w, h));
        if (!step.pixels) {
            canvas.setPenColor(color);
            canvas.polyline(points);
        }
        const std::size_t first = step.pixels ? 0 : points.size() - 1;
        for (std::size_t i = first; i < points.size(); ++i)
            canvas.setPixel(points[i].x, points[i].y, color);
    }
}

void TFlatButton::paint(tk::Canvas& canvas) {
    if (transparent_) {
        drawParentImage(canvas);
    } else {
        canvas.setBrushStyle(tk::BrushStyle::Solid);
        canvas.setBrushColor(color());
        canvas.fillRect(clientRect());
    }
    canvas.setFont(paintFont());
    const HBITMAP glyph = currentGlyph();
    Layout layout = place(canvas, glyph);
    if (showsFocus())
        drawFocus(canvas, layout.text);
    if (mouseState_ == FlatMouseState::DownInside && controlType_ == FlatBtnType::Button) {
        layout.text = moved(layout.text, 1, 1);
        layout.glyph = moved(layout.glyph, 1, 1);
    }
    drawCaption(canvas, layout.text);
    if (showGlyph_ && glyph)
        drawTransparent(canvas, layout.glyph.left, layout.glyph.top, glyph,
                        glyphTransparentColor(glyph));
    if (controlType_ == FlatBtnType::Button)
        drawOutline(canvas);
}

} // namespace ctl
