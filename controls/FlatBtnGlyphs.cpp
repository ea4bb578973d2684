#include "controls/FlatBtnGlyphs.h"

#include <algorithm>

namespace ctl {

namespace {

// Each look's outline at rest (also pressed with the pointer outside), hovered
// and pressed.
const Outline office0 = {
    {Ink::Inactive,
     false,
     {{3, 1}, {1, 3}, {1, -4}, {3, -2}, {-4, -2}, {-2, -4}, {-2, 3}, {-4, 1}, {3, 1}}},
};

const Outline office1 = {
    {Ink::Inactive, true, {{-2, 3}, {2, -3}}},
    {Ink::Active, false, {{-2, 4}, {-2, -4}, {-4, -2}, {3, -2}}},
    {Ink::Outline, false, {{-3, 2}, {-4, 1}, {3, 1}, {1, 3}, {1, -4}}},
    {Ink::Outline2,
     false,
     {{3, 0}, {0, 3}, {0, -4}, {3, -1}, {-4, -1}, {-1, -4}, {-1, 3}, {-4, 0}, {3, 0}}},
};

const Outline office2 = {
    {Ink::Inactive, true, {{-3, 2}, {1, -4}}},
    {Ink::Active, false, {{-4, 1}, {3, 1}, {1, 3}, {1, -5}}},
    {Ink::Outline, false, {{-2, 2}, {-1, 3}, {-1, -4}, {-4, -1}, {3, -1}, {1, -3}}},
    {Ink::Outline2, false, {{-3, 1}, {-4, 0}, {3, 0}, {0, 3}, {0, -4}}},
    {Ink::Outline2, false, {{-2, 3}, {-2, -4}, {-4, -2}, {3, -2}, {2, -3}}},
};

const Outline classic0 = {
    {Ink::Inactive, false, {{8, 2},   {7, 3},   {6, 3},   {3, 6},   {3, 7},  {2, 8},   {2, -8},
                            {3, -7},  {3, -6},  {6, -3},  {7, -3},  {8, -2}, {-8, -2}, {-7, -3},
                            {-6, -3}, {-3, -6}, {-3, -7}, {-2, -8}, {-2, 8}, {-3, 7},  {-3, 6},
                            {-6, 3},  {-7, 3},  {-8, 2},  {8, 2}}},
};

const Outline classic1 = {
    {Ink::Inactive,
     false,
     {{-8, 1}, {8, 1}, {7, 2}, {6, 2}, {2, 6}, {2, 7}, {1, 8}, {1, -8}, {2, -7}, {2, -6}, {5, -3}}},
    {Ink::Inactive, true, {{7, -2}}},
    {Ink::Inactive,
     false,
     {{5, -5}, {6, -4}, {7, -4}, {8, -3}, {-8, -3}, {-3, -8}, {-3, 8}, {-2, 7}}},
    {Ink::Inactive, true, {{-7, -2}}},
    {Ink::Inactive, false, {{-5, -3}, {-3, -5}}},
    {Ink::Inactive, false, {{-6, -4}, {-4, -6}}},
    {Ink::Inactive, true, {{-2, -7}, {-2, 7}}},
    {Ink::Inactive, false, {{-4, 6}, {-5, 5}}},
    {Ink::Inactive, false, {{-3, 5}, {-6, 2}}},
    {Ink::Active, false, {{8, 2},   {7, 3},   {6, 3},   {3, 6},   {3, 7},   {2, 8},
                          {2, -8},  {3, -7},  {3, -6},  {6, -3},  {7, -3},  {8, -2},
                          {-8, -2}, {-7, -3}, {-6, -3}, {-3, -6}, {-3, -7}, {-2, -8},
                          {-2, 8},  {-3, 7},  {-3, 6},  {-7, 2},  {8, 2}}},
    {Ink::Outline, false, {{-7, 3}, {8, 3}, {3, 8}, {3, -8}}},
    {Ink::Outline, false, {{-6, 5}, {-6, 4}, {8, 4}, {4, 8}, {4, -6}, {5, -6}}},
    {Ink::Outline, false, {{6, 4}, {4, 6}}},
};

const Outline classic2 = {
    {Ink::Inactive, false, {{-8, 1},  {8, 1},   {7, 2},   {6, 2},   {2, 6},   {2, 7},
                            {1, 8},   {1, -8},  {2, -7},  {2, -6},  {4, -4},  {5, -4},
                            {6, -3},  {7, -3},  {8, -2},  {-8, -2}, {-7, -3}, {-6, -3},
                            {-3, -6}, {-3, -7}, {-2, -8}, {-2, 8},  {-3, 7},  {-3, 6}}},
    {Ink::Inactive, true, {{8, 3}}},
    {Ink::Inactive, false, {{6, 4}, {4, 6}}},
    {Ink::Inactive, false, {{3, 8}, {3, -8}}},
    {Ink::Inactive, true, {{4, -6}}},
    {Ink::Inactive, false, {{-4, 4}, {-6, 2}}},
    {Ink::Inactive, true, {{-7, 3}}},
    {Ink::Active,
     false,
     {{-4, 5},
      {-7, 2},
      {8, 2},
      {7, 3},
      {6, 3},
      {3, 6},
      {3, 7},
      {2, 8},
      {2, -8},
      {3, -7},
      {3, -6},
      {4, -5}}},
    {Ink::Outline, false, {{7, 5}, {5, 7}, {5, -5}}},
    {Ink::Outline, false, {{-8, 3}, {9, 3}}},
    {Ink::Outline,
     false,
     {{5, -3},
      {6, -2},
      {7, -2},
      {7, -1},
      {-6, -1},
      {-1, -6},
      {-1, 8},
      {-2, 7},
      {-2, 6},
      {-3, 5},
      {-4, 6},
      {-5, 5},
      {-6, 5},
      {-6, 4},
      {7, 4},
      {4, 7},
      {4, -7}}},
    {Ink::Outline, false, {{-4, -2}, {-1, -5}}},
    {Ink::Outline, false, {{-7, -2}, {-6, -2}, {-2, -6}, {-2, -7}}},
};

// Built-in glyphs are drawn here: a transparent magenta ground and one shape
// per control type, in a shade per state.
const COLORREF glyphGround = RGB(255, 0, 255);

enum class GlyphShape { Square, Circle, UpArrow, DownArrow, Question };

struct GlyphArt {
    GlyphShape shape;
    int width;
    int height;
};

GlyphArt glyphArt(int number) {
    switch ((number - 1) / 4) {
    case 0:
        return {GlyphShape::Square, 10, 10};
    case 1:
        return {GlyphShape::Circle, 15, 15};
    case 2:
        return {GlyphShape::UpArrow, 17, 10};
    case 3:
        return {GlyphShape::DownArrow, 17, 9};
    case 4:
        return {GlyphShape::Circle, 16, 16};
    default:
        return {GlyphShape::Question, 15, 15};
    }
}

// Hover, disabled, down, inactive.
COLORREF glyphInk(int number) {
    static const COLORREF inks[] = {RGB(0, 0, 128), RGB(160, 160, 160), RGB(0, 0, 0),
                                    RGB(64, 64, 64)};
    return inks[(number - 1) % 4];
}

void drawArrow(tk::Canvas& canvas, const GlyphArt& art, bool up) {
    const int rows = std::min(art.height - 2, art.width / 2);
    for (int row = 0; row < rows; ++row) {
        const int y = up ? art.height - 2 - row : 1 + row;
        const int half = rows - 1 - row;
        canvas.moveTo(art.width / 2 - half, y);
        canvas.lineTo(art.width / 2 + half + 1, y);
    }
}

void drawGlyphShape(tk::Canvas& canvas, const GlyphArt& art) {
    const RECT inner{2, 2, art.width - 2, art.height - 2};
    switch (art.shape) {
    case GlyphShape::Square:
        canvas.fillRect(inner);
        break;
    case GlyphShape::Circle:
        canvas.ellipse(inner);
        break;
    case GlyphShape::UpArrow:
        drawArrow(canvas, art, true);
        break;
    case GlyphShape::DownArrow:
        drawArrow(canvas, art, false);
        break;
    case GlyphShape::Question:
        canvas.setBrushStyle(tk::BrushStyle::Clear);
        canvas.ellipse(RECT{0, 0, art.width - 1, art.height - 1});
        canvas.setFont(tk::FontSpec{L"Tahoma", 11, true, false, false, canvas.penColor()});
        RECT text{0, 0, art.width - 1, art.height - 1};
        canvas.drawText(L"?", text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        break;
    }
}

} // namespace

const Outline& buttonOutline(bool office2000Look, FlatMouseState state) {
    static const Outline* const office[] = {&office0, &office1, &office2, &office0};
    static const Outline* const classic[] = {&classic0, &classic1, &classic2, &classic0};
    const auto index = static_cast<std::size_t>(state);
    return office2000Look ? *office[index] : *classic[index];
}

int firstGlyphNumber(FlatBtnType type, bool office2000Look) {
    switch (type) {
    case FlatBtnType::Button:
        return 1;
    case FlatBtnType::RadioButton:
        return office2000Look ? 17 : 5;
    case FlatBtnType::UpButton:
        return 9;
    case FlatBtnType::DownButton:
        return 13;
    case FlatBtnType::HintButton:
        break;
    }
    return 21;
}

tk::BitmapHandle builtInGlyph(int number) {
    const GlyphArt art = glyphArt(number);
    return tk::BitmapHandle(tk::paintBitmap(art.width, art.height, [&](tk::Canvas& canvas) {
        canvas.setBrushColor(glyphGround);
        canvas.fillRect(RECT{0, 0, art.width, art.height});
        canvas.setPenColor(glyphInk(number));
        canvas.setBrushColor(glyphInk(number));
        drawGlyphShape(canvas, art);
    }));
}

} // namespace ctl
