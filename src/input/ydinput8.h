#pragma once
// The controller set on DirectInput 8: creates the interface, enumerates and sets
// up every attached game controller once, reads the first one on demand.
// Owns no thread and no lock. Call order: Open at most once, then any number of
// BeginReading / ReadState... / EndReading runs, then destruction.
#include "input/joy_state.h"

#include <vector>

#include "frame/win32_owners.h"

enum class OpenResult {
  Opened,        // interface created, enumeration succeeded, at least one record
  CreateFailed,  // DirectInput8Create failed
  NoController,  // no interface, enumeration failed, or no controller reported
};

class CYDInput8 {
 public:
  CYDInput8();
  virtual ~CYDInput8();  // ReleaseAll
  CYDInput8(const CYDInput8&) = delete;
  CYDInput8& operator=(const CYDInput8&) = delete;

  OpenResult Open(HINSTANCE moduleInstance);
  void BeginReading();
  // Fills all 272 bytes: the first controller's state, or zeros.
  void ReadState(DIJOYSTATE2& state);
  void EndReading();

  // One entry per controller reported during enumeration, in reported order.
  struct DeviceRecord {
    ComPtr<IDirectInputDevice8W> device;  // null when its creation failed
    WCHAR instanceName[MAX_PATH] = {};    // NUL-terminated, truncated to fit
    WCHAR productName[MAX_PATH] = {};
  };

  // Read-only views of the set, for diagnostics and tests.
  IDirectInput8W* directInput() const { return directInput_.get(); }
  int deviceCount() const { return static_cast<int>(devices_.size()); }
  const std::vector<DeviceRecord>& devices() const { return devices_; }

 private:
  // EnumDevices callback, `context` is the set: adds and sets up one controller.
  // Always answers DIENUM_CONTINUE and never lets an exception out.
  static BOOL CALLBACK OnDeviceFound(LPCDIDEVICEINSTANCEW instance, LPVOID context) noexcept;
  void AddDevice(const DIDEVICEINSTANCEW& instance);
  // The first entry's device, or null when there is none to read.
  IDirectInputDevice8W* FirstDevice() const;

 protected:
  // Unacquires and releases every device, then the interface; leaves the set
  // empty. Run by the destructor; protected so a test can watch its effect.
  void ReleaseAll() noexcept;

 private:
  ComPtr<IDirectInput8W> directInput_;
  std::vector<DeviceRecord> devices_;
};
