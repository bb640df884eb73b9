#include "stop_signal.h"

namespace {

// The console handler runs on a thread of its own and can reach only globals.
HANDLE g_stopEvent = nullptr;

BOOL WINAPI OnConsoleControl(DWORD) {
  if (g_stopEvent != nullptr) SetEvent(g_stopEvent);
  // Handled: the process is not ended here; the main loop stops and cleans up.
  return TRUE;
}

}  // namespace

StopSignal::StopSignal() : event_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
  g_stopEvent = event_.get();
  SetConsoleCtrlHandler(&OnConsoleControl, TRUE);
}

StopSignal::~StopSignal() {
  SetConsoleCtrlHandler(&OnConsoleControl, FALSE);
  g_stopEvent = nullptr;
}
