#pragma once
// A one-line text like a label, but windowed: it can take the focus, shows a
// dotted focus frame, reacts to Space and its accelerator, can hand the focus
// to another control and sizes itself to its text.

#include "toolkit/CustomControl.h"

#include <functional>
#include <string>

namespace ctl {

// Size an automatically sized text needs: the measured text plus one pixel on
// every side.
SIZE autoTextSize(SIZE measured);

// The text that is measured for a caption: one blank is added to an empty
// caption and, with accelerators shown, to a lone "&".
std::wstring measuredCaption(const std::wstring& caption, bool showAccelChar);

class TFocusText : public tk::CustomControl {
  public:
    TFocusText(tk::Control& parent, int x, int y, int width = 65, int height = 17);

    void setDrawFocusRect(bool draw);
    bool drawFocusRect() const { return drawFocusRect_; }
    // The control the accelerator focuses (nullptr: the text clicks itself).
    void setFocusControl(tk::Control* control);
    tk::Control* focusControl() const;
    void setShowAccelChar(bool show);
    bool showAccelChar() const { return showAccelChar_; }
    void setAlignment(tk::Alignment alignment);
    tk::Alignment alignment() const { return alignment_; }
    void setAutoSize(bool autoSize);
    bool autoSize() const { return autoSize_; }

    // Free text for the program's own use.
    std::wstring customProperty;
    // Runs before each drawing; setting the flag to false skips the drawing.
    std::function<void(bool& proceed)> onPaint;

  protected:
    void paint(tk::Canvas& canvas) override;
    void mouseDown(tk::MouseButton button, int x, int y, UINT keys) override;
    void mouseUp(tk::MouseButton button, int x, int y, UINT keys) override;
    void mouseEnter() override;
    void mouseLeave() override;
    void keyDown(UINT vk) override;
    void keyUp(UINT vk) override;
    void focusChanged(bool focused) override;
    void enabledChanged() override;
    void textChanged() override;
    void click() override;
    bool takesAccelerator() const override;
    void keyboardClick() override;
    LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    void paintRequest();
    bool resizeToText();
    void drawDots(tk::Canvas& canvas, int width, int height) const;
    UINT textFormat() const;

    bool drawFocusRect_ = true;
    HWND focusControl_ = nullptr;
    bool showAccelChar_ = true;
    tk::Alignment alignment_ = tk::Alignment::Left;
    bool autoSize_ = true;
    bool mousePressed_ = false;
    bool spacePressed_ = false;
};

} // namespace ctl
