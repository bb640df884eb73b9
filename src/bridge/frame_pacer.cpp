#include "bridge/frame_pacer.h"

void FramePacer::WaitForNextFrame() {
  auto elapsed = [this] { return static_cast<float>(clock.NowMs() - frameStart); };
  while (framePeriod > elapsed()) clock.SleepMs(1);
}
