#pragma once
// A message-only window that receives the module's WM_COPYDATA notifications
// on the thread that created it, while that thread pumps messages.
#include <windows.h>

#include <functional>
#include <string>

#include "frame/win32_owners.h"

class NotificationWindow {
 public:
  // Called on the window's thread with each WM_COPYDATA: its dwData and its
  // bytes (cbData of them, a trailing NUL included when the sender counted one).
  using Handler = std::function<void(ULONG_PTR dataType, const std::string& bytes)>;

  explicit NotificationWindow(Handler handler);
  NotificationWindow(const NotificationWindow&) = delete;
  NotificationWindow& operator=(const NotificationWindow&) = delete;
  ~NotificationWindow() = default;

  explicit operator bool() const { return static_cast<bool>(window_); }
  HWND handle() const { return window_.get(); }
  // Destroys the window now: later sends to it fail at once instead of waiting.
  void Close() { window_.reset(); }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  Handler handler_;
  UniqueHwnd window_;
};

// Why PumpMessages returned.
enum class PumpEnd { kStopRequested, kDeadline };

// Dispatches this thread's messages (and the sends of other threads to its
// windows) until the event is signalled or, unless it is INFINITE, timeoutMs
// passes.
PumpEnd PumpMessages(HANDLE stopEvent, DWORD timeoutMs);
