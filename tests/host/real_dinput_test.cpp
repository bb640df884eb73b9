// "create" against wine's own DirectInput, with no game controller attached.
#include <gtest/gtest.h>

#include "host/module_host.h"
#include "host/notification_window.h"

namespace {

TEST(RealDirectInput, CreateWithoutControllerAnswers500ThenRefusesAnother) {
  ModuleHost host(L"Tesmir.dll");
  ASSERT_TRUE(host.loaded());
  ASSERT_EQ(host.Load("C:\\ghost\\"), TRUE);
  NotificationWindow window;
  EXPECT_EQ(StatusOf(host.Request(ExecuteRequest({"create", window.HandleText()})).bytes), 500);
  EXPECT_EQ(StatusOf(host.Request(ExecuteRequest({"create", window.HandleText()})).bytes), 400);
  // The recorded window still gets all-zero states.
  EXPECT_EQ(StatusOf(host.Request(ExecuteRequest({"start"})).bytes), 204);
  ASSERT_TRUE(window.WaitForCount(1));
  EXPECT_EQ(StatusOf(host.Request(ExecuteRequest({"stop"})).bytes), 204);
  EXPECT_EQ(ReferenceValue(window.Received()[0].bytes, 7), 0);
  EXPECT_EQ(host.Unload(), TRUE);
}

}  // namespace
