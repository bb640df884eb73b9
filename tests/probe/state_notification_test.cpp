// Decoding the OnTesmirState text and showing it: the worked notification,
// malformed texts that must not be shown as a state, hat directions and the
// line and panel views.
#include <gtest/gtest.h>

#include "state_notification.h"
#include "state_view.h"

namespace {

// Axes 500 0 0 -1000 201 0, hat centred, buttons just pressed, held, just released, idle.
const char kExample[] =
    "NOTIFY SSTP/1.0\r\nSender: Tesmir\r\nEvent: OnTesmirState\r\n"
    "Reference0: 500\r\nReference1: 0\r\nReference2: 0\r\nReference3: -1000\r\n"
    "Reference4: 201\r\nReference5: 0\r\nReference6: -1\r\n"
    "Reference7: 1\r\nReference8: 2\r\nReference9: 3\r\nReference10: 0\r\n"
    "Charset: UTF-8\r\n\r\n";

TEST(StateNotification, DecodesTheFullText) {
  const auto state = DecodeStateNotification(kExample);
  ASSERT_TRUE(state.has_value());
  EXPECT_EQ(state->axes, (std::array<std::int32_t, 6>{500, 0, 0, -1000, 201, 0}));
  EXPECT_EQ(state->hat, -1);
  EXPECT_EQ(state->buttons, (std::vector<ButtonPhase>{ButtonPhase::kJustPressed, ButtonPhase::kHeld,
                                                      ButtonPhase::kJustReleased, ButtonPhase::kReleased}));
}

TEST(StateNotification, AcceptsLfNoButtonsAndATrailingNul) {
  const std::string text =
      "NOTIFY SSTP/1.0\nEvent: OnTesmirState\nReference0: 1\nReference1: 2\nReference2: 3\n"
      "Reference3: 4\nReference4: 5\nReference5: -2147483648\nReference6: 9000\n\n";
  const auto state = DecodeStateNotification(text + std::string(1, '\0') + "Reference7: 1\r\n");
  ASSERT_TRUE(state.has_value());
  EXPECT_EQ(state->axes[5], INT32_MIN);
  EXPECT_EQ(state->hat, 9000);
  EXPECT_TRUE(state->buttons.empty()) << "nothing after the NUL is read";
}

TEST(StateNotification, RefusesTextsThatAreNotAState) {
  const std::string good = kExample;
  auto replaced = [&](const std::string& from, const std::string& to) {
    std::string text = good;
    text.replace(text.find(from), from.size(), to);
    return text;
  };
  const struct {
    std::string text;
    const char* why;
  } kCases[] = {
      {"", "empty"},
      {replaced("NOTIFY SSTP/1.0", "SEND SSTP/1.0"), "not a NOTIFY"},
      {replaced("OnTesmirState", "OnOther"), "another event"},
      {replaced("Event: OnTesmirState\r\n", ""), "no event"},
      {replaced("Reference6: -1\r\n", ""), "hat missing"},
      {replaced("Reference0: 500", "Reference0: 5x0"), "axis not a number"},
      {replaced("Reference0: 500", "Reference0: +500"), "plus sign"},
      {replaced("Reference0: 500", "Reference0: 2147483648"), "beyond 32 bits"},
      {replaced("Reference8: 2", "Reference8: 4"), "button code out of range"},
      {replaced("Reference8: 2", "Reference200: 2"), "more than 128 buttons"},
      {replaced("Reference8: 2", "Reference: 2"), "reference without a number"},
      {replaced("\r\nReference3", "\r\n\r\nReference3"), "empty line before the hat"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_FALSE(DecodeStateNotification(c.text).has_value());
  }
}

TEST(StateView, HatDirections) {
  const struct {
    std::int32_t hat;
    const char* shown;
  } kCases[] = {
      {-1, "centred"},         {65535, "centred"},      {0, "N 0deg"},        {4500, "NE 45deg"},
      {9000, "E 90deg"},       {13500, "SE 135deg"},    {18000, "S 180deg"},  {22500, "SW 225deg"},
      {27000, "W 270deg"},     {31500, "NW 315deg"},    {35999, "N 359.99deg"}, {2249, "N 22.49deg"},
      {2250, "NE 22.50deg"},   {36000, "invalid (36000)"}, {-2, "invalid (-2)"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.hat);
    EXPECT_EQ(HatDirection(c.hat), c.shown);
  }
}

TEST(StateView, LineShowsAxesHatAndButtonGroups) {
  const auto state = DecodeStateNotification(kExample);
  ASSERT_TRUE(state.has_value());
  EXPECT_EQ(FormatStateLine(*state),
            "X   500  Y     0  Z     0  Rx -1000  Ry   201  Rz     0  hat centred       pressed 0  held 1  released 2");
  ControllerState idle;
  idle.hat = 27000;
  idle.buttons.assign(4, ButtonPhase::kReleased);
  EXPECT_EQ(FormatStateLine(idle),
            "X     0  Y     0  Z     0  Rx     0  Ry     0  Rz     0  hat W 270deg      no buttons down");
  idle.buttons = {ButtonPhase::kHeld, ButtonPhase::kReleased, ButtonPhase::kHeld};
  EXPECT_EQ(ButtonSummary(idle.buttons), "held 0 2");
}

TEST(StateView, PanelLinesShareOneWidthAndBarsFollowTheSign) {
  ControllerState state;
  state.axes = {1000, -1000, 0, 500, -250, 99999};
  const std::vector<std::string> panel = FormatStatePanel(state, 42);
  ASSERT_EQ(panel.size(), 9u);
  EXPECT_NE(panel[0].find("notifications: 42"), std::string::npos);
  for (const std::string& line : panel) EXPECT_EQ(line.size(), panel[0].size()) << line;
  EXPECT_NE(panel[1].find("[..........|##########]"), std::string::npos) << panel[1];
  EXPECT_NE(panel[2].find("[##########|..........]"), std::string::npos) << panel[2];
  EXPECT_NE(panel[3].find("[..........|..........]"), std::string::npos) << panel[3];
  EXPECT_NE(panel[4].find("[..........|#####.....]"), std::string::npos) << panel[4];
  EXPECT_NE(panel[5].find("[........##|..........]"), std::string::npos) << panel[5];
  EXPECT_NE(panel[6].find("[..........|##########]"), std::string::npos) << "clamped: " << panel[6];
  EXPECT_EQ(panel[7].rfind("hat      centred", 0), 0u);
  EXPECT_EQ(panel[8].rfind("buttons  no buttons down", 0), 0u);
}

}  // namespace
