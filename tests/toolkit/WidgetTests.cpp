#include "Fixture.h"

#include "toolkit/CategoryButtons.h"
#include "toolkit/Image.h"
#include "toolkit/PageControl.h"
#include "toolkit/Panel.h"
#include "toolkit/ProgressBar.h"

#include <commctrl.h>

using namespace tk;

TEST_F(ToolkitTest, ProgressBarKeepsRangeAndSteps) {
    ProgressBar bar(form, 0, 0, 200, 20);
    bar.setMax(50);
    bar.setStep(20);
    bar.stepIt();
    bar.stepIt();
    EXPECT_EQ(40, bar.position());
    bar.setPosition(80);
    EXPECT_EQ(50, bar.position());
    EXPECT_EQ(50, static_cast<int>(SendMessageW(bar.handle(), PBM_GETPOS, 0, 0)));
    bar.setMax(30);
    EXPECT_EQ(30, bar.position());
}

TEST_F(ToolkitTest, PanelPaintsColourAndRaisedBevel) {
    Panel panel(form, 0, 0, 40, 30);
    panel.setColor(RGB(0, 128, 0));
    MemoryCanvas canvas(40, 30);
    panel.paintTo(canvas);
    EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), canvas.pixel(0, 0));
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), canvas.pixel(39, 29));
    EXPECT_EQ(RGB(0, 128, 0), canvas.pixel(20, 15));
    panel.setBevelOuter(Bevel::None);
    panel.paintTo(canvas);
    EXPECT_EQ(RGB(0, 128, 0), canvas.pixel(0, 0));
}

TEST_F(ToolkitTest, ImageShowsItsPicture) {
    Image image(form, 0, 0, 10, 10);
    image.setPicture(paintBitmap(2, 2, [](Canvas& canvas) {
        canvas.setBrushColor(RGB(1, 200, 3));
        canvas.fillRect({0, 0, 2, 2});
    }));
    EXPECT_EQ(2, image.pictureSize().cx);
    image.setStretch(true);
    MemoryCanvas canvas(10, 10);
    image.paintTo(canvas);
    EXPECT_EQ(RGB(1, 200, 3), canvas.pixel(9, 9));
    EXPECT_FALSE(image.loadBitmapResource(L"NOSUCHBITMAP"));
}

TEST_F(ToolkitTest, PageControlShowsOnlyTheActivePage) {
    PageControl pages(form, 0, 0, 300, 200);
    Panel& system = pages.addPage(L"System");
    Panel& component = pages.addPage(L"Component");
    EXPECT_EQ(2, pages.pageCount());
    EXPECT_EQ(0, pages.activePage());
    EXPECT_TRUE(system.visible());
    EXPECT_FALSE(component.visible());
    pages.setActivePage(1);
    EXPECT_FALSE(system.visible());
    EXPECT_TRUE(component.visible());
    EXPECT_EQ(&pages, component.parent());
}

TEST_F(ToolkitTest, PageControlUserChangeFiresOnChange) {
    PageControl pages(form, 0, 0, 300, 200);
    pages.addPage(L"A");
    Panel& b = pages.addPage(L"B");
    int changes = 0;
    pages.onChange = [&] { ++changes; };
    SendMessageW(pages.handle(), TCM_SETCURSEL, 1, 0);
    NMHDR notice{pages.handle(), 0, static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageW(form.handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notice));
    EXPECT_EQ(1, changes);
    EXPECT_TRUE(b.visible());
}

class CategoryButtonsTest : public ToolkitTest {
  protected:
    void SetUp() override {
        ToolkitTest::SetUp();
        bar.setHeaderHeight(20);
        bar.setButtonHeight(25);
        registry = bar.addCategory(L"Registry");
        bar.addItem(registry, L"Startup");
        bar.addItem(registry, L"Uninstall");
        privacy = bar.addCategory(L"Privacy");
        bar.addItem(privacy, L"Cookies");
        bar.onButtonClick = [this](int c, int i) { clicks.push_back({c, i}); };
    }
    void click(int x, int y) {
        SendMessageW(bar.handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        SendMessageW(bar.handle(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }

    CategoryButtons bar{form, 0, 0, 150, 300};
    int registry = 0;
    int privacy = 0;
    std::vector<CategoryHit> clicks;
};

TEST_F(CategoryButtonsTest, HitTestFollowsTheLayout) {
    EXPECT_EQ((CategoryHit{0, -1}), bar.hitTest(10, 5));
    EXPECT_EQ((CategoryHit{0, 0}), bar.hitTest(10, 30));
    EXPECT_EQ((CategoryHit{0, 1}), bar.hitTest(10, 50));
    EXPECT_EQ((CategoryHit{1, -1}), bar.hitTest(10, 75));
    EXPECT_EQ((CategoryHit{1, 0}), bar.hitTest(10, 100));
    EXPECT_EQ((CategoryHit{}), bar.hitTest(10, 200));
}

TEST_F(CategoryButtonsTest, ClickOnAnItemSelectsAndReports) {
    click(10, 100);
    ASSERT_EQ(1u, clicks.size());
    EXPECT_EQ((CategoryHit{1, 0}), clicks[0]);
    EXPECT_EQ((CategoryHit{1, 0}), bar.selected());
}

TEST_F(CategoryButtonsTest, ClickOnAHeaderCollapsesIt) {
    click(10, 5);
    EXPECT_TRUE(bar.collapsed(registry));
    EXPECT_TRUE(clicks.empty());
    EXPECT_EQ((CategoryHit{1, -1}), bar.hitTest(10, 25));
    click(10, 5);
    EXPECT_FALSE(bar.collapsed(registry));
}

TEST_F(CategoryButtonsTest, SelectedItemIsPaintedInTheSelectedColour) {
    bar.setSelectedColor(RGB(250, 1, 2));
    bar.setSelected({0, 1});
    MemoryCanvas canvas(150, 300);
    bar.paintTo(canvas);
    EXPECT_EQ(RGB(250, 1, 2), canvas.pixel(140, 47));
    EXPECT_NE(RGB(250, 1, 2), canvas.pixel(140, 30));
}
