#pragma once
// Cookies: the browser's cookie files of advertising, tracking and other well-known sites.

#include <string>

namespace tidewell {

// True when one of the keywords occurs in the file name (case-sensitive substring).
bool IsTrackingCookieName(const std::wstring& fileName);

} // namespace tidewell
