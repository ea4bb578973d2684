#include "toolkit/Control.h"

#include "toolkit/Application.h"
#include "toolkit/Form.h"

#include <commctrl.h>

#include <set>

namespace tk {
namespace {

// Marks a window as ours, so that fromHandle trusts its user data.
const wchar_t* const kControlProperty = L"tk.Control";
const UINT_PTR kSubclassId = 1;

// The one tooltip window of the process, created on first use.
HWND hintWindow() {
    static HWND window = nullptr;
    if (!window || !IsWindow(window)) {
        window = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                 WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                 app().instance(), nullptr);
        SendMessageW(window, TTM_SETMAXTIPWIDTH, 0, 400);
    }
    return window;
}

TOOLINFOW toolFor(HWND hwnd, const std::wstring& text) {
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(hwnd) ? GetParent(hwnd) : hwnd;
    tool.uId = reinterpret_cast<UINT_PTR>(hwnd);
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    return tool;
}

// The control that sent a notification to its parent, if it is one of ours.
HWND notifier(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_COMMAND:
        return reinterpret_cast<HWND>(lParam);
    case WM_NOTIFY:
        return reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
    case WM_DRAWITEM:
        return wParam ? reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem : nullptr;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
        return reinterpret_cast<HWND>(lParam);
    default:
        return nullptr;
    }
}

void changeStyle(HWND hwnd, int index, LONG_PTR flag, bool on) {
    const LONG_PTR style = GetWindowLongPtrW(hwnd, index);
    SetWindowLongPtrW(hwnd, index, on ? (style | flag) : (style & ~flag));
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    InvalidateRect(hwnd, nullptr, TRUE);
}

int nextChildId() {
    static int id = 100;
    return id++;
}

struct Placement {
    int x, y, width, height;
};

HWND createWindow(const wchar_t* className, HWND parent, DWORD style, DWORD exStyle, Placement at,
                  const std::wstring& caption, void* createParam, int childId = nextChildId()) {
    auto menu =
        (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(childId)) : nullptr;
    HWND hwnd = CreateWindowExW(exStyle, className, caption.c_str(), style, at.x, at.y, at.width,
                                at.height, parent, menu, app().instance(), createParam);
    if (!hwnd)
        throw Error(L"Cannot create a window of class " + std::wstring(className));
    return hwnd;
}

HWND parentWindow(Control* parent) {
    return parent ? parent->handle() : nullptr;
}

} // namespace

Control::~Control() {
    if (!hwnd_)
        return;
    HWND hwnd = hwnd_;
    removeHint();
    detach();
    DestroyWindow(hwnd);
}

Control* Control::fromHandle(HWND hwnd) {
    if (!hwnd)
        return nullptr;
    auto* marked = static_cast<Control*>(GetPropW(hwnd, kControlProperty));
    if (!marked || marked != reinterpret_cast<Control*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)))
        return nullptr;
    return marked;
}

void Control::registerClass(const wchar_t* className, UINT classStyle) {
    static std::set<std::wstring> registered;
    if (!registered.insert(className).second)
        return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = classStyle;
    wc.lpfnWndProc = windowProc;
    wc.hInstance = app().instance();
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = className;
    RegisterClassExW(&wc);
}

void Control::createOwn(const wchar_t* className, Control* parent, DWORD style, DWORD exStyle,
                        int x, int y, int width, int height, const std::wstring& caption,
                        UINT classStyle) {
    registerClass(className, classStyle);
    parent_ = parent;
    createWindow(className, parentWindow(parent), style, exStyle, {x, y, width, height}, caption,
                 this);
    applyFont();
}

void Control::createSystem(const wchar_t* className, Control* parent, DWORD style, DWORD exStyle,
                           int x, int y, int width, int height, const std::wstring& caption) {
    parent_ = parent;
    attachSystem(createWindow(className, parentWindow(parent), style, exStyle,
                              {x, y, width, height}, caption, nullptr));
}

void Control::recreateSystem(DWORD style) {
    const HWND old = hwnd_;
    wchar_t className[64] = {};
    GetClassNameW(old, className, 64);
    const RECT at = bounds();
    const bool hadFocus = focused();
    const HWND made = createWindow(className, parentWindow(parent_), style,
                                   static_cast<DWORD>(GetWindowLongPtrW(old, GWL_EXSTYLE)),
                                   {at.left, at.top, at.right - at.left, at.bottom - at.top},
                                   caption(), nullptr, GetDlgCtrlID(old));
    SetWindowPos(made, old, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    removeHint();
    detach();
    DestroyWindow(old);
    attachSystem(made);
    addHint();
    if (hadFocus)
        SetFocus(made);
}

void Control::attachSystem(HWND hwnd) {
    attach(hwnd);
    SetWindowSubclass(hwnd, subclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    subclassed_ = true;
    applyFont();
}

void Control::attach(HWND hwnd) {
    hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetPropW(hwnd, kControlProperty, this);
}

void Control::detach() {
    if (!hwnd_)
        return;
    if (subclassed_)
        RemoveWindowSubclass(hwnd_, subclassProc, kSubclassId);
    RemovePropW(hwnd_, kControlProperty);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    subclassed_ = false;
    hwnd_ = nullptr;
}

LRESULT CALLBACK Control::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        if (auto* self = static_cast<Control*>(create->lpCreateParams))
            self->attach(hwnd);
    }
    auto* self = reinterpret_cast<Control*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    return self->dispatch(msg, wParam, lParam);
}

LRESULT CALLBACK Control::subclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR refData) {
    auto* self = reinterpret_cast<Control*>(refData);
    if (!self || self->hwnd_ != hwnd)
        return DefSubclassProc(hwnd, msg, wParam, lParam);
    return self->dispatch(msg, wParam, lParam);
}

LRESULT Control::dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    try {
        result = handleMessage(msg, wParam, lParam);
    } catch (...) {
        app().handleException();
    }
    if (msg == WM_NCDESTROY) {
        removeHint();
        detach();
    }
    return result;
}

LRESULT Control::defaultHandler(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (subclassed_)
        return DefSubclassProc(hwnd_, msg, wParam, lParam);
    return DefWindowProcW(hwnd_, msg, wParam, lParam);
}

LRESULT Control::handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (reflectToChild(msg, wParam, lParam, result))
        return result;
    switch (msg) {
    case WM_SETCURSOR:
        if (app().cursor() != Cursor::Default) {
            SetCursor(systemCursor(app().cursor()));
            return TRUE;
        }
        if (cursor_ != Cursor::Default && reinterpret_cast<HWND>(wParam) == hwnd_ &&
            LOWORD(lParam) == HTCLIENT) {
            SetCursor(systemCursor(cursor_));
            return TRUE;
        }
        break;
    case WM_ERASEBKGND:
        if (!subclassed_)
            return eraseBackground(wParam);
        break;
    default:
        break;
    }
    return defaultHandler(msg, wParam, lParam);
}

bool Control::reflectToChild(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    HWND from = notifier(msg, wParam, lParam);
    if (!from || from == hwnd_)
        return false;
    Control* child = fromHandle(from);
    return child && child->reflect(msg, wParam, lParam, result);
}

bool Control::reflect(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

void Control::fire(const std::function<void()>& event) {
    if (event)
        app().guard(event);
}

void Control::setBounds(int x, int y, int width, int height) {
    SetWindowPos(hwnd_, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT Control::bounds() const {
    RECT rect{};
    GetWindowRect(hwnd_, &rect);
    if (hasStyle(WS_CHILD))
        MapWindowPoints(HWND_DESKTOP, GetParent(hwnd_), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

int Control::width() const {
    const RECT rect = bounds();
    return rect.right - rect.left;
}

int Control::height() const {
    const RECT rect = bounds();
    return rect.bottom - rect.top;
}

RECT Control::clientRect() const {
    RECT rect{};
    GetClientRect(hwnd_, &rect);
    return rect;
}

void Control::setVisible(bool visible) {
    ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
}

bool Control::visible() const {
    return hasStyle(WS_VISIBLE);
}

void Control::setEnabled(bool enabled) {
    EnableWindow(hwnd_, enabled);
}

bool Control::enabled() const {
    return IsWindowEnabled(hwnd_) != FALSE;
}

void Control::setCaption(const std::wstring& caption) {
    SetWindowTextW(hwnd_, caption.c_str());
}

std::wstring Control::caption() const {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd_)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(hwnd_, text.data(), static_cast<int>(text.size()))));
    return text;
}

void Control::setFont(const FontSpec& fontStyle) {
    font_ = fontStyle;
    applyFont();
    fontChanged();
    invalidate();
}

void Control::applyFont() {
    fontObject_ = Font::shared(font_);
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(fontObject_->handle()), TRUE);
}

void Control::setColor(COLORREF color) {
    initColor(color);
    invalidate();
}

void Control::initColor(COLORREF color) {
    color_ = color;
    brush_.reset();
}

HBRUSH Control::backgroundBrush() {
    if (!brush_)
        brush_.reset(CreateSolidBrush(color_));
    return brush_.get();
}

LRESULT Control::eraseBackground(WPARAM dc) {
    const RECT client = clientRect();
    FillRect(reinterpret_cast<HDC>(dc), &client, backgroundBrush());
    return 1;
}

bool Control::trackMouseLeave() {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd_, 0};
    return TrackMouseEvent(&track) != FALSE;
}

LRESULT Control::answerColors(WPARAM dc, HBRUSH brush, bool opaque) {
    auto hdc = reinterpret_cast<HDC>(dc);
    SetTextColor(hdc, font_.color);
    SetBkColor(hdc, color_);
    SetBkMode(hdc, opaque ? OPAQUE : TRANSPARENT);
    return reinterpret_cast<LRESULT>(brush);
}

HBRUSH Control::parentBrush() {
    return parent_ ? parent_->backgroundBrush() : backgroundBrush();
}

void Control::setHint(const std::wstring& hint) {
    removeHint();
    hint_ = hint;
    addHint();
    relayPointerToHint();
}

void Control::addHint() {
    if (hint_.empty() || !hwnd_)
        return;
    TOOLINFOW tool = toolFor(hwnd_, hint_);
    SendMessageW(hintWindow(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

// The hint window learns of the pointer only from its moves; a pointer already
// over the control starts the new hint's delay without a further move.
void Control::relayPointerToHint() {
    POINT at{};
    if (hint_.empty() || !hwnd_ || !GetCursorPos(&at) || WindowFromPoint(at) != hwnd_)
        return;
    MSG move{};
    move.hwnd = hwnd_;
    move.message = WM_MOUSEMOVE;
    move.pt = at;
    ScreenToClient(hwnd_, &at);
    move.lParam = MAKELPARAM(at.x, at.y);
    SendMessageW(hintWindow(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&move));
}

void Control::removeHint() {
    if (hint_.empty() || !hwnd_)
        return;
    TOOLINFOW tool = toolFor(hwnd_, hint_);
    SendMessageW(hintWindow(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void Control::repaint() {
    InvalidateRect(hwnd_, nullptr, TRUE);
    UpdateWindow(hwnd_);
}

void Control::invalidate() {
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void Control::setFocus() {
    SetFocus(hwnd_);
}

bool Control::focused() const {
    return hwnd_ && GetFocus() == hwnd_;
}

bool Control::canFocus() const {
    if (!hwnd_ || !IsWindowVisible(hwnd_))
        return false;
    for (HWND window = hwnd_; window; window = GetAncestor(window, GA_PARENT)) {
        if (window == GetDesktopWindow())
            break;
        if (!IsWindowEnabled(window))
            return false;
    }
    return true;
}

Form* Control::parentForm() const {
    return hwnd_ ? dynamic_cast<Form*>(fromHandle(GetAncestor(hwnd_, GA_ROOT))) : nullptr;
}

void Control::setStyleFlag(LONG_PTR flag, bool on) {
    changeStyle(hwnd_, GWL_STYLE, flag, on);
}

void Control::setExStyleFlag(LONG_PTR flag, bool on) {
    changeStyle(hwnd_, GWL_EXSTYLE, flag, on);
}

bool Control::hasStyle(LONG_PTR flag) const {
    return (GetWindowLongPtrW(hwnd_, GWL_STYLE) & flag) == flag;
}

} // namespace tk
