#include "toolkit/Timer.h"

#include "toolkit/Application.h"

#include <map>

namespace tk {
namespace {

std::map<UINT_PTR, Timer*>& liveTimers() {
    static std::map<UINT_PTR, Timer*> timers;
    return timers;
}

LRESULT CALLBACK timerWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_TIMER)
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    const auto found = liveTimers().find(wParam);
    if (found != liveTimers().end())
        found->second->tick();
    return 0;
}

// The hidden message-only window that receives every timer's WM_TIMER.
HWND timerWindow() {
    static HWND window = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = timerWindowProc;
        wc.hInstance = app().instance();
        wc.lpszClassName = L"tkTimerWindow";
        RegisterClassExW(&wc);
        return CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               wc.hInstance, nullptr);
    }();
    return window;
}

UINT_PTR nextTimerId() {
    static UINT_PTR id = 1;
    return id++;
}

} // namespace

Timer::Timer() : Timer(1000, true) {}

Timer::Timer(unsigned intervalMs, bool enabled)
    : interval_(intervalMs), enabled_(enabled), id_(nextTimerId()) {
    liveTimers()[id_] = this;
    restart();
}

Timer::~Timer() {
    stop();
    liveTimers().erase(id_);
}

void Timer::setInterval(unsigned ms) {
    interval_ = ms;
    restart();
}

void Timer::setEnabled(bool enabled) {
    enabled_ = enabled;
    restart();
}

void Timer::tick() {
    if (onTimer)
        app().guard(onTimer);
}

void Timer::restart() {
    stop();
    if (enabled_ && interval_ > 0)
        running_ = SetTimer(timerWindow(), id_, interval_, nullptr) != 0;
}

void Timer::stop() {
    if (running_)
        KillTimer(timerWindow(), id_);
    running_ = false;
}

} // namespace tk
