#pragma once
// Draws the console view on a thread of its own, at most every 100 ms, so a
// slow console never holds up the window thread that the module's polling
// thread is waiting on while it delivers a notification.
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

#include "console_output.h"
#include "state_notification.h"

class PanelPainter {
 public:
  PanelPainter();
  // Stops the drawing thread (flag under the lock, then join) and draws the
  // last state once more, so it stays on screen.
  ~PanelPainter();
  PanelPainter(const PanelPainter&) = delete;
  PanelPainter& operator=(const PanelPainter&) = delete;

  // Records the newest state; cheap, called for each notification.
  void Update(const ControllerState& state, unsigned long notifications);

 private:
  void DrawLoop();
  void DrawIfChanged(std::unique_lock<std::mutex>& lock);

  std::mutex mutex_;
  std::condition_variable wake_;
  bool stopping_ = false;
  std::optional<ControllerState> state_;
  unsigned long notifications_ = 0;
  unsigned long drawnNotifications_ = 0;
  ConsolePanel panel_;  // used by one thread at a time: the drawer, then the destructor
  std::thread drawer_;
};
