#pragma once
// Shared helpers of the control tests: a hidden form, painting a control into
// a memory bitmap, a test glyph and synthetic messages.

#include "toolkit/Application.h"
#include "toolkit/Canvas.h"
#include "toolkit/Form.h"

#include <memory>

namespace ctltest {

inline std::unique_ptr<tk::Form> hiddenForm() {
    tk::app();
    return std::make_unique<tk::Form>(L"Controls", 400, 300);
}

// Paints the control into a 32-bit bitmap of its client size.
template <class C> std::unique_ptr<tk::MemoryCanvas> painted(C& control) {
    auto canvas = std::make_unique<tk::MemoryCanvas>(control.clientWidth(), control.clientHeight());
    control.paintTo(*canvas);
    return canvas;
}

// An 8 x 8 bitmap of the ground colour with a 4 x 4 square of ink in the middle.
inline tk::BitmapHandle squareGlyph(COLORREF ground, COLORREF ink) {
    return tk::paintBitmap(8, 8, [&](tk::Canvas& canvas) {
        canvas.setBrushColor(ground);
        canvas.fillRect(RECT{0, 0, 8, 8});
        canvas.setBrushColor(ink);
        canvas.fillRect(RECT{2, 2, 6, 6});
    });
}

// The control as the screen shows it.
inline std::unique_ptr<tk::MemoryCanvas> shown(tk::Control& control) {
    auto canvas = std::make_unique<tk::MemoryCanvas>(control.clientWidth(), control.clientHeight());
    BitBlt(canvas->handle(), 0, 0, canvas->width(), canvas->height(),
           tk::WindowCanvas(control.handle()).handle(), 0, 0, SRCCOPY);
    return canvas;
}

inline LRESULT send(tk::Control& control, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageW(control.handle(), msg, wParam, lParam);
}

inline LRESULT sendMouse(tk::Control& control, UINT msg, int x, int y) {
    return send(control, msg, msg == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(x, y));
}

// Whether any pixel of the rectangle has the colour.
inline bool contains(const tk::MemoryCanvas& canvas, const RECT& rect, COLORREF color) {
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            if (canvas.pixel(x, y) == color)
                return true;
    return false;
}

// Smallest rectangle holding every pixel of the colour (empty when none).
inline RECT boundsOf(const tk::MemoryCanvas& canvas, COLORREF color) {
    RECT box{canvas.width(), canvas.height(), 0, 0};
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            if (canvas.pixel(x, y) == color) {
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
    return box;
}

} // namespace ctltest
