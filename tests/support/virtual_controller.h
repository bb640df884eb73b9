#pragma once
// Typed access, for test programs, to the virtual dinput8.dll's control
// functions. Construct a VirtualController after the product has loaded
// dinput8.dll (a static import does so at start-up), or let it load the DLL
// itself; with WINEDLLOVERRIDES=dinput8=n,b both are the same module.
#include <windows.h>

#include <string>
#include <vector>

#include "support/virtual_controller_protocol.h"

class VirtualController {
 public:
  // Finds the loaded dinput8.dll (loading it if needed) and its control exports;
  // available() is false when the DLL in use is not the virtual one.
  VirtualController() {
    module_ = GetModuleHandleW(L"dinput8.dll");
    if (module_ == nullptr) module_ = LoadLibraryW(L"dinput8.dll");  // stays loaded for the process
    Resolve(reset_, "vdi_reset");
    Resolve(addController_, "vdi_add_controller");
    Resolve(controllerGuid_, "vdi_controller_guid");
    Resolve(failCreate_, "vdi_fail_create");
    Resolve(failEnum_, "vdi_fail_enum");
    Resolve(failCreateDevice_, "vdi_fail_create_device");
    Resolve(failSetDataFormat_, "vdi_fail_set_data_format");
    Resolve(setAcquireResult_, "vdi_set_acquire_result");
    Resolve(setState_, "vdi_set_state");
    Resolve(loseAcquisition_, "vdi_lose_acquisition");
    Resolve(setFailedReadFill_, "vdi_set_failed_read_fill");
    Resolve(callCount_, "vdi_call_count");
    Resolve(callAt_, "vdi_call_at");
    Resolve(liveObjects_, "vdi_live_objects");
    Resolve(outstandingRefs_, "vdi_outstanding_refs");
    Resolve(setClock_, "vdi_set_clock");
    Resolve(timelineSteps_, "vdi_timeline_steps");
  }

  bool available() const { return complete_; }
  HMODULE module() const { return module_; }

  // Scripting (see virtual_exports.cpp for each one's effect).
  void Reset() const { reset_(); }
  int AddController(const std::wstring& instanceName, const std::wstring& productName) const {
    return addController_(instanceName.c_str(), productName.c_str());
  }
  GUID ControllerGuid(int controller) const { return controllerGuid_(controller); }
  void FailCreate(HRESULT result) const { failCreate_(result); }
  void FailEnum(HRESULT result) const { failEnum_(result); }
  void FailCreateDevice(int controller, HRESULT result) const { failCreateDevice_(controller, result); }
  void FailSetDataFormat(int controller, HRESULT result) const { failSetDataFormat_(controller, result); }
  void SetAcquireResult(int controller, HRESULT result) const { setAcquireResult_(controller, result); }
  void SetState(int controller, const DIJOYSTATE2& state) const { setState_(controller, &state); }
  void LoseAcquisition(int controller) const { loseAcquisition_(controller); }
  void SetFailedReadFill(int controller, int fillByte) const { setFailedReadFill_(controller, fillByte); }
  void SetClock(DWORD nowMs) const { setClock_(1, nowMs); }
  void UseRealClock() const { setClock_(0, 0); }

  // Observation.
  std::vector<VdiCall> Calls() const {
    std::vector<VdiCall> calls(static_cast<size_t>(callCount_()));
    for (size_t i = 0; i < calls.size(); ++i) {
      if (!callAt_(static_cast<int>(i), &calls[i])) calls.resize(i);  // log reset meanwhile
    }
    return calls;
  }
  // The logged calls of one kind, in order.
  std::vector<VdiCall> CallsOf(VdiCallKind kind) const {
    std::vector<VdiCall> matching;
    for (const VdiCall& call : Calls()) {
      if (call.kind == kind) matching.push_back(call);
    }
    return matching;
  }
  // The logged calls without AddRef, Release and QueryInterface, for sequence checks.
  std::vector<VdiCall> CallsWithoutRefCounting() const {
    std::vector<VdiCall> kept;
    for (const VdiCall& call : Calls()) {
      if (call.kind != kVdiAddRef && call.kind != kVdiRelease && call.kind != kVdiQueryInterface) {
        kept.push_back(call);
      }
    }
    return kept;
  }
  int LiveObjects() const { return liveObjects_(); }
  int OutstandingRefs() const { return outstandingRefs_(); }
  int TimelineSteps() const { return timelineSteps_(); }

 private:
  template <typename Fn>
  void Resolve(Fn& function, const char* name) {
    FARPROC address = module_ ? GetProcAddress(module_, name) : nullptr;
    if (address == nullptr) complete_ = false;
    function = reinterpret_cast<Fn>(reinterpret_cast<void*>(address));
  }

  HMODULE module_ = nullptr;
  bool complete_ = true;
  VdiResetFn reset_ = nullptr;
  VdiAddControllerFn addController_ = nullptr;
  VdiControllerGuidFn controllerGuid_ = nullptr;
  VdiSetResultFn failCreate_ = nullptr;
  VdiSetResultFn failEnum_ = nullptr;
  VdiSetControllerResultFn failCreateDevice_ = nullptr;
  VdiSetControllerResultFn failSetDataFormat_ = nullptr;
  VdiSetControllerResultFn setAcquireResult_ = nullptr;
  VdiSetStateFn setState_ = nullptr;
  VdiControllerFn loseAcquisition_ = nullptr;
  VdiSetFillFn setFailedReadFill_ = nullptr;
  VdiCountFn callCount_ = nullptr;
  VdiCallAtFn callAt_ = nullptr;
  VdiCountFn liveObjects_ = nullptr;
  VdiCountFn outstandingRefs_ = nullptr;
  VdiSetClockFn setClock_ = nullptr;
  VdiCountFn timelineSteps_ = nullptr;
};
