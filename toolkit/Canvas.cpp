#include "toolkit/Canvas.h"

namespace tk {
namespace {

int penStyleFlag(PenStyle style) {
    switch (style) {
    case PenStyle::Dash:
        return PS_DASH;
    case PenStyle::Dot:
        return PS_DOT;
    case PenStyle::Clear:
        return PS_NULL;
    case PenStyle::Solid:
        break;
    }
    return PS_SOLID;
}

COLOR16 channel(BYTE value) {
    return static_cast<COLOR16>(value << 8);
}

TRIVERTEX vertex(LONG x, LONG y, COLORREF color) {
    return {x, y, channel(GetRValue(color)), channel(GetGValue(color)), channel(GetBValue(color)),
            0};
}

} // namespace

Canvas::Canvas(HDC dc) : dc_(dc), savedState_(SaveDC(dc)) {
    SetBkMode(dc_, TRANSPARENT);
    selectPen();
    selectBrush();
    setFont(font_);
}

Canvas::~Canvas() {
    restoreObjects();
}

void Canvas::restoreObjects() {
    if (savedState_ != 0)
        RestoreDC(dc_, savedState_);
    savedState_ = 0;
}

void Canvas::selectPen() {
    PenHandle pen(CreatePen(penStyleFlag(penStyle_), penWidth_, penColor_));
    SelectObject(dc_, pen.get());
    pen_ = std::move(pen);
}

void Canvas::selectBrush() {
    if (brushStyle_ == BrushStyle::Clear) {
        SelectObject(dc_, GetStockObject(NULL_BRUSH));
        brush_.reset();
        return;
    }
    BrushHandle brush(CreateSolidBrush(brushColor_));
    SelectObject(dc_, brush.get());
    brush_ = std::move(brush);
}

void Canvas::setPenColor(COLORREF color) {
    penColor_ = color;
    selectPen();
}

void Canvas::setPenWidth(int width) {
    penWidth_ = width;
    selectPen();
}

void Canvas::setPenStyle(PenStyle style) {
    penStyle_ = style;
    selectPen();
}

void Canvas::setBrushColor(COLORREF color) {
    brushColor_ = color;
    selectBrush();
}

void Canvas::setBrushStyle(BrushStyle style) {
    brushStyle_ = style;
    selectBrush();
}

void Canvas::setFont(const FontSpec& fontStyle) {
    auto font = Font::shared(fontStyle);
    SelectObject(dc_, font->handle());
    fontObject_ = std::move(font);
    font_ = fontStyle;
    setTextColor(fontStyle.color);
}

void Canvas::setTextColor(COLORREF color) {
    SetTextColor(dc_, color);
}

void Canvas::fillRect(const RECT& rect) {
    if (brush_)
        FillRect(dc_, &rect, brush_.get());
}

void Canvas::frameRect(const RECT& rect) {
    if (brush_)
        FrameRect(dc_, &rect, brush_.get());
}

void Canvas::rectangle(const RECT& rect) {
    Rectangle(dc_, rect.left, rect.top, rect.right, rect.bottom);
}

void Canvas::roundRect(const RECT& rect, int cornerWidth, int cornerHeight) {
    RoundRect(dc_, rect.left, rect.top, rect.right, rect.bottom, cornerWidth, cornerHeight);
}

void Canvas::ellipse(const RECT& rect) {
    Ellipse(dc_, rect.left, rect.top, rect.right, rect.bottom);
}

void Canvas::moveTo(int x, int y) {
    MoveToEx(dc_, x, y, nullptr);
}

void Canvas::lineTo(int x, int y) {
    LineTo(dc_, x, y);
}

void Canvas::polyline(const std::vector<POINT>& points) {
    if (!points.empty())
        Polyline(dc_, points.data(), static_cast<int>(points.size()));
}

COLORREF Canvas::pixel(int x, int y) const {
    GdiFlush();
    return GetPixel(dc_, x, y);
}

void Canvas::setPixel(int x, int y, COLORREF color) {
    SetPixelV(dc_, x, y, color);
}

void Canvas::gradientFill(const RECT& rect, COLORREF from, COLORREF to, bool vertical) {
    TRIVERTEX corners[2] = {vertex(rect.left, rect.top, from), vertex(rect.right, rect.bottom, to)};
    GRADIENT_RECT span{0, 1};
    GradientFill(dc_, corners, 2, &span, 1, vertical ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H);
}

void Canvas::textOut(int x, int y, const std::wstring& text) {
    TextOutW(dc_, x, y, text.c_str(), static_cast<int>(text.size()));
}

int Canvas::drawText(const std::wstring& text, RECT& rect, UINT flags) {
    return DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &rect, flags);
}

SIZE Canvas::textExtent(const std::wstring& text) {
    SIZE size{};
    GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

int Canvas::textWidth(const std::wstring& text) {
    return textExtent(text).cx;
}

int Canvas::textHeight(const std::wstring& text) {
    return textExtent(text).cy;
}

void Canvas::drawFocusRect(const RECT& rect) {
    DrawFocusRect(dc_, &rect);
}

void Canvas::draw(int x, int y, HBITMAP bitmap) {
    const SIZE size = bitmapSize(bitmap);
    SelectedBitmap source(bitmap, dc_);
    BitBlt(dc_, x, y, size.cx, size.cy, source.dc(), 0, 0, SRCCOPY);
}

void Canvas::stretchDraw(const RECT& rect, HBITMAP bitmap) {
    const SIZE size = bitmapSize(bitmap);
    SetStretchBltMode(dc_, HALFTONE);
    SelectedBitmap source(bitmap, dc_);
    StretchBlt(dc_, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
               source.dc(), 0, 0, size.cx, size.cy, SRCCOPY);
}

void Canvas::copyRect(const RECT& dest, const Canvas& source, const RECT& sourceRect, DWORD rop) {
    StretchBlt(dc_, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top,
               source.handle(), sourceRect.left, sourceRect.top, sourceRect.right - sourceRect.left,
               sourceRect.bottom - sourceRect.top, rop);
}

MemoryCanvas::MemoryCanvas(int width, int height)
    : MemoryCanvas(MemoryDc(CreateCompatibleDC(nullptr)), width, height) {}

MemoryCanvas::MemoryCanvas(MemoryDc dc, int width, int height)
    : Canvas(dc.get()), dc_(std::move(dc)), width_(width), height_(height),
      bitmap_(createDibSection(width, height, &bits_)),
      bitmapSelection_(selectObject(dc_.get(), bitmap_.get())) {}

// The bitmap is selected out by its selection's owner after the canvas's own objects.
MemoryCanvas::~MemoryCanvas() {
    restoreObjects();
}

WindowCanvas::WindowCanvas(HWND hwnd) : WindowCanvas(clientDc(hwnd)) {}

WindowCanvas::WindowCanvas(WindowDc dc) : Canvas(dc.get().dc), dc_(std::move(dc)) {}

// The DC is released by its owner after the canvas's own objects.
WindowCanvas::~WindowCanvas() {
    restoreObjects();
}

SelectedBitmap::SelectedBitmap(HBITMAP bitmap, HDC compatible)
    : dc_(CreateCompatibleDC(compatible)), selection_(selectObject(dc_.get(), bitmap)) {}

SIZE bitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    if (!bitmap || !GetObjectW(bitmap, sizeof(info), &info))
        return {0, 0};
    return {info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight};
}

BitmapHandle createDibSection(int width, int height, std::uint32_t** bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    BitmapHandle bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
    if (bits)
        *bits = static_cast<std::uint32_t*>(pixels);
    return bitmap;
}

BitmapHandle paintBitmap(int width, int height, const std::function<void(Canvas&)>& draw) {
    BitmapHandle bitmap = createDibSection(width, height);
    if (!bitmap)
        return bitmap;
    {
        SelectedBitmap target(bitmap.get());
        Canvas canvas(target.dc());
        draw(canvas);
    }
    return bitmap;
}

} // namespace tk
