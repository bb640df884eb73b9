// Sending one frame's state to the host window.
#include <windows.h>

#include <vector>

#include "bridge/saori_di.h"
#include "bridge/state_text.h"
#include "message/charset.h"

namespace {

constexpr ULONG_PTR kNotificationTag = 9801;  // dwData the host recognises the message by
constexpr UINT kSendTimeoutMs = 1000;          // a slow host holds the polling this long at most

// Sends the text as UTF-8 in a WM_COPYDATA message; nothing is reported back.
void DeliverNotification(HWND window, const WideString& text) {
  const ByteString bytes = WideToMultiByte(text, kCodepageUtf8);
  std::vector<char> buffer(bytes.begin(), bytes.end());
  buffer.push_back('\0');

  COPYDATASTRUCT envelope = {};
  envelope.dwData = kNotificationTag;
  envelope.cbData = static_cast<DWORD>(buffer.size());
  envelope.lpData = buffer.data();

  if (!::IsWindow(window)) return;  // the host closed it; later frames test it again
  DWORD_PTR ignoredReply = 0;
  // wParam is the target itself: the module has no window of its own. The
  // outcome does not matter: the next frame sends the next state anyway.
  ::SendMessageTimeoutA(window, WM_COPYDATA, reinterpret_cast<WPARAM>(window),
                        reinterpret_cast<LPARAM>(&envelope), SMTO_ABORTIFHUNG, kSendTimeoutMs,
                        &ignoredReply);
}

}  // namespace

void CSAORIDi::NotifyState(const DIJOYSTATE2& current, const DIJOYSTATE2& previous) {
  const std::int32_t frameMargin = margin.load(std::memory_order_relaxed);
  const WideString text = ComposeStateText(current, previous, frameMargin, buttonnum);
  if (windowHandles) DeliverNotification(windowHandles[0], text);
}
