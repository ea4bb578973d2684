#include "ControlTestSupport.h"
#include "controls/CtrlCommon.h"
#include "controls/FlatBtn.h"
#include "tests/support/Keyboard.h"
#include "toolkit/Edit.h"
#include "toolkit/Image.h"
#include "toolkit/Panel.h"
#include "toolkit/Seams.h"

#include <gtest/gtest.h>

using namespace ctl;
using namespace ctltest;

namespace {

const TextMeasure sixPerChar = [](const std::wstring& s) { return static_cast<int>(s.size()) * 6; };

const COLORREF face = 0xCCFFFF;

class PaintCounter : public TFlatButton {
  public:
    using TFlatButton::TFlatButton;
    int paints = 0;

  protected:
    void paint(tk::Canvas& canvas) override {
        ++paints;
        TFlatButton::paint(canvas);
    }
};

} // namespace

TEST(FlatButtonWrap, WrapsAtBlanksMidWordOrNotAtAll) {
    EXPECT_EQ(wrapCaption(L"Ignore", 60, sixPerChar), std::vector<std::wstring>{L"Ignore"});
    EXPECT_EQ(wrapCaption(L"Remove Ignored Key", 60, sixPerChar),
              (std::vector<std::wstring>{L"Remove", L"Ignored", L"Key"}));
    EXPECT_EQ(wrapCaption(L"Registry", 30, sixPerChar),
              (std::vector<std::wstring>{L"Regis", L"try"}));
    EXPECT_EQ(wrapCaption(L" ab cd", 18, sixPerChar), (std::vector<std::wstring>{L" ab", L" cd"}));
    EXPECT_TRUE(wrapCaption(L"Key", 5, sixPerChar).empty());
}

TEST(FlatButtonWrap, TextAreaAndAutomaticHeight) {
    EXPECT_EQ(textAreaWidth(70, FlatBtnType::Button, GlyphPosition::Top, true, 10), 57);
    EXPECT_EQ(textAreaWidth(70, FlatBtnType::Button, GlyphPosition::Left, true, 10), 42);
    EXPECT_EQ(textAreaWidth(70, FlatBtnType::Button, GlyphPosition::Left, false, 10), 57);
    EXPECT_EQ(textAreaWidth(70, FlatBtnType::RadioButton, GlyphPosition::Top, true, 16), 44);
    EXPECT_EQ(textAreaWidth(70, FlatBtnType::RadioButton, GlyphPosition::Top, false, 16), 65);

    EXPECT_EQ(autoButtonHeight(26, FlatBtnType::Button, GlyphPosition::Left, false, 10), 36);
    EXPECT_EQ(autoButtonHeight(13, FlatBtnType::Button, GlyphPosition::Top, true, 10), 37);
    EXPECT_EQ(autoButtonHeight(13, FlatBtnType::Button, GlyphPosition::Left, true, 20), 30);
    EXPECT_EQ(autoButtonHeight(13, FlatBtnType::HintButton, GlyphPosition::Top, true, 15), 20);
}

TEST(FlatButton, AutoHeightFollowsWrappedCaption) {
    auto form = hiddenForm();
    TFlatButton button(*form, 0, 0, 40, 23);
    button.setCaption(L"Remove Ignored Key");
    button.setAutoHeight(true);
    const int lines = static_cast<int>(button.wrappedLines().size());
    ASSERT_GT(lines, 1);
    tk::MemoryCanvas canvas(1, 1);
    canvas.setFont(button.font());
    EXPECT_EQ(button.height(), lines * canvas.textHeight(L"0") + 10);
}

TEST(FlatButton, RestingOutlineFollowsInactiveColor) {
    auto form = hiddenForm();
    TFlatButton button(*form, 0, 0, 70, 23);
    auto rest = painted(button);
    EXPECT_EQ(rest->pixel(3, 1), 0xC0C0C0u);
    EXPECT_EQ(rest->pixel(1, 3), 0xC0C0C0u);
    EXPECT_EQ(rest->pixel(66, 21), 0xC0C0C0u);
    EXPECT_EQ(rest->pixel(0, 0), face);
    EXPECT_EQ(rest->pixel(2, 1), face);

    button.setInactiveColor(255);
    auto red = painted(button);
    EXPECT_EQ(red->pixel(3, 1), 255u);
    EXPECT_EQ(red->pixel(68, 10), 255u);
    EXPECT_EQ(red->pixel(35, 2), face);
}

TEST(FlatButton, ClassicOutlineHasDeepCorners) {
    auto form = hiddenForm();
    TFlatButton button(*form, 0, 0, 70, 23);
    button.setOffice2000Look(false);
    EXPECT_EQ(button.color(), 0xE1FFFFu);
    auto rest = painted(button);
    EXPECT_EQ(rest->pixel(8, 2), 0xC0C0C0u);
    EXPECT_EQ(rest->pixel(2, 8), 0xC0C0C0u);
    EXPECT_EQ(rest->pixel(3, 3), 0xE1FFFFu);
    button.setColor(0x123456);
    button.setOffice2000Look(true);
    EXPECT_EQ(button.color(), face);
}

TEST(FlatButton, HoverShowsOutlinesAndFiresEnterAndExit) {
    auto form = hiddenForm();
    TFlatButton button(*form, 0, 0, 70, 23);
    int entered = 0, exited = 0;
    button.onMouseEnter = [&] { ++entered; };
    button.onMouseExit = [&] { ++exited; };
    sendMouse(button, WM_MOUSEMOVE, 10, 10);
    EXPECT_EQ(button.mouseState(), FlatMouseState::Hover);
    EXPECT_EQ(GetCapture(), button.handle());
    auto hover = painted(button);
    EXPECT_EQ(hover->pixel(3, 0), 0xD6E7E7u);
    EXPECT_EQ(hover->pixel(68, 10), 0x808080u);
    EXPECT_EQ(hover->pixel(1, 10), 0xFFFFFFu);
    EXPECT_EQ(hover->pixel(68, 3), 0xC0C0C0u);

    sendMouse(button, WM_MOUSEMOVE, 100, 10);
    EXPECT_EQ(button.mouseState(), FlatMouseState::Inactive);
    EXPECT_NE(GetCapture(), button.handle());
    EXPECT_EQ(entered, 1);
    EXPECT_EQ(exited, 1);

    tk::PopupMenu menu;
    menu.addItem(L"Open", [] {});
    button.setPopupMenu(&menu);
    int shown = 0;
    tk::seams().trackPopupMenu = [&](HMENU, int, int, HWND) { return ++shown, 0; };
    sendMouse(button, WM_MOUSEMOVE, 10, 10);
    sendMouse(button, WM_RBUTTONDOWN, 10, 10);
    EXPECT_EQ(button.mouseState(), FlatMouseState::Inactive);
    EXPECT_NE(GetCapture(), button.handle());
    sendMouse(button, WM_RBUTTONUP, 10, 10);
    tk::resetSeams();
    EXPECT_EQ(shown, 1);
}

TEST(FlatButton, DraggingOffAndReleasingOutsideDoesNotClick) {
    auto form = hiddenForm();
    TFlatButton button(*form, 0, 0, 70, 23);
    int clicks = 0;
    button.onClick = [&] { ++clicks; };
    sendMouse(button, WM_MOUSEMOVE, 10, 10);
    sendMouse(button, WM_LBUTTONDOWN, 10, 10);
    EXPECT_EQ(button.mouseState(), FlatMouseState::DownInside);
    sendMouse(button, WM_MOUSEMOVE, 100, 10);
    EXPECT_EQ(button.mouseState(), FlatMouseState::DownOutside);
    EXPECT_EQ(painted(button)->pixel(3, 1), 0xC0C0C0u);
    sendMouse(button, WM_MOUSEMOVE, 10, 10);
    EXPECT_EQ(button.mouseState(), FlatMouseState::DownInside);
    sendMouse(button, WM_MOUSEMOVE, 100, 10);
    sendMouse(button, WM_LBUTTONUP, 100, 10);
    EXPECT_EQ(button.mouseState(), FlatMouseState::Inactive);
    EXPECT_EQ(clicks, 0);
}

TEST(FlatButton, ReleaseInsideClicksAndResetsOtherButtons) {
    auto form = hiddenForm();
    TFlatButton button(*form, 0, 0, 70, 23);
    TFlatButton other(*form, 0, 40, 70, 23);
    sendMouse(other, WM_MOUSEMOVE, 5, 5);
    ASSERT_EQ(other.mouseState(), FlatMouseState::Hover);
    int clicks = 0;
    button.onClick = [&] { ++clicks; };
    sendMouse(button, WM_LBUTTONDOWN, 10, 10);
    sendMouse(button, WM_LBUTTONUP, 10, 10);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button.mouseState(), FlatMouseState::Hover);
    EXPECT_EQ(other.mouseState(), FlatMouseState::Inactive);

    button.setModalResult(IDOK);
    sendMouse(button, WM_LBUTTONDOWN, 10, 10);
    sendMouse(button, WM_LBUTTONUP, 10, 10);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(button.mouseState(), FlatMouseState::Inactive);
}

TEST(FlatButton, PressedCaptionMovesOnePixel) {
    auto form = hiddenForm();
    TFlatButton button(*form, 0, 0, 70, 23);
    button.setCaption(L"Scan");
    sendMouse(button, WM_MOUSEMOVE, 10, 10);
    const RECT hover = boundsOf(*painted(button), 0);
    sendMouse(button, WM_LBUTTONDOWN, 10, 10);
    const RECT down = boundsOf(*painted(button), 0);
    ASSERT_LT(hover.left, hover.right);
    EXPECT_EQ(down.left, hover.left + 1);
    EXPECT_EQ(down.top, hover.top + 1);
}

// Typed keys reach the buttons through the form's dialog manager: Enter and
// Space click the focused button, Enter the default one from a box that does
// not take Enter, Escape the cancel one, an accelerator its button.
TEST(FlatButton, KeysOfTheUserThroughTheDialogManager) {
    auto form = hiddenForm();
    tk::Edit edit(*form, 0, 100, 100, 20);
    TFlatButton unselect(*form, 0, 0, 90, 23);
    unselect.setCaption(L"&Unselect All");
    TFlatButton close(*form, 100, 0, 70, 23);
    close.setCaption(L"&Close");
    close.setCancel(true);
    close.setModalResult(IDCANCEL);
    TFlatButton ok(*form, 200, 0, 70, 23);
    ok.setCaption(L"OK");
    ok.setDefault(true);
    int unselects = 0, closes = 0, oks = 0;
    unselect.onClick = [&] { ++unselects; };
    close.onClick = [&] { ++closes; };
    ok.onClick = [&] { ++oks; };
    keys::bringForward(*form);
    edit.setFocus();
    const RECT whole{0, 0, ok.width(), ok.height()};
    const COLORREF focusDots = ~face & 0xFFFFFF;
    EXPECT_TRUE(contains(*painted(ok), whole, focusDots));

    keys::press(VK_RETURN);
    EXPECT_EQ(oks, 1);
    keys::press(VK_TAB);
    ASSERT_TRUE(unselect.focused());
    EXPECT_FALSE(contains(*painted(ok), whole, focusDots));
    keys::press(VK_RETURN);
    keys::press(VK_SPACE);
    EXPECT_EQ(unselects, 2);
    EXPECT_EQ(unselect.mouseState(), FlatMouseState::Inactive);
    keys::press('U');
    EXPECT_EQ(unselects, 3);
    keys::press('C');
    EXPECT_EQ(closes, 0);

    keys::press(VK_ESCAPE, {VK_SHIFT});
    EXPECT_EQ(closes, 0);
    keys::press(VK_ESCAPE);
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(form->modalResult(), IDCANCEL);
    EXPECT_NE(form->handle(), nullptr);
    keys::press('C', {VK_MENU});
    EXPECT_EQ(closes, 2);
    EXPECT_EQ(oks, 1);

    keys::press(VK_TAB);
    keys::press(VK_TAB);
    keys::press(VK_TAB);
    ASSERT_TRUE(edit.focused());
    keys::press(VK_RETURN);
    EXPECT_EQ(oks, 2);
    EXPECT_EQ(form->modalResult(), 0);
}

TEST(FlatButton, SettersKeepTheirRules) {
    auto form = hiddenForm();
    form->show();
    PaintCounter button(*form, 0, 0, 70, 23);
    button.setCaption(L"Ignore");
    const int paints = button.paints;
    button.setCaption(L"Ignore");
    EXPECT_EQ(button.paints, paints);
    button.setCaption(L"Ignore Items");
    EXPECT_GT(button.paints, paints);

    button.setControlType(FlatBtnType::HintButton);
    EXPECT_EQ(button.position(), GlyphPosition::Top);
    EXPECT_TRUE(button.showGlyph());
    button.setPosition(GlyphPosition::Right);
    EXPECT_EQ(button.position(), GlyphPosition::Top);
}

TEST(FlatButton, GlyphIsDrawnTransparentlyAndEmbossedWhenDisabled) {
    auto form = hiddenForm();
    TFlatButton button(*form, 0, 0, 70, 23);
    tk::BitmapHandle glyph = squareGlyph(RGB(255, 255, 255), RGB(255, 0, 0));
    button.setUseCustomGlyphs(true);
    button.setInactiveGlyph(glyph.get());
    button.setShowGlyph(true);
    glyph.reset();
    auto shown = painted(button);
    EXPECT_TRUE(contains(*shown, RECT{0, 0, 70, 23}, RGB(255, 0, 0)));
    EXPECT_FALSE(contains(*shown, RECT{4, 4, 66, 19}, RGB(255, 255, 255)));

    button.setCaption(L"Off");
    button.setEnabled(false);
    auto disabled = painted(button);
    EXPECT_FALSE(contains(*disabled, RECT{0, 0, 70, 23}, RGB(255, 0, 0)));
    EXPECT_TRUE(contains(*disabled, RECT{0, 0, 70, 23}, GetSysColor(COLOR_BTNSHADOW)));
    EXPECT_FALSE(contains(*disabled, RECT{0, 0, 70, 23}, 0));
}

TEST(FlatButton, TransparentButtonShowsItsParentAndThePictureBehind) {
    auto form = hiddenForm();
    tk::Panel panel(*form, 0, 0, 200, 100);
    panel.setBevelOuter(tk::Bevel::None);
    panel.setColor(RGB(0, 128, 0));
    tk::Image picture(panel, 0, 0, 20, 23);
    picture.setPicture(squareGlyph(RGB(255, 0, 0), RGB(255, 0, 0)));
    picture.setStretch(true);
    tk::Edit box(panel, 60, 0, 40, 23);
    TFlatButton button(panel, 10, 0, 70, 23);
    SetWindowPos(button.handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    button.setTransparent(true);
    auto canvas = painted(button);
    EXPECT_EQ(canvas->pixel(5, 12), RGB(255, 0, 0));
    EXPECT_EQ(canvas->pixel(30, 12), RGB(0, 128, 0));
    EXPECT_EQ(canvas->pixel(60, 12), RGB(0, 128, 0));
}

TEST(FlatButton, FocusOutlineOfWrappedCaptions) {
    auto form = hiddenForm();
    TFlatButton button(*form, 0, 0, 20, 23);
    button.setControlType(FlatBtnType::RadioButton);
    button.setCaption(L"Key");
    send(button, WM_SETFOCUS);
    auto canvas = painted(button);
    EXPECT_TRUE(button.wrappedLines().empty());
    EXPECT_EQ(canvas->width(), 20);
    // Right to left, on the screen: the glyph on the right, the outline
    // hugging the last line there.
    button.setBounds(0, 0, 80, 60);
    button.setCaption(L"Remove Ignored Key");
    button.setBiDiMode(tk::BiDiMode::RightToLeft);
    keys::bringForward(*form);
    button.setFocus();
    auto screen = shown(button);
    const RECT ink = boundsOf(*screen, 0);
    EXPECT_NE(screen->pixel(70, 10), face);
    EXPECT_FALSE(contains(*screen, RECT{0, ink.bottom - 1, 25, ink.bottom}, 0));
    EXPECT_TRUE(contains(*screen, RECT{40, ink.bottom - 1, 58, ink.bottom}, 0));
}
