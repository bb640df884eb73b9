#pragma once
// The controller set on DirectInput 8: creates the interface, enumerates and sets
// up every attached game controller once, reads the first one on demand.
// Owns no thread and no lock. Call order: Open at most once, then any number of
// BeginReading / ReadState... / EndReading runs, then destruction.
#include "input/joy_state.h"

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

  // The rest of the class (OnDeviceFound, ReleaseAll, DeviceRecord and the
  // members) is declared below by the controller set's implementation.
};
