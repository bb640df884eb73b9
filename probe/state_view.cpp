#include "state_view.h"

#include <cstdio>

namespace {

const char* const kAxisNames[6] = {"X", "Y", "Z", "Rx", "Ry", "Rz"};
constexpr std::int32_t kAxisLimit = 1000;   // the module reports axes in -1000..1000
constexpr std::int32_t kFullCircle = 36000;  // hats count hundredths of a degree
constexpr int kBarHalfWidth = 10;
constexpr std::size_t kPanelWidth = 60;

template <typename... Values>
std::string Format(const char* format, Values... values) {
  char buffer[96];
  std::snprintf(buffer, sizeof buffer, format, values...);
  return buffer;
}

// "[.....#####|..........]": filled from the centre towards the value's side.
std::string AxisBar(std::int32_t value) {
  long long clamped = value;
  if (clamped > kAxisLimit) clamped = kAxisLimit;
  if (clamped < -kAxisLimit) clamped = -kAxisLimit;
  const long long filled = (clamped < 0 ? -clamped : clamped) * kBarHalfWidth / kAxisLimit;
  std::string left(kBarHalfWidth, '.');
  std::string right(kBarHalfWidth, '.');
  for (long long i = 0; i < filled; ++i) {
    if (clamped < 0) {
      left[static_cast<std::size_t>(kBarHalfWidth - 1 - i)] = '#';
    } else {
      right[static_cast<std::size_t>(i)] = '#';
    }
  }
  return "[" + left + "|" + right + "]";
}

std::string PadTo(std::string line, std::size_t width) {
  if (line.size() < width) line.append(width - line.size(), ' ');
  return line;
}

}  // namespace

std::string HatDirection(std::int32_t hat) {
  if ((static_cast<std::uint32_t>(hat) & 0xFFFFu) == 0xFFFFu) return "centred";
  if (hat < 0 || hat >= kFullCircle) return Format("invalid (%ld)", static_cast<long>(hat));
  static const char* const kDirections[8] = {"N", "NE", "E", "SE", "S", "SW", "W", "NW"};
  const int sector = ((hat + kFullCircle / 16) / (kFullCircle / 8)) % 8;  // nearest 45 degrees
  std::string degrees = Format("%ld", static_cast<long>(hat / 100));
  if (hat % 100 != 0) degrees += Format(".%02ld", static_cast<long>(hat % 100));
  return std::string(kDirections[sector]) + " " + degrees + "deg";
}

std::string ButtonSummary(const std::vector<ButtonPhase>& buttons) {
  const struct {
    ButtonPhase phase;
    const char* word;
  } kGroups[] = {{ButtonPhase::kJustPressed, "pressed"},
                 {ButtonPhase::kHeld, "held"},
                 {ButtonPhase::kJustReleased, "released"}};
  std::string summary;
  for (const auto& group : kGroups) {
    std::string numbers;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
      if (buttons[i] == group.phase) numbers += " " + std::to_string(i);
    }
    if (numbers.empty()) continue;
    if (!summary.empty()) summary += "  ";
    summary += group.word + numbers;
  }
  return summary.empty() ? "no buttons down" : summary;
}

std::string FormatStateLine(const ControllerState& state) {
  std::string line;
  for (std::size_t i = 0; i < state.axes.size(); ++i) {
    line += Format("%s %5ld  ", kAxisNames[i], static_cast<long>(state.axes[i]));
  }
  return line + "hat " + PadTo(HatDirection(state.hat), 12) + "  " + ButtonSummary(state.buttons);
}

std::vector<std::string> FormatStatePanel(const ControllerState& state, unsigned long notifications) {
  std::vector<std::string> panel;
  panel.push_back(Format("Tesmir state  (notifications: %lu, Ctrl+C to stop)", notifications));
  for (std::size_t i = 0; i < state.axes.size(); ++i) {
    panel.push_back(Format("%-3s%6ld ", kAxisNames[i], static_cast<long>(state.axes[i])) + AxisBar(state.axes[i]));
  }
  panel.push_back("hat      " + HatDirection(state.hat));
  panel.push_back("buttons  " + ButtonSummary(state.buttons));
  for (std::string& line : panel) line = PadTo(line, kPanelWidth);
  return panel;
}
