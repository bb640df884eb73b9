#include "state_notification.h"

#include <climits>

namespace {

constexpr int kFirstButtonReference = 7;
constexpr int kMaxButtons = 128;

// Reads the whole text as a signed decimal number ("-1", "500"); no spaces,
// no plus sign, as the notification writes its numbers.
std::optional<long long> ReadDecimal(const std::string& text) {
  std::size_t i = (!text.empty() && text[0] == '-') ? 1 : 0;
  if (i == text.size() || text.size() - i > 10) return std::nullopt;
  long long value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
  }
  return text[0] == '-' ? -value : value;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  const std::string body = text.substr(0, text.find('\0'));
  std::size_t start = 0;
  while (start < body.size()) {
    std::size_t end = body.find('\n', start);
    if (end == std::string::npos) end = body.size();
    std::string line = body.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) break;  // the empty line ends the message
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

}  // namespace

std::optional<ControllerState> DecodeStateNotification(const std::string& text) {
  const std::vector<std::string> lines = SplitLines(text);
  if (lines.empty() || lines[0] != "NOTIFY SSTP/1.0") return std::nullopt;
  ControllerState state;
  bool isStateEvent = false;
  unsigned seenFixedReferences = 0;  // bit i set once Reference i (0..6) was read
  const std::string referenceKey = "Reference";
  for (std::size_t n = 1; n < lines.size(); ++n) {
    const std::string& line = lines[n];
    const std::size_t colon = line.find(": ");
    if (colon == std::string::npos) continue;
    const std::string key = line.substr(0, colon);
    const std::string value = line.substr(colon + 2);
    if (key == "Event") {
      isStateEvent = (value == "OnTesmirState");
      continue;
    }
    if (key.rfind(referenceKey, 0) != 0) continue;  // Sender, Charset, ...
    const auto index = ReadDecimal(key.substr(referenceKey.size()));
    const auto number = ReadDecimal(value);
    if (!index || *index < 0 || !number || *number < INT32_MIN || *number > INT32_MAX) return std::nullopt;
    if (*index < kFirstButtonReference) {
      if (*index < 6) {
        state.axes[static_cast<std::size_t>(*index)] = static_cast<std::int32_t>(*number);
      } else {
        state.hat = static_cast<std::int32_t>(*number);
      }
      seenFixedReferences |= 1u << *index;
      continue;
    }
    const long long button = *index - kFirstButtonReference;
    if (button >= kMaxButtons || *number < 0 || *number > 3) return std::nullopt;
    if (state.buttons.size() <= static_cast<std::size_t>(button)) {
      state.buttons.resize(static_cast<std::size_t>(button) + 1, ButtonPhase::kReleased);
    }
    state.buttons[static_cast<std::size_t>(button)] = static_cast<ButtonPhase>(*number);
  }
  if (!isStateEvent || seenFixedReferences != 0x7Fu) return std::nullopt;
  return state;
}
