#pragma once
// A windowed, self-painted control of the toolkit's own class. WM_PAINT (and
// WM_PRINTCLIENT) paints into an off-screen MemoryCanvas the size of the client
// area and copies it to the screen in one BitBlt, so painting never flickers.
//
// It speaks the dialog manager's protocol, as forms run every message through
// IsDialogMessageW: WM_GETDLGCODE asks for Enter and Escape when the focused
// control takes them (they then reach keyDown) and marks the control as a
// button while its caption's accelerator acts (the dialog manager then sends
// BM_CLICK); Enter and Escape that the focused control does not take come back
// from the form through offerDialogKey.

#include "toolkit/Canvas.h"
#include "toolkit/Control.h"
#include "toolkit/PopupMenu.h"

namespace tk {

enum class MouseButton { Left, Right, Middle };
// Reading order of a control's texts.
enum class BiDiMode { LeftToRight, RightToLeft };

class CustomControl : public Control {
  public:
    CustomControl(Control& parent, int x, int y, int width, int height);

    // Paints the whole control into the canvas (its size is the client area).
    // Public so that tests can paint into a memory bitmap and check pixels.
    void paintTo(Canvas& canvas) { paint(canvas); }

    // Whether the control takes the focus by Tab and by a click.
    void setTabStop(bool tabStop);
    bool tabStop() const;
    // The menu a right click opens; not owned (nullptr for none).
    void setPopupMenu(PopupMenu* menu) { popupMenu_ = menu; }
    PopupMenu* popupMenu() const { return popupMenu_; }

    // Whether the mouse is over the control now.
    bool mouseInside() const { return mouseInside_; }

    // Right to left mirrors how the control draws its texts.
    void setBiDiMode(BiDiMode mode);
    bool useRightToLeftReading() const { return biDiMode_ == BiDiMode::RightToLeft; }

    // Offers Enter or Escape to the controls of a window in turn, until one
    // that can take the focus clicks; false when none did.
    static bool offerDialogKey(HWND window, UINT vk);

  protected:
    // With window styles added to WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS.
    CustomControl(Control& parent, int x, int y, int width, int height, DWORD extraStyle,
                  DWORD exStyle);

    // Default: fills with color().
    virtual void paint(Canvas& canvas);

    // Mouse coordinates are client coordinates; keys are the MK_* flags.
    // A left button press and release inside the control calls click().
    // mouseEnter and mouseLeave come before the message at the point that
    // crosses the edge, also while the mouse is captured.
    virtual void mouseDown(MouseButton button, int x, int y, UINT keys);
    virtual void mouseUp(MouseButton button, int x, int y, UINT keys);
    virtual void mouseMove(int x, int y, UINT keys);
    virtual void mouseEnter();
    virtual void mouseLeave();
    virtual void keyDown(UINT vk);
    virtual void keyUp(UINT vk);
    // Default of the four below: invalidate().
    virtual void focusChanged(bool focused);
    virtual void enabledChanged();
    virtual void textChanged();
    virtual void resized();
    // Default: runs onClick through guard.
    virtual void click();

    // Whether Enter or Escape clicks the control now. Default: false.
    virtual bool takesDialogKey(UINT vk) const;
    // Whether the caption's accelerator acts now. Default: false.
    virtual bool takesAccelerator() const;
    // Enter or Escape offered by the form, or the accelerator. Default: click().
    virtual void keyboardClick();

    // A DrawText format in the control's reading order: right to left swaps
    // left and right alignment and reads right to left.
    UINT readingFormat(UINT format) const;

    LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    LRESULT paintMessage();
    // Paints the whole control onto a device context at (0, 0) in one copy.
    void paintOnto(HDC dc);
    LRESULT mouseMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    // Enters or leaves the control by the client point of a mouse message.
    void followPointer(int x, int y);
    void setMouseInside(bool inside);
    LRESULT dialogCode(LPARAM lParam) const;
    LRESULT contextMenu(LPARAM lParam);
    static BOOL CALLBACK findDialogKeyTaker(HWND child, LPARAM offer);

    PopupMenu* popupMenu_ = nullptr;
    bool mouseInside_ = false;
    BiDiMode biDiMode_ = BiDiMode::LeftToRight;
    bool leftDown_ = false;
};

} // namespace tk
