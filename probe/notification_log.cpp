#include "notification_log.h"

#include <cstdio>

#include "state_view.h"
#include "visible_text.h"

namespace {

std::string TimeStamp(double seconds) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "[%7.3fs] ", seconds);
  return buffer;
}

}  // namespace

std::string NotificationLog::Take(const std::string& text, double seconds) {
  ++received_;
  const std::optional<ControllerState> state = DecodeStateNotification(text);
  if (state) latest_ = state;
  if (!raw_ && state) {
    lastText_.reset();
    if (lastShownState_ && *lastShownState_ == *state) return "";
    lastShownState_ = state;
    ++shown_;
    return TimeStamp(seconds) + FormatStateLine(*state) + "\n";
  }
  // Raw text, or a text that is not a state: shown when it differs from the last.
  if (lastText_ && *lastText_ == text) return "";
  lastText_ = text;
  lastShownState_.reset();
  ++shown_;
  const char* heading = state ? "notification:\n" : "unreadable notification:\n";
  return TimeStamp(seconds) + heading + MakeLineEndsVisible(text);
}
