// The polling thread: start, frame loop, stop.
#include <windows.h>
#include <mmsystem.h>

#include <cstring>
#include <utility>

#include "bridge/frame_pacer.h"
#include "bridge/saori_di.h"
#include "bridge/thread_scopes.h"

namespace {

constexpr std::int32_t kStatusNoContent = 204;
constexpr std::int32_t kStatusBadRequest = 400;
constexpr std::int32_t kStatusInternalError = 500;

// The multimedia timer, the clock the frames are paced on.
class MultimediaClock final : public FrameClock {
 public:
  std::uint32_t NowMs() override { return ::timeGetTime(); }
  void SleepMs(std::uint32_t milliseconds) override { ::Sleep(milliseconds); }
};

// Ends a reading run of the controller set when the scope is left early;
// the normal tear-down ends it explicitly, in its place in the order.
class [[nodiscard]] ReadingScope {
 public:
  explicit ReadingScope(CYDInput8* set) : set_(set) {
    if (set_ != nullptr) set_->BeginReading();
  }
  ~ReadingScope() { end(); }
  ReadingScope(const ReadingScope&) = delete;
  ReadingScope& operator=(const ReadingScope&) = delete;
  void end() {
    if (set_ != nullptr) std::exchange(set_, nullptr)->EndReading();
  }

 private:
  CYDInput8* set_;
};

// A reference to the library that contains this code, counted by the loader.
HMODULE ReferenceThisLibrary() {
  HMODULE self = nullptr;
  ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                       reinterpret_cast<LPCWSTR>(&ReferenceThisLibrary), &self);
  return self;
}

}  // namespace

void CSAORIDi::SetRunning(std::int32_t value) {
  SectionGuard guard(lock);
  running.store(value, std::memory_order_relaxed);
}

bool CSAORIDi::IsRunning() {
  SectionGuard guard(lock);
  return running.load(std::memory_order_relaxed) != 0;
}

std::int32_t CSAORIDi::StartPolling() {
  if (threadHandle) return kStatusBadRequest;

  // Raised before the thread exists, so a stop that comes before the thread
  // has even begun still ends it, and the thread never raises it over a stop.
  SetRunning(1);
  pollingLibraryRef_.reset(ReferenceThisLibrary());
  HANDLE thread = pollingLibraryRef_
                      ? ::CreateThread(nullptr, 0, &CSAORIDi::PollingThreadProc, this, 0, nullptr)
                      : nullptr;
  if (thread == nullptr) {
    SetRunning(0);
    pollingLibraryRef_.reset();
    return kStatusInternalError;
  }
  threadHandle.reset(thread);
  return kStatusNoContent;
}

bool CSAORIDi::StopPolling() {
  if (!threadHandle) return false;
  SetRunning(0);
  // When the thread's own exit drops the library's last reference, the detach
  // runs unload on that very thread: it has left its loop and must not wait
  // for itself.
  if (::GetThreadId(threadHandle.get()) != ::GetCurrentThreadId()) {
    ::WaitForSingleObject(threadHandle.get(), INFINITE);
  }
  threadHandle.reset();
  return true;
}

DWORD WINAPI CSAORIDi::PollingThreadProc(LPVOID instance) {
  auto* module = static_cast<CSAORIDi*>(instance);
  // Taken over from StartPolling, which wrote it before creating this thread.
  const HMODULE libraryRef = module->pollingLibraryRef_.release();
  try {
    module->RunPolling();
  } catch (...) {
    // Nothing may escape a thread. The thread ends early; "stop" and unload
    // still find it ended and finish normally.
  }
  // The system drops the reference and ends the thread without returning here,
  // so no code of this library runs once it may be unmapped.
  ::FreeLibraryAndExitThread(libraryRef, 0);
  return 0;
}

void CSAORIDi::RunPolling() {
  ComApartmentScope apartment;
  std::memset(states, 0, sizeof(states));
  int current = 0;
  ReadingScope reading(controllerSet.get());
  MultimediaClock clock;
  FramePacer pacer(clock);
  TimerResolutionScope timerResolution;
  pacer.StartFrame();

  while (IsRunning()) {
    if (controllerSet) {
      controllerSet->ReadState(states[current]);
    } else {  // OnLoad never got to create the set: read as an empty one
      std::memset(&states[current], 0, sizeof(states[current]));
    }
    NotifyState(states[current], states[1 - current]);
    current = 1 - current;
    pacer.WaitForNextFrame();
    pacer.StartFrame();
  }

  reading.end();
  apartment.end();
  timerResolution.end();
}
