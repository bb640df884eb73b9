// A DLL that imports dinput8.dll the way Tesmir.dll does, so a test can check
// which dinput8.dll its import binds to when the test loaded one first.
#include "input/ydinput8.h"

// Opens a controller set, answers how many controllers it found, releases it.
extern "C" __declspec(dllexport) int client_open_count() {
  CYDInput8 set;
  set.Open(nullptr);
  return set.deviceCount();
}
