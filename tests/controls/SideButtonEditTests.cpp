#include "ControlTestSupport.h"
#include "controls/FlatBtn.h"
#include "controls/SideButtonEdit.h"
#include "tests/support/Keyboard.h"

#include <gtest/gtest.h>

using namespace ctl;
using namespace ctltest;

namespace {

void setClipboard(HWND owner, const std::wstring& text) {
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    memcpy(GlobalLock(memory), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

std::pair<DWORD, DWORD> selection(tk::Control& edit) {
    DWORD start = 0, end = 0;
    send(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

const COLORREF buttonFace = RGB(0, 128, 255);

} // namespace

TEST(SideButtonEditPaste, OnlyTextWithoutLineBreaks) {
    EXPECT_TRUE(pasteAllowed(L"ab"));
    EXPECT_TRUE(pasteAllowed(L""));
    EXPECT_FALSE(pasteAllowed(L"a\r\nb"));
    EXPECT_FALSE(pasteAllowed(L"a\nb"));
    EXPECT_FALSE(pasteAllowed(L"a\r"));
}

// Typed keys: pasted line breaks are refused, and Enter, Escape and Tab go to
// the form as from any single-line box.
TEST(SideButtonEdit, KeysOfASingleLineBox) {
    auto form = hiddenForm();
    TSideButtonEdit edit(*form, 5, 5, 150, 40);
    tk::Edit next(*form, 5, 60, 150, 21);
    TFlatButton ok(*form, 5, 90, 70, 23);
    ok.setDefault(true);
    int oks = 0, closeQueries = 0;
    ok.onClick = [&] { ++oks; };
    form->onCloseQuery = [&](bool& allow) {
        ++closeQueries;
        allow = false;
    };
    keys::bringForward(*form);
    edit.setFocus();
    setClipboard(form->handle(), L"a\r\nb");
    keys::press('V', {VK_CONTROL});
    keys::press(VK_INSERT, {VK_SHIFT});
    EXPECT_EQ(edit.text(), L"");
    setClipboard(form->handle(), L"ab");
    keys::press('V', {VK_CONTROL});
    EXPECT_EQ(edit.text(), L"ab");

    keys::press(VK_RETURN);
    keys::press('J', {VK_CONTROL});
    keys::type(L"c");
    EXPECT_EQ(edit.text(), L"abc");
    EXPECT_EQ(oks, 1);
    keys::press(VK_ESCAPE);
    EXPECT_EQ(closeQueries, 0);
    keys::press(VK_TAB);
    EXPECT_TRUE(next.focused());
}

TEST(SideButtonEdit, FormattingRectangleLeavesRoomForTheButton) {
    auto form = hiddenForm();
    TSideButtonEdit edit(*form, 5, 5, 150, 21);
    RECT rect{};
    send(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&rect));
    const LONG plain = rect.right;
    edit.setBtnVisible(true);
    edit.setBtnWidth(20);
    send(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&rect));
    EXPECT_EQ(rect.right, plain - 21);
}

TEST(SideButtonEdit, ButtonClickKeepsTheCaret) {
    auto form = hiddenForm();
    form->show();
    TSideButtonEdit edit(*form, 5, 5, 150, 21);
    edit.setBtnVisible(true);
    edit.setText(L"hello");
    int clicks = 0;
    edit.onButtonClick = [&] { ++clicks; };
    send(edit, EM_SETSEL, 2, 2);
    sendMouse(edit, WM_MOUSEMOVE, 140, 10);
    sendMouse(edit, WM_LBUTTONDOWN, 140, 10);
    EXPECT_EQ(clicks, 0);
    sendMouse(edit, WM_LBUTTONUP, 140, 10);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(selection(edit), std::make_pair(DWORD{2}, DWORD{2}));

    sendMouse(edit, WM_LBUTTONDOWN, 20, 10);
    sendMouse(edit, WM_LBUTTONUP, 20, 10);
    EXPECT_EQ(clicks, 1);
}

TEST(SideButtonEdit, ExtrasDrawBorderButtonAndSeparator) {
    auto form = hiddenForm();
    TSideButtonEdit edit(*form, 5, 5, 100, 21);
    edit.setBorderColor(RGB(255, 0, 0));
    edit.setBtnColor(buttonFace);
    edit.setBtnVisible(true);
    tk::MemoryCanvas canvas(edit.clientWidth(), edit.clientHeight());
    edit.paintExtras(canvas);
    EXPECT_EQ(canvas.pixel(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(canvas.pixel(99, 20), RGB(255, 0, 0));
    EXPECT_EQ(canvas.pixel(90, 10), buttonFace);
    EXPECT_EQ(canvas.pixel(82, 10), RGB(255, 0, 0));
    EXPECT_EQ(canvas.pixel(90, 0), RGB(255, 0, 0));

    edit.setBorderColor(clNone);
    edit.setColor(RGB(255, 255, 255));
    tk::MemoryCanvas borderless(edit.clientWidth(), edit.clientHeight());
    edit.paintExtras(borderless);
    EXPECT_EQ(borderless.pixel(0, 0), RGB(255, 255, 255));
    EXPECT_EQ(borderless.pixel(90, 0), buttonFace);
    EXPECT_EQ(borderless.pixel(84, 10), buttonFace);
}

TEST(SideButtonEdit, CaptionOrImageOnTheButton) {
    auto form = hiddenForm();
    TSideButtonEdit edit(*form, 5, 5, 100, 21);
    edit.setBtnColor(buttonFace);
    edit.setBtnVisible(true);
    edit.setBtnCaption(L"+");
    tk::MemoryCanvas caption(100, 21);
    edit.paintExtras(caption);
    EXPECT_TRUE(contains(caption, RECT{84, 1, 99, 20}, 0));

    edit.setBtnCaption(L"Browse");
    tk::MemoryCanvas tooWide(100, 21);
    edit.paintExtras(tooWide);
    EXPECT_FALSE(contains(tooWide, RECT{84, 1, 99, 20}, 0));

    {
        tk::ImageList images(8, 8);
        tk::BitmapHandle picture = squareGlyph(RGB(0, 255, 0), RGB(0, 255, 0));
        ASSERT_EQ(images.addBitmap(picture.get(), RGB(255, 0, 255)), 0);
        picture.reset();
        edit.setGlyph(&images);
        edit.setGlyphIndex(0);
        tk::MemoryCanvas image(100, 21);
        edit.paintExtras(image);
        EXPECT_TRUE(contains(image, RECT{84, 1, 99, 20}, RGB(0, 255, 0)));
        edit.setGlyphIndex(1);
        tk::MemoryCanvas beyond(100, 21);
        edit.paintExtras(beyond);
        EXPECT_FALSE(contains(beyond, RECT{84, 1, 99, 20}, RGB(0, 255, 0)));
        edit.setGlyphIndex(0);
    }
    EXPECT_EQ(edit.glyph(), nullptr);
    tk::MemoryCanvas gone(100, 21);
    edit.paintExtras(gone);
    EXPECT_FALSE(contains(gone, RECT{84, 1, 99, 20}, RGB(0, 255, 0)));
}

TEST(SideButtonEdit, UnfocusedTextIsAlignedOrHidden) {
    auto form = hiddenForm();
    TSideButtonEdit edit(*form, 5, 5, 200, 21);
    edit.setColor(RGB(255, 255, 255));
    edit.setText(L"Key");
    edit.setAlignment(tk::Alignment::Right);
    tk::MemoryCanvas canvas(200, 21);
    canvas.setBrushColor(RGB(255, 255, 255));
    canvas.fillRect(RECT{0, 0, 200, 21});
    edit.paintText(canvas);
    const RECT text = boundsOf(canvas, 0);
    EXPECT_GT(text.left, 150);
    EXPECT_LE(text.right, 198);

    edit.setPasswordChar(L'*');
    EXPECT_EQ(edit.text(), L"Key");
    EXPECT_EQ(edit.width(), 200);
    EXPECT_FALSE(GetWindowLongPtrW(edit.handle(), GWL_STYLE) & ES_MULTILINE);
    EXPECT_EQ(send(edit, EM_GETPASSWORDCHAR), L'*');
    canvas.fillRect(RECT{0, 0, 200, 21});
    edit.paintText(canvas);
    tk::MemoryCanvas stars(200, 21);
    stars.setBrushColor(RGB(255, 255, 255));
    stars.fillRect(RECT{0, 0, 200, 21});
    stars.setFont(edit.font());
    stars.textOut(0, 0, L"***");
    const RECT shown = boundsOf(canvas, 0);
    const RECT expected = boundsOf(stars, 0);
    EXPECT_EQ(shown.right - shown.left, expected.right - expected.left);
}
