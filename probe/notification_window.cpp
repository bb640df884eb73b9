#include "notification_window.h"

namespace {

constexpr wchar_t kWindowClass[] = L"TesmirProbeNotifications";

bool RegisterWindowClassOnce(WNDPROC procedure) {
  WNDCLASSEXW windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kWindowClass;
  // A second registration fails with "class already exists", which is fine.
  return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

NotificationWindow::NotificationWindow(Handler handler) : handler_(std::move(handler)) {
  if (!RegisterWindowClassOnce(&NotificationWindow::WindowProc)) return;
  window_.reset(CreateWindowExW(0, kWindowClass, L"tesmir-probe", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                GetModuleHandleW(nullptr), nullptr));
  if (window_) SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

LRESULT CALLBACK NotificationWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COPYDATA) {
    auto* self = reinterpret_cast<NotificationWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (self != nullptr && data != nullptr) {
      const std::string bytes = (data->lpData != nullptr && data->cbData > 0)
                                    ? std::string(static_cast<const char*>(data->lpData), data->cbData)
                                    : std::string();
      self->handler_(data->dwData, bytes);
    }
    return TRUE;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

PumpEnd PumpMessages(HANDLE stopEvent, DWORD timeoutMs) {
  const DWORD started = GetTickCount();
  for (;;) {
    DWORD wait = INFINITE;
    if (timeoutMs != INFINITE) {
      const DWORD elapsed = GetTickCount() - started;
      if (elapsed >= timeoutMs) return PumpEnd::kDeadline;
      wait = timeoutMs - elapsed;
    }
    const DWORD woken = MsgWaitForMultipleObjects(1, &stopEvent, FALSE, wait, QS_ALLINPUT);
    if (woken == WAIT_OBJECT_0) return PumpEnd::kStopRequested;
    MSG message;
    // PeekMessage also delivers the sent messages (the notifications) waiting for this thread.
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
}
