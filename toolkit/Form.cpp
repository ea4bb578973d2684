#include "toolkit/Form.h"

#include "toolkit/Application.h"
#include "toolkit/CustomControl.h"

namespace tk {
namespace {

const wchar_t* const kClassName = L"tkForm";
const LONG_PTR kBorderBits = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX |
                             WS_THICKFRAME | WS_POPUP | WS_BORDER | WS_DLGFRAME;

// The dialog manager's Enter (IDOK) or Escape (IDCANCEL) for a form without
// dialog items: a command from no control and no menu. The key, or 0.
UINT dialogKeyOf(WPARAM wParam, LPARAM lParam) {
    if (lParam != 0 || HIWORD(wParam) != 0)
        return 0;
    switch (LOWORD(wParam)) {
    case IDOK:
        return VK_RETURN;
    case IDCANCEL:
        return VK_ESCAPE;
    default:
        return 0;
    }
}

LONG_PTR borderBits(BorderStyle style) {
    switch (style) {
    case BorderStyle::Sizeable:
        return WS_OVERLAPPEDWINDOW;
    case BorderStyle::None:
        return WS_POPUP;
    case BorderStyle::Single:
        break;
    }
    return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
}

SIZE windowSizeFor(HWND hwnd, int clientWidth, int clientHeight) {
    RECT rect{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&rect, static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_EXSTYLE)));
    return {rect.right - rect.left, rect.bottom - rect.top};
}

} // namespace

Form::Form(const std::wstring& caption, int clientWidth, int clientHeight) {
    create(caption, clientWidth, clientHeight, nullptr);
}

Form::Form(const std::wstring& caption, int clientWidth, int clientHeight, Form& owner) {
    create(caption, clientWidth, clientHeight, owner.handle());
}

void Form::create(const std::wstring& caption, int clientWidth, int clientHeight, HWND owner) {
    const DWORD style = static_cast<DWORD>(borderBits(borderStyle_)) | WS_CLIPCHILDREN;
    createOwn(kClassName, nullptr, style, 0, CW_USEDEFAULT, CW_USEDEFAULT, clientWidth,
              clientHeight, caption);
    if (owner)
        SetWindowLongPtrW(handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
    setClientSize(clientWidth, clientHeight);
    centerOnScreen();
}

void Form::setBorderStyle(BorderStyle style) {
    const RECT client = clientRect();
    borderStyle_ = style;
    const LONG_PTR current = GetWindowLongPtrW(handle(), GWL_STYLE);
    SetWindowLongPtrW(handle(), GWL_STYLE, (current & ~kBorderBits) | borderBits(style));
    setClientSize(client.right, client.bottom);
}

void Form::setClientSize(int width, int height) {
    const SIZE size = windowSizeFor(handle(), width, height);
    SetWindowPos(handle(), nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void Form::centerOnScreen() {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int w = width();
    const int h = height();
    setBounds(work.left + (work.right - work.left - w) / 2,
              work.top + (work.bottom - work.top - h) / 2, w, h);
}

void Form::setTopmost(bool topmost) {
    SetWindowPos(handle(), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Form::setIcon(HICON icon) {
    SendMessageW(handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageW(handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

void Form::setWindowState(WindowState state) {
    switch (state) {
    case WindowState::Minimized:
        ShowWindow(handle(), SW_MINIMIZE);
        break;
    case WindowState::Maximized:
        ShowWindow(handle(), SW_MAXIMIZE);
        break;
    case WindowState::Normal:
        ShowWindow(handle(), SW_RESTORE);
        break;
    }
}

WindowState Form::windowState() const {
    if (IsIconic(handle()))
        return WindowState::Minimized;
    if (IsZoomed(handle()))
        return WindowState::Maximized;
    return WindowState::Normal;
}

void Form::bringToFront() {
    SetWindowPos(handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(handle());
}

bool Form::close() {
    bool allowClose = true;
    if (onCloseQuery) {
        bool answered = false;
        app().guard([&] {
            onCloseQuery(allowClose);
            answered = true;
        });
        if (!answered || !allowClose)
            return false;
    }
    fire(onClose);
    if (!handle())
        return true;
    if (hideOnClose_)
        hide();
    else
        DestroyWindow(handle());
    return true;
}

bool Form::offerMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (!onMessage)
        return false;
    bool consumed = false;
    app().guard([&] { consumed = onMessage(msg, wParam, lParam, result); });
    return consumed;
}

void Form::destroyed() {
    fire(onDestroy);
    auto& application = app();
    if (application.mainForm() == this) {
        application.setMainForm(nullptr);
        application.terminate();
    }
}

LRESULT Form::handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (offerMessage(msg, wParam, lParam, result))
        return result;
    switch (msg) {
    case WM_CLOSE:
        close();
        return 0;
    case WM_SIZE:
        fire(onResize);
        break;
    case WM_DESTROY:
        destroyed();
        break;
    case WM_COMMAND:
        if (const UINT key = dialogKeyOf(wParam, lParam)) {
            CustomControl::offerDialogKey(handle(), key);
            return 0;
        }
        break;
    default:
        break;
    }
    return Control::handleMessage(msg, wParam, lParam);
}

} // namespace tk
