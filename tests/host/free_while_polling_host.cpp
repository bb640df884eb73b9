// A host that frees the library while the module polls, then exits. The
// library must stay mapped under the running thread, and the process must
// end promptly with exit code 0.
#include "host/polling_host_program.h"

int main() {
  NotificationWindow window;
  ModuleHost host(L"Tesmir.dll");
  if (int failed = StartPolling(host, window)) return failed;

  host.FreeNow();  // no unload: the host simply lets go of the library
  if (::GetModuleHandleW(L"Tesmir.dll") == nullptr) return Fail("unmapped under its thread");
  const std::size_t delivered = window.Count();
  if (!window.WaitForCount(delivered + 2)) return Fail("the polling stopped");
  std::puts("library kept while polling; exiting");
  return 0;
}
