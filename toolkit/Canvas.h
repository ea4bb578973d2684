#pragma once
// Drawing on a device context with a pen, a brush and a font, in the manner of
// a painter's canvas. The canvas does not own the DC; every object it selected
// into the DC is deselected again when the canvas is destroyed.

#include "toolkit/Font.h"
#include "toolkit/GuiHandles.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tk {

enum class PenStyle { Solid, Dash, Dot, Clear };
enum class BrushStyle { Solid, Clear };

class Canvas {
  public:
    explicit Canvas(HDC dc);
    virtual ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC handle() const { return dc_; }

    // Pen: outlines of rectangle/roundRect/ellipse/polyline and lines.
    void setPenColor(COLORREF color);
    void setPenWidth(int width);
    void setPenStyle(PenStyle style);
    COLORREF penColor() const { return penColor_; }

    // Brush: fillRect, frameRect and the inside of rectangle/roundRect/ellipse.
    void setBrushColor(COLORREF color);
    void setBrushStyle(BrushStyle style);
    COLORREF brushColor() const { return brushColor_; }

    // Font for textOut/drawText; also sets the text colour to fontStyle.color.
    void setFont(const FontSpec& fontStyle);
    const FontSpec& font() const { return font_; }
    void setTextColor(COLORREF color);

    // Fills with the brush colour (nothing when the brush is clear).
    void fillRect(const RECT& rect);
    // One-pixel frame in the brush colour.
    void frameRect(const RECT& rect);
    // Outline with the pen, inside with the brush.
    void rectangle(const RECT& rect);
    void roundRect(const RECT& rect, int cornerWidth, int cornerHeight);
    void ellipse(const RECT& rect);
    void moveTo(int x, int y);
    // Line with the pen from the current position to (x, y), which is not drawn.
    void lineTo(int x, int y);
    void polyline(const std::vector<POINT>& points);
    COLORREF pixel(int x, int y) const;
    void setPixel(int x, int y, COLORREF color);
    // Linear gradient from one colour to the other, top to bottom or left to right.
    void gradientFill(const RECT& rect, COLORREF from, COLORREF to, bool vertical);

    // Text is always drawn without a background.
    void textOut(int x, int y, const std::wstring& text);
    // DrawTextW; with DT_CALCRECT it updates rect.
    int drawText(const std::wstring& text, RECT& rect, UINT flags);
    SIZE textExtent(const std::wstring& text);
    int textWidth(const std::wstring& text);
    int textHeight(const std::wstring& text);
    void drawFocusRect(const RECT& rect);

    // Bitmaps at their own size and stretched to a rectangle.
    void draw(int x, int y, HBITMAP bitmap);
    void stretchDraw(const RECT& rect, HBITMAP bitmap);
    // Copies part of another canvas (StretchBlt with the raster operation).
    void copyRect(const RECT& dest, const Canvas& source, const RECT& sourceRect,
                  DWORD rop = SRCCOPY);

  protected:
    // Deselects everything the canvas selected (the destructor does it too).
    void restoreObjects();

  private:
    void selectPen();
    void selectBrush();

    HDC dc_;
    int savedState_;
    COLORREF penColor_ = RGB(0, 0, 0);
    int penWidth_ = 1;
    PenStyle penStyle_ = PenStyle::Solid;
    COLORREF brushColor_ = RGB(255, 255, 255);
    BrushStyle brushStyle_ = BrushStyle::Solid;
    FontSpec font_;
    PenHandle pen_;
    BrushHandle brush_;
    std::shared_ptr<const Font> fontObject_;
};

// A canvas on a window's DC (the screen's for nullptr), released with the canvas.
class WindowCanvas : public Canvas {
  public:
    explicit WindowCanvas(HWND hwnd);
    ~WindowCanvas() override;

  private:
    explicit WindowCanvas(WindowDc dc);

    WindowDc dc_;
};

// A memory DC, compatible with `compatible` (the screen for nullptr), with one
// bitmap selected for as long as it lives.
class SelectedBitmap {
  public:
    explicit SelectedBitmap(HBITMAP bitmap, HDC compatible = nullptr);

    HDC dc() const { return dc_.get(); }

  private:
    MemoryDc dc_;
    SelectedObject selection_;
};

// Width and height of a bitmap; {0, 0} for none.
SIZE bitmapSize(HBITMAP bitmap);

// A 32-bit top-down DIB section of width x height (pixels 0x00RRGGBB, zero);
// bits, when given, receives the pixel memory. None on failure.
BitmapHandle createDibSection(int width, int height, std::uint32_t** bits = nullptr);

// A new bitmap of width x height painted by draw.
BitmapHandle paintBitmap(int width, int height, const std::function<void(Canvas&)>& draw);

// A canvas over its own 32-bit top-down DIB section of width x height, for
// off-screen composition and for tests (pixel() reads exact colours).
class MemoryCanvas : public Canvas {
  public:
    MemoryCanvas(int width, int height);
    ~MemoryCanvas() override;

    int width() const { return width_; }
    int height() const { return height_; }
    HBITMAP bitmap() const { return bitmap_.get(); }
    // Pixels as 0x00RRGGBB, row by row from the top.
    std::uint32_t* bits() const { return bits_; }

  private:
    MemoryCanvas(MemoryDc dc, int width, int height);

    MemoryDc dc_;
    int width_;
    int height_;
    std::uint32_t* bits_ = nullptr;
    BitmapHandle bitmap_;
    SelectedObject bitmapSelection_;
};

} // namespace tk
