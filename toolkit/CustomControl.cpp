#include "toolkit/CustomControl.h"

#include "toolkit/Application.h"

#include <windowsx.h>

namespace tk {
namespace {

const wchar_t* const kClassName = L"tkCustomControl";
const DWORD kBaseStyle = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;

MouseButton buttonOf(UINT msg) {
    switch (msg) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
        return MouseButton::Right;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
        return MouseButton::Middle;
    default:
        return MouseButton::Left;
    }
}

struct DialogKeyOffer {
    UINT vk;
    CustomControl* taker;
};

} // namespace

CustomControl::CustomControl(Control& parent, int x, int y, int width, int height)
    : CustomControl(parent, x, y, width, height, 0, 0) {}

CustomControl::CustomControl(Control& parent, int x, int y, int width, int height, DWORD extraStyle,
                             DWORD exStyle) {
    initColor(parent.color());
    createOwn(kClassName, &parent, kBaseStyle | extraStyle, exStyle, x, y, width, height);
}

bool CustomControl::offerDialogKey(HWND window, UINT vk) {
    DialogKeyOffer offer{vk, nullptr};
    EnumChildWindows(window, findDialogKeyTaker, reinterpret_cast<LPARAM>(&offer));
    if (!offer.taker)
        return false;
    app().guard([&] { offer.taker->keyboardClick(); });
    return true;
}

BOOL CALLBACK CustomControl::findDialogKeyTaker(HWND child, LPARAM data) {
    auto& offer = *reinterpret_cast<DialogKeyOffer*>(data);
    auto* control = dynamic_cast<CustomControl*>(fromHandle(child));
    if (!control || !control->canFocus() || !control->takesDialogKey(offer.vk))
        return TRUE;
    offer.taker = control;
    return FALSE;
}

void CustomControl::setTabStop(bool tabStop) {
    setStyleFlag(WS_TABSTOP, tabStop);
}

bool CustomControl::tabStop() const {
    return hasStyle(WS_TABSTOP);
}

void CustomControl::setBiDiMode(BiDiMode mode) {
    biDiMode_ = mode;
    invalidate();
}

UINT CustomControl::readingFormat(UINT format) const {
    if (!useRightToLeftReading())
        return format;
    if (format & DT_RIGHT)
        format &= ~DT_RIGHT;
    else if (!(format & DT_CENTER))
        format |= DT_RIGHT;
    return format | DT_RTLREADING;
}

void CustomControl::paint(Canvas& canvas) {
    canvas.setBrushColor(color());
    canvas.fillRect(clientRect());
}

void CustomControl::mouseDown(MouseButton, int, int, UINT) {}
void CustomControl::mouseUp(MouseButton, int, int, UINT) {}
void CustomControl::mouseMove(int, int, UINT) {}
void CustomControl::mouseEnter() {}
void CustomControl::mouseLeave() {}
void CustomControl::keyDown(UINT) {}
void CustomControl::keyUp(UINT) {}
void CustomControl::focusChanged(bool) {
    invalidate();
}
void CustomControl::enabledChanged() {
    invalidate();
}
void CustomControl::textChanged() {
    invalidate();
}
void CustomControl::resized() {
    invalidate();
}
void CustomControl::click() {
    fire(onClick);
}
bool CustomControl::takesDialogKey(UINT) const {
    return false;
}
bool CustomControl::takesAccelerator() const {
    return false;
}
void CustomControl::keyboardClick() {
    click();
}

LRESULT CustomControl::handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    auto& application = app();
    switch (msg) {
    case WM_PAINT:
        return paintMessage();
    case WM_PRINTCLIENT:
        paintOnto(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE:
    case WM_CAPTURECHANGED:
        return mouseMessage(msg, wParam, lParam);
    case WM_KEYDOWN:
        application.guard([&] { keyDown(static_cast<UINT>(wParam)); });
        return 0;
    case WM_KEYUP:
        application.guard([&] { keyUp(static_cast<UINT>(wParam)); });
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        application.guard([&] { focusChanged(msg == WM_SETFOCUS); });
        return 0;
    case WM_ENABLE:
        application.guard([&] { enabledChanged(); });
        return 0;
    case WM_SIZE:
        application.guard([&] { resized(); });
        return 0;
    case WM_GETDLGCODE:
        return dialogCode(lParam);
    case BM_CLICK:
        application.guard([&] { keyboardClick(); });
        return 0;
    case WM_CONTEXTMENU:
        return contextMenu(lParam);
    case WM_SETTEXT: {
        const LRESULT result = Control::handleMessage(msg, wParam, lParam);
        application.guard([&] { textChanged(); });
        return result;
    }
    default:
        return Control::handleMessage(msg, wParam, lParam);
    }
}

// lParam is the key message the dialog manager is about to handle, if any.
LRESULT CustomControl::dialogCode(LPARAM lParam) const {
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    LRESULT code = takesAccelerator() ? DLGC_BUTTON : 0;
    if (message && message->message == WM_KEYDOWN &&
        takesDialogKey(static_cast<UINT>(message->wParam)))
        code |= DLGC_WANTMESSAGE;
    return code;
}

// At the pointer, or below the control's top left corner when opened by the keyboard.
LRESULT CustomControl::contextMenu(LPARAM lParam) {
    if (!popupMenu_)
        return defaultHandler(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(handle()), lParam);
    POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (at.x == -1 && at.y == -1) {
        at = POINT{0, 0};
        ClientToScreen(handle(), &at);
    }
    popupMenu_->popup(at.x, at.y, handle());
    return 0;
}

LRESULT CustomControl::paintMessage() {
    const PaintDc painting = beginPaint(handle());
    paintOnto(painting.get().paint.hdc);
    return 0;
}

void CustomControl::paintOnto(HDC dc) {
    const RECT client = clientRect();
    if (client.right <= 0 || client.bottom <= 0)
        return;
    MemoryCanvas buffer(client.right, client.bottom);
    app().guard([&] { paint(buffer); });
    BitBlt(dc, 0, 0, client.right, client.bottom, buffer.handle(), 0, 0, SRCCOPY);
}

LRESULT CustomControl::mouseMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    const int x = GET_X_LPARAM(lParam);
    const int y = GET_Y_LPARAM(lParam);
    const UINT keys = static_cast<UINT>(wParam);
    const MouseButton button = buttonOf(msg);
    auto& application = app();
    if (msg != WM_MOUSELEAVE && msg != WM_CAPTURECHANGED)
        followPointer(x, y);
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (tabStop())
            setFocus();
        SetCapture(handle());
        leftDown_ = true;
        application.guard([&] { mouseDown(button, x, y, keys); });
        if (msg == WM_LBUTTONDBLCLK)
            fire(onDoubleClick);
        break;
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        application.guard([&] { mouseDown(button, x, y, keys); });
        break;
    case WM_LBUTTONUP: {
        const bool wasDown = leftDown_;
        leftDown_ = false;
        if (GetCapture() == handle())
            ReleaseCapture();
        application.guard([&] { mouseUp(button, x, y, keys); });
        const POINT at{x, y};
        const RECT client = clientRect();
        if (wasDown && PtInRect(&client, at))
            application.guard([&] { click(); });
        break;
    }
    case WM_RBUTTONUP:
        application.guard([&] { mouseUp(button, x, y, keys); });
        return defaultHandler(msg, wParam, lParam);
    case WM_MBUTTONUP:
        application.guard([&] { mouseUp(button, x, y, keys); });
        break;
    case WM_MOUSEMOVE:
        application.guard([&] { mouseMove(x, y, keys); });
        break;
    case WM_MOUSELEAVE:
        setMouseInside(false);
        break;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != handle())
            leftDown_ = false;
        break;
    default:
        break;
    }
    return 0;
}

// While the mouse is captured no WM_MOUSELEAVE comes, but the moves from
// outside do: every mouse message says whether the pointer is over the control.
void CustomControl::followPointer(int x, int y) {
    const POINT at{x, y};
    const RECT client = clientRect();
    setMouseInside(PtInRect(&client, at) != FALSE);
}

void CustomControl::setMouseInside(bool inside) {
    if (inside == mouseInside_)
        return;
    mouseInside_ = inside;
    if (inside)
        trackMouseLeave();
    app().guard([&] { inside ? mouseEnter() : mouseLeave(); });
}

} // namespace tk
