// Reading the first controller of the set, once per frame of the polling thread.
#include <cstring>

#include "input/ydinput8.h"

IDirectInputDevice8W* CYDInput8::FirstDevice() const {
  return devices_.empty() ? nullptr : devices_.front().device.get();
}

void CYDInput8::BeginReading() {
  IDirectInputDevice8W* device = FirstDevice();
  if (device == nullptr) return;
  // Anything but DI_OK (already acquired, or a failure) gets one poll; a failed
  // acquisition is retried by ReadState when a read fails.
  if (device->Acquire() != DI_OK) device->Poll();
}

void CYDInput8::ReadState(DIJOYSTATE2& state) {
  std::memset(&state, 0, sizeof state);
  IDirectInputDevice8W* device = FirstDevice();
  if (device == nullptr) return;
  if (SUCCEEDED(device->GetDeviceState(sizeof state, &state))) return;

  // Acquisition lost (or never held): one re-acquire, poll and re-read, so the
  // frame still carries fresh state when the device is back.
  device->Acquire();
  device->Poll();
  if (FAILED(device->GetDeviceState(sizeof state, &state))) {
    // A failed read delivers no state; whatever it may have written is not one.
    std::memset(&state, 0, sizeof state);
  }
}

void CYDInput8::EndReading() {
  IDirectInputDevice8W* device = FirstDevice();
  if (device == nullptr) return;
  device->Unacquire();
}
