#include "host/notification_window.h"

#include <mmsystem.h>

#include <cstdlib>

namespace {
constexpr UINT kDestroyRequest = WM_APP + 1;
}

const wchar_t* TestWindowClass() {
  static const wchar_t* name = [] {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = &::DefWindowProcW;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"TesmirTestHostWindow";
    ::RegisterClassW(&windowClass);
    return L"TesmirTestHostWindow";
  }();
  return name;
}

HWND CreateTestWindow() {
  // Message-only: receives sent messages without needing a display.
  return ::CreateWindowExW(0, TestWindowClass(), L"host", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                           ::GetModuleHandleW(nullptr), nullptr);
}

NotificationWindow::NotificationWindow() {
  thread_ = std::thread([this] { Run(); });
  std::unique_lock<std::mutex> lock(mutex_);
  changed_.wait(lock, [this] { return created_; });
}

NotificationWindow::~NotificationWindow() {
  Destroy();
  if (thread_.joinable()) thread_.join();
}

std::string NotificationWindow::HandleText() const {
  return std::to_string(static_cast<long>(reinterpret_cast<LONG_PTR>(window_)));
}

void NotificationWindow::Destroy() {
  if (!thread_.joinable()) return;
  // Without a window the loop would never end: quit it directly.
  if (window_ == nullptr || !::PostMessageW(window_, kDestroyRequest, 0, 0)) {
    ::PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
  }
  thread_.join();
}

void NotificationWindow::Run() {
  HWND window = CreateTestWindow();
  ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProc));
  {
    std::lock_guard<std::mutex> lock(mutex_);
    window_ = window;
    threadId_ = ::GetCurrentThreadId();
    created_ = true;
  }
  changed_.notify_all();
  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
}

LRESULT CALLBACK NotificationWindow::WindowProc(HWND window, UINT message, WPARAM wParam,
                                                LPARAM lParam) {
  auto* self = reinterpret_cast<NotificationWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (message) {
    case WM_COPYDATA: {
      const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
      ReceivedCopyData record;
      record.arrivalMs = ::timeGetTime();
      record.dwData = data->dwData;
      record.cbData = data->cbData;
      record.wParam = wParam;
      record.bytes.assign(static_cast<const char*>(data->lpData), data->cbData);
      {
        std::lock_guard<std::mutex> lock(self->mutex_);
        self->received_.push_back(record);
      }
      self->changed_.notify_all();
      return TRUE;
    }
    case kDestroyRequest:
      ::DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      ::PostQuitMessage(0);
      return 0;
    default:
      return ::DefWindowProcW(window, message, wParam, lParam);
  }
}

std::vector<ReceivedCopyData> NotificationWindow::Received() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return received_;
}

std::size_t NotificationWindow::Count() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return received_.size();
}

bool NotificationWindow::WaitUntil(
    const std::function<bool(const std::vector<ReceivedCopyData>&)>& done,
    std::chrono::milliseconds timeout) const {
  std::unique_lock<std::mutex> lock(mutex_);
  return changed_.wait_for(lock, timeout, [&] { return done(received_); });
}

bool NotificationWindow::WaitForCount(std::size_t count, std::chrono::milliseconds timeout) const {
  return WaitUntil([count](const std::vector<ReceivedCopyData>& all) { return all.size() >= count; },
                   timeout);
}

int ReferenceValue(const std::string& notification, int index, int missing) {
  const std::string key = "\r\nReference" + std::to_string(index) + ": ";
  const std::size_t at = notification.find(key);
  if (at == std::string::npos) return missing;
  return std::atoi(notification.c_str() + at + key.size());
}

int ReferenceCount(const std::string& notification) {
  int count = 0;
  for (std::size_t at = notification.find("\r\nReference"); at != std::string::npos;
       at = notification.find("\r\nReference", at + 1)) {
    ++count;
  }
  return count;
}
