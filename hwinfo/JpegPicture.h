#pragma once
// JPEG pictures of the program: decoded with libjpeg into 32-bit bitmaps.

#include "toolkit/GuiHandles.h"

#include <windows.h>

#include <cstddef>

namespace corvane {

// A top-down 32-bit DIB section of the picture, or none when the data is not a
// readable JPEG.
tk::BitmapHandle DecodeJpeg(const unsigned char* data, std::size_t size);

// The JPEG picture stored as RCDATA resource `name` in the program file, decoded;
// none when there is no such resource.
tk::BitmapHandle LoadJpegResource(const wchar_t* name);

} // namespace corvane
