#pragma once
// Spacing of the polling thread's frames on a millisecond clock that wraps at
// 2^32.
#include <cstdint>

// The clock and sleep the pacer runs on; the polling thread passes the
// multimedia timer, tests pass a scripted clock.
class FrameClock {
 public:
  virtual ~FrameClock() = default;
  virtual std::uint32_t NowMs() = 0;
  virtual void SleepMs(std::uint32_t milliseconds) = 0;
};

struct FramePacer {
  explicit FramePacer(FrameClock& clock) : clock(clock) {}

  // Marks the start of a frame at the clock's current time.
  void StartFrame() { frameStart = clock.NowMs(); }

  // Returns once at least framePeriod has passed since frameStart, sleeping in
  // 1 ms steps. Elapsed time is the unsigned 32-bit difference, so it stays
  // right across the clock's wrap; a late frame returns at once (no catching up).
  void WaitForNextFrame();

  FrameClock& clock;
  std::uint32_t frameStart = 0;
  float framePeriod = 1000.0f / 30;  // 33.333332 ms: frames end up >= 34 ms apart
};
