#include "ControlTestSupport.h"
#include "controls/FrameProgress.h"

#include <gtest/gtest.h>

using namespace ctl;
using namespace ctltest;

namespace {

COLORREF framePixel(tk::Control& control) {
    RedrawWindow(control.handle(), nullptr, nullptr,
                 RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    HDC dc = GetWindowDC(control.handle());
    const COLORREF color = GetPixel(dc, 0, 0);
    ReleaseDC(control.handle(), dc);
    return color;
}

} // namespace

TEST(FrameProgressBar, FrameCanBeCoveredAndRestored) {
    auto form = hiddenForm();
    form->show();
    TFrameProgressBar bar(*form, 10, 10, 120, 21);
    const COLORREF panel = RGB(10, 200, 30);
    bar.setColor(panel);
    EXPECT_TRUE(bar.showFrame());
    bar.setPosition(40);
    const COLORREF framed = framePixel(bar);
    EXPECT_NE(framed, panel);

    bar.setShowFrame(false);
    EXPECT_EQ(framePixel(bar), panel);
    EXPECT_EQ(bar.position(), 40);

    bar.setShowFrame(true);
    EXPECT_EQ(framePixel(bar), framed);
}
