// Reference counting shared by the virtual DirectInput objects.
#include "support/virtual_device.h"

ULONG CountAddRef(LONG& refs, std::int32_t device) {
  WorldAccess world;
  ++refs;
  ++world->outstandingRefs;
  world->Log(kVdiAddRef, device, {static_cast<std::int32_t>(refs)});
  return static_cast<ULONG>(refs);
}

ULONG CountRelease(LONG& refs, std::int32_t device) {
  WorldAccess world;
  if (refs <= 0) return 0;  // defensive: a deleted object is never called by a correct caller
  --refs;
  --world->outstandingRefs;
  if (refs == 0) --world->liveObjects;
  world->Log(kVdiRelease, device, {static_cast<std::int32_t>(refs)});
  return static_cast<ULONG>(refs);
}

HRESULT CountQueryInterface(REFIID riid, REFIID own, void* self, void** object, LONG& refs,
                            std::int32_t device) {
  WorldAccess world;
  const bool known = IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, own);
  const HRESULT result = object == nullptr ? E_POINTER : known ? S_OK : E_NOINTERFACE;
  world->Log(kVdiQueryInterface, device, {static_cast<std::int32_t>(result)}, riid);
  if (object != nullptr) *object = nullptr;
  if (result != S_OK) return result;
  ++refs;
  ++world->outstandingRefs;
  *object = self;
  return S_OK;
}

void CountNewObject(VirtualWorld& world) {
  ++world.liveObjects;
  ++world.outstandingRefs;
}
