#pragma once
// Pictures of Tidewell's windows, drawn in code.

#include <windows.h>

// Colour of the status strip; texts on the strip use it as their background.
constexpr COLORREF StatusStripColor = RGB(226, 236, 248);

// Each returns a new bitmap owned by the caller.
HBITMAP BannerPicture(int width, int height);
HBITMAP StatusStripPicture(int width, int height);
// White at the bottom, where the version label stands.
HBITMAP SplashPicture(int width, int height);
HBITMAP AboutPicture(int width, int height);
