#pragma once
// Owners of GUI handles: GDI objects, icons and DCs.

#include "handles/Handles.h"

namespace tk {

template <class T> struct GdiObjectTraits : handles::NullIsNone<T> {
    static void close(T handle) { DeleteObject(handle); }
};

struct IconHandleTraits : handles::NullIsNone<HICON> {
    static void close(HICON handle) { DestroyIcon(handle); }
};

// A DC made by CreateCompatibleDC or CreateDC.
struct MemoryDcTraits : handles::NullIsNone<HDC> {
    static void close(HDC handle) { DeleteDC(handle); }
};

// One GDI object (HFONT, HBRUSH, HPEN, HBITMAP); DeleteObject on destruction.
template <class T> using GdiObject = handles::UniqueHandle<T, GdiObjectTraits<T>>;
using FontHandle = GdiObject<HFONT>;
using BrushHandle = GdiObject<HBRUSH>;
using PenHandle = GdiObject<HPEN>;
using BitmapHandle = GdiObject<HBITMAP>;

using IconHandle = handles::UniqueHandle<HICON, IconHandleTraits>;
using MemoryDc = handles::UniqueHandle<HDC, MemoryDcTraits>;

} // namespace tk
