#pragma once
// JPEG pictures of the program: decoded with libjpeg into 32-bit bitmaps.

#include <windows.h>

#include <cstddef>

// A top-down 32-bit DIB section of the picture, or nullptr when the data is not a
// readable JPEG. The caller owns the bitmap.
HBITMAP DecodeJpeg(const unsigned char* data, std::size_t size);

// The JPEG picture stored as RCDATA resource `name` in the program file, decoded;
// nullptr when there is no such resource.
HBITMAP LoadJpegResource(const wchar_t* name);
