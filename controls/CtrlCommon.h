#pragma once
// Drawing helpers shared by the self-painted controls.

#include "toolkit/Canvas.h"

#include <functional>

namespace ctl {

// Position that centres an item of `size` in `total` pixels with `border`
// pixels reserved on both sides.
int centre(int total, int border, int size);

// Rounds to the nearest integer, halves to even.
int roundHalfEven(double value);

// How a gradient runs: columns left to right, rows top to bottom, or diagonals.
enum class GradientKind { Columns, Rows, Diagonal };

// Draws `from` at the start and `to` at the end in n + 1 lines, n being the
// rectangle's width (Columns), height (Rows) or both (Diagonal). Lines start at
// 0 and run to top + bottom (Columns) or left + right (Rows).
void drawGradient(tk::Canvas& canvas, const RECT& rect, COLORREF from, COLORREF to,
                  GradientKind kind);

// A copy of the bitmap (none for none).
tk::BitmapHandle copyBitmap(HBITMAP bitmap);

// Colour of one pixel of a bitmap.
COLORREF bitmapPixel(HBITMAP bitmap, int x, int y);

// Draws the bitmap at (x, y), leaving the target unchanged where the bitmap
// has the transparent colour.
void drawTransparent(tk::Canvas& canvas, int x, int y, HBITMAP bitmap, COLORREF transparent);

// Whether Shift, Ctrl or Alt is held.
bool shiftKeyHeld();

// Runs onPaint (when set, through guard) and returns whether it let the
// painting proceed.
bool paintAllowed(const std::function<void(bool& proceed)>& onPaint);

} // namespace ctl
