#pragma once
// Owners for Win32 handles, global blocks and COM interfaces. Each owner frees
// what it holds exactly once: on destruction, on reset, or before put() hands
// out its address for an out-parameter. Copying an owner is not allowed (except
// ComPtr, which counts references); moving hands over the ownership.
#include <windows.h>

#include <cstddef>
#include <utility>

// Holds one value of type T and frees it with Traits::close unless it equals
// Traits::invalid(), the "nothing held" value.
template <typename T, typename Traits>
class UniqueAny {
 public:
  UniqueAny() noexcept = default;
  explicit UniqueAny(T value) noexcept : value_(value) {}
  ~UniqueAny() { reset(); }
  UniqueAny(const UniqueAny&) = delete;
  UniqueAny& operator=(const UniqueAny&) = delete;
  UniqueAny(UniqueAny&& other) noexcept : value_(other.release()) {}
  UniqueAny& operator=(UniqueAny&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }

  T get() const noexcept { return value_; }
  explicit operator bool() const noexcept { return value_ != Traits::invalid(); }

  // Frees the held value (if any) and takes ownership of the new one.
  void reset(T value = Traits::invalid()) noexcept {
    T old = std::exchange(value_, value);
    if (old != Traits::invalid()) Traits::close(old);
  }
  // Gives up ownership without freeing; the caller frees the result.
  [[nodiscard]] T release() noexcept { return std::exchange(value_, Traits::invalid()); }
  // Frees the held value first, so filling the out-parameter cannot leak.
  T* put() noexcept {
    reset();
    return &value_;
  }

 private:
  T value_ = Traits::invalid();
};

struct HandleTraits {  // thread, event, process: null when absent
  static HANDLE invalid() noexcept { return nullptr; }
  static void close(HANDLE handle) noexcept { ::CloseHandle(handle); }
};
struct FileHandleTraits {  // CreateFile and friends report failure as INVALID_HANDLE_VALUE
  static HANDLE invalid() noexcept { return INVALID_HANDLE_VALUE; }
  static void close(HANDLE handle) noexcept { ::CloseHandle(handle); }
};
struct HmoduleTraits {
  static HMODULE invalid() noexcept { return nullptr; }
  static void close(HMODULE module) noexcept { ::FreeLibrary(module); }
};
struct GlobalTraits {
  static HGLOBAL invalid() noexcept { return nullptr; }
  static void close(HGLOBAL block) noexcept { ::GlobalFree(block); }
};
struct HwndTraits {  // a window this thread created and destroys
  static HWND invalid() noexcept { return nullptr; }
  static void close(HWND window) noexcept { ::DestroyWindow(window); }
};

using UniqueHandle = UniqueAny<HANDLE, HandleTraits>;
using UniqueFileHandle = UniqueAny<HANDLE, FileHandleTraits>;
using UniqueHmodule = UniqueAny<HMODULE, HmoduleTraits>;
using UniqueGlobal = UniqueAny<HGLOBAL, GlobalTraits>;
using UniqueHwnd = UniqueAny<HWND, HwndTraits>;

// Holds one reference to a COM interface: AddRef on copy, Release when the
// reference is dropped. Adopting a raw pointer does not AddRef (it takes over
// the reference the caller already owns, as an out-parameter hands it over).
template <typename T>
class ComPtr {
 public:
  ComPtr() noexcept = default;
  ComPtr(std::nullptr_t) noexcept {}
  ~ComPtr() { reset(); }
  ComPtr(const ComPtr& other) noexcept : ptr_(other.ptr_) {
    if (ptr_) ptr_->AddRef();
  }
  ComPtr& operator=(const ComPtr& other) noexcept {
    if (other.ptr_) other.ptr_->AddRef();  // first, in case other holds the same object
    reset(other.ptr_);
    return *this;
  }
  ComPtr(ComPtr&& other) noexcept : ptr_(other.release()) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }

  T* get() const noexcept { return ptr_; }
  T* operator->() const noexcept { return ptr_; }
  explicit operator bool() const noexcept { return ptr_ != nullptr; }

  // Releases the held reference (if any) and adopts `adopted` without AddRef.
  void reset(T* adopted = nullptr) noexcept {
    T* old = std::exchange(ptr_, adopted);
    if (old) old->Release();
  }
  // Gives up the reference without releasing it; the caller now owns it.
  [[nodiscard]] T* release() noexcept { return std::exchange(ptr_, nullptr); }
  // Releases the held reference first, so filling the out-parameter cannot leak.
  T** put() noexcept {
    reset();
    return &ptr_;
  }
  // The same, for factory functions that take a void** out-parameter.
  void** put_void() noexcept { return reinterpret_cast<void**>(put()); }

 private:
  T* ptr_ = nullptr;
};
