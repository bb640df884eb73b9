// The virtual DirectInput's shared data and its lock.
#include "support/virtual_world.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

// Owns the critical section that guards the one world of this DLL.
struct GuardedWorld {
  GuardedWorld() { InitializeCriticalSection(&lock); }
  ~GuardedWorld() { DeleteCriticalSection(&lock); }
  CRITICAL_SECTION lock;
  VirtualWorld world;
};

GuardedWorld& Guarded() {
  static GuardedWorld guarded;  // built on first use, thread-safe
  return guarded;
}

constexpr wchar_t kTimelineVariable[] = L"TESMIR_VIRTUAL_TIMELINE";

}  // namespace

WorldAccess::WorldAccess() : world_(&Guarded().world) { EnterCriticalSection(&Guarded().lock); }
WorldAccess::~WorldAccess() { LeaveCriticalSection(&Guarded().lock); }

void VirtualWorld::Log(VdiCallKind kind, std::int32_t device,
                       std::initializer_list<std::int32_t> args, const GUID& guid) {
  VdiCall call = {};
  call.kind = kind;
  call.device = device;
  int i = 0;
  for (std::int32_t arg : args) {
    if (i < 8) call.args[i++] = arg;
  }
  call.guid = guid;
  log.push_back(call);
}

ScriptedController* VirtualWorld::Controller(int index) {
  if (index < 0 || static_cast<size_t>(index) >= controllers.size()) return nullptr;
  return &controllers[static_cast<size_t>(index)];
}

DWORD VirtualWorld::NowMs() const { return fakeClock ? fakeNowMs : GetTickCount(); }

void VirtualWorld::StartPlayback() {
  if (playbackStarted) return;
  playbackStarted = true;
  playbackStartMs = NowMs();
}

void VirtualWorld::ResetScript() {
  controllers.clear();
  createResult = DI_OK;
  enumResult = DI_OK;
  log.clear();
  fakeClock = false;
  fakeNowMs = 0;
  timeline = {};
  playbackStarted = false;
  playbackStartMs = 0;
}

GUID ControllerGuid(int index) {
  // A fixed family of guids, "TESM" in the first field, the index in the last byte.
  GUID guid = {0x5445534D, 0x0001, 0x4000, {0x80, 0, 0, 0, 0, 0, 0, 0}};
  guid.Data4[7] = static_cast<unsigned char>(index);
  guid.Data4[6] = static_cast<unsigned char>(index >> 8);
  return guid;
}

bool LoadTimelineFromEnvironment() {
  wchar_t path[MAX_PATH];
  DWORD length = GetEnvironmentVariableW(kTimelineVariable, path, MAX_PATH);
  if (length == 0) return true;  // not asked for: the scripted controllers stay
  if (length >= MAX_PATH) {
    std::fprintf(stderr, "virtual dinput8: timeline path too long\n");
    return false;
  }
  std::ifstream file(path, std::ios::binary);
  if (!file.is_open()) {
    std::fprintf(stderr, "virtual dinput8: cannot open the timeline file\n");
    return false;
  }
  std::ostringstream text;
  text << file.rdbuf();
  TimelineParse parsed = ParseTimeline(text.str());
  if (!parsed.ok) {
    std::fprintf(stderr, "virtual dinput8: timeline line %d: %s\n", parsed.errorLine,
                 parsed.error.c_str());
    return false;
  }
  WorldAccess world;
  world->controllers.clear();
  ScriptedController pad;
  pad.guidInstance = ControllerGuid(0);
  pad.instanceName = L"Tesmir Virtual Pad";
  pad.productName = L"Tesmir Virtual Pad";
  pad.playsTimeline = true;
  world->controllers.push_back(pad);
  world->timeline = std::move(parsed.timeline);
  world->playbackStarted = false;
  return true;
}
