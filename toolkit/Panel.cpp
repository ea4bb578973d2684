#include "toolkit/Panel.h"

namespace tk {

Panel::Panel(Control& parent, int x, int y, int width, int height, const std::wstring& caption)
    : CustomControl(parent, x, y, width, height, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT) {
    setCaption(caption);
}

void Panel::setBevelOuter(Bevel bevel) {
    outer_ = bevel;
    invalidate();
}

void Panel::setBevelInner(Bevel bevel) {
    inner_ = bevel;
    invalidate();
}

void Panel::setBevelWidth(int width) {
    bevelWidth_ = width;
    invalidate();
}

void Panel::paint(Canvas& canvas) {
    RECT rect = clientRect();
    canvas.setBrushColor(color());
    canvas.fillRect(rect);
    drawBevel(canvas, rect, outer_);
    drawBevel(canvas, rect, inner_);
    const std::wstring text = caption();
    if (text.empty())
        return;
    canvas.setFont(font());
    canvas.drawText(text, rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

// Draws the bevel on the edge of rect and shrinks rect inside it.
void Panel::drawBevel(Canvas& canvas, RECT& rect, Bevel bevel) const {
    if (bevel == Bevel::None)
        return;
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF dark = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF topLeft = bevel == Bevel::Raised ? light : dark;
    const COLORREF bottomRight = bevel == Bevel::Raised ? dark : light;
    for (int i = 0; i < bevelWidth_; ++i) {
        canvas.setPenColor(topLeft);
        canvas.polyline(
            {{rect.left, rect.bottom - 1}, {rect.left, rect.top}, {rect.right, rect.top}});
        canvas.setPenColor(bottomRight);
        canvas.polyline({{rect.right - 1, rect.top},
                         {rect.right - 1, rect.bottom - 1},
                         {rect.left - 1, rect.bottom - 1}});
        InflateRect(&rect, -1, -1);
    }
}

} // namespace tk
