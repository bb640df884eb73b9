// The controller set against wine's own DirectInput 8, on a machine with no
// game controller attached.
#include <gtest/gtest.h>

#include <cstring>

#include "input/controller_set_fixture.h"

namespace {

class RealDirectInputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(VirtualController().available()) << "needs the platform's dinput8.dll (dinput8=b)";
  }

  // One reading run into a record scribbled over first, so zeros are the
  // set's doing.
  static DIJOYSTATE2 ReadOnce(InspectableSet& set) {
    DIJOYSTATE2 state;
    std::memset(&state, 0xAB, sizeof state);
    set.BeginReading();
    set.ReadState(state);
    set.EndReading();
    return state;
  }
};

TEST_F(RealDirectInputTest, WithoutControllerOpenFindsNoneAndReadsZeros) {
  InspectableSet set;
  ASSERT_EQ(set.Open(GetModuleHandleW(nullptr)), OpenResult::NoController);
  EXPECT_NE(set.directInput(), nullptr);  // created; kept until release
  EXPECT_EQ(set.deviceCount(), 0);

  EXPECT_TRUE(AllZero(ReadOnce(set)));

  set.ReleaseAll();
  EXPECT_EQ(set.directInput(), nullptr);
  EXPECT_EQ(set.deviceCount(), 0);
  EXPECT_EQ(set.devices().capacity(), 0u);
}

TEST_F(RealDirectInputTest, SetThatIsNeverOpenedReadsZerosAndHoldsNothing) {
  InspectableSet set;
  EXPECT_TRUE(AllZero(ReadOnce(set)));
  set.ReleaseAll();
  EXPECT_EQ(set.directInput(), nullptr);
  EXPECT_EQ(set.deviceCount(), 0);
}

}  // namespace
