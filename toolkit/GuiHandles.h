#pragma once
// Owners of GUI handles: GDI objects, icons and DCs, and the object selected into a DC.

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

// The object that a selection into a DC replaced, selected back by the owner.
struct ReplacedObject {
    HDC dc;
    HGDIOBJ previous;
};

struct ReplacedObjectTraits {
    static bool valid(const ReplacedObject& handle) { return handle.previous != nullptr; }
    static void close(const ReplacedObject& handle) { SelectObject(handle.dc, handle.previous); }
};

using SelectedObject = handles::UniqueHandle<ReplacedObject, ReplacedObjectTraits>;

// Selects the object into the DC until the owner goes, which selects back the object that
// was there before.
inline SelectedObject selectObject(HDC dc, HGDIOBJ object) {
    return SelectedObject({dc, SelectObject(dc, object)});
}

} // namespace tk
