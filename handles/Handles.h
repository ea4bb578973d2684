#pragma once
// Move-only owners of exactly one handle each, for handles that need no GUI library.

#include <windows.h>

#include <utility>

namespace handles {

// Owns one handle of type T; Traits::close(handle) frees it, Traits::valid(handle)
// tells a real handle from none. T may be a small struct of the handle and what freeing it
// needs besides (the window a DC belongs to, say).
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

// Handles whose only "none" is nullptr.
template <class T> struct NullIsNone {
    static bool valid(T handle) { return handle != nullptr; }
};

// Handles that functions give as INVALID_HANDLE_VALUE on failure; nullptr is none too.
struct InvalidIsNone {
    static bool valid(HANDLE handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }
};

struct KernelHandleTraits : InvalidIsNone {
    static void close(HANDLE handle) { CloseHandle(handle); }
};

struct FindHandleTraits : InvalidIsNone {
    static void close(HANDLE handle) { FindClose(handle); }
};

struct RegKeyTraits : NullIsNone<HKEY> {
    static void close(HKEY key) { RegCloseKey(key); }
};

struct LibraryTraits : NullIsNone<HMODULE> {
    static void close(HMODULE library) { FreeLibrary(library); }
};

struct GlobalMemoryTraits : NullIsNone<HGLOBAL> {
    static void close(HGLOBAL memory) { GlobalFree(memory); }
};

// Files, processes, threads, mutexes, tool-help snapshots: CloseHandle.
using KernelHandle = UniqueHandle<HANDLE, KernelHandleTraits>;
// A search of FindFirstFileW: FindClose.
using FindHandle = UniqueHandle<HANDLE, FindHandleTraits>;
// A key that RegOpenKeyExW or RegCreateKeyExW opened: RegCloseKey.
using RegKeyHandle = UniqueHandle<HKEY, RegKeyTraits>;
// A library that LoadLibraryW loaded: FreeLibrary.
using LibraryHandle = UniqueHandle<HMODULE, LibraryTraits>;
// A memory block of GlobalAlloc: GlobalFree.
using GlobalMemory = UniqueHandle<HGLOBAL, GlobalMemoryTraits>;

} // namespace handles
