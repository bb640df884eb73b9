// The control functions a test uses to script the virtual DirectInput and to
// read what the product did with it. Plain C exports, listed in dinput8.def.
#include <cstring>

#include "support/virtual_world.h"

namespace {
// Runs `change` on controller `index` if it exists; scripting a missing
// controller is a test's mistake and changes nothing.
template <typename Change>
void ChangeController(int index, Change change) {
  WorldAccess world;
  if (ScriptedController* controller = world->Controller(index)) change(*controller);
}
}  // namespace

extern "C" {

// Forgets every controller, failure and logged call; live objects stay counted.
void vdi_reset() {
  WorldAccess world;
  world->ResetScript();
}

// Adds an attached controller, reported after the earlier ones; returns its index.
int vdi_add_controller(const wchar_t* instanceName, const wchar_t* productName) {
  WorldAccess world;
  ScriptedController controller;
  int index = static_cast<int>(world->controllers.size());
  controller.guidInstance = ControllerGuid(index);
  controller.instanceName = instanceName ? instanceName : L"";
  controller.productName = productName ? productName : L"";
  world->controllers.push_back(controller);
  return index;
}

GUID vdi_controller_guid(int controller) { return ControllerGuid(controller); }

// Each of these makes the named call answer `result` (DI_OK restores success).
void vdi_fail_create(HRESULT result) {
  WorldAccess world;
  world->createResult = result;
}
void vdi_fail_enum(HRESULT result) {
  WorldAccess world;
  world->enumResult = result;
}
void vdi_fail_create_device(int controller, HRESULT result) {
  ChangeController(controller, [&](ScriptedController& c) { c.createDeviceResult = result; });
}
void vdi_fail_set_data_format(int controller, HRESULT result) {
  ChangeController(controller, [&](ScriptedController& c) { c.setDataFormatResult = result; });
}
// From now on every Acquire answers `result` (a success also acquires).
void vdi_set_acquire_result(int controller, HRESULT result) {
  ChangeController(controller, [&](ScriptedController& c) {
    c.acquireScripted = true;
    c.acquireResult = result;
  });
}

// The state every successful GetDeviceState delivers from now on.
void vdi_set_state(int controller, const DIJOYSTATE2* state) {
  if (state == nullptr) return;
  ChangeController(controller, [&](ScriptedController& c) { c.state = *state; });
}
// Reads fail with DIERR_INPUTLOST until the next successful Acquire.
void vdi_lose_acquisition(int controller) {
  ChangeController(controller, [](ScriptedController& c) { c.lost = true; });
}
// A failed GetDeviceState fills the caller's buffer with `fillByte` (-1: leaves it).
void vdi_set_failed_read_fill(int controller, int fillByte) {
  ChangeController(controller, [&](ScriptedController& c) { c.failedReadFill = fillByte; });
}

int vdi_call_count() {
  WorldAccess world;
  return static_cast<int>(world->log.size());
}
// Copies logged call `index` into `call`; 0 when there is no such call.
int vdi_call_at(int index, VdiCall* call) {
  WorldAccess world;
  if (call == nullptr || index < 0 || static_cast<size_t>(index) >= world->log.size()) return 0;
  *call = world->log[static_cast<size_t>(index)];
  return 1;
}

// Virtual objects (interface and devices) not yet freed by their last Release.
int vdi_live_objects() {
  WorldAccess world;
  return world->liveObjects;
}
// References held on those objects, summed.
int vdi_outstanding_refs() {
  WorldAccess world;
  return static_cast<int>(world->outstandingRefs);
}

// Replaces the millisecond clock of timeline playback (fake != 0) or restores it.
void vdi_set_clock(int fake, DWORD nowMs) {
  WorldAccess world;
  world->fakeClock = fake != 0;
  world->fakeNowMs = nowMs;
}

// Steps of the timeline being played, 0 when none is loaded.
int vdi_timeline_steps() {
  WorldAccess world;
  return static_cast<int>(world->timeline.steps.size());
}

}  // extern "C"
