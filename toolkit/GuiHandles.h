#pragma once
// Owners of GUI handles: GDI objects, icons, DCs and menus, and the object selected into a
// DC.

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

struct MenuHandleTraits : handles::NullIsNone<HMENU> {
    static void close(HMENU handle) { DestroyMenu(handle); }
};

// One GDI object (HFONT, HBRUSH, HPEN, HBITMAP); DeleteObject on destruction.
template <class T> using GdiObject = handles::UniqueHandle<T, GdiObjectTraits<T>>;
using FontHandle = GdiObject<HFONT>;
using BrushHandle = GdiObject<HBRUSH>;
using PenHandle = GdiObject<HPEN>;
using BitmapHandle = GdiObject<HBITMAP>;

using IconHandle = handles::UniqueHandle<HICON, IconHandleTraits>;
using MemoryDc = handles::UniqueHandle<HDC, MemoryDcTraits>;
using MenuHandle = handles::UniqueHandle<HMENU, MenuHandleTraits>;

// A DC of a window from GetDC or GetWindowDC, which ReleaseDC gives back.
struct WindowDcOf {
    HWND window;
    HDC dc;
};

struct WindowDcTraits {
    static bool valid(const WindowDcOf& handle) { return handle.dc != nullptr; }
    static void close(const WindowDcOf& handle) { ReleaseDC(handle.window, handle.dc); }
};

using WindowDc = handles::UniqueHandle<WindowDcOf, WindowDcTraits>;

// The DC of the window's client area.
inline WindowDc clientDc(HWND window) {
    return WindowDc({window, GetDC(window)});
}

// The DC of the whole window, frame included.
inline WindowDc wholeWindowDc(HWND window) {
    return WindowDc({window, GetWindowDC(window)});
}

// The DC that BeginPaint gave for a window, which EndPaint gives back.
struct PaintOf {
    HWND window;
    PAINTSTRUCT paint;
};

struct PaintTraits {
    static bool valid(const PaintOf& handle) { return handle.paint.hdc != nullptr; }
    static void close(const PaintOf& handle) { EndPaint(handle.window, &handle.paint); }
};

using PaintDc = handles::UniqueHandle<PaintOf, PaintTraits>;

inline PaintDc beginPaint(HWND window) {
    PaintOf painting{window, {}};
    BeginPaint(window, &painting.paint);
    return PaintDc(painting);
}

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
