#pragma once
// A fresh Tesmir.dll instance in this process, driven through its real
// exports, with the virtual controller scripted underneath it.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "frame/win32_owners.h"
#include "host/module_host.h"
#include "host/notification_window.h"
#include "support/virtual_controller.h"

class BridgeHostTest : public testing::Test {
 protected:
  void SetUp() override {
    // Held for the whole test, so the virtual controller's script survives
    // Tesmir.dll being freed and loaded again.
    dinput8_.reset(::LoadLibraryW(L"dinput8.dll"));
    controller_ = std::make_unique<VirtualController>();
    ASSERT_TRUE(controller_->available()) << "the virtual dinput8.dll is not in use";
    controller_->Reset();
    controller_->UseRealClock();
    host_ = std::make_unique<ModuleHost>(L"Tesmir.dll");
    ASSERT_TRUE(host_->loaded());
    ASSERT_EQ(host_->Load("C:\\ghost\\saori\\"), TRUE);
  }

  void TearDown() override {
    if (host_ && host_->loaded()) {
      EXPECT_EQ(host_->Unload(), TRUE);
    }
    host_.reset();
  }

  int Execute(const std::vector<std::string>& args) {
    return StatusOf(host_->Request(ExecuteRequest(args)).bytes);
  }

  // One attached controller showing `state`; returns its index.
  int AttachController(const DIJOYSTATE2& state) {
    const int index = controller_->AddController(L"Virtual Pad", L"Virtual Pad");
    controller_->SetState(index, state);
    return index;
  }

  static DIJOYSTATE2 RestState() {
    DIJOYSTATE2 state = {};
    for (auto& hat : state.rgdwPOV) hat = 0xFFFFFFFFu;
    return state;
  }

  UniqueHmodule dinput8_;
  std::unique_ptr<VirtualController> controller_;
  std::unique_ptr<ModuleHost> host_;
};
