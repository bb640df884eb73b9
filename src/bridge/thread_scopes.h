#pragma once
// Scope owners for the per-thread settings the polling thread holds for its
// whole life. Each undoes its setting exactly once: at end(), or on
// destruction when the scope is left early (for example by an exception).
#include <windows.h>

// A COM single-threaded apartment for the calling thread.
class [[nodiscard]] ComApartmentScope {
 public:
  // The result is not checked: the controller reads work either way, and the
  // matching CoUninitialize is required whenever the call succeeded.
  ComApartmentScope();
  ~ComApartmentScope() { end(); }
  ComApartmentScope(const ComApartmentScope&) = delete;
  ComApartmentScope& operator=(const ComApartmentScope&) = delete;
  void end();

 private:
  bool active_ = true;
};

// The multimedia timer at 1 ms resolution, so Sleep(1) and timeGetTime() are
// accurate to the millisecond.
class [[nodiscard]] TimerResolutionScope {
 public:
  TimerResolutionScope();
  ~TimerResolutionScope() { end(); }
  TimerResolutionScope(const TimerResolutionScope&) = delete;
  TimerResolutionScope& operator=(const TimerResolutionScope&) = delete;
  void end();

 private:
  bool active_ = true;
};
