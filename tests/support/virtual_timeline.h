#pragma once
// A scripted sequence of controller states over time, for playing back presses
// and stick movements without hardware. The text format is described at the top
// of virtual_timeline.cpp.
#include "input/joy_state.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct TimelineStep {
  std::uint32_t atMs;
  DIJOYSTATE2 state;
};

struct Timeline {
  std::vector<TimelineStep> steps;  // times never decrease
  std::uint32_t loopMs = 0;         // 0: the last state holds for ever
};

struct TimelineParse {
  bool ok = false;
  Timeline timeline;
  int errorLine = 0;  // 1-based line of the first error, when !ok
  std::string error;
};

// Parses the whole text; on the first malformed line stops and says where.
TimelineParse ParseTimeline(std::string_view text);

// The state at rest: axes and sliders 0, every hat centred, no button pressed.
DIJOYSTATE2 RestState();

// The state in effect `elapsedMs` after playback started: that of the last step
// whose time has come, the rest state before the first step.
DIJOYSTATE2 TimelineStateAt(const Timeline& timeline, std::uint32_t elapsedMs);
