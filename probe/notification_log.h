#pragma once
// Decides what the watch shows for each notification that arrives: a line
// only when the state changed, so a log holds one line per change. Pure.
#include <optional>
#include <string>

#include "state_notification.h"

class NotificationLog {
 public:
  // raw: show the notification text itself (line ends visible) instead of the
  // decoded state.
  explicit NotificationLog(bool raw) : raw_(raw) {}

  // Takes one notification's text, received `seconds` after the watch started,
  // and returns what to print for it: "" when nothing changed since the last
  // one shown, otherwise one or more lines each ending in a newline.
  std::string Take(const std::string& text, double seconds);

  unsigned long received() const { return received_; }
  unsigned long shown() const { return shown_; }
  // The state of the last notification that could be decoded.
  const std::optional<ControllerState>& latest() const { return latest_; }

 private:
  bool raw_;
  unsigned long received_ = 0;
  unsigned long shown_ = 0;
  std::optional<ControllerState> latest_;
  std::optional<std::string> lastText_;  // raw mode and unreadable texts compare as text
  std::optional<ControllerState> lastShownState_;
};
