// The virtual game controller device.
#include <cstdint>
#include <cstring>

#include "support/virtual_device.h"

namespace {

std::int32_t I32(DWORD value) { return static_cast<std::int32_t>(value); }

class VirtualDevice final : public IDirectInputDevice8W {
 public:
  explicit VirtualDevice(int index) : index_(index) {}

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID riid, void** object) override {
    return CountQueryInterface(riid, IID_IDirectInputDevice8W,
                               static_cast<IDirectInputDevice8W*>(this), object, refs_, index_);
  }
  STDMETHODIMP_(ULONG) AddRef() override { return CountAddRef(refs_, index_); }
  STDMETHODIMP_(ULONG) Release() override {
    ULONG left = CountRelease(refs_, index_);
    if (left == 0) delete this;
    return left;
  }

  // What the controller set uses.
  STDMETHODIMP SetDataFormat(LPCDIDATAFORMAT format) override {
    WorldAccess world;
    ScriptedController* controller = world->Controller(index_);
    HRESULT result = format == nullptr ? E_POINTER
                     : controller == nullptr ? DIERR_NOTINITIALIZED
                                             : controller->setDataFormatResult;
    if (SUCCEEDED(result)) controller->formatSet = true;
    DIDATAFORMAT seen = format ? *format : DIDATAFORMAT{};
    world->Log(kVdiSetDataFormat, index_,
               {I32(seen.dwSize), I32(seen.dwObjSize), I32(seen.dwFlags), I32(seen.dwDataSize),
                I32(seen.dwNumObjs), I32(static_cast<DWORD>(result))});
    return result;
  }
  STDMETHODIMP SetProperty(REFGUID property, LPCDIPROPHEADER header) override {
    WorldAccess world;
    // DIPROP_* "guids" are small integers disguised as addresses.
    auto propertyId = static_cast<std::int32_t>(reinterpret_cast<std::uintptr_t>(&property));
    DIPROPRANGE seen = {};
    if (header != nullptr) {
      seen.diph = *header;
      if (header->dwSize >= sizeof(DIPROPRANGE)) seen = *reinterpret_cast<const DIPROPRANGE*>(header);
    }
    world->Log(kVdiSetProperty, index_,
               {propertyId, I32(seen.diph.dwSize), I32(seen.diph.dwHeaderSize), I32(seen.diph.dwObj),
                I32(seen.diph.dwHow), seen.lMin, seen.lMax});
    return header == nullptr ? E_POINTER : DI_OK;
  }
  STDMETHODIMP Acquire() override {
    WorldAccess world;
    ScriptedController* controller = world->Controller(index_);
    HRESULT result = DIERR_NOTINITIALIZED;
    if (controller != nullptr) {
      if (controller->acquireScripted) result = controller->acquireResult;
      else if (!controller->formatSet) result = DIERR_INVALIDPARAM;
      else result = controller->acquired && !controller->lost ? S_FALSE : DI_OK;
      if (SUCCEEDED(result)) {
        controller->acquired = true;
        controller->lost = false;
        world->StartPlayback();
      }
    }
    world->Log(kVdiAcquire, index_, {I32(static_cast<DWORD>(result))});
    return result;
  }
  STDMETHODIMP Poll() override {
    WorldAccess world;
    HRESULT result = StatusForReading(world->Controller(index_));
    world->Log(kVdiPoll, index_, {I32(static_cast<DWORD>(result))});
    return result;
  }
  STDMETHODIMP GetDeviceState(DWORD size, LPVOID data) override {
    WorldAccess world;
    ScriptedController* controller = world->Controller(index_);
    HRESULT result = data == nullptr ? E_POINTER : StatusForReading(controller);
    if (result == DI_OK && (size != sizeof(DIJOYSTATE2) || !controller->formatSet)) {
      result = DIERR_INVALIDPARAM;
    }
    if (result == DI_OK) {
      world->StartPlayback();
      DIJOYSTATE2 state = controller->playsTimeline
                              ? TimelineStateAt(world->timeline, world->NowMs() - world->playbackStartMs)
                              : controller->state;
      std::memcpy(data, &state, sizeof state);
    } else if (data != nullptr && controller != nullptr && controller->failedReadFill >= 0) {
      std::memset(data, controller->failedReadFill, size);
    }
    world->Log(kVdiGetDeviceState, index_, {I32(size), I32(static_cast<DWORD>(result))});
    return result;
  }
  STDMETHODIMP Unacquire() override {
    WorldAccess world;
    ScriptedController* controller = world->Controller(index_);
    HRESULT result = controller != nullptr && controller->acquired ? DI_OK : DI_NOEFFECT;
    if (controller != nullptr) controller->acquired = false;
    world->Log(kVdiUnacquire, index_, {I32(static_cast<DWORD>(result))});
    return result;
  }

  // Everything else: not part of what the controller set may call.
  STDMETHODIMP GetCapabilities(LPDIDEVCAPS) override { return Other(); }
  STDMETHODIMP EnumObjects(LPDIENUMDEVICEOBJECTSCALLBACKW, LPVOID, DWORD) override { return Other(); }
  STDMETHODIMP GetProperty(REFGUID, LPDIPROPHEADER) override { return Other(); }
  STDMETHODIMP GetDeviceData(DWORD, LPDIDEVICEOBJECTDATA, LPDWORD, DWORD) override { return Other(); }
  STDMETHODIMP SetEventNotification(HANDLE) override { return Other(); }
  STDMETHODIMP SetCooperativeLevel(HWND, DWORD) override { return Other(); }
  STDMETHODIMP GetObjectInfo(LPDIDEVICEOBJECTINSTANCEW, DWORD, DWORD) override { return Other(); }
  STDMETHODIMP GetDeviceInfo(LPDIDEVICEINSTANCEW) override { return Other(); }
  STDMETHODIMP RunControlPanel(HWND, DWORD) override { return Other(); }
  STDMETHODIMP Initialize(HINSTANCE, DWORD, REFGUID) override { return Other(); }
  STDMETHODIMP CreateEffect(REFGUID, LPCDIEFFECT, LPDIRECTINPUTEFFECT*, LPUNKNOWN) override { return Other(); }
  STDMETHODIMP EnumEffects(LPDIENUMEFFECTSCALLBACKW, LPVOID, DWORD) override { return Other(); }
  STDMETHODIMP GetEffectInfo(LPDIEFFECTINFOW, REFGUID) override { return Other(); }
  STDMETHODIMP GetForceFeedbackState(LPDWORD) override { return Other(); }
  STDMETHODIMP SendForceFeedbackCommand(DWORD) override { return Other(); }
  STDMETHODIMP EnumCreatedEffectObjects(LPDIENUMCREATEDEFFECTOBJECTSCALLBACK, LPVOID, DWORD) override { return Other(); }
  STDMETHODIMP Escape(LPDIEFFESCAPE) override { return Other(); }
  STDMETHODIMP SendDeviceData(DWORD, LPCDIDEVICEOBJECTDATA, LPDWORD, DWORD) override { return Other(); }
  STDMETHODIMP EnumEffectsInFile(LPCWSTR, LPDIENUMEFFECTSINFILECALLBACK, LPVOID, DWORD) override { return Other(); }
  STDMETHODIMP WriteEffectToFile(LPCWSTR, DWORD, LPDIFILEEFFECT, DWORD) override { return Other(); }
  STDMETHODIMP BuildActionMap(LPDIACTIONFORMATW, LPCWSTR, DWORD) override { return Other(); }
  STDMETHODIMP SetActionMap(LPDIACTIONFORMATW, LPCWSTR, DWORD) override { return Other(); }
  STDMETHODIMP GetImageInfo(LPDIDEVICEIMAGEINFOHEADERW) override { return Other(); }

 private:
  // Whether the device can deliver state now, as real DirectInput decides it.
  static HRESULT StatusForReading(const ScriptedController* controller) {
    if (controller == nullptr) return DIERR_NOTINITIALIZED;
    if (controller->lost) return DIERR_INPUTLOST;
    if (!controller->acquired) return DIERR_NOTACQUIRED;
    return DI_OK;
  }
  HRESULT Other() {
    WorldAccess world;
    world->Log(kVdiOther, index_, {});
    return E_NOTIMPL;
  }

  const int index_;
  LONG refs_ = 1;
};

}  // namespace

IDirectInputDevice8W* NewVirtualDevice(VirtualWorld& world, int index) {
  auto* device = new VirtualDevice(index);  // deleted by its last Release, as COM requires
  CountNewObject(world);
  return device;
}
