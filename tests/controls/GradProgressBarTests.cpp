#include "ControlTestSupport.h"
#include "controls/GradProgressBar.h"

#include <gtest/gtest.h>

using namespace ctl;
using namespace ctltest;

using Scheme = TGradProgressBar::ColorScheme;

namespace {

const COLORREF trough = RGB(0, 0, 255);
const COLORREF filled = RGB(0, 255, 0);
const COLORREF border = RGB(255, 0, 0);

void plainColours(TGradProgressBar& bar) {
    bar.setColorBorder(border);
    bar.setBackColorFace(trough);
    bar.setBackColorGrad(trough);
    bar.setForeColorFace(filled);
    bar.setForeColorGrad(filled);
}

} // namespace

TEST(GradProgressBarFill, RoundsHalvesToEvenAndNeverDividesByZero) {
    EXPECT_EQ(progressFill(198, 50, 0, 100), 99);
    EXPECT_EQ(progressFill(3, 1, 0, 2), 2);
    EXPECT_EQ(progressFill(5, 1, 0, 2), 2);
    EXPECT_EQ(progressFill(198, 0, 0, 100), 0);
    EXPECT_EQ(progressFill(198, 7, 7, 7), 0);
    EXPECT_EQ(progressFill(1000, 2000000000, 0, 2000000000), 1000);
    EXPECT_EQ(progressFill(1000, 1000000000, 0, 2000000000), 500);
}

TEST(GradProgressBar, RangeRules) {
    auto form = hiddenForm();
    TGradProgressBar bar(*form, 0, 0);
    EXPECT_EQ(bar.width(), 200);
    EXPECT_EQ(bar.height(), 16);
    bar.setMin(10);
    bar.setPosition(5);
    EXPECT_EQ(bar.position(), 0);
    bar.setPosition(150);
    EXPECT_EQ(bar.position(), 150);
    bar.setMax(5);
    EXPECT_EQ(bar.max(), 100);
    bar.setMin(101);
    EXPECT_EQ(bar.min(), 10);
    bar.setStep(7);
    EXPECT_EQ(bar.step(), 7);
}

TEST(GradProgressBar, SchemesAndCustomColours) {
    auto form = hiddenForm();
    TGradProgressBar bar(*form, 0, 0);
    EXPECT_EQ(bar.colorScheme(), Scheme::Desert);
    bar.setColorScheme(Scheme::Grass);
    EXPECT_EQ(bar.colorBorder(), 1404727u);
    EXPECT_EQ(bar.backColorFace(), 13366748u);
    EXPECT_EQ(bar.backColorGrad(), 16777215u);
    EXPECT_EQ(bar.foreColorFace(), 13235675u);
    EXPECT_EQ(bar.foreColorGrad(), 2670946u);
    bar.setBackColorFace(0x010203);
    EXPECT_EQ(bar.colorScheme(), Scheme::Custom);
    bar.setColorScheme(Scheme::Custom);
    EXPECT_EQ(bar.backColorFace(), 0x010203u);
    EXPECT_EQ(bar.colorBorder(), 1404727u);
}

TEST(GradProgressBar, HorizontalFillFollowsPosition) {
    auto form = hiddenForm();
    TGradProgressBar bar(*form, 0, 0, 102, 20);
    plainColours(bar);
    auto empty = painted(bar);
    EXPECT_EQ(empty->pixel(0, 0), border);
    EXPECT_EQ(empty->pixel(101, 19), border);
    EXPECT_FALSE(contains(*empty, RECT{1, 1, 101, 19}, filled));
    EXPECT_EQ(empty->pixel(50, 10), trough);

    bar.setPosition(50);
    auto half = painted(bar);
    EXPECT_EQ(half->pixel(25, 10), filled);
    EXPECT_EQ(half->pixel(49, 10), filled);
    EXPECT_EQ(half->pixel(75, 10), trough);

    bar.setPosition(150);
    auto full = painted(bar);
    EXPECT_EQ(full->pixel(100, 10), filled);
    EXPECT_EQ(full->pixel(101, 10), border);
}

TEST(GradProgressBar, EmptyRangePaintsAnEmptyBar) {
    auto form = hiddenForm();
    TGradProgressBar bar(*form, 0, 0, 102, 20);
    plainColours(bar);
    bar.setMin(30);
    bar.setPosition(30);
    bar.setMax(0);
    EXPECT_EQ(bar.max(), 100);
    bar.setMax(30);
    ASSERT_EQ(bar.max(), bar.min());
    auto canvas = painted(bar);
    EXPECT_FALSE(contains(*canvas, RECT{1, 1, 101, 19}, filled));
    bar.setOrientation(ProgressOrientation::Vertical);
    EXPECT_FALSE(contains(*painted(bar), RECT{1, 1, 101, 18}, filled));
}

TEST(GradProgressBar, VerticalFillsFromTheBottom) {
    auto form = hiddenForm();
    TGradProgressBar bar(*form, 0, 0, 20, 102);
    plainColours(bar);
    bar.setOrientation(ProgressOrientation::Vertical);
    bar.setPosition(50);
    auto canvas = painted(bar);
    EXPECT_EQ(canvas->pixel(10, 80), filled);
    EXPECT_EQ(canvas->pixel(10, 20), trough);
    EXPECT_EQ(canvas->pixel(0, 50), border);
}

TEST(GradProgressBar, TroughShadesAcrossTheThickness) {
    auto form = hiddenForm();
    TGradProgressBar bar(*form, 0, 0, 102, 20);
    bar.setBackColorFace(RGB(0, 0, 0));
    bar.setBackColorGrad(RGB(0, 0, 180));
    auto canvas = painted(bar);
    EXPECT_EQ(canvas->pixel(50, 9), RGB(0, 0, 90));
    EXPECT_EQ(canvas->pixel(50, 18), RGB(0, 0, 180));
    EXPECT_EQ(canvas->pixel(80, 9), RGB(0, 0, 90));
}
