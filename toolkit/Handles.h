#pragma once
// Move-only wrappers that own exactly one handle each.

#include <windows.h>

#include <utility>

namespace tk {

// Owns one handle of type T; Traits::close(handle) frees it, Traits::valid(handle)
// tells a real handle from none.
template <class T, class Traits> class UniqueHandle {
  public:
    UniqueHandle() = default;
    explicit UniqueHandle(T handle) : handle_(handle) {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other)
            reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    T get() const { return handle_; }
    explicit operator bool() const { return Traits::valid(handle_); }
    // Gives up ownership without freeing.
    T release() { return std::exchange(handle_, T{}); }
    // Frees the owned handle and takes the new one.
    void reset(T handle = T{}) {
        if (Traits::valid(handle_))
            Traits::close(handle_);
        handle_ = handle;
    }

  private:
    T handle_{};
};

template <class T> struct GdiObjectTraits {
    static bool valid(T handle) { return handle != nullptr; }
    static void close(T handle) { DeleteObject(handle); }
};

// CloseHandle; INVALID_HANDLE_VALUE counts as none.
struct KernelHandleTraits {
    static bool valid(HANDLE handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }
    static void close(HANDLE handle) { CloseHandle(handle); }
};

struct IconHandleTraits {
    static bool valid(HICON handle) { return handle != nullptr; }
    static void close(HICON handle) { DestroyIcon(handle); }
};

// A DC made by CreateCompatibleDC or CreateDC.
struct MemoryDcTraits {
    static bool valid(HDC handle) { return handle != nullptr; }
    static void close(HDC handle) { DeleteDC(handle); }
};

// One GDI object (HFONT, HBRUSH, HPEN, HBITMAP); DeleteObject on destruction.
template <class T> using GdiObject = UniqueHandle<T, GdiObjectTraits<T>>;
using FontHandle = GdiObject<HFONT>;
using BrushHandle = GdiObject<HBRUSH>;
using PenHandle = GdiObject<HPEN>;
using BitmapHandle = GdiObject<HBITMAP>;

using KernelHandle = UniqueHandle<HANDLE, KernelHandleTraits>;
using IconHandle = UniqueHandle<HICON, IconHandleTraits>;
using MemoryDc = UniqueHandle<HDC, MemoryDcTraits>;

} // namespace tk
