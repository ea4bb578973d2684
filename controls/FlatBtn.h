#pragma once
// A flat, self-painted push button whose outline shows while the mouse is over
// it, with optional glyphs, word-wrapped captions and five control types.

#include "controls/CtrlCommon.h"
#include "toolkit/Action.h"

#include <functional>
#include <string>
#include <vector>

namespace ctl {

enum class FlatBtnType { Button, RadioButton, UpButton, DownButton, HintButton };
enum class GlyphPosition { Top, Bottom, Left, Right };
enum class FlatBtnAbout { None, About };
enum class FlatMouseState { Inactive, Hover, DownInside, DownOutside };

// Measures the width of a text in pixels.
using TextMeasure = std::function<int(const std::wstring&)>;

// Breaks a caption at blanks into lines no wider than `width`; a word longer
// than the width is broken where it stops fitting. No lines at all when not a
// single character fits.
std::vector<std::wstring> wrapCaption(const std::wstring& caption, int width,
                                      const TextMeasure& measure);

// Width available to the wrapped caption of a button.
int textAreaWidth(int buttonWidth, FlatBtnType type, GlyphPosition position, bool showGlyph,
                  int glyphWidth);

// Height the automatic height rule gives a button whose text is textHeight high.
int autoButtonHeight(int textHeight, FlatBtnType type, GlyphPosition position, bool showGlyph,
                     int glyphHeight);

class TFlatButton : public DialogButton {
  public:
    TFlatButton(tk::Control& parent, int x, int y, int width = 70, int height = 23);

    // Does nothing when the caption is unchanged.
    void setCaption(const std::wstring& caption) override;
    void setColor(COLORREF color) override;

    void setOffice2000Look(bool look);
    bool office2000Look() const { return office2000Look_; }
    // About shows the control's credits and leaves the value at None.
    void setAbout(FlatBtnAbout about);
    FlatBtnAbout about() const { return FlatBtnAbout::None; }
    // The action's caption becomes the caption; a click executes the action.
    void setAction(tk::Action* action);
    tk::Action* action() const { return action_; }

    void setActiveColor(COLORREF color);
    COLORREF activeColor() const { return activeColor_; }
    void setActiveOutlineColor(COLORREF color);
    COLORREF activeOutlineColor() const { return activeOutlineColor_; }
    void setActiveOutlineColor2(COLORREF color);
    COLORREF activeOutlineColor2() const { return activeOutlineColor2_; }
    void setInactiveColor(COLORREF color);
    COLORREF inactiveColor() const { return inactiveColor_; }
    void setTransparentColor(COLORREF color);
    COLORREF transparentColor() const { return transparentColor_; }
    void setTransparent(bool transparent);
    bool transparent() const { return transparent_; }
    void setAutoTransparency(bool automatic);
    bool autoTransparency() const { return autoTransparency_; }

    void setAutoHeight(bool autoHeight);
    bool autoHeight() const { return autoHeight_; }
    void setWordWrap(bool wordWrap);
    bool wordWrap() const { return wordWrap_; }
    void setShowGlyph(bool showGlyph);
    bool showGlyph() const { return showGlyph_; }
    void setUseCustomGlyphs(bool useCustom);
    bool useCustomGlyphs() const { return useCustomGlyphs_; }

    // The button keeps a copy of each picture.
    void setActiveGlyph(HBITMAP glyph) { setGlyph(activeGlyph_, glyph); }
    void setDisabledGlyph(HBITMAP glyph) { setGlyph(disabledGlyph_, glyph); }
    void setDownActiveGlyph(HBITMAP glyph) { setGlyph(downActiveGlyph_, glyph); }
    void setInactiveGlyph(HBITMAP glyph) { setGlyph(inactiveGlyph_, glyph); }

    // Font while hovered or pressed.
    void setHoverFont(const tk::FontSpec& font);
    const tk::FontSpec& hoverFont() const { return hoverFont_; }

    // Types other than Button keep Left and Right as Top.
    void setPosition(GlyphPosition position);
    GlyphPosition position() const { return position_; }
    void setControlType(FlatBtnType type);
    FlatBtnType controlType() const { return controlType_; }

    // Enter clicks the button also while another control holds the focus, and
    // the caption is bold.
    void setDefault(bool isDefault);
    bool isDefault() const { return default_; }

    FlatMouseState mouseState() const { return mouseState_; }
    // Lines of the last caption wrap.
    const std::vector<std::wstring>& wrappedLines() const { return wrappedLines_; }

    std::function<void()> onMouseEnter;
    std::function<void()> onMouseExit;

  protected:
    void paint(tk::Canvas& canvas) override;
    void mouseMove(int x, int y, UINT keys) override;
    void mouseDown(tk::MouseButton button, int x, int y, UINT keys) override;
    void mouseUp(tk::MouseButton button, int x, int y, UINT keys) override;
    void keyDown(UINT vk) override;
    void focusChanged(bool focused) override;
    void click() override;
    bool takesDialogKey(UINT vk) const override;
    bool takesAccelerator() const override;
    void keyboardClick() override;
    LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    struct Layout;

    void setMouseState(FlatMouseState state);
    void releaseCapture() const;
    void focusMoved();
    void resetOtherButtons();
    void loadBuiltInGlyphs();
    void remeasure();
    // Remeasures and repaints after a change of what the layout depends on.
    void relayout();
    HBITMAP currentGlyph();
    HBITMAP embossedGlyph();
    COLORREF glyphTransparentColor(HBITMAP glyph) const;
    tk::FontSpec paintFont() const;
    RECT wrappedTextArea(tk::Canvas& canvas, HBITMAP glyph);
    Layout place(tk::Canvas& canvas, HBITMAP glyph);
    bool showsFocus() const;
    void drawFocus(tk::Canvas& canvas, const RECT& text) const;
    void drawCaption(tk::Canvas& canvas, const RECT& text);
    void drawParentImage(tk::Canvas& canvas);
    void drawOutline(tk::Canvas& canvas) const;
    void setGlyph(tk::BitmapHandle& target, HBITMAP glyph);

    bool office2000Look_ = true;
    tk::Action* action_ = nullptr;
    COLORREF activeColor_ = 0x808080;
    COLORREF activeOutlineColor_ = 0xFFFFFF;
    COLORREF activeOutlineColor2_ = 0xD6E7E7;
    COLORREF inactiveColor_ = 0xC0C0C0;
    COLORREF transparentColor_ = 0;
    bool transparent_ = false;
    bool autoTransparency_ = true;
    bool autoHeight_ = false;
    bool wordWrap_ = true;
    bool showGlyph_ = false;
    bool useCustomGlyphs_ = false;
    bool default_ = false;
    GlyphPosition position_ = GlyphPosition::Left;
    FlatBtnType controlType_ = FlatBtnType::Button;
    tk::FontSpec hoverFont_;

    FlatMouseState mouseState_ = FlatMouseState::Inactive;
    bool active_ = false;
    bool keyboardClick_ = false;
    bool settingFocus_ = false;

    tk::BitmapHandle activeGlyph_;
    tk::BitmapHandle disabledGlyph_;
    tk::BitmapHandle downActiveGlyph_;
    tk::BitmapHandle inactiveGlyph_;
    tk::BitmapHandle builtInHoverGlyph_;
    tk::BitmapHandle builtInDisabledGlyph_;
    tk::BitmapHandle builtInDownGlyph_;
    tk::BitmapHandle builtInInactiveGlyph_;
    tk::BitmapHandle embossedGlyph_;

    std::vector<std::wstring> wrappedLines_;
    int textAreaWidth_ = 0;
};

} // namespace ctl
