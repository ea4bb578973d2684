#include "toolkit/Button.h"

#include "toolkit/Canvas.h"

namespace tk {

Button::Button(Control& parent, int x, int y, int width, int height, const std::wstring& caption) {
    createSystem(L"BUTTON", &parent,
                 WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | BS_PUSHBUTTON, 0, x, y,
                 width, height, caption);
}

void Button::click() {
    fire(onClick);
}

void Button::setGlyph(HBITMAP glyph, COLORREF maskColor) {
    const SIZE size = bitmapSize(glyph);
    glyph_.create(size.cx, size.cy);
    glyph_.addBitmap(glyph, maskColor);
    BUTTON_IMAGELIST images{glyph_.handle(), {2, 0, 2, 0}, BUTTON_IMAGELIST_ALIGN_LEFT};
    SendMessageW(handle(), BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&images));
}

bool Button::reflect(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
    if (msg == WM_CTLCOLORBTN) {
        result = reinterpret_cast<LRESULT>(parentBrush());
        return true;
    }
    if (msg != WM_COMMAND || HIWORD(wParam) != BN_CLICKED)
        return false;
    click();
    return true;
}

} // namespace tk
