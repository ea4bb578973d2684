#include "toolkit/Label.h"

#include "toolkit/Canvas.h"

namespace tk {
namespace {

LONG_PTR alignmentStyle(Alignment alignment, bool wordWrap) {
    switch (alignment) {
    case Alignment::Center:
        return SS_CENTER;
    case Alignment::Right:
        return SS_RIGHT;
    case Alignment::Left:
        break;
    }
    return wordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP;
}

} // namespace

Label::Label(Control& parent, int x, int y, int width, int height, const std::wstring& caption) {
    initColor(parent.color());
    createSystem(L"STATIC", &parent,
                 WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SS_NOTIFY | SS_LEFTNOWORDWRAP |
                     SS_NOPREFIX,
                 0, x, y, width, height, caption);
}

void Label::setAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    fitToText();
}

void Label::setAlignment(Alignment alignment) {
    alignment_ = alignment;
    applyStyle();
}

void Label::setWordWrap(bool wordWrap) {
    wordWrap_ = wordWrap;
    applyStyle();
}

void Label::setTransparent(bool transparent) {
    transparent_ = transparent;
    invalidate();
}

void Label::setCaption(const std::wstring& caption) {
    Control::setCaption(caption);
    fitToText();
    // A transparent label shows the parent's colour; repaint it all so no
    // trace of a longer old text stays.
    invalidate();
}

void Label::setColor(COLORREF color) {
    transparent_ = false;
    Control::setColor(color);
}

void Label::fontChanged() {
    fitToText();
}

void Label::applyStyle() {
    const LONG_PTR style =
        GetWindowLongPtrW(handle(), GWL_STYLE) & ~static_cast<LONG_PTR>(SS_TYPEMASK);
    SetWindowLongPtrW(handle(), GWL_STYLE, style | alignmentStyle(alignment_, wordWrap_));
    invalidate();
}

void Label::fitToText() {
    if (!autoSize_)
        return;
    RECT rect{0, 0, 0, 0};
    {
        WindowCanvas canvas(handle());
        canvas.setFont(font());
        canvas.drawText(caption(), rect, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    }
    SetWindowPos(handle(), nullptr, 0, 0, rect.right, rect.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Label::reflect(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
    switch (msg) {
    case WM_CTLCOLORSTATIC:
        result = answerColors(wParam, transparent_ ? parentBrush() : backgroundBrush());
        return true;
    case WM_COMMAND:
        if (HIWORD(wParam) == STN_CLICKED)
            fire(onClick);
        else if (HIWORD(wParam) == STN_DBLCLK)
            fire(onDoubleClick);
        return true;
    default:
        return false;
    }
}

} // namespace tk
