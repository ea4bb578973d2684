#include "controls/FocusText.h"

#include "controls/CtrlCommon.h"

namespace ctl {

namespace {

UINT alignmentFlag(tk::Alignment alignment) {
    switch (alignment) {
    case tk::Alignment::Center:
        return DT_CENTER;
    case tk::Alignment::Right:
        return DT_RIGHT;
    case tk::Alignment::Left:
        break;
    }
    return DT_LEFT;
}

} // namespace

SIZE autoTextSize(SIZE measured) {
    return SIZE{measured.cx + 2, measured.cy + 2};
}

std::wstring measuredCaption(const std::wstring& caption, bool showAccelChar) {
    if (caption.empty() || (showAccelChar && caption == L"&"))
        return caption + L" ";
    return caption;
}

TFocusText::TFocusText(tk::Control& parent, int x, int y, int width, int height)
    : tk::CustomControl(parent, x, y, width, height) {}

void TFocusText::setDrawFocusRect(bool draw) {
    drawFocusRect_ = draw;
    invalidate();
}

void TFocusText::setFocusControl(tk::Control* control) {
    focusControl_ = control ? control->handle() : nullptr;
}

// A control that has been destroyed since is no longer found.
tk::Control* TFocusText::focusControl() const {
    return focusControl_ && IsWindow(focusControl_) ? tk::Control::fromHandle(focusControl_)
                                                    : nullptr;
}

void TFocusText::setShowAccelChar(bool show) {
    if (store(showAccelChar_, show))
        paintRequest();
}

void TFocusText::setAlignment(tk::Alignment alignment) {
    if (store(alignment_, alignment))
        paintRequest();
}

// Turning the automatic size off keeps the size the text has.
void TFocusText::setAutoSize(bool autoSize) {
    if (store(autoSize_, autoSize) && autoSize)
        paintRequest();
}

UINT TFocusText::textFormat() const {
    return readingFormat(alignmentFlag(alignment_) | DT_TOP | DT_EXPANDTABS |
                         (showAccelChar_ ? 0 : DT_NOPREFIX));
}

// Sizes the control to its text. True only when the size really changed, so a
// size the control cannot take does not ask for painting again and again.
bool TFocusText::resizeToText() {
    if (!autoSize_ || !handle())
        return false;
    RECT rect{0, 0, 0, 0};
    {
        tk::WindowCanvas canvas(nullptr);
        canvas.setFont(font());
        canvas.drawText(measuredCaption(caption(), showAccelChar_), rect,
                        textFormat() | DT_CALCRECT);
    }
    const SIZE wanted = autoTextSize(SIZE{rect.right - rect.left, rect.bottom - rect.top});
    const int oldWidth = width();
    const int oldHeight = height();
    if (wanted.cx == oldWidth && wanted.cy == oldHeight)
        return false;
    setBounds(left(), top(), wanted.cx, wanted.cy);
    return width() != oldWidth || height() != oldHeight;
}

void TFocusText::paintRequest() {
    if (!paintAllowed(onPaint))
        return;
    if (!resizeToText()) {
        repaint();
        return;
    }
    // The parent paints what a shorter text uncovered at once, so nothing of the
    // longer one stays behind until the next message loop.
    RedrawWindow(GetParent(handle()), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void TFocusText::paint(tk::Canvas& canvas) {
    const RECT client = clientRect();
    canvas.setBrushStyle(tk::BrushStyle::Solid);
    canvas.setBrushColor(color());
    canvas.fillRect(client);
    canvas.setFont(font());
    if (enabled() && focused() && drawFocusRect_)
        drawDots(canvas, client.right, client.bottom);
    RECT text{1, 1, client.right - 1, client.bottom - 1};
    canvas.drawText(caption(), text, textFormat());
}

// The focus frame: single pixels, two apart, in the font colour.
void TFocusText::drawDots(tk::Canvas& canvas, int width, int height) const {
    const COLORREF ink = font().color;
    for (int x = 0; x < width; x += 2) {
        canvas.setPixel(x, 0, ink);
        canvas.setPixel(x, height - 1, ink);
    }
    for (int y = 0; y < height; y += 2) {
        canvas.setPixel(0, y, ink);
        canvas.setPixel(width - 1, y, ink);
    }
}

void TFocusText::mouseDown(tk::MouseButton button, int, int, UINT) {
    if (button != tk::MouseButton::Left || spacePressed_)
        return;
    mousePressed_ = true;
    paintRequest();
}

void TFocusText::mouseUp(tk::MouseButton button, int, int, UINT) {
    if (button != tk::MouseButton::Left || !mousePressed_)
        return;
    mousePressed_ = false;
    paintRequest();
}

void TFocusText::mouseEnter() {
    paintRequest();
}
void TFocusText::mouseLeave() {
    paintRequest();
}

void TFocusText::keyDown(UINT vk) {
    if (vk != VK_SPACE || !focused() || modifierKeyHeld() || mousePressed_ || spacePressed_)
        return;
    spacePressed_ = true;
    paintRequest();
}

void TFocusText::keyUp(UINT) {
    if (!spacePressed_)
        return;
    click();
    spacePressed_ = false;
    paintRequest();
}

void TFocusText::focusChanged(bool focused) {
    if (!focused) {
        spacePressed_ = false;
        mousePressed_ = false;
    }
    paintRequest();
}

void TFocusText::enabledChanged() {
    paintRequest();
}
void TFocusText::textChanged() {
    paintRequest();
}

void TFocusText::click() {
    if (!focused())
        setFocus();
    tk::CustomControl::click();
}

bool TFocusText::takesAccelerator() const {
    return showAccelChar_ && !spacePressed_ && !mousePressed_;
}

// The accelerator hands the focus on, or clicks the text itself.
void TFocusText::keyboardClick() {
    tk::Control* target = focusControl();
    if (target && target->canFocus()) {
        target->setFocus();
    } else if (canFocus()) {
        spacePressed_ = true;
        paintRequest();
        click();
        spacePressed_ = false;
        paintRequest();
    }
}

// A text resized while it paints (after a font change) leaves its whole
// window to be painted again at the new size.
LRESULT TFocusText::handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PAINT && !paintAllowed(onPaint)) {
        ValidateRect(handle(), nullptr);
        return 0;
    }
    if (msg == WM_PAINT && resizeToText()) {
        invalidate();
        return 0;
    }
    return tk::CustomControl::handleMessage(msg, wParam, lParam);
}

} // namespace ctl
