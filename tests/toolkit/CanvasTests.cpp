#include "toolkit/Canvas.h"

#include <gtest/gtest.h>

using namespace tk;

TEST(Canvas, FillRectAndFrameRectUseTheBrushColour) {
    MemoryCanvas canvas(20, 20);
    canvas.setBrushColor(RGB(10, 20, 30));
    canvas.fillRect({0, 0, 20, 20});
    canvas.setBrushColor(RGB(200, 0, 0));
    canvas.frameRect({2, 2, 10, 10});
    EXPECT_EQ(RGB(10, 20, 30), canvas.pixel(0, 0));
    EXPECT_EQ(RGB(200, 0, 0), canvas.pixel(2, 2));
    EXPECT_EQ(RGB(200, 0, 0), canvas.pixel(9, 9));
    EXPECT_EQ(RGB(10, 20, 30), canvas.pixel(5, 5));
    EXPECT_EQ(RGB(10, 20, 30), canvas.pixel(10, 10));
    EXPECT_EQ(0x000A141Eu, canvas.bits()[0]);
}

TEST(Canvas, ClearBrushLeavesTheInside) {
    MemoryCanvas canvas(20, 20);
    canvas.setBrushColor(RGB(255, 255, 255));
    canvas.fillRect({0, 0, 20, 20});
    canvas.setBrushStyle(BrushStyle::Clear);
    canvas.setPenColor(RGB(0, 0, 255));
    canvas.rectangle({0, 0, 20, 20});
    canvas.fillRect({0, 0, 20, 20});
    EXPECT_EQ(RGB(0, 0, 255), canvas.pixel(0, 0));
    EXPECT_EQ(RGB(255, 255, 255), canvas.pixel(10, 10));
}

TEST(Canvas, LinesAndPixels) {
    MemoryCanvas canvas(10, 10);
    canvas.setPenColor(RGB(0, 255, 0));
    canvas.moveTo(0, 5);
    canvas.lineTo(10, 5);
    canvas.setPixel(3, 3, RGB(1, 2, 3));
    EXPECT_EQ(RGB(0, 255, 0), canvas.pixel(7, 5));
    EXPECT_EQ(RGB(1, 2, 3), canvas.pixel(3, 3));
    EXPECT_EQ(RGB(0, 0, 0), canvas.pixel(3, 4));
}

TEST(Canvas, TextIsDrawnInTheFontColourWithoutBackground) {
    MemoryCanvas canvas(80, 30);
    canvas.setBrushColor(RGB(255, 255, 255));
    canvas.fillRect({0, 0, 80, 30});
    FontSpec font;
    font.height = 20;
    font.bold = true;
    font.color = RGB(255, 0, 0);
    canvas.setFont(font);
    canvas.textOut(2, 2, L"HHH");
    int red = 0;
    int other = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 80; ++x) {
            const COLORREF c = canvas.pixel(x, y);
            red += c == RGB(255, 0, 0);
            other += c != RGB(255, 0, 0) && GetGValue(c) != GetBValue(c);
        }
    EXPECT_GT(red, 20);
    EXPECT_EQ(0, other);
    EXPECT_GT(canvas.textWidth(L"HHH"), canvas.textWidth(L"H"));
    EXPECT_GE(canvas.textHeight(L"H"), 15);
}

TEST(Canvas, GradientRunsFromOneColourToTheOther) {
    MemoryCanvas canvas(10, 100);
    canvas.gradientFill({0, 0, 10, 100}, RGB(0, 0, 0), RGB(0, 0, 200), true);
    EXPECT_LT(GetBValue(canvas.pixel(5, 1)), 10);
    EXPECT_GT(GetBValue(canvas.pixel(5, 98)), 190);
    EXPECT_LT(GetBValue(canvas.pixel(5, 30)), GetBValue(canvas.pixel(5, 70)));
}

TEST(Canvas, CopyRectAndDrawBitmap) {
    MemoryCanvas source(4, 4);
    source.setBrushColor(RGB(9, 8, 7));
    source.fillRect({0, 0, 4, 4});
    MemoryCanvas target(10, 10);
    target.copyRect({2, 2, 6, 6}, source, {0, 0, 4, 4});
    EXPECT_EQ(RGB(9, 8, 7), target.pixel(2, 2));
    EXPECT_EQ(RGB(0, 0, 0), target.pixel(6, 6));
    // A bitmap selected into one DC cannot be drawn from another: paint a free one.
    BitmapHandle copy(paintBitmap(4, 4, [](Canvas& canvas) {
        canvas.setBrushColor(RGB(9, 8, 7));
        canvas.fillRect({0, 0, 4, 4});
    }));
    ASSERT_TRUE(copy);
    target.draw(6, 6, copy.get());
    EXPECT_EQ(RGB(9, 8, 7), target.pixel(9, 9));
    target.stretchDraw({0, 0, 10, 2}, copy.get());
    EXPECT_EQ(RGB(9, 8, 7), target.pixel(9, 1));
}

TEST(Canvas, RestoresTheObjectsOfTheDc) {
    MemoryCanvas target(4, 4);
    HGDIOBJ pen = GetCurrentObject(target.handle(), OBJ_PEN);
    {
        Canvas canvas(target.handle());
        canvas.setPenColor(RGB(1, 1, 1));
        EXPECT_NE(pen, GetCurrentObject(target.handle(), OBJ_PEN));
    }
    EXPECT_EQ(pen, GetCurrentObject(target.handle(), OBJ_PEN));
}

TEST(Canvas, SelectedObjectSelectsBackWhatItReplacedWhenItsLastOwnerGoes) {
    MemoryCanvas target(4, 4);
    const HDC dc = target.handle();
    const HGDIOBJ pen = GetCurrentObject(dc, OBJ_PEN);
    const HGDIOBJ white = GetStockObject(WHITE_PEN);
    SelectedObject kept;
    {
        SelectedObject selection = selectObject(dc, white);
        EXPECT_EQ(white, GetCurrentObject(dc, OBJ_PEN));
        kept = std::move(selection);
    }
    EXPECT_EQ(white, GetCurrentObject(dc, OBJ_PEN));
    kept.reset();
    EXPECT_EQ(pen, GetCurrentObject(dc, OBJ_PEN));
}
