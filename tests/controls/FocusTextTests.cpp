#include "ControlTestSupport.h"
#include "controls/FocusText.h"
#include "tests/support/Keyboard.h"
#include "toolkit/Edit.h"
#include "toolkit/Panel.h"

#include <gtest/gtest.h>

using namespace ctl;
using namespace ctltest;

namespace {

SIZE textSize(const tk::FontSpec& font, const std::wstring& text) {
    tk::MemoryCanvas canvas(1, 1);
    canvas.setFont(font);
    RECT rect{0, 0, 0, 0};
    canvas.drawText(text, rect, DT_CALCRECT | DT_EXPANDTABS);
    return SIZE{rect.right, rect.bottom};
}

// A text whose window refuses to grow wider than 30 pixels.
class NarrowText : public TFocusText {
  public:
    using TFocusText::TFocusText;

  protected:
    LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == WM_WINDOWPOSCHANGING) {
            auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
            if (!(pos->flags & SWP_NOSIZE) && pos->cx > 30)
                pos->cx = 30;
        }
        return TFocusText::handleMessage(msg, wParam, lParam);
    }
};

} // namespace

TEST(FocusTextSize, MeasuredCaptionAndMargins) {
    EXPECT_EQ(measuredCaption(L"", true), L" ");
    EXPECT_EQ(measuredCaption(L"&", true), L"& ");
    EXPECT_EQ(measuredCaption(L"&", false), L"&");
    EXPECT_EQ(measuredCaption(L"Hive", true), L"Hive");
    const SIZE size = autoTextSize(SIZE{40, 13});
    EXPECT_EQ(size.cx, 42);
    EXPECT_EQ(size.cy, 15);
}

TEST(FocusText, SizesItselfToItsCaption) {
    auto form = hiddenForm();
    tk::Panel page(*form, 0, 0, 400, 300);
    TFocusText text(page, 5, 5);
    text.setCaption(L"Scanning HKEY_LOCAL_MACHINE\\Software");
    const SIZE wide = textSize(text.font(), L"Scanning HKEY_LOCAL_MACHINE\\Software");
    EXPECT_EQ(text.width(), wide.cx + 2);
    EXPECT_EQ(text.height(), wide.cy + 2);
    text.setCaption(L"");
    EXPECT_EQ(text.width(), textSize(text.font(), L" ").cx + 2);
    EXPECT_EQ(text.height(), wide.cy + 2);
    text.setAutoSize(false);
    text.setCaption(L"A much longer caption than before, still longer");
    EXPECT_EQ(text.height(), wide.cy + 2);
    EXPECT_LT(text.width(), 20);
    // On the screen, a bigger font grows the text, painted at its new size.
    text.setAutoSize(true);
    text.setColor(RGB(255, 255, 0));
    keys::bringForward(*form);
    text.setFont(tk::FontSpec{L"Tahoma", 30});
    tk::app().processMessages();
    EXPECT_GT(text.height(), 30);
    EXPECT_EQ(shown(text)->pixel(0, text.height() - 1), RGB(255, 255, 0));
    // A shorter caption uncovers its parent at once, without remains of the longer one.
    const RECT wider = text.bounds();
    text.setCaption(L"S");
    const RECT uncovered{text.bounds().right, wider.top, wider.right, wider.bottom};
    EXPECT_FALSE(contains(*shown(page), uncovered, RGB(255, 255, 0)));
}

TEST(FocusText, UnreachableSizeDoesNotRepaintForever) {
    auto form = hiddenForm();
    form->show();
    NarrowText text(*form, 5, 5);
    int paints = 0;
    text.onPaint = [&](bool&) { ++paints; };
    text.setCaption(L"A caption far wider than thirty pixels");
    for (int i = 0; i < 20; ++i)
        tk::app().processMessages();
    EXPECT_EQ(text.width(), 30);
    const int settled = paints;
    EXPECT_LT(settled, 10);
    for (int i = 0; i < 20; ++i)
        tk::app().processMessages();
    EXPECT_EQ(paints, settled);
}

TEST(FocusText, VetoedPaintSkipsDrawingAndSizing) {
    auto form = hiddenForm();
    TFocusText text(*form, 5, 5);
    text.onPaint = [](bool& proceed) { proceed = false; };
    text.setCaption(L"A caption far wider than the default width");
    EXPECT_EQ(text.width(), 65);
}

TEST(FocusText, FocusFrameIsDottedInFontColour) {
    auto form = hiddenForm();
    form->show();
    TFocusText text(*form, 5, 5);
    tk::FontSpec font = text.font();
    font.color = RGB(200, 0, 0);
    text.setFont(font);
    text.setColor(RGB(255, 255, 255));
    text.setCaption(L"Nodes");
    text.setFocus();
    ASSERT_TRUE(text.focused());
    auto focused = painted(text);
    EXPECT_EQ(focused->pixel(0, 0), RGB(200, 0, 0));
    EXPECT_EQ(focused->pixel(1, 0), RGB(255, 255, 255));
    EXPECT_EQ(focused->pixel(2, 0), RGB(200, 0, 0));
    EXPECT_EQ(focused->pixel(0, 2), RGB(200, 0, 0));
    EXPECT_EQ(focused->pixel(0, 1), RGB(255, 255, 255));

    form->setFocus();
    auto unfocused = painted(text);
    EXPECT_EQ(unfocused->pixel(0, 0), RGB(255, 255, 255));
    EXPECT_TRUE(
        contains(*unfocused, RECT{1, 1, text.width() - 1, text.height() - 1}, RGB(200, 0, 0)));
}

// Typed keys through the form's dialog manager: the accelerator hands the
// focus to the target or clicks the text, Space clicks on release.
TEST(FocusText, KeysOfTheUserThroughTheDialogManager) {
    auto form = hiddenForm();
    TFocusText text(*form, 5, 5);
    text.setCaption(L"&Hive");
    tk::Edit target(*form, 5, 40, 100, 20);
    tk::Edit other(*form, 5, 70, 100, 20);
    int clicks = 0;
    text.onClick = [&] { ++clicks; };
    text.setFocusControl(&target);
    keys::bringForward(*form);
    other.setFocus();
    keys::press('H', {VK_MENU});
    EXPECT_TRUE(target.focused());
    EXPECT_EQ(clicks, 0);

    text.setFocusControl(nullptr);
    text.setShowAccelChar(false);
    keys::press('H', {VK_MENU});
    EXPECT_EQ(clicks, 0);
    text.setShowAccelChar(true);
    keys::press('H', {VK_MENU});
    EXPECT_EQ(clicks, 1);
    ASSERT_TRUE(text.focused());

    keys::down(VK_SPACE);
    EXPECT_EQ(clicks, 1);
    keys::up(VK_SPACE);
    EXPECT_EQ(clicks, 2);
}

TEST(FocusText, AlignmentPlacesTheText) {
    auto form = hiddenForm();
    TFocusText text(*form, 5, 5);
    text.setAutoSize(false);
    text.setBounds(5, 5, 200, 17);
    text.setColor(RGB(255, 255, 255));
    text.setCaption(L"Key");
    const RECT left = boundsOf(*painted(text), 0);
    text.setAlignment(tk::Alignment::Right);
    const RECT right = boundsOf(*painted(text), 0);
    EXPECT_LT(left.left, 10);
    EXPECT_GT(right.left, 150);
    EXPECT_LE(right.right, 199);
    text.setBiDiMode(tk::BiDiMode::RightToLeft);
    EXPECT_LT(boundsOf(*painted(text), 0).left, 10);
}
