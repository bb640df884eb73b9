// The virtual controller's timeline: the text format, and playback through the
// controller set as the polling thread would drive it.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "input/controller_set_fixture.h"
#include "support/virtual_timeline.h"

namespace {

TEST(TimelineParse, ReadsEveryFieldOfAStateLine) {
  TimelineParse parsed = ParseTimeline(
      "# demo\r\n"
      "\n"
      "  250\tX=500 y=-300 z=1 rx=2 ry=3 RZ=-4 s0=5 s1=6 pov=9000 buttons=0,3,127\n"
      "loop 1000\n");
  ASSERT_TRUE(parsed.ok) << parsed.errorLine << ": " << parsed.error;
  ASSERT_EQ(parsed.timeline.steps.size(), 1u);
  EXPECT_EQ(parsed.timeline.loopMs, 1000u);
  const TimelineStep& step = parsed.timeline.steps[0];
  EXPECT_EQ(step.atMs, 250u);
  const DIJOYSTATE2& s = step.state;
  EXPECT_EQ((std::vector<LONG>{s.lX, s.lY, s.lZ, s.lRx, s.lRy, s.lRz, s.rglSlider[0], s.rglSlider[1]}),
            (std::vector<LONG>{500, -300, 1, 2, 3, -4, 5, 6}));
  EXPECT_EQ(s.rgdwPOV[0], 9000u);
  EXPECT_EQ(s.rgdwPOV[1], 0xFFFFFFFFu);  // other hats centred
  for (int i = 0; i < 128; ++i) {
    EXPECT_EQ(s.rgbButtons[i], (i == 0 || i == 3 || i == 127) ? 0x80 : 0) << "button " << i;
  }
}

TEST(TimelineParse, FieldsLeftOutAreAtRest) {
  TimelineParse parsed = ParseTimeline("0 pov=center\n10\n");
  ASSERT_TRUE(parsed.ok);
  DIJOYSTATE2 rest = RestState();
  for (const TimelineStep& step : parsed.timeline.steps) EXPECT_TRUE(SameBytes(step.state, rest));
}

TEST(TimelineParse, RejectsMalformedLinesAndSaysWhere) {
  struct Case {
    const char* text;
    int line;
  } cases[] = {
      {"x=5\n", 1},                    // no time
      {"0 x=5\n10 x=\n", 2},           // empty value
      {"0 x=5\n10 w=1\n", 2},          // unknown key
      {"0 buttons=128\n", 1},          // button out of range
      {"0 buttons=1,\n", 1},           // trailing comma
      {"0 pov=36000\n", 1},            // beyond a full turn
      {"0 x=99999999999\n", 1},        // beyond 32 bits
      {"10\n5\n", 2},                  // time goes backwards
      {"loop 0\n", 1},                 // no period
      {"loop 10\nloop 20\n", 2},       // twice
      {"-1 x=1\n", 1},                 // negative time
      {"0 x5\n", 1},                   // no '='
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    TimelineParse parsed = ParseTimeline(c.text);
    EXPECT_FALSE(parsed.ok);
    EXPECT_EQ(parsed.errorLine, c.line);
    EXPECT_TRUE(parsed.timeline.steps.empty());
  }
}

TEST(TimelineStateAt, HoldsEachStateUntilTheNextAndLoops) {
  TimelineParse parsed = ParseTimeline("100 x=1\n200 x=2\nloop 300\n");
  ASSERT_TRUE(parsed.ok);
  struct Case {
    std::uint32_t at;
    LONG x;
    bool rest;
  } cases[] = {{0, 0, true}, {99, 0, true}, {100, 1, false}, {199, 1, false},
               {200, 2, false}, {299, 2, false}, {300, 0, true}, {400, 1, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.at);
    DIJOYSTATE2 state = TimelineStateAt(parsed.timeline, c.at);
    EXPECT_EQ(state.lX, c.x);
    EXPECT_EQ(SameBytes(state, RestState()), c.rest);
  }
  parsed.timeline.loopMs = 0;  // without a loop the last state stays
  EXPECT_EQ(TimelineStateAt(parsed.timeline, 100000).lX, 2);
}

// The timeline file, in the test's working folder.
constexpr char kTimelinePath[] = "input_timeline_test.txt";
constexpr wchar_t kTimelineWidePath[] = L"input_timeline_test.txt";

// Names a timeline file in the environment for the duration of a test.
class TimelinePlaybackTest : public VirtualControllerSetTest {
 protected:
  void UseTimeline(const char* text) {
    std::ofstream(kTimelinePath, std::ios::binary) << text;
    SetEnvironmentVariableW(L"TESMIR_VIRTUAL_TIMELINE", kTimelineWidePath);
  }
  void TearDown() override {
    SetEnvironmentVariableW(L"TESMIR_VIRTUAL_TIMELINE", nullptr);
    std::remove(kTimelinePath);
    VirtualControllerSetTest::TearDown();
  }
};

TEST_F(TimelinePlaybackTest, PlaysTheTimelineFromTheFirstAcquisition) {
  UseTimeline("0 x=-1000\n100 x=500 buttons=2\n300 pov=18000\n");
  vdi.SetClock(5000);
  auto set = OpenSet();
  EXPECT_EQ(vdi.TimelineSteps(), 3);
  ASSERT_EQ(set->deviceCount(), 1);
  EXPECT_STREQ(set->devices()[0].productName, L"Tesmir Virtual Pad");

  set->BeginReading();  // playback starts here, at 5000
  DIJOYSTATE2 state;
  struct Frame {
    DWORD now;
    LONG x;
    BYTE button2;
    DWORD pov;
  } frames[] = {{5000, -1000, 0, 0xFFFFFFFFu}, {5099, -1000, 0, 0xFFFFFFFFu},
                {5100, 500, 0x80, 0xFFFFFFFFu}, {5400, 0, 0, 18000}};
  for (const Frame& frame : frames) {
    SCOPED_TRACE(frame.now);
    vdi.SetClock(frame.now);
    set->ReadState(state);
    EXPECT_EQ(state.lX, frame.x);
    EXPECT_EQ(state.rgbButtons[2], frame.button2);
    EXPECT_EQ(state.rgdwPOV[0], frame.pov);
  }
}

TEST_F(TimelinePlaybackTest, BrokenTimelineFailsCreationInsteadOfPlayingNothing) {
  UseTimeline("0 x=oops\n");
  auto set = OpenSet(OpenResult::CreateFailed);
}

}  // namespace
