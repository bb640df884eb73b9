#pragma once
// A host window that receives the module's WM_COPYDATA notifications and
// records each one. Its message loop runs on a thread of its own, so the
// test's thread can wait on the records.
#include <windows.h>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct ReceivedCopyData {
  std::string bytes;  // cbData bytes as received, the NUL included
  ULONG_PTR dwData = 0;
  DWORD cbData = 0;
  WPARAM wParam = 0;
  DWORD arrivalMs = 0;  // timeGetTime() on arrival
};

class NotificationWindow {
 public:
  // Creates the window on a new thread and waits until it exists.
  NotificationWindow();
  // Destroys the window (if still there) and joins its thread.
  ~NotificationWindow();
  NotificationWindow(const NotificationWindow&) = delete;
  NotificationWindow& operator=(const NotificationWindow&) = delete;

  HWND handle() const { return window_; }
  // The handle as the decimal text "create" takes.
  std::string HandleText() const;

  // Destroys the window from its own thread and waits until it is gone.
  void Destroy();

  std::vector<ReceivedCopyData> Received() const;
  std::size_t Count() const;
  // Waits until `done` holds for the records; false on time-out.
  bool WaitUntil(const std::function<bool(const std::vector<ReceivedCopyData>&)>& done,
                 std::chrono::milliseconds timeout = std::chrono::seconds(10)) const;
  bool WaitForCount(std::size_t count,
                    std::chrono::milliseconds timeout = std::chrono::seconds(10)) const;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Run();

  HWND window_ = nullptr;
  DWORD threadId_ = 0;
  mutable std::mutex mutex_;
  mutable std::condition_variable changed_;
  std::vector<ReceivedCopyData> received_;
  bool created_ = false;
  std::thread thread_;
};

// Registers (once) the window class the test windows use and returns its name.
const wchar_t* TestWindowClass();
// A window of that class on the calling thread, which only that thread's
// message pumping serves.
HWND CreateTestWindow();

// The value of "ReferenceN: " in a notification, or `missing` when absent.
int ReferenceValue(const std::string& notification, int index, int missing = -9999);
// How many "Reference" lines a notification has.
int ReferenceCount(const std::string& notification);
