// A program without its own import of dinput8.dll loads the virtual one first,
// scripts it, then loads a DLL that imports dinput8.dll: the import must bind to
// the module already loaded, as later tests of the whole product rely on.
#include <gtest/gtest.h>

#include "frame/win32_owners.h"
#include "support/virtual_controller.h"

namespace {

TEST(VirtualPreload, ImportOfALaterDllBindsToTheVirtualControllerLoadedFirst) {
  ASSERT_EQ(GetModuleHandleW(L"dinput8.dll"), nullptr) << "this program must not import dinput8.dll";
  VirtualController vdi;  // loads it
  ASSERT_TRUE(vdi.available());
  vdi.Reset();
  vdi.AddController(L"a", L"A");
  vdi.AddController(L"b", L"B");

  UniqueHmodule client(LoadLibraryW(L"input_dinput8_client.dll"));
  ASSERT_TRUE(client);
  auto openCount = reinterpret_cast<int (*)()>(
      reinterpret_cast<void*>(GetProcAddress(client.get(), "client_open_count")));
  ASSERT_NE(openCount, nullptr);
  EXPECT_EQ(openCount(), 2);
  EXPECT_EQ(vdi.CallsOf(kVdiCreate).size(), 1u);
  EXPECT_EQ(GetModuleHandleW(L"dinput8.dll"), vdi.module());
  EXPECT_EQ(vdi.LiveObjects(), 0);
}

}  // namespace
