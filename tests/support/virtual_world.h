#pragma once
// The virtual DirectInput's shared data: the scripted controllers, the failures
// to inject, the call log and the reference counts. The product's polling thread
// and the test's own thread both reach it, so every access holds the lock
// (WorldAccess). One device object per controller is assumed: a controller's
// acquisition state lives with the controller.
#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "support/virtual_controller_protocol.h"
#include "support/virtual_timeline.h"

struct ScriptedController {
  GUID guidInstance;
  std::wstring instanceName;
  std::wstring productName;
  HRESULT createDeviceResult = DI_OK;
  HRESULT setDataFormatResult = DI_OK;
  bool acquireScripted = false;     // false: DI_OK, or S_FALSE when already acquired
  HRESULT acquireResult = DI_OK;
  DIJOYSTATE2 state = RestState();  // what GetDeviceState delivers
  bool playsTimeline = false;       // deliver the world's timeline instead of `state`
  int failedReadFill = -1;          // byte a failed GetDeviceState scribbles, -1: none
  // Device status, changed by the device's own calls.
  bool formatSet = false;
  bool acquired = false;
  bool lost = false;                // GetDeviceState fails with DIERR_INPUTLOST until Acquire
};

struct VirtualWorld {
  std::vector<ScriptedController> controllers;
  HRESULT createResult = DI_OK;
  HRESULT enumResult = DI_OK;
  std::vector<VdiCall> log;
  int liveObjects = 0;
  long outstandingRefs = 0;
  bool fakeClock = false;
  DWORD fakeNowMs = 0;
  Timeline timeline;
  bool playbackStarted = false;
  DWORD playbackStartMs = 0;

  // Appends one call to the log.
  void Log(VdiCallKind kind, std::int32_t device, std::initializer_list<std::int32_t> args,
           const GUID& guid = GUID_NULL);
  // The controller at `index`, or null after a reset removed it.
  ScriptedController* Controller(int index);
  DWORD NowMs() const;
  // Starts the playback clock on the first acquisition or read.
  void StartPlayback();
  // Forgets the script and the log; live objects and their counts stay.
  void ResetScript();
};

// Holds the world's lock for its lifetime and gives access to the world.
class [[nodiscard]] WorldAccess {
 public:
  WorldAccess();
  ~WorldAccess();
  WorldAccess(const WorldAccess&) = delete;
  WorldAccess& operator=(const WorldAccess&) = delete;
  VirtualWorld* operator->() const { return world_; }
  VirtualWorld& operator*() const { return *world_; }

 private:
  VirtualWorld* world_;
};

// The guid a controller at `index` reports as its guidInstance.
GUID ControllerGuid(int index);

// Loads the timeline named by TESMIR_VIRTUAL_TIMELINE, if set, and makes it the
// only controller. False when the variable is set but the file is unusable.
bool LoadTimelineFromEnvironment();
