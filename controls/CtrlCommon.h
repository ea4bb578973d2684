#pragma once
// Helpers shared by the self-painted controls: drawing, keys and property setters.

#include "toolkit/Canvas.h"
#include "toolkit/CustomControl.h"

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
bool modifierKeyHeld();

// Runs onPaint (when set, through guard) and returns whether it let the
// painting proceed.
bool paintAllowed(const std::function<void(bool& proceed)>& onPaint);

// Stores a property's new value; true when it differs from the old one, so
// that the setter repaints (or measures again) only then.
template <class T> bool store(T& field, const T& value) {
    if (field == value)
        return false;
    field = value;
    return true;
}

// A push button that the form's Enter and Escape keys can click and whose
// click leaves a modal result on the form.
class DialogButton : public tk::CustomControl {
  public:
    using tk::CustomControl::CustomControl;

    // Escape clicks the button.
    void setCancel(bool cancel) { cancel_ = cancel; }
    bool cancel() const { return cancel_; }
    // Left on the form by every click.
    void setModalResult(int result) { modalResult_ = result; }
    int modalResult() const { return modalResult_; }

  protected:
    // Enter clicks an active button (one that holds the focus or is the form's
    // default), Escape a cancel button while no modifier key is held.
    bool clickedByKey(UINT vk, bool active) const;
    // Leaves the modal result on the form that holds the button.
    void leaveModalResult() const;

  private:
    bool cancel_ = false;
    int modalResult_ = 0;
};

} // namespace ctl
