// The virtual DirectInput interface and DirectInput8Create, the export through
// which the product's import of dinput8.dll reaches it.
#include <vector>

#include "support/virtual_device.h"

namespace {

std::int32_t I32(HRESULT value) { return static_cast<std::int32_t>(value); }

// Fills a DIDEVICEINSTANCEW the way DirectInput does: names in fixed buffers,
// NUL-terminated only when they fit, so a long name tests the reader's bounds.
DIDEVICEINSTANCEW DescribeController(const ScriptedController& controller) {
  DIDEVICEINSTANCEW instance = {};
  instance.dwSize = sizeof instance;
  instance.guidInstance = controller.guidInstance;
  instance.guidProduct = controller.guidInstance;
  instance.dwDevType = DI8DEVTYPE_GAMEPAD;
  controller.instanceName.copy(instance.tszInstanceName, MAX_PATH);
  controller.productName.copy(instance.tszProductName, MAX_PATH);
  return instance;
}

class VirtualDirectInput final : public IDirectInput8W {
 public:
  STDMETHODIMP QueryInterface(REFIID riid, void** object) override {
    return CountQueryInterface(riid, IID_IDirectInput8W, static_cast<IDirectInput8W*>(this), object,
                               refs_, kVdiInterface);
  }
  STDMETHODIMP_(ULONG) AddRef() override { return CountAddRef(refs_, kVdiInterface); }
  STDMETHODIMP_(ULONG) Release() override {
    ULONG left = CountRelease(refs_, kVdiInterface);
    if (left == 0) delete this;
    return left;
  }

  STDMETHODIMP CreateDevice(REFGUID guid, LPDIRECTINPUTDEVICE8W* device, LPUNKNOWN outer) override {
    WorldAccess world;
    int index = -1;
    for (size_t i = 0; i < world->controllers.size(); ++i) {
      if (IsEqualGUID(world->controllers[i].guidInstance, guid)) index = static_cast<int>(i);
    }
    HRESULT result = device == nullptr ? E_POINTER
                     : index < 0       ? DIERR_DEVICENOTREG
                                       : world->controllers[static_cast<size_t>(index)].createDeviceResult;
    if (device != nullptr) *device = nullptr;
    world->Log(kVdiCreateDevice, index, {outer != nullptr, I32(result)}, guid);
    if (FAILED(result)) return result;
    *device = NewVirtualDevice(*world, index);
    return result;
  }

  STDMETHODIMP EnumDevices(DWORD deviceClass, LPDIENUMDEVICESCALLBACKW callback, LPVOID context,
                           DWORD flags) override {
    std::vector<DIDEVICEINSTANCEW> reported;
    HRESULT result;
    {
      WorldAccess world;
      result = callback == nullptr ? DIERR_INVALIDPARAM : world->enumResult;
      bool gameControllers = deviceClass == DI8DEVCLASS_GAMECTRL || deviceClass == DI8DEVCLASS_ALL;
      if (SUCCEEDED(result) && gameControllers) {
        for (const ScriptedController& controller : world->controllers) {
          reported.push_back(DescribeController(controller));
        }
      }
      world->Log(kVdiEnumDevices, kVdiInterface,
                 {static_cast<std::int32_t>(deviceClass), static_cast<std::int32_t>(flags),
                  static_cast<std::int32_t>(reported.size()), I32(result)});
    }
    if (FAILED(result)) return result;
    // The callback calls back into us (CreateDevice), so the lock is not held here.
    for (const DIDEVICEINSTANCEW& instance : reported) {
      if (callback(&instance, context) == DIENUM_STOP) break;
    }
    return DI_OK;
  }

  STDMETHODIMP GetDeviceStatus(REFGUID) override { return Other(); }
  STDMETHODIMP RunControlPanel(HWND, DWORD) override { return Other(); }
  STDMETHODIMP Initialize(HINSTANCE, DWORD) override { return Other(); }
  STDMETHODIMP FindDevice(REFGUID, LPCWSTR, LPGUID) override { return Other(); }
  STDMETHODIMP EnumDevicesBySemantics(LPCWSTR, LPDIACTIONFORMATW, LPDIENUMDEVICESBYSEMANTICSCBW,
                                      LPVOID, DWORD) override {
    return Other();
  }
  STDMETHODIMP ConfigureDevices(LPDICONFIGUREDEVICESCALLBACK, LPDICONFIGUREDEVICESPARAMSW, DWORD,
                                LPVOID) override {
    return Other();
  }

 private:
  HRESULT Other() {
    WorldAccess world;
    world->Log(kVdiOther, kVdiInterface, {});
    return E_NOTIMPL;
  }

  LONG refs_ = 1;
};

}  // namespace

IDirectInput8W* NewVirtualDirectInput(VirtualWorld& world) {
  auto* directInput = new VirtualDirectInput();  // deleted by its last Release, as COM requires
  CountNewObject(world);
  return directInput;
}

extern "C" HRESULT WINAPI DirectInput8Create(HINSTANCE instance, DWORD version, REFIID riid,
                                             LPVOID* out, LPUNKNOWN outer) {
  // A timeline named in the environment replaces the scripted controllers; a
  // broken one fails creation, so a demo does not run silently without input.
  bool timelineUsable = LoadTimelineFromEnvironment();
  WorldAccess world;
  HRESULT result = world->createResult;
  if (!timelineUsable) result = E_FAIL;
  else if (out == nullptr) result = E_POINTER;
  else if (version < 0x0800) result = DIERR_OLDDIRECTINPUTVERSION;
  else if (version > 0x0800) result = DIERR_BETADIRECTINPUTVERSION;
  else if (!IsEqualIID(riid, IID_IDirectInput8W)) result = E_NOINTERFACE;
  world->Log(kVdiCreate, kVdiInterface,
             {static_cast<std::int32_t>(version), outer != nullptr, instance != nullptr, I32(result)}, riid);
  if (out != nullptr) *out = nullptr;
  if (FAILED(result)) return result;
  *out = NewVirtualDirectInput(*world);
  return DI_OK;
}
