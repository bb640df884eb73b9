#pragma once
// What the virtual dinput8.dll and the tests that script it agree on: the
// layout of one logged call and the signatures of the control exports.
// Plain C types only, so both sides see the same bytes.
#include "input/joy_state.h"

#include <cstdint>

// The kinds of call the virtual DirectInput logs, in no particular order.
enum VdiCallKind : std::int32_t {
  kVdiCreate = 1,      // DirectInput8Create: args version, has outer, has instance, result; guid = IID
  kVdiEnumDevices,     // args device class, flags, controllers reported, result
  kVdiCreateDevice,    // device = controller matched by guid (-1: none); args has outer, result; guid
  kVdiSetDataFormat,   // args dwSize, dwObjSize, dwFlags, dwDataSize, dwNumObjs, result
  kVdiSetProperty,     // args property id, dwSize, dwHeaderSize, dwObj, dwHow, lMin, lMax
  kVdiAcquire,         // args result
  kVdiPoll,            // args result
  kVdiGetDeviceState,  // args size, result
  kVdiUnacquire,       // args result
  kVdiAddRef,          // args references after the call
  kVdiRelease,         // args references after the call
  kVdiQueryInterface,  // guid = requested IID; args result
  kVdiOther,           // any method the virtual controller does not implement (E_NOTIMPL)
};

// Device index used in the log for calls on the DirectInput interface itself.
constexpr std::int32_t kVdiInterface = -1;

struct VdiCall {
  std::int32_t kind;    // a VdiCallKind
  std::int32_t device;  // controller index, or kVdiInterface
  std::int32_t args[8];
  GUID guid;
};

extern "C" {
using VdiResetFn = void (*)();
using VdiAddControllerFn = int (*)(const wchar_t* instanceName, const wchar_t* productName);
using VdiControllerGuidFn = GUID (*)(int controller);
using VdiSetResultFn = void (*)(HRESULT result);
using VdiSetControllerResultFn = void (*)(int controller, HRESULT result);
using VdiSetStateFn = void (*)(int controller, const DIJOYSTATE2* state);
using VdiControllerFn = void (*)(int controller);
using VdiSetFillFn = void (*)(int controller, int fillByte);
using VdiCountFn = int (*)();
using VdiCallAtFn = int (*)(int index, VdiCall* call);
using VdiSetClockFn = void (*)(int fake, DWORD nowMs);
}
