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

void CountNewObject(VirtualWorld& world) {
  ++world.liveObjects;
  ++world.outstandingRefs;
}
