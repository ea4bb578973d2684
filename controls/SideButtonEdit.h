#pragma once
// An edit box with an optional flat button inside its right edge, its own
// one-pixel border, text shown aligned while it does not hold the focus, and
// no line breaks: pasted or typed breaks are refused. Its window is a
// multi-line edit, so that the text keeps clear of the button, but it keeps
// the keys of a single-line box: Enter, Escape and Tab go to the form.

#include "toolkit/Canvas.h"
#include "toolkit/Edit.h"
#include "toolkit/ImageList.h"

#include <functional>
#include <string>

namespace ctl {

// The "no colour" value: no border of the box's own.
constexpr COLORREF clNone = 0x1FFFFFFF;

// Whether a text may be pasted into the box (it holds no line break).
bool pasteAllowed(const std::wstring& text);

class TSideButtonEdit : public tk::Edit {
  public:
    TSideButtonEdit(tk::Control& parent, int x, int y, int width, int height);
    ~TSideButtonEdit() override;

    // Alignment of the text while the box does not hold the focus.
    void setAlignment(tk::Alignment alignment);
    tk::Alignment alignment() const { return alignment_; }
    void setBtnVisible(bool visible);
    bool btnVisible() const { return btnVisible_; }
    void setBtnWidth(int width);
    int btnWidth() const { return btnWidth_; }
    // Shown on the button when no image is.
    void setBtnCaption(const std::wstring& caption) { btnCaption_ = caption; }
    const std::wstring& btnCaption() const { return btnCaption_; }
    // Shown for each character instead of the text (0: the text itself). A
    // password box is a single-line edit without room kept for the button.
    void setPasswordChar(wchar_t ch);
    wchar_t passwordChar() const { return passwordChar_; }
    // Images for the button; not owned, forgotten when destroyed.
    void setGlyph(tk::ImageList* images);
    tk::ImageList* glyph() const { return glyph_; }
    void setGlyphIndex(int index) { glyphIndex_ = index; }
    int glyphIndex() const { return glyphIndex_; }
    // clNone: no border of the box's own.
    void setBorderColor(COLORREF color) { borderColor_ = color; }
    COLORREF borderColor() const { return borderColor_; }
    void setBtnColor(COLORREF color) { btnColor_ = color; }
    COLORREF btnColor() const { return btnColor_; }
    void setBtnFont(const tk::FontSpec& font) { btnFont_ = font; }
    const tk::FontSpec& btnFont() const { return btnFont_; }

    // Draws the border and the button into a canvas of the box's size.
    void paintExtras(tk::Canvas& canvas);
    // Draws the text aligned, as shown while the box does not hold the focus.
    void paintText(tk::Canvas& canvas);

    std::function<void()> onButtonClick;
    // Runs before the extras are drawn; setting the flag to false skips them.
    std::function<void(bool& proceed)> onPaint;
    // Free text for the program's own use.
    std::wstring customProperty;

  protected:
    LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void fontChanged() override;

  private:
    int borderWidth() const;
    bool overButton(int x) const;
    void setFormattingRect();
    // Keeps the text clear of the button and repaints the box.
    void fitTextToButton();
    void extrasRequest();
    LRESULT paintMessage(WPARAM wParam, LPARAM lParam);
    LRESULT buttonDown(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT buttonUp(WPARAM wParam, LPARAM lParam);
    LRESULT focusMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    void trackMouse(int x);

    tk::Alignment alignment_ = tk::Alignment::Left;
    wchar_t passwordChar_ = 0;
    bool btnVisible_ = false;
    int btnWidth_ = 16;
    std::wstring btnCaption_;
    tk::ImageList* glyph_ = nullptr;
    int glyphIndex_ = -1;
    COLORREF borderColor_ = 0;
    COLORREF btnColor_ = GetSysColor(COLOR_BTNFACE);
    tk::FontSpec btnFont_;
    bool editing_ = false;
    bool mouseOver_ = false;
    bool buttonDown_ = false;
};

} // namespace ctl
