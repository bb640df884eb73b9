#include "bridge/state_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

DIJOYSTATE2 Blank() {
  DIJOYSTATE2 state;
  std::memset(&state, 0, sizeof(state));
  return state;
}

std::string Narrow(const WideString& text) {
  std::string out;
  for (char16_t unit : text) {
    EXPECT_LT(unit, 0x80) << "notification text is ASCII";
    out += static_cast<char>(unit);
  }
  return out;
}

TEST(ComposeStateText, WorkedExampleIsByteExact) {
  DIJOYSTATE2 current = Blank();
  current.lX = 500;
  current.lY = -150;
  current.lZ = 0;
  current.lRx = -1000;
  current.lRy = 201;
  current.lRz = -200;
  current.rgdwPOV[0] = 0xFFFFFFFFu;
  current.rgbButtons[0] = 0x80;
  current.rgbButtons[1] = 0x80;
  DIJOYSTATE2 previous = Blank();
  previous.rgbButtons[1] = 0x80;
  previous.rgbButtons[2] = 0x80;

  const std::string text = Narrow(ComposeStateText(current, previous, 200, 4));
  EXPECT_EQ(text,
            "NOTIFY SSTP/1.0\r\nSender: Tesmir\r\nEvent: OnTesmirState\r\n"
            "Reference0: 500\r\nReference1: 0\r\nReference2: 0\r\nReference3: -1000\r\n"
            "Reference4: 201\r\nReference5: 0\r\nReference6: -1\r\n"
            "Reference7: 1\r\nReference8: 2\r\nReference9: 3\r\nReference10: 0\r\n"
            "Charset: UTF-8\r\n\r\n");
  EXPECT_EQ(text.size(), 248u);
}

TEST(ComposeStateText, NoButtonLinesForZeroOrNegativeCount) {
  const DIJOYSTATE2 zero = Blank();
  const std::string expected =
      "NOTIFY SSTP/1.0\r\nSender: Tesmir\r\nEvent: OnTesmirState\r\n"
      "Reference0: 0\r\nReference1: 0\r\nReference2: 0\r\nReference3: 0\r\n"
      "Reference4: 0\r\nReference5: 0\r\nReference6: 0\r\n"
      "Charset: UTF-8\r\n\r\n";
  EXPECT_EQ(Narrow(ComposeStateText(zero, zero, 200, 0)), expected);
  EXPECT_EQ(expected.size(), 178u);
  EXPECT_EQ(Narrow(ComposeStateText(zero, zero, 200, -1)), expected);
}

TEST(ComposeStateText, AllButtonsAtFullCountAndNoMoreBeyondIt) {
  DIJOYSTATE2 current = Blank();
  DIJOYSTATE2 previous = Blank();
  current.rgbButtons[127] = 0x80;  // the last byte: "just pressed"
  previous.rgbButtons[0] = 0x80;   // the first byte: "just released"
  const std::string text = Narrow(ComposeStateText(current, previous, 200, 128));
  EXPECT_NE(text.find("\r\nReference7: 3\r\nReference8: 0\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\nReference134: 1\r\nCharset: UTF-8\r\n\r\n"), std::string::npos);
  EXPECT_EQ(text.find("Reference135"), std::string::npos);
  // A count beyond the record's 128 buttons must not read past rgbButtons.
  EXPECT_EQ(Narrow(ComposeStateText(current, previous, 200, 1000)), text);
}

TEST(ComposeStateText, HatIsSignedAndNeverDeadZoned) {
  DIJOYSTATE2 state = Blank();
  state.rgdwPOV[0] = 100;  // inside the margin, yet reported as is
  EXPECT_NE(Narrow(ComposeStateText(state, state, 200, 0)).find("Reference6: 100\r\n"),
            std::string::npos);
  state.rgdwPOV[0] = 0xFFFFFFFFu;  // centred hat
  EXPECT_NE(Narrow(ComposeStateText(state, state, 1000, 0)).find("Reference6: -1\r\n"),
            std::string::npos);
}

TEST(ComposeStateText, OneMarginForAllSixAxes) {
  DIJOYSTATE2 state = Blank();
  state.lX = state.lY = state.lZ = state.lRx = state.lRy = state.lRz = 300;
  const std::string text = Narrow(ComposeStateText(state, state, 300, 0));
  for (int axis = 0; axis < 6; ++axis) {
    SCOPED_TRACE(axis);
    EXPECT_NE(text.find("Reference" + std::to_string(axis) + ": 0\r\n"), std::string::npos);
  }
}

struct DeadZoneCase {
  std::int32_t value;
  std::int32_t margin;
  std::int32_t expected;
  const char* what;
};

TEST(ApplyDeadZone, BoundsBelongToTheZone) {
  const DeadZoneCase cases[] = {
      {200, 200, 0, "upper bound"},
      {-200, 200, 0, "lower bound"},
      {201, 200, 201, "just above, not rescaled"},
      {-201, 200, -201, "just below, not rescaled"},
      {0, 0, 0, "margin 0 keeps exact 0 at 0"},
      {1, 0, 1, "margin 0 passes 1"},
      {-1, 0, -1, "margin 0 passes -1"},
      {1000, 1000, 0, "margin 1000 silences the full range"},
      {-1000, 1000, 0, "margin 1000 silences the full range"},
      {INT32_MIN, 1000, INT32_MIN, "extreme value"},
      {5, INT32_MAX, 0, "extreme margin"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(ApplyDeadZone(c.value, c.margin), c.expected);
  }
}

TEST(ButtonCode, OnlyTheHighBitCounts) {
  struct Case {
    std::uint8_t previous, current;
    int expected;
  };
  const Case cases[] = {
      {0x00, 0x00, 0}, {0x00, 0x80, 1}, {0x80, 0x80, 2}, {0x80, 0x00, 3},
      {0x7F, 0x7F, 0}, {0x7F, 0xFF, 1}, {0xFF, 0x81, 2}, {0xC0, 0x40, 3},
      {0x01, 0x00, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << int{c.previous} << " -> " << int{c.current});
    EXPECT_EQ(ButtonCode(c.previous, c.current), c.expected);
  }
}

}  // namespace
