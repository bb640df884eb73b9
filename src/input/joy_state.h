#pragma once
// The controller state record, DirectInput's DIJOYSTATE2 (272 bytes). On Windows
// it comes from <dinput.h>; elsewhere an identical layout stands in, so the pure
// code that reads it (the notification text) builds and is tested natively too.
#ifdef _WIN32
#ifndef DIRECTINPUT_VERSION
#define DIRECTINPUT_VERSION 0x0800
#endif
#include <windows.h>
#include <dinput.h>
#else
#include <cstdint>
struct DIJOYSTATE2 {
  std::int32_t lX, lY, lZ;
  std::int32_t lRx, lRy, lRz;
  std::int32_t rglSlider[2];
  std::uint32_t rgdwPOV[4];
  std::uint8_t rgbButtons[128];
  std::int32_t lVX, lVY, lVZ, lVRx, lVRy, lVRz;
  std::int32_t rglVSlider[2];
  std::int32_t lAX, lAY, lAZ, lARx, lARy, lARz;
  std::int32_t rglASlider[2];
  std::int32_t lFX, lFY, lFZ, lFRx, lFRy, lFRz;
  std::int32_t rglFSlider[2];
};
#endif
static_assert(sizeof(DIJOYSTATE2) == 272, "DIJOYSTATE2 is 272 bytes");
