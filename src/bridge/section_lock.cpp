#include "bridge/section_lock.h"

namespace {

constexpr DWORD kSpinCount = 1500;
// OSVERSIONINFOW's size; GetVersionExW checks it before filling the structure.
constexpr DWORD kVersionInfoSize = 276;
static_assert(sizeof(OSVERSIONINFOW) == kVersionInfoSize, "OSVERSIONINFOW layout");

using InitializeExFn = BOOL(WINAPI*)(LPCRITICAL_SECTION, DWORD, DWORD);
using InitializeSpinFn = BOOL(WINAPI*)(LPCRITICAL_SECTION, DWORD);

// Filled by the first lock of the process (on the host's thread inside load)
// and only read afterwards. Looked up by name so the DLL imports neither
// initialiser and still loads where they are missing.
bool g_versionProbed = false;
InitializeExFn g_initializeEx = nullptr;
InitializeSpinFn g_initializeSpin = nullptr;

template <typename Fn>
Fn LookUpKernel32(const char* name) {
  const HMODULE kernel32 = ::GetModuleHandleA("kernel32");
  if (kernel32 == nullptr) return nullptr;
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(kernel32, name)));
}

void ProbePlatformOnce() {
  if (g_versionProbed) return;
  OSVERSIONINFOW version = {};
  version.dwOSVersionInfoSize = kVersionInfoSize;
  // On failure the major version stays 0 and only the plain initialiser is used.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  ::GetVersionExW(&version);
#pragma GCC diagnostic pop
  g_versionProbed = true;
  if (version.dwMajorVersion >= 6) {
    g_initializeEx = LookUpKernel32<InitializeExFn>("InitializeCriticalSectionEx");
  }
  if (version.dwMajorVersion >= 5) {
    g_initializeSpin = LookUpKernel32<InitializeSpinFn>("InitializeCriticalSectionAndSpinCount");
  }
}

}  // namespace

CSectionLock::CSectionLock() : section(), ready(false) {
  ProbePlatformOnce();
  BOOL initialised;
  if (g_initializeEx != nullptr) {
    initialised = g_initializeEx(&section, kSpinCount, CRITICAL_SECTION_NO_DEBUG_INFO);
  } else if (g_initializeSpin != nullptr) {
    initialised = g_initializeSpin(&section, kSpinCount);
  } else {
    ::InitializeCriticalSection(&section);
    initialised = TRUE;
  }
  ready = initialised != FALSE;
}

CSectionLock::~CSectionLock() {
  if (ready) ::DeleteCriticalSection(&section);
}

void CSectionLock::Lock() {
  if (ready) ::EnterCriticalSection(&section);
}

void CSectionLock::Unlock() {
  if (ready) ::LeaveCriticalSection(&section);
}
