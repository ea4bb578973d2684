#include "controls/CtrlCommon.h"

#include "toolkit/Application.h"
#include "toolkit/Form.h"

#include <cmath>

namespace ctl {

namespace {

int gradientSteps(const RECT& rect, GradientKind kind) {
    switch (kind) {
    case GradientKind::Columns:
        return rect.right - rect.left;
    case GradientKind::Rows:
        return rect.bottom - rect.top;
    case GradientKind::Diagonal:
        break;
    }
    return (rect.bottom - rect.top) + (rect.right - rect.left);
}

} // namespace

int centre(int total, int border, int size) {
    return border + (total - 2 * border - size) / 2;
}

int roundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

void drawGradient(tk::Canvas& canvas, const RECT& rect, COLORREF from, COLORREF to,
                  GradientKind kind) {
    const int steps = gradientSteps(rect, kind);
    if (steps < 0)
        return;
    const double start[3] = {double(GetRValue(from)), double(GetGValue(from)),
                             double(GetBValue(from))};
    const double end[3] = {double(GetRValue(to)), double(GetGValue(to)), double(GetBValue(to))};
    double value[3] = {start[0], start[1], start[2]};
    double step[3] = {};
    for (int c = 0; c < 3 && steps > 0; ++c)
        step[c] = (end[c] - start[c]) / steps;
    canvas.setPenStyle(tk::PenStyle::Solid);
    canvas.setPenWidth(1);
    for (int i = 0; i <= steps; ++i) {
        canvas.setPenColor(
            RGB(roundHalfEven(value[0]), roundHalfEven(value[1]), roundHalfEven(value[2])));
        switch (kind) {
        case GradientKind::Columns:
            canvas.moveTo(i, rect.top);
            canvas.lineTo(i, rect.top + rect.bottom);
            break;
        case GradientKind::Rows:
            canvas.moveTo(rect.left, i);
            canvas.lineTo(rect.left + rect.right, i);
            break;
        case GradientKind::Diagonal:
            canvas.moveTo(i, rect.top);
            canvas.lineTo(rect.left, i);
            break;
        }
        for (int c = 0; c < 3; ++c)
            value[c] += step[c];
    }
}

tk::BitmapHandle copyBitmap(HBITMAP bitmap) {
    if (!bitmap)
        return {};
    return tk::BitmapHandle(
        static_cast<HBITMAP>(CopyImage(bitmap, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

COLORREF bitmapPixel(HBITMAP bitmap, int x, int y) {
    tk::SelectedBitmap source(bitmap);
    return GetPixel(source.dc(), x, y);
}

void drawTransparent(tk::Canvas& canvas, int x, int y, HBITMAP bitmap, COLORREF transparent) {
    const SIZE size = tk::bitmapSize(bitmap);
    if (size.cx <= 0 || size.cy <= 0)
        return;
    tk::SelectedBitmap source(bitmap);
    TransparentBlt(canvas.handle(), x, y, size.cx, size.cy, source.dc(), 0, 0, size.cx, size.cy,
                   transparent);
}

bool modifierKeyHeld() {
    return GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0;
}

bool paintAllowed(const std::function<void(bool& proceed)>& onPaint) {
    bool proceed = true;
    if (onPaint)
        tk::app().guard([&] { onPaint(proceed); });
    return proceed;
}

bool DialogButton::clickedByKey(UINT vk, bool active) const {
    if (vk == VK_RETURN)
        return active;
    return vk == VK_ESCAPE && cancel_ && !modifierKeyHeld();
}

void DialogButton::leaveModalResult() const {
    if (tk::Form* form = parentForm())
        form->setModalResult(modalResult_);
}

} // namespace ctl
