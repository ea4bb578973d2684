#pragma once
// A timer that runs onTimer (through guard) every interval while enabled.
// Timers live on a hidden message-only window of the toolkit and need the
// message loop (Application::run or processMessages) to fire.

#include <windows.h>

#include <functional>

namespace tk {

class Timer {
  public:
    // Interval 1000 ms, enabled, as a freshly dropped timer is.
    Timer();
    explicit Timer(unsigned intervalMs, bool enabled = true);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    void setInterval(unsigned ms);
    unsigned interval() const { return interval_; }
    void setEnabled(bool enabled);
    bool enabled() const { return enabled_; }

    // Runs onTimer now, as an elapsed interval does (tests call it directly).
    void tick();

    std::function<void()> onTimer;

  private:
    void restart();
    // Kills the system timer only when one runs: KillTimer is costly under Wine.
    void stop();

    unsigned interval_ = 1000;
    bool enabled_ = true;
    bool running_ = false;
    UINT_PTR id_ = 0;
};

} // namespace tk
