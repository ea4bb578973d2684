#pragma once
// Modal message boxes, always through the messageBox seam.

#include <windows.h>

#include <string>

namespace tk {

// Owned by the main form's window when there is one. Returns IDOK, IDYES, ...
int messageBox(const std::wstring& text, const std::wstring& caption, UINT flags = MB_OK);
int messageBox(HWND owner, const std::wstring& text, const std::wstring& caption,
               UINT flags = MB_OK);

} // namespace tk
