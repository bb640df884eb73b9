#pragma once
// Reads the OnTesmirState notification text back into numbers. Pure, so the
// decoding is tested natively.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Press state of one button as the notification codes it.
enum class ButtonPhase : int { kReleased = 0, kJustPressed = 1, kHeld = 2, kJustReleased = 3 };

// One decoded notification: Reference0..5, Reference6 and Reference7.. in order.
struct ControllerState {
  std::array<std::int32_t, 6> axes{};  // X, Y, Z, Rx, Ry, Rz after the dead zone
  std::int32_t hat = -1;               // hundredths of a degree; centred is -1
  std::vector<ButtonPhase> buttons;    // button i is Reference(7 + i)

  bool operator==(const ControllerState& other) const {
    return axes == other.axes && hat == other.hat && buttons == other.buttons;
  }
  bool operator!=(const ControllerState& other) const { return !(*this == other); }
};

// The message data type of an OnTesmirState WM_COPYDATA.
constexpr unsigned long kStateNotificationDataType = 9801;

// Decodes the text (UTF-8, CR LF or LF line ends, up to the empty line or a
// NUL). Nullopt unless it is a "NOTIFY SSTP/1.0" for Event OnTesmirState whose
// Reference0..6 are all present and every Reference is a decimal number in
// range (axes and hat signed 32-bit, buttons 0..3, at most 128 of them).
// Buttons missing between reported ones read as released.
std::optional<ControllerState> DecodeStateNotification(const std::string& text);
