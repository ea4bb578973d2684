#pragma once
// The process's error mode for the lifetime of an owner.

#include <windows.h>

namespace handles {

// Critical errors fail quietly while the owner lives: a drive without a medium answers
// "not ready" instead of raising the system's box. The mode before comes back at the end.
class CriticalErrorsSilenced {
  public:
    static constexpr UINT Flags = SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX;

    CriticalErrorsSilenced() : previous_(SetErrorMode(Flags)) { SetErrorMode(previous_ | Flags); }
    ~CriticalErrorsSilenced() { SetErrorMode(previous_); }
    CriticalErrorsSilenced(const CriticalErrorsSilenced&) = delete;
    CriticalErrorsSilenced& operator=(const CriticalErrorsSilenced&) = delete;

  private:
    UINT previous_;
};

} // namespace handles
