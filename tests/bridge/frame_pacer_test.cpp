#include "bridge/frame_pacer.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A millisecond clock that moves only when slept on, or when a frame's own
// work is simulated.
class ScriptedClock final : public FrameClock {
 public:
  explicit ScriptedClock(std::uint32_t start) : now(start) {}
  std::uint32_t NowMs() override { return now; }
  void SleepMs(std::uint32_t milliseconds) override {
    sleeps.push_back(milliseconds);
    now += milliseconds;  // wraps like the multimedia timer
  }
  std::uint32_t now;
  std::vector<std::uint32_t> sleeps;
};

TEST(FramePacer, FramesAre34msApartAcrossTheWrap) {
  for (std::uint32_t start : {0u, 0xFFFFFFF0u, 0xFFFFFFFFu, 0xFFFFFFDEu}) {
    SCOPED_TRACE(start);
    ScriptedClock clock(start);
    FramePacer pacer(clock);
    pacer.StartFrame();
    for (int frame = 0; frame < 4; ++frame) {
      const std::uint32_t begun = pacer.frameStart;
      clock.now += 3;  // the frame's own work
      pacer.WaitForNextFrame();
      pacer.StartFrame();
      EXPECT_EQ(static_cast<std::uint32_t>(pacer.frameStart - begun), 34u);
    }
    for (std::uint32_t step : clock.sleeps) EXPECT_EQ(step, 1u);
  }
}

TEST(FramePacer, LateFrameIsNotMadeUp) {
  ScriptedClock clock(0xFFFFFF00u);
  FramePacer pacer(clock);
  pacer.StartFrame();
  clock.now += 1000;  // a send that waited its full time-out, across the wrap
  pacer.WaitForNextFrame();
  EXPECT_TRUE(clock.sleeps.empty());
  pacer.StartFrame();
  EXPECT_EQ(pacer.frameStart, 0xFFFFFF00u + 1000u);

  // The next frame gets its full period again, counted from its own start.
  pacer.WaitForNextFrame();
  EXPECT_EQ(clock.sleeps.size(), 34u);
}

TEST(FramePacer, PeriodIsThirtyPerSecondAsSinglePrecision) {
  ScriptedClock clock(0);
  FramePacer pacer(clock);
  EXPECT_EQ(pacer.framePeriod, 1000.0f / 30);
  EXPECT_GT(pacer.framePeriod, 33.0f);
  EXPECT_LT(pacer.framePeriod, 34.0f);
}

}  // namespace
