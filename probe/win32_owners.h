#pragma once
// Owners for the Win32 handles the probe holds: each frees its handle exactly
// once, on destruction or reset; copy is deleted, move hands ownership over.
#include <windows.h>

#include <utility>

template <typename Handle, auto Close, auto Invalid = nullptr>
class UniqueWin32 {
 public:
  UniqueWin32() = default;
  explicit UniqueWin32(Handle handle) : handle_(handle) {}
  ~UniqueWin32() { reset(); }
  UniqueWin32(const UniqueWin32&) = delete;
  UniqueWin32& operator=(const UniqueWin32&) = delete;
  UniqueWin32(UniqueWin32&& other) noexcept : handle_(other.release()) {}
  UniqueWin32& operator=(UniqueWin32&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Handle(Invalid); }
  // Gives the handle up without closing it (for blocks the protocol hands over).
  Handle release() { return std::exchange(handle_, Handle(Invalid)); }
  void reset(Handle handle = Handle(Invalid)) {
    Handle old = std::exchange(handle_, handle);
    if (old != Handle(Invalid)) Close(old);
  }

 private:
  Handle handle_ = Handle(Invalid);
};

namespace win32_owners_detail {
inline void ReleaseLibrary(HMODULE module) { FreeLibrary(module); }
inline void FreeGlobal(HGLOBAL block) { GlobalFree(block); }
inline void CloseKernelHandle(HANDLE handle) { CloseHandle(handle); }
inline void DestroyOwnedWindow(HWND window) { DestroyWindow(window); }
}  // namespace win32_owners_detail

using UniqueModule = UniqueWin32<HMODULE, win32_owners_detail::ReleaseLibrary>;
using UniqueGlobal = UniqueWin32<HGLOBAL, win32_owners_detail::FreeGlobal>;
using UniqueHandle = UniqueWin32<HANDLE, win32_owners_detail::CloseKernelHandle>;
using UniqueWindow = UniqueWin32<HWND, win32_owners_detail::DestroyOwnedWindow>;
