#pragma once
// One virtual game controller as DirectInput hands it out: implements what the
// controller set calls, logs every call, answers E_NOTIMPL to everything else.
#include "support/virtual_world.h"

// Creates a device for controller `index` with one reference; the caller holds
// the world's lock and passes it in.
IDirectInputDevice8W* NewVirtualDevice(VirtualWorld& world, int index);

// Creates the DirectInput interface with one reference, under the world's lock.
IDirectInput8W* NewVirtualDirectInput(VirtualWorld& world);

// Shared reference counting of the virtual objects: counts the object's own
// references and the world's totals, and logs the call.
ULONG CountAddRef(LONG& refs, std::int32_t device);
// Returns the references left; at zero the caller deletes the object.
ULONG CountRelease(LONG& refs, std::int32_t device);
// Answers QueryInterface for IUnknown and the object's own interface `own`
// (handing out `self` with one more reference), logs the call.
HRESULT CountQueryInterface(REFIID riid, REFIID own, void* self, void** object, LONG& refs,
                            std::int32_t device);
// Records that a new object exists with one reference.
void CountNewObject(VirtualWorld& world);
