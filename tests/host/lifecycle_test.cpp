// The exports' contract with the host, and how the polling thread ends.
#include <algorithm>

#include "host/bridge_host_fixture.h"

namespace {

using LifecycleTest = BridgeHostTest;

const std::string kBareInternalError = "SAORI/1.0 500 Internal Server Error\r\n\r\n";

TEST_F(LifecycleTest, ResponseBlockHoldsTheBytesAndOneNul) {
  const std::string version = "GET Version SAORI/1.0\r\nCharset: UTF-8\r\n\r\n";
  const ModuleResponse plain = host_->Request(version);
  ASSERT_TRUE(plain.blockReturned);
  EXPECT_EQ(StatusOf(plain.bytes), 200);
  EXPECT_EQ(plain.storedLength, static_cast<long>(plain.bytes.size()));
  EXPECT_TRUE(plain.nulAfterBytes);

  // A length that counts a trailing NUL is answered exactly the same.
  const ModuleResponse withNul = host_->Request(version + '\0');
  EXPECT_EQ(withNul.bytes, plain.bytes);
  EXPECT_EQ(withNul.storedLength, plain.storedLength);

  const ModuleResponse empty = host_->Request("");
  EXPECT_EQ(StatusOf(empty.bytes), 500);
  EXPECT_TRUE(empty.nulAfterBytes);
}

TEST_F(LifecycleTest, LoadTwiceUnloadsTheFirstInstance) {
  AttachController(RestState());
  NotificationWindow window;
  ASSERT_EQ(Execute({"create", window.HandleText()}), 204);
  ASSERT_EQ(Execute({"start"}), 204);
  ASSERT_TRUE(window.WaitForCount(1));

  ASSERT_EQ(host_->Load("again"), TRUE);
  // The first instance's thread has ended and its controllers are released...
  const std::size_t afterReload = window.Count();
  EXPECT_EQ(controller_->LiveObjects(), 0);
  // ...and the new one starts from the defaults: no thread, no window list.
  EXPECT_EQ(Execute({"stop"}), 400);
  EXPECT_EQ(Execute({"create", window.HandleText()}), 204);
  EXPECT_EQ(window.Count(), afterReload);
}

TEST_F(LifecycleTest, WithoutAnInstance) {
  ASSERT_EQ(host_->Unload(), TRUE);
  EXPECT_EQ(host_->Unload(), TRUE) << "unload without an instance";
  const ModuleResponse response = host_->Request(ExecuteRequest({"start"}));
  EXPECT_EQ(response.bytes, kBareInternalError);
  EXPECT_EQ(response.storedLength, 39);
  EXPECT_TRUE(response.nulAfterBytes);
  EXPECT_EQ(host_->LoadWithoutBlock(), TRUE) << "load with no text still loads";
  EXPECT_EQ(Execute({"stop"}), 400);
}

// Index of the last logged call matching `match`, or -1.
template <typename Match>
int LastIndex(const std::vector<VdiCall>& calls, Match match) {
  for (int i = static_cast<int>(calls.size()) - 1; i >= 0; --i) {
    if (match(calls[i])) return i;
  }
  return -1;
}

TEST_F(LifecycleTest, UnloadWhilePollingEndsTheThreadBeforeReleasingTheControllers) {
  const int pad = AttachController(RestState());
  NotificationWindow window;
  ASSERT_EQ(Execute({"create", window.HandleText()}), 204);
  ASSERT_EQ(Execute({"start"}), 204);
  ASSERT_TRUE(window.WaitForCount(2));
  ASSERT_EQ(host_->Unload(), TRUE);
  host_.reset();  // nothing of the instance is left to run

  const std::vector<VdiCall> calls = controller_->Calls();
  auto onPad = [pad](VdiCallKind kind) {
    return [pad, kind](const VdiCall& call) { return call.kind == kind && call.device == pad; };
  };
  const int lastRead = LastIndex(calls, onPad(kVdiGetDeviceState));
  const int finalRelease = LastIndex(calls, onPad(kVdiRelease));
  ASSERT_GE(lastRead, 0);
  ASSERT_GT(finalRelease, lastRead);
  EXPECT_EQ(calls[finalRelease].args[0], 0) << "the device's last reference";
  // The thread's own Unacquire (end of its reading) and the release's one come
  // between the last read and the release.
  int unacquires = 0;
  for (int i = lastRead + 1; i < finalRelease; ++i) {
    if (calls[i].kind == kVdiUnacquire && calls[i].device == pad) ++unacquires;
    EXPECT_NE(calls[i].kind, kVdiGetDeviceState);
  }
  EXPECT_EQ(unacquires, 2);
  EXPECT_EQ(controller_->LiveObjects(), 0);
}

TEST_F(LifecycleTest, DestroyedWindowStopsTheSendingNotThePolling) {
  AttachController(RestState());
  NotificationWindow window;
  ASSERT_EQ(Execute({"create", window.HandleText()}), 204);
  ASSERT_EQ(Execute({"start"}), 204);
  ASSERT_TRUE(window.WaitForCount(2));
  window.Destroy();
  const std::size_t delivered = window.Count();

  auto reads = [&] { return controller_->CallsOf(kVdiGetDeviceState).size(); };
  const std::size_t readsAtDestroy = reads();
  for (int waited = 0; reads() < readsAtDestroy + 3 && waited < 10000; waited += 10) ::Sleep(10);
  EXPECT_GE(reads(), readsAtDestroy + 3) << "the polling goes on";
  EXPECT_EQ(window.Count(), delivered);
  EXPECT_EQ(Execute({"stop"}), 204);
}

TEST_F(LifecycleTest, StopReturnsWhileTheTargetWindowIsNotPumped) {
  AttachController(RestState());
  // A window of this very thread, which pumps no messages while it waits in
  // "stop": a pending send can only end by its time-out.
  HWND window = CreateTestWindow();
  ASSERT_NE(window, nullptr);
  const std::string handle = std::to_string(static_cast<long>(reinterpret_cast<LONG_PTR>(window)));
  ASSERT_EQ(Execute({"create", handle}), 204);
  ASSERT_EQ(Execute({"start"}), 204);
  // Wait until the thread is inside a send to the window (it has read once).
  for (int waited = 0; controller_->CallsOf(kVdiGetDeviceState).empty() && waited < 10000;
       waited += 10) {
    ::Sleep(10);
  }
  EXPECT_EQ(Execute({"stop"}), 204);
  ::DestroyWindow(window);
}

}  // namespace
