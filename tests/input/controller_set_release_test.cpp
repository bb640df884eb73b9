// Releasing the controller set: every device, then the interface, exactly once.
#include "input/controller_set_fixture.h"

namespace {

TEST_F(VirtualControllerSetTest, DestructionUnacquiresAndReleasesDevicesBeforeTheInterface) {
  vdi.FailCreateDevice(vdi.AddController(L"a", L"A"), DIERR_GENERIC);  // entry without device
  vdi.AddController(L"b", L"B");
  vdi.AddController(L"c", L"C");
  auto set = OpenSet();
  EXPECT_EQ(vdi.LiveObjects(), 3);  // interface and two devices
  EXPECT_EQ(vdi.OutstandingRefs(), 3);
  MarkLog();

  set.reset();
  EXPECT_EQ(CallsSinceMark(), (Words{"Unacquire#1", "Release#1", "Unacquire#2", "Release#2", "Release(DI)"}));
  for (const VdiCall& release : vdi.CallsOf(kVdiRelease)) EXPECT_EQ(release.args[0], 0) << "last reference";
  // TearDown checks that no object and no reference is left.
}

TEST_F(VirtualControllerSetTest, ReleaseAllEmptiesTheSetAndDestructionThenDoesNothingMore) {
  vdi.AddController(L"a", L"A");
  auto set = OpenSet();
  set->BeginReading();
  set->ReleaseAll();
  EXPECT_EQ(set->directInput(), nullptr);
  EXPECT_EQ(set->deviceCount(), 0);
  EXPECT_TRUE(set->devices().empty());
  EXPECT_EQ(set->devices().capacity(), 0u);
  EXPECT_EQ(vdi.LiveObjects(), 0);

  MarkLog();
  DIJOYSTATE2 state;
  set->ReadState(state);
  EXPECT_TRUE(AllZero(state));
  set.reset();
  EXPECT_EQ(CallsSinceMark(), Words{});
}

TEST_F(VirtualControllerSetTest, FailedEnumerationKeepsTheInterfaceUntilDestruction) {
  vdi.FailEnum(DIERR_GENERIC);
  auto set = OpenSet(OpenResult::NoController);
  EXPECT_EQ(vdi.LiveObjects(), 1);
  MarkLog();
  set.reset();
  EXPECT_EQ(CallsSinceMark(), (Words{"Release(DI)"}));
}

}  // namespace
