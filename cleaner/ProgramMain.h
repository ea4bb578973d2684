#pragma once
// Tidewell's start-up: one copy at a time, the optional splash, the main
// window and the automatic scan, then the message loop.

#include <cstdint>
#include <functional>
#include <memory>

namespace tidewell {

class TForm1;
class TForm2;

// Steps of the splash's busy delay.
constexpr unsigned long SplashDelaySteps = 4000000;
// Counter of the busy delay; each step stores it and assigns it to the splash timer.
extern volatile std::uint32_t SplashDelayCounter;

// Creates the single-instance mutex "Tidewell" (kept open until the process
// ends) and tells whether another copy owns it.
bool AnotherCopyRuns();

// Shows the splash, paints it at once and keeps the thread busy, without
// processing messages, for SplashDelaySteps steps (through the busySteps seam).
void RunSplashDelay(TForm2& splash);

// Start-up up to the message loop: the splash when the settings ask for it, the
// main window, and scanAll when the stored "autoscan" is not "0". Returns the
// main window, shown.
std::unique_ptr<TForm1> StartTidewell(const std::function<void(TForm1&)>& scanAll);

// The process entry; returns the exit code. Critical errors fail quietly for the whole run.
int ProgramMain();

} // namespace tidewell
