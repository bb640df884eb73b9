#pragma once
// Shared set-up for the controller set's tests against the virtual dinput8.dll:
// a scripted world reset for each test, readable call sequences, sample states.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "input/ydinput8.h"
#include "support/virtual_controller.h"

// The controller set with its release step reachable, to check what it leaves.
class InspectableSet : public CYDInput8 {
 public:
  using CYDInput8::ReleaseAll;
};

// One logged call as a short word, e.g. "GetDeviceState#0" or "Release(DI)".
inline std::string Describe(const VdiCall& call) {
  static const char* const kNames[] = {"?", "Create", "EnumDevices", "CreateDevice", "SetDataFormat",
                                       "SetProperty", "Acquire", "Poll", "GetDeviceState", "Unacquire",
                                       "AddRef", "Release", "QueryInterface", "Other"};
  std::string text = call.kind >= 0 && call.kind <= kVdiOther ? kNames[call.kind] : "?";
  if (call.kind == kVdiCreate || call.kind == kVdiEnumDevices) return text;
  return call.device == kVdiInterface ? text + "(DI)" : text + "#" + std::to_string(call.device);
}

inline std::vector<std::string> Describe(const std::vector<VdiCall>& calls) {
  std::vector<std::string> words;
  for (const VdiCall& call : calls) words.push_back(Describe(call));
  return words;
}

// A state with every field distinct, so a copy from the wrong place shows.
inline DIJOYSTATE2 SampleState(LONG seed) {
  DIJOYSTATE2 state;
  std::memset(&state, 0, sizeof state);
  LONG* axes[] = {&state.lX, &state.lY, &state.lZ, &state.lRx, &state.lRy, &state.lRz};
  for (LONG i = 0; i < 6; ++i) *axes[i] = seed * 10 + i - 1000;
  state.rglSlider[0] = seed;
  state.rgdwPOV[0] = static_cast<DWORD>(seed) * 100;
  state.rgbButtons[static_cast<size_t>(seed) % 128] = 0x80;
  state.rgbButtons[127] = 0x80;
  state.lFRz = seed;  // the last field: all 272 bytes must be copied
  return state;
}

inline bool SameBytes(const DIJOYSTATE2& a, const DIJOYSTATE2& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

inline bool AllZero(const DIJOYSTATE2& state) {
  DIJOYSTATE2 zero;
  std::memset(&zero, 0, sizeof zero);
  return SameBytes(state, zero);
}

class VirtualControllerSetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(vdi.available()) << "needs the virtual dinput8.dll (WINEDLLOVERRIDES=dinput8=n,b)";
    vdi.Reset();
    ASSERT_EQ(vdi.LiveObjects(), 0) << "an earlier test leaked a DirectInput object";
  }
  void TearDown() override {
    if (!vdi.available()) return;
    EXPECT_EQ(vdi.LiveObjects(), 0);
    EXPECT_EQ(vdi.OutstandingRefs(), 0);
  }

  // Opens a new set against the scripted controllers.
  std::unique_ptr<InspectableSet> OpenSet(OpenResult expected = OpenResult::Opened) {
    auto set = std::make_unique<InspectableSet>();
    EXPECT_EQ(set->Open(GetModuleHandleW(nullptr)), expected);
    return set;
  }
  // Marks the log so later checks see only what follows.
  void MarkLog() { mark_ = vdi.Calls().size(); }
  std::vector<std::string> CallsSinceMark() const {
    std::vector<VdiCall> calls = vdi.Calls();
    calls.erase(calls.begin(), calls.begin() + static_cast<std::ptrdiff_t>(std::min(mark_, calls.size())));
    return Describe(calls);
  }

  VirtualController vdi;

 private:
  size_t mark_ = 0;
};

using Words = std::vector<std::string>;
