#include "ControlTestSupport.h"
#include "controls/CtrlCommon.h"
#include "controls/GradButton.h"
#include "tests/support/Keyboard.h"
#include "tests/support/Mouse.h"
#include "toolkit/Edit.h"

#include <gtest/gtest.h>

using namespace ctl;
using namespace ctltest;

using Scheme = TGradButton::ColorScheme;

TEST(GradButton, NewButtonIsNeoDesertWithWhiteGradientEnds) {
    auto form = hiddenForm();
    TGradButton button(*form, 0, 0);
    EXPECT_EQ(button.colorScheme(), Scheme::NeoDesert);
    EXPECT_TRUE(button.gradient());
    EXPECT_EQ(button.schemeColor(GradColor::ColorFace), 0xC6ECFFu);
    EXPECT_EQ(button.schemeColor(GradColor::ColorGrad), 0x37BEFFu);
    EXPECT_EQ(button.schemeColor(GradColor::OverColorGrad), 0xFFFFFFu);
    EXPECT_EQ(button.schemeColor(GradColor::DownColorGrad), 0xFFFFFFu);
    EXPECT_EQ(button.schemeColor(GradColor::DisabledColorGrad), 0xFFFFFFu);
    EXPECT_EQ(button.width(), 75);
    EXPECT_EQ(button.height(), 25);
}

TEST(GradButton, SchemesAndSingleColours) {
    auto form = hiddenForm();
    TGradButton button(*form, 0, 0);
    button.setColorScheme(Scheme::NeoSilver);
    EXPECT_EQ(button.schemeColor(GradColor::ColorFace), 0xF3F3F3u);
    EXPECT_EQ(button.schemeColor(GradColor::ColorFocusRect), 0xADADADu);
    button.setSchemeColor(GradColor::ColorGrad, 0x123456);
    EXPECT_EQ(button.colorScheme(), Scheme::Custom);
    button.setColorScheme(Scheme::Grass);
    EXPECT_EQ(button.colorScheme(), Scheme::Grass);
    EXPECT_FALSE(button.gradient());
    EXPECT_EQ(button.schemeColor(GradColor::ColorGrad), 0x123456u);
    EXPECT_EQ(button.schemeColor(GradColor::ColorFace), 0x98EBB7u);
    button.setColorScheme(Scheme::Custom);
    EXPECT_EQ(button.schemeColor(GradColor::ColorFace), 0x98EBB7u);
}

TEST(GradButton, PaintsGradientBorderAndEdges) {
    auto form = hiddenForm();
    TGradButton button(*form, 0, 0, 75, 25);
    button.setSchemeColor(GradColor::ColorFace, RGB(0, 0, 0));
    button.setSchemeColor(GradColor::ColorGrad, RGB(0, 0, 250));
    button.setGradient(true);
    auto canvas = painted(button);
    EXPECT_EQ(canvas->pixel(10, 12), RGB(0, 0, 120));
    EXPECT_EQ(canvas->pixel(10, 20), RGB(0, 0, 200));
    const COLORREF border = button.schemeColor(GradColor::ColorBorder);
    EXPECT_EQ(canvas->pixel(0, 0), border);
    EXPECT_EQ(canvas->pixel(74, 24), border);
    EXPECT_EQ(canvas->pixel(1, 10), button.schemeColor(GradColor::ColorLight));
    EXPECT_EQ(canvas->pixel(73, 10), button.schemeColor(GradColor::ColorDark));

    button.setCtl3D(false);
    button.setGradient(false);
    auto flat = painted(button);
    EXPECT_EQ(flat->pixel(1, 10), RGB(0, 0, 0));
    EXPECT_EQ(flat->pixel(10, 20), RGB(0, 0, 0));
}

TEST(GradButton, MouseLooksAndClickOnRelease) {
    auto form = hiddenForm();
    TGradButton button(*form, 0, 0, 75, 25);
    int clicks = 0;
    button.onClick = [&] { ++clicks; };
    sendMouse(button, WM_MOUSEMOVE, 10, 10);
    EXPECT_EQ(button.look(), ButtonLook::Over);
    sendMouse(button, WM_LBUTTONDOWN, 10, 10);
    EXPECT_EQ(button.look(), ButtonLook::Down);
    sendMouse(button, WM_LBUTTONUP, 10, 10);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button.look(), ButtonLook::Over);
    // The user's mouse: pressed, dragged off and released outside, moved back.
    button.setGradient(false);
    keys::bringForward(*form);
    mouse::moveTo(button, 10, 10);
    mouse::press();
    mouse::moveTo(button, 200, 10);
    EXPECT_EQ(shown(button)->pixel(10, 5), button.schemeColor(GradColor::ColorFace));
    mouse::release();
    EXPECT_EQ(shown(button)->pixel(10, 5), button.schemeColor(GradColor::ColorFace));
    EXPECT_EQ(clicks, 1);
    mouse::moveTo(button, 12, 10);
    EXPECT_EQ(shown(button)->pixel(10, 5), button.schemeColor(GradColor::OverColorFace));

    button.setHotTrack(false);
    sendMouse(button, WM_LBUTTONDOWN, 10, 10);
    sendMouse(button, WM_LBUTTONUP, 10, 10);
    EXPECT_EQ(button.look(), ButtonLook::Normal);

    sendMouse(button, WM_LBUTTONDOWN, 10, 10);
    send(button, WM_MOUSELEAVE);
    EXPECT_EQ(button.look(), ButtonLook::Normal);
    sendMouse(button, WM_LBUTTONUP, 200, 10);
    EXPECT_EQ(button.look(), ButtonLook::Normal);
    EXPECT_EQ(clicks, 2);
}

// Typed keys through the form's dialog manager: Space clicks on release,
// Enter on press, and the focused button before the default one.
TEST(GradButton, KeysOfTheUserThroughTheDialogManager) {
    auto form = hiddenForm();
    tk::Edit edit(*form, 0, 100, 100, 20);
    TGradButton refresh(*form, 0, 0);
    refresh.setCaption(L"&Refresh");
    TGradButton remove(*form, 100, 0);
    remove.setCaption(L"Remove");
    remove.setDefault(true);
    remove.setCancel(true);
    remove.setModalResult(IDCANCEL);
    int refreshes = 0, removes = 0;
    refresh.onClick = [&] { ++refreshes; };
    remove.onClick = [&] { ++removes; };
    keys::bringForward(*form);
    edit.setFocus();
    keys::press(VK_RETURN);
    keys::press(VK_ESCAPE, {VK_SHIFT});
    EXPECT_EQ(removes, 1);
    keys::press(VK_ESCAPE);
    EXPECT_EQ(removes, 2);
    EXPECT_EQ(form->modalResult(), IDCANCEL);
    keys::press('R', {VK_MENU});
    EXPECT_EQ(refreshes, 1);

    keys::press(VK_TAB);
    ASSERT_TRUE(refresh.focused());
    keys::down(VK_SPACE);
    EXPECT_EQ(refresh.look(), ButtonLook::Down);
    EXPECT_EQ(refreshes, 1);
    keys::up(VK_SPACE);
    EXPECT_EQ(refresh.look(), ButtonLook::Normal);
    EXPECT_EQ(refreshes, 2);
    keys::press(VK_RETURN);
    EXPECT_EQ(refreshes, 3);
    EXPECT_EQ(removes, 2);
    EXPECT_EQ(form->modalResult(), 0);
}

TEST(GradButton, FocusRectangleAndDisabledColours) {
    auto form = hiddenForm();
    TGradButton button(*form, 0, 0, 75, 25);
    button.setColorScheme(Scheme::Silver);
    send(button, WM_SETFOCUS);
    auto focused = painted(button);
    EXPECT_EQ(focused->pixel(3, 3), 0x8A8A8Au);
    EXPECT_EQ(focused->pixel(71, 21), 0x8A8A8Au);
    send(button, WM_KILLFOCUS);
    button.setEnabled(false);
    auto disabled = painted(button);
    EXPECT_EQ(disabled->pixel(3, 3), 0xE2E2E2u);
    EXPECT_EQ(disabled->pixel(0, 0), 0xC4C4C4u);
}

TEST(GradButton, GlyphBesideCaptionWithTransparentCorner) {
    auto form = hiddenForm();
    TGradButton button(*form, 0, 0, 75, 25);
    button.setColorScheme(Scheme::Silver);
    tk::BitmapHandle glyph = squareGlyph(RGB(0, 255, 0), RGB(255, 0, 0));
    button.setGlyph(glyph.get());
    glyph.reset();
    button.setCaption(L"Scan");
    auto canvas = painted(button);
    EXPECT_FALSE(contains(*canvas, RECT{0, 0, 75, 25}, RGB(0, 255, 0)));
    const RECT red = boundsOf(*canvas, RGB(255, 0, 0));
    const RECT text = boundsOf(*canvas, 0);
    EXPECT_EQ(red.right - red.left, 4);
    EXPECT_LT(red.right, text.left);
    EXPECT_EQ(red.top, (25 - 8) / 2 + 2);

    button.setLayout(ButtonLayout::GlyphRight);
    auto right = painted(button);
    EXPECT_GT(boundsOf(*right, RGB(255, 0, 0)).left, boundsOf(*right, 0).right);

    button.setLayout(ButtonLayout::GlyphTop);
    auto top = painted(button);
    EXPECT_LT(boundsOf(*top, RGB(255, 0, 0)).bottom, boundsOf(*top, 0).top + 3);
    EXPECT_EQ(boundsOf(*top, RGB(255, 0, 0)).left, (75 - 8) / 2 + 2);
}
