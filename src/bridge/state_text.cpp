#include "bridge/state_text.h"

#include <string>

namespace {

constexpr int kButtonRecordSize = 128;  // rgbButtons holds 128 bytes
constexpr int kFirstButtonReference = 7;
constexpr std::uint8_t kPressedBit = 0x80;

// "%d" of a signed 32-bit number, as wide text (ASCII only).
WideString Decimal(std::int32_t value) {
  const std::string narrow = std::to_string(value);
  return WideString(narrow.begin(), narrow.end());
}

void AppendLine(WideString& text, const char16_t* key, std::int32_t value) {
  text += key;
  text += Decimal(value);
  text += u"\r\n";
}

}  // namespace

std::int32_t ApplyDeadZone(std::int32_t value, std::int32_t margin) {
  // Widened so that -margin is defined for every int32 margin.
  const std::int64_t lower = -static_cast<std::int64_t>(margin);
  if (value < lower || value > margin) return value;
  return 0;
}

int ButtonCode(std::uint8_t previous, std::uint8_t current) {
  const bool was = (previous & kPressedBit) != 0;
  const bool is = (current & kPressedBit) != 0;
  if (!was) return is ? 1 : 0;
  return is ? 2 : 3;
}

WideString ComposeStateText(const DIJOYSTATE2& current, const DIJOYSTATE2& previous,
                            std::int32_t margin, std::int32_t buttonnum) {
  WideString text = u"NOTIFY SSTP/1.0\r\nSender: Tesmir\r\nEvent: OnTesmirState\r\n";
  AppendLine(text, u"Reference0: ", ApplyDeadZone(current.lX, margin));
  AppendLine(text, u"Reference1: ", ApplyDeadZone(current.lY, margin));
  AppendLine(text, u"Reference2: ", ApplyDeadZone(current.lZ, margin));
  AppendLine(text, u"Reference3: ", ApplyDeadZone(current.lRx, margin));
  AppendLine(text, u"Reference4: ", ApplyDeadZone(current.lRy, margin));
  AppendLine(text, u"Reference5: ", ApplyDeadZone(current.lRz, margin));
  AppendLine(text, u"Reference6: ", static_cast<std::int32_t>(current.rgdwPOV[0]));

  // The record has 128 button bytes; a larger count must not read past them.
  const int buttons = buttonnum < kButtonRecordSize ? buttonnum : kButtonRecordSize;
  for (int i = 0; i < buttons; ++i) {
    text += u"Reference";
    text += Decimal(i + kFirstButtonReference);
    text += u": ";
    text += Decimal(ButtonCode(previous.rgbButtons[i], current.rgbButtons[i]));
    text += u"\r\n";
  }
  text += u"Charset: UTF-8\r\n\r\n";
  return text;
}
