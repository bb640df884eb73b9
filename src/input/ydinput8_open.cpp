// Opening and releasing the controller set: the DirectInput interface, the
// enumeration of attached game controllers and the set-up of each one.
#include "input/ydinput8.h"

#include <new>

namespace {

// Every axis the module reports is scaled to this symmetric range.
constexpr LONG kAxisMin = -1000;
constexpr LONG kAxisMax = 1000;

// The six axes that get a range, by their offset in DIJOYSTATE2 (lX .. lRz).
constexpr DWORD kRangedAxisOffsets[] = {
    DIJOFS_X, DIJOFS_Y, DIJOFS_Z, DIJOFS_RX, DIJOFS_RY, DIJOFS_RZ,
};

// Copies a NUL-terminated name into a fixed buffer, truncating so the
// terminating NUL always fits.
template <size_t N>
void CopyName(WCHAR (&target)[N], const WCHAR* source) {
  size_t i = 0;
  for (; i + 1 < N && source[i] != L'\0'; ++i) target[i] = source[i];
  target[i] = L'\0';
}

void SetAxisRanges(IDirectInputDevice8W& device) {
  DIPROPRANGE range = {};
  range.diph.dwSize = sizeof(DIPROPRANGE);
  range.diph.dwHeaderSize = sizeof(DIPROPHEADER);
  range.diph.dwHow = DIPH_BYOFFSET;
  range.lMin = kAxisMin;
  range.lMax = kAxisMax;
  for (DWORD offset : kRangedAxisOffsets) {
    range.diph.dwObj = offset;
    // Not every controller has every axis; a missing one keeps its own range.
    device.SetProperty(DIPROP_RANGE, &range.diph);
  }
}

}  // namespace

CYDInput8::CYDInput8() = default;

CYDInput8::~CYDInput8() { ReleaseAll(); }

OpenResult CYDInput8::Open(HINSTANCE moduleInstance) {
  HRESULT created = DirectInput8Create(moduleInstance, DIRECTINPUT_VERSION, IID_IDirectInput8W,
                                       directInput_.put_void(), nullptr);
  if (FAILED(created)) return OpenResult::CreateFailed;
  if (!directInput_) return OpenResult::NoController;

  HRESULT enumerated = directInput_->EnumDevices(DI8DEVCLASS_GAMECTRL, &CYDInput8::OnDeviceFound,
                                                 this, DIEDFL_ATTACHEDONLY);
  if (FAILED(enumerated)) return OpenResult::NoController;
  return devices_.empty() ? OpenResult::NoController : OpenResult::Opened;
}

BOOL CALLBACK CYDInput8::OnDeviceFound(LPCDIDEVICEINSTANCEW instance, LPVOID context) noexcept {
  if (instance == nullptr || context == nullptr) return DIENUM_CONTINUE;
  try {
    static_cast<CYDInput8*>(context)->AddDevice(*instance);
  } catch (...) {
    // Only the growth of the array can throw (out of memory), and it leaves the
    // array as it was: this controller is skipped and enumeration goes on.
  }
  return DIENUM_CONTINUE;
}

void CYDInput8::AddDevice(const DIDEVICEINSTANCEW& instance) {
  devices_.emplace_back();  // all zero; the only step that can throw
  DeviceRecord& entry = devices_.back();
  CopyName(entry.instanceName, instance.tszInstanceName);
  CopyName(entry.productName, instance.tszProductName);

  // A controller that cannot be opened keeps its entry with a null device.
  if (FAILED(directInput_->CreateDevice(instance.guidInstance, entry.device.put(), nullptr))) return;
  if (!entry.device) return;
  // Without the joystick format the ranges would not apply to our offsets.
  if (FAILED(entry.device->SetDataFormat(&c_dfDIJoystick2))) return;
  SetAxisRanges(*entry.device.get());
}

void CYDInput8::ReleaseAll() noexcept {
  // Devices first, each unacquired before its release, then the interface
  // that created them.
  for (DeviceRecord& entry : devices_) {
    if (!entry.device) continue;
    entry.device->Unacquire();
    entry.device.reset();
  }
  std::vector<DeviceRecord>().swap(devices_);  // frees the array itself
  directInput_.reset();
}
