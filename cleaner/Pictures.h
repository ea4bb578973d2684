#pragma once
// Pictures of Tidewell's windows, drawn in code.

#include "toolkit/GuiHandles.h"

#include <windows.h>

namespace tidewell {

// Colour of the status strip; texts on the strip use it as their background.
constexpr COLORREF StatusStripColor = RGB(226, 236, 248);

// Each returns a new bitmap.
tk::BitmapHandle BannerPicture(int width, int height);
tk::BitmapHandle StatusStripPicture(int width, int height);
// White at the bottom, where the version label stands.
tk::BitmapHandle SplashPicture(int width, int height);
tk::BitmapHandle AboutPicture(int width, int height);

} // namespace tidewell
