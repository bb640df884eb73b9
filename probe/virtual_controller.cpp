#include "virtual_controller.h"

#include <windows.h>

#include "text_codec.h"

namespace {

// The variable the virtual dinput8.dll reads for its timeline.
constexpr wchar_t kTimelineVariable[] = L"TESMIR_VIRTUAL_TIMELINE";
// Present only in the virtual dinput8.dll: the number of timeline steps loaded.
constexpr char kTimelineStepsExport[] = "vdi_timeline_steps";

const char kLoadHint[] =
    "put the test dinput8.dll (target virtual_dinput8) beside the module and, under wine, "
    "set WINEDLLOVERRIDES=dinput8=n,b (TESMIR_WINE_OVERRIDES=dinput8=n,b with build/win32/wine-run)";

}  // namespace

bool SelectVirtualTimeline(const std::string& pathUtf8, std::string& error) {
  const std::wstring path = WideFromUtf8(pathUtf8);
  // Absolute, so the timeline is found whatever folder the DLL resolves it from.
  wchar_t full[MAX_PATH];
  const DWORD length = GetFullPathNameW(path.c_str(), MAX_PATH, full, nullptr);
  if (length == 0 || length >= MAX_PATH ||
      GetFileAttributesW(full) == INVALID_FILE_ATTRIBUTES ||
      (GetFileAttributesW(full) & FILE_ATTRIBUTE_DIRECTORY)) {
    error = "timeline file not found: " + pathUtf8;
    return false;
  }
  SetEnvironmentVariableW(kTimelineVariable, full);
  return true;
}

std::string VirtualControllerProblem() {
  const HMODULE dinput = GetModuleHandleW(L"dinput8.dll");
  if (dinput == nullptr) return "--virtual: the module has not loaded dinput8.dll at all";
  using StepsFn = int (*)();
  const auto steps = reinterpret_cast<StepsFn>(reinterpret_cast<void*>(GetProcAddress(dinput, kTimelineStepsExport)));
  if (steps == nullptr) return std::string("--virtual: the system's dinput8.dll was loaded, not the virtual controller: ") + kLoadHint;
  if (steps() == 0) return "--virtual: the virtual controller plays no timeline (is the file empty?)";
  return "";
}
