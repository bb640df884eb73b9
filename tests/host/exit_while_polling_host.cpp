// A host that exits while the module polls, without calling unload or
// freeing the library. The process must end promptly with exit code 0.
#include "host/polling_host_program.h"

int main() {
  NotificationWindow window;
  ModuleHost host(L"Tesmir.dll");
  if (int failed = StartPolling(host, window)) return failed;
  std::puts("exiting while polling");
  std::fflush(stdout);
  ::ExitProcess(0);  // no destructors: the library is still loaded and polling
}
