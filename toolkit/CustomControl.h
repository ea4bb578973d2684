#pragma once
// A windowed, self-painted control of the toolkit's own class. WM_PAINT paints
// into an off-screen MemoryCanvas the size of the client area and copies it to
// the screen in one BitBlt, so painting never flickers.

#include "toolkit/Canvas.h"
#include "toolkit/Control.h"

namespace tk {

enum class MouseButton { Left, Right, Middle };

class CustomControl : public Control {
  public:
    CustomControl(Control& parent, int x, int y, int width, int height);

    // Paints the whole control into the canvas (its size is the client area).
    // Public so that tests can paint into a memory bitmap and check pixels.
    void paintTo(Canvas& canvas) { paint(canvas); }

    // Whether the control takes the focus by Tab and by a click.
    void setTabStop(bool tabStop);
    bool tabStop() const;
    // Whether the control receives every key (arrows, Tab, Enter) itself.
    void setWantsKeys(bool wantsKeys) { wantsKeys_ = wantsKeys; }
    bool wantsKeys() const { return wantsKeys_; }

    // Whether the mouse is over the control now.
    bool mouseInside() const { return mouseInside_; }

  protected:
    // With window styles added to WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS.
    CustomControl(Control& parent, int x, int y, int width, int height, DWORD extraStyle,
                  DWORD exStyle);

    // Default: fills with color().
    virtual void paint(Canvas& canvas);

    // Mouse coordinates are client coordinates; keys are the MK_* flags.
    // A left button press and release inside the control calls click().
    virtual void mouseDown(MouseButton button, int x, int y, UINT keys);
    virtual void mouseUp(MouseButton button, int x, int y, UINT keys);
    virtual void mouseMove(int x, int y, UINT keys);
    virtual void mouseEnter();
    virtual void mouseLeave();
    virtual void keyDown(UINT vk);
    virtual void keyUp(UINT vk);
    virtual void keyPress(wchar_t ch);
    // Default of the four below: invalidate().
    virtual void focusChanged(bool focused);
    virtual void enabledChanged();
    virtual void textChanged();
    virtual void resized();
    // Default: runs onClick through guard.
    virtual void click();

    LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    LRESULT paintMessage();
    LRESULT mouseMessage(UINT msg, WPARAM wParam, LPARAM lParam);

    bool wantsKeys_ = false;
    bool mouseInside_ = false;
    bool leftDown_ = false;
};

} // namespace tk
