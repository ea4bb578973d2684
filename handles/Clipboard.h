#pragma once
// The clipboard while a program holds it open, and its text.

#include "handles/Handles.h"

#include <cwchar>
#include <string>

namespace handles {

struct ClipboardTraits {
    static bool valid(bool open) { return open; }
    static void close(bool) { CloseClipboard(); }
};

// The clipboard open for this program: CloseClipboard. Empty when another program holds it.
using OpenedClipboard = UniqueHandle<bool, ClipboardTraits>;

inline OpenedClipboard OpenClipboardFor(HWND owner) {
    return OpenedClipboard(OpenClipboard(owner) != FALSE);
}

// A memory block locked for reading: GlobalUnlock.
struct GlobalLockTraits : NullIsNone<HGLOBAL> {
    static void close(HGLOBAL memory) { GlobalUnlock(memory); }
};
using LockedGlobal = UniqueHandle<HGLOBAL, GlobalLockTraits>;

// The open clipboard's text up to its terminating zero, never beyond its memory block;
// empty when it holds none or it cannot be locked.
inline std::wstring ClipboardText() {
    const HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const auto* text = data ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
    if (!text)
        return {};
    const LockedGlobal locked(data);
    return std::wstring(text, wcsnlen(text, GlobalSize(data) / sizeof(wchar_t)));
}

} // namespace handles
