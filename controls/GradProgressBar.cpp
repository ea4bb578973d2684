#include "controls/GradProgressBar.h"

#include "controls/CtrlCommon.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace ctl {

namespace {

struct BarColors {
    COLORREF border, backFace, backGrad, foreFace, foreGrad;
};

// Colours of each scheme from Desert on (Custom writes none).
const BarColors schemes[] = {
    {0x005680, 0xC6ECFF, 0xFFFFFF, 0x9BDEFF, 0x007BB7}, // Desert
    {0x156F37, 0xCBF5DC, 0xFFFFFF, 0xC9F5DB, 0x28C162}, // Grass
    {0x6B6B6B, 0xE0E0E0, 0xFFFFFF, 0xF0F0F0, 0xADADAD}, // Silver
    {0xB35900, 0xFFEAD5, 0xFFFFFF, 0xFFEEDD, 0xFFAE5E}, // Sky
    {0x00009D, 0xD7D7FF, 0xFFFFFF, 0xE8E8FF, 0x8080FF}, // Rose
    {0x006464, 0xCEFFFF, 0xFFFFFF, 0xDFFFFF, 0x05BCDC}, // Sun
    {0x000000, 0x005500, 0x008000, 0x91ECAE, 0x00AA00}, // Hackers
    {0x000000, 0x804000, 0xA85400, 0xFFCB97, 0xEC7600}, // Night
    {0x000000, 0x000059, 0x46468C, 0x9F9FF2, 0x4848BB}, // Velvet
    {0x000000, 0x464646, 0x6F6F6F, 0xCECECE, 0x737373}, // Metal
    {0x000000, 0x800040, 0xCA0065, 0xFFB7DB, 0xFF3399}, // Violet
    {0x000000, 0x2C5656, 0x3E7B7B, 0xBCDEDE, 0x468E8E}, // Toxic
};

// inner x (position - min) / |max - min| plus offset, rounded and kept within
// 0 .. inner + 2 (the bar's extent); 64-bit so that no product overflows.
int scaledProgress(int inner, int position, int min, int max, double offset) {
    const std::int64_t range = std::llabs(std::int64_t{max} - min);
    if (range == 0)
        return 0;
    const std::int64_t done = std::int64_t{inner} * (std::int64_t{position} - min);
    const double value = static_cast<double>(done) / static_cast<double>(range) + offset;
    return roundHalfEven(std::clamp(value, 0.0, static_cast<double>(inner) + 2.0));
}

} // namespace

int progressFill(int inner, int position, int min, int max) {
    return scaledProgress(inner, position, min, max, 0.0);
}

TGradProgressBar::TGradProgressBar(tk::Control& parent, int x, int y, int width, int height)
    : tk::CustomControl(parent, x, y, width, height) {
    setColorScheme(ColorScheme::Desert);
}

void TGradProgressBar::setSchemeColor(COLORREF& field, COLORREF color) {
    field = color;
    scheme_ = ColorScheme::Custom;
    invalidate();
}

void TGradProgressBar::setColorScheme(ColorScheme scheme) {
    scheme_ = scheme;
    if (scheme != ColorScheme::Custom) {
        const BarColors& colors = schemes[static_cast<int>(scheme) - 1];
        colorBorder_ = colors.border;
        backColorFace_ = colors.backFace;
        backColorGrad_ = colors.backGrad;
        foreColorFace_ = colors.foreFace;
        foreColorGrad_ = colors.foreGrad;
    }
    invalidate();
}

void TGradProgressBar::setPosition(int position) {
    if (position < min_)
        return;
    position_ = position;
    repaint();
}

void TGradProgressBar::setMin(int min) {
    if (min > max_)
        return;
    min_ = min;
    repaint();
}

void TGradProgressBar::setMax(int max) {
    if (max < min_)
        return;
    max_ = max;
    repaint();
}

void TGradProgressBar::setStep(int step) {
    step_ = step;
    repaint();
}

void TGradProgressBar::setOrientation(ProgressOrientation orientation) {
    orientation_ = orientation;
    invalidate();
}

void TGradProgressBar::paint(tk::Canvas& canvas) {
    const RECT client = clientRect();
    const int width = client.right;
    const int height = client.bottom;
    if (orientation_ == ProgressOrientation::Horizontal)
        paintHorizontal(canvas, width, height);
    else
        paintVertical(canvas, width, height);
    canvas.setPenStyle(tk::PenStyle::Solid);
    canvas.setPenColor(colorBorder_);
    canvas.setBrushStyle(tk::BrushStyle::Clear);
    canvas.rectangle(client);
}

void TGradProgressBar::paintHorizontal(tk::Canvas& canvas, int width, int height) {
    const int fill = progressFill(width - 2, position_, min_, max_);
    drawGradient(canvas, RECT{1, 1, width - 1, height - 1}, backColorFace_, backColorGrad_,
                 GradientKind::Rows);
    drawGradient(canvas, RECT{0, 0, fill, height}, foreColorFace_, foreColorGrad_,
                 GradientKind::Rows);
    canvas.setPenColor(canvas.pixel(1, 1));
    canvas.moveTo(1, 1);
    canvas.lineTo(1, height);
    canvas.setPenColor(canvas.pixel(2, height - 2));
    canvas.moveTo(fill, 1);
    canvas.lineTo(fill, height);
}

void TGradProgressBar::paintVertical(tk::Canvas& canvas, int width, int height) {
    const int done = max_ == min_ ? 1 : scaledProgress(height - 2, position_, min_, max_, 1.0);
    const int top = height - done;
    drawGradient(canvas, RECT{1, 1, width - 1, height}, backColorFace_, backColorGrad_,
                 GradientKind::Columns);
    drawGradient(canvas, RECT{0, top, width, height}, foreColorFace_, foreColorGrad_,
                 GradientKind::Columns);
    canvas.setPenColor(canvas.pixel(2, height - 2));
    canvas.moveTo(1, height - 2);
    canvas.lineTo(width, height - 2);
    canvas.setPenColor(canvas.pixel(width - 3, height - 3));
    canvas.moveTo(1, top);
    canvas.lineTo(width, top);
}

} // namespace ctl
