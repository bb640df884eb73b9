// Timeline text format, one state per line:
//
//   <at_ms> [x=N] [y=N] [z=N] [rx=N] [ry=N] [rz=N] [s0=N] [s1=N] [pov=N] [buttons=I,J,...]
//   loop <period_ms>
//
// - A state line gives the complete state from at_ms (milliseconds since
//   playback started) until the next line's time. Fields left out are at rest:
//   axes and sliders 0, pov centred, no button pressed.
// - x..rz are the six axes (the controller set scales them to -1000..1000),
//   s0 and s1 the sliders, pov the first hat in hundredths of a degree (-1 or
//   "center" for centred), buttons the 0-based indices (0..127) held down.
// - Times must not decrease. Before the first line's time the state is at rest.
// - "loop P" (at most once, P > 0) restarts playback every P milliseconds.
// - Keys are case-insensitive; fields are separated by spaces or tabs; blank
//   lines and lines starting with '#' are skipped. Numbers are signed decimal.
#include "support/virtual_timeline.h"

#include <charconv>
#include <cstring>

namespace {

constexpr DWORD kCentredPov = 0xFFFFFFFFu;  // how DirectInput reports a centred hat
constexpr int kButtonCount = 128;
constexpr BYTE kPressed = 0x80;

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

bool ParseInt(std::string_view text, long long min, long long max, long long& value) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  const char* end = text.data() + text.size();
  auto [stop, error] = std::from_chars(text.data(), end, value);
  return !text.empty() && error == std::errc() && stop == end && value >= min && value <= max;
}

std::vector<std::string_view> SplitFields(std::string_view line) {
  std::vector<std::string_view> fields;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    size_t start = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
    if (i > start) fields.push_back(line.substr(start, i - start));
  }
  return fields;
}

bool ParseButtons(std::string_view list, DIJOYSTATE2& state) {
  while (!list.empty()) {
    size_t comma = list.find(',');
    long long index = 0;
    if (!ParseInt(list.substr(0, comma), 0, kButtonCount - 1, index)) return false;
    state.rgbButtons[index] = kPressed;
    if (comma == std::string_view::npos) break;
    list.remove_prefix(comma + 1);
    if (list.empty()) return false;  // trailing comma
  }
  return true;
}

// Applies one key=value field to the state; false names the field as malformed.
bool ApplyField(std::string_view field, DIJOYSTATE2& state) {
  size_t equals = field.find('=');
  if (equals == std::string_view::npos) return false;
  std::string key = Lower(field.substr(0, equals));
  std::string_view value = field.substr(equals + 1);
  if (key == "buttons") return ParseButtons(value, state);
  if (key == "pov") {
    if (Lower(value) == "center") {
      state.rgdwPOV[0] = kCentredPov;
      return true;
    }
    long long pov = 0;
    if (!ParseInt(value, -1, 35999, pov)) return false;
    state.rgdwPOV[0] = pov < 0 ? kCentredPov : static_cast<DWORD>(pov);
    return true;
  }
  LONG* const targets[] = {&state.lX, &state.lY, &state.lZ, &state.lRx, &state.lRy,
                           &state.lRz, &state.rglSlider[0], &state.rglSlider[1]};
  const char* const names[] = {"x", "y", "z", "rx", "ry", "rz", "s0", "s1"};
  for (size_t i = 0; i < 8; ++i) {
    if (key != names[i]) continue;
    long long number = 0;
    if (!ParseInt(value, INT32_MIN, INT32_MAX, number)) return false;
    *targets[i] = static_cast<LONG>(number);
    return true;
  }
  return false;
}

}  // namespace

DIJOYSTATE2 RestState() {
  DIJOYSTATE2 state;
  std::memset(&state, 0, sizeof state);
  for (DWORD& pov : state.rgdwPOV) pov = kCentredPov;
  return state;
}

TimelineParse ParseTimeline(std::string_view text) {
  TimelineParse result;
  bool sawLoop = false;
  int lineNumber = 0;
  auto fail = [&](const char* why) {
    result.ok = false;
    result.errorLine = lineNumber;
    result.error = why;
    result.timeline = {};
    return result;
  };
  while (!text.empty()) {
    ++lineNumber;
    size_t newline = text.find('\n');
    std::string_view line = text.substr(0, newline);
    text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

    std::vector<std::string_view> fields = SplitFields(line);
    if (fields.empty() || fields[0].front() == '#') continue;
    if (Lower(fields[0]) == "loop") {
      long long period = 0;
      if (sawLoop) return fail("second loop line");
      if (fields.size() != 2 || !ParseInt(fields[1], 1, UINT32_MAX, period)) {
        return fail("loop needs one positive period in ms");
      }
      result.timeline.loopMs = static_cast<std::uint32_t>(period);
      sawLoop = true;
      continue;
    }
    long long at = 0;
    if (!ParseInt(fields[0], 0, UINT32_MAX, at)) return fail("line must start with a time in ms");
    if (!result.timeline.steps.empty() && at < result.timeline.steps.back().atMs) {
      return fail("time goes backwards");
    }
    TimelineStep step{static_cast<std::uint32_t>(at), RestState()};
    for (size_t i = 1; i < fields.size(); ++i) {
      if (!ApplyField(fields[i], step.state)) return fail("malformed field");
    }
    result.timeline.steps.push_back(step);
  }
  result.ok = true;
  return result;
}

DIJOYSTATE2 TimelineStateAt(const Timeline& timeline, std::uint32_t elapsedMs) {
  if (timeline.loopMs != 0) elapsedMs %= timeline.loopMs;
  DIJOYSTATE2 state = RestState();
  for (const TimelineStep& step : timeline.steps) {
    if (step.atMs > elapsedMs) break;
    state = step.state;
  }
  return state;
}
