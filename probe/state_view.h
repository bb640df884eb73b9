#pragma once
// Turns a decoded controller state into text a person reads: one line per
// change for logs and pipes, or a small panel redrawn in place on a console.
#include <string>
#include <vector>

#include "state_notification.h"

// The hat as a compass direction: "centred" when the low 16 bits are all set
// (-1, 65535: how DirectInput reports a centred hat), otherwise the nearest of
// N NE E SE S SW W NW with the angle in degrees ("NE 45deg"); values outside
// 0..35999 read "invalid (value)".
std::string HatDirection(std::int32_t hat);

// The buttons that are not idle, grouped: "pressed 0 4  held 1  released 2",
// or "no buttons down" when none is.
std::string ButtonSummary(const std::vector<ButtonPhase>& buttons);

// One line (no newline) for the state: the six axes aligned, the hat, the buttons.
std::string FormatStateLine(const ControllerState& state);

// The console panel: a title with the notification count, one line per axis
// with a bar, the hat and the buttons. Every line has the same width, so a
// redraw overwrites the previous one completely.
std::vector<std::string> FormatStatePanel(const ControllerState& state, unsigned long notifications);
