#pragma once
// History and temporary browser files: the browser's history and cache folders, walked
// three levels deep.

#include <windows.h>

#include <string>

namespace tidewell {

// Name of the history container of the given day: "MSHist01", then the day's year, month
// and day, then the next day's; the month without a leading zero, the day with two digits.
std::wstring HistoryContainerName(const SYSTEMTIME& today);

} // namespace tidewell
