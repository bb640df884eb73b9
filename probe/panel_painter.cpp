#include "panel_painter.h"

#include <chrono>

#include "state_view.h"

namespace {
// A person cannot read faster, and fewer redraws leave the console idle.
constexpr std::chrono::milliseconds kRedrawInterval(100);
}  // namespace

PanelPainter::PanelPainter() : drawer_([this] { DrawLoop(); }) {}

PanelPainter::~PanelPainter() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_one();
  drawer_.join();
  std::unique_lock<std::mutex> lock(mutex_);
  DrawIfChanged(lock);
}

void PanelPainter::Update(const ControllerState& state, unsigned long notifications) {
  std::lock_guard<std::mutex> lock(mutex_);
  state_ = state;
  notifications_ = notifications;
}

void PanelPainter::DrawLoop() {
  std::unique_lock<std::mutex> lock(mutex_);
  while (!stopping_) {
    DrawIfChanged(lock);
    wake_.wait_for(lock, kRedrawInterval, [this] { return stopping_; });
  }
}

void PanelPainter::DrawIfChanged(std::unique_lock<std::mutex>& lock) {
  if (!state_ || notifications_ == drawnNotifications_) return;
  drawnNotifications_ = notifications_;
  const auto lines = FormatStatePanel(*state_, notifications_);
  // Drawing can be slow; the window thread must not wait on it for Update.
  lock.unlock();
  panel_.Draw(lines);
  lock.lock();
}
