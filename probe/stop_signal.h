#pragma once
// Turns Ctrl+C, Ctrl+Break and closing the console into an event the main
// loop waits on, so the watch can stop and unload the module cleanly.
#include <windows.h>

#include "frame/win32_owners.h"

class StopSignal {
 public:
  // Installs the console handler; only one StopSignal may exist at a time.
  StopSignal();
  ~StopSignal();
  StopSignal(const StopSignal&) = delete;
  StopSignal& operator=(const StopSignal&) = delete;

  HANDLE event() const { return event_.get(); }

 private:
  UniqueHandle event_;
};
