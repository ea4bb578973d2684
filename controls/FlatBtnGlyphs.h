#pragma once
// The flat button's drawing tables: its outline in every look and mouse state,
// point by point, and the built-in glyphs of its control types.

#include "controls/FlatBtn.h"

#include <vector>

namespace ctl {

// Outline colours of the painters' steps.
enum class Ink { Inactive, Active, Outline, Outline2 };

// One step of an outline painter: a polyline (its end pixel set too) or single
// pixels. Negative coordinates count from the right or bottom edge (-1 is W-1).
struct OutlineStep {
    Ink ink;
    bool pixels;
    std::vector<POINT> points;
};
using Outline = std::vector<OutlineStep>;

// The outline of a button of the Office 2000 look (or the classic one) in a mouse state.
const Outline& buttonOutline(bool office2000Look, FlatMouseState state);

// The first of the four built-in glyphs (hover, disabled, down, inactive) of
// a control type; each set's numbers follow one another.
int firstGlyphNumber(FlatBtnType type, bool office2000Look);

// A built-in glyph: one shape per control type on a magenta ground, in a
// shade per state.
tk::BitmapHandle builtInGlyph(int number);

} // namespace ctl
