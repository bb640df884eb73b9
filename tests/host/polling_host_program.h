#pragma once
// Shared start of the two host programs that leave while the module polls:
// Tesmir.dll loaded, a virtual controller attached, a window notified.
#include <cstdio>

#include "host/module_host.h"
#include "host/notification_window.h"
#include "support/virtual_controller.h"

// Prints why the program fails and gives its exit code.
inline int Fail(const char* why) {
  std::fprintf(stderr, "FAILED: %s\n", why);
  return 1;
}

// Loads the module, opens the controller and starts polling into `window`;
// returns 0 once two notifications arrived, else an exit code.
inline int StartPolling(ModuleHost& host, const NotificationWindow& window) {
  if (!host.loaded()) return Fail("Tesmir.dll or its exports not found");
  VirtualController controller;
  if (!controller.available()) return Fail("the virtual dinput8.dll is not in use");
  controller.Reset();
  controller.AddController(L"Virtual Pad", L"Virtual Pad");
  if (host.Load("C:\\ghost\\") != TRUE) return Fail("load");
  if (StatusOf(host.Request(ExecuteRequest({"create", window.HandleText()})).bytes) != 204) {
    return Fail("create");
  }
  if (StatusOf(host.Request(ExecuteRequest({"start"})).bytes) != 204) return Fail("start");
  if (!window.WaitForCount(2)) return Fail("no notifications");
  return 0;
}
