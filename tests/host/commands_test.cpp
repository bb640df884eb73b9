// The bridge commands and their statuses, through real request calls.
#include <functional>

#include "host/bridge_host_fixture.h"

namespace {

using CommandsTest = BridgeHostTest;

struct Step {
  std::vector<std::string> args;
  int status;
};

struct Script {
  const char* what;
  std::vector<Step> steps;
};

// "@w" in an argument stands for the test window's handle.
void RunScript(const Script& script, const std::string& window,
               const std::function<int(const std::vector<std::string>&)>& execute) {
  SCOPED_TRACE(script.what);
  for (std::size_t i = 0; i < script.steps.size(); ++i) {
    std::vector<std::string> args = script.steps[i].args;
    for (std::string& arg : args) {
      if (arg == "@w") arg = window;
    }
    std::string line;
    for (const std::string& arg : args) line += "[" + arg + "]";
    SCOPED_TRACE(testing::Message() << "step " << i << ": " << line);
    EXPECT_EQ(execute(args), script.steps[i].status);
  }
}

TEST_F(CommandsTest, StatusTable) {
  const Script scripts[] = {
      {"no arguments or unknown words", {{{}, 400}, {{"foo"}, 400}, {{""}, 400}}},
      {"words match exactly",
       {{{"Start"}, 400}, {{"start "}, 400}, {{"STOP"}, 400}, {{"Create", "@w"}, 400},
        {{"Config", "margin", "1"}, 400}, {{"config", "Margin", "10"}, 400},
        {{"config", "margin ", "10"}, 400}}},
      {"start and stop",
       {{{"stop"}, 400}, {{"start"}, 204}, {{"start"}, 400}, {{"stop"}, 204}, {{"stop"}, 400},
        {{"start"}, 204}, {{"stop"}, 204}}},
      {"config values are clamped, never refused",
       {{{"config", "margin", "1500"}, 204}, {{"config", "margin", "-3"}, 204},
        {{"config", "margin", "abc"}, 204}, {{"config", "buttonnum", "200"}, 204},
        {{"config", "buttonnum", "-1"}, 204}, {{"config", "buttonnum", "0x10"}, 204}}},
      {"config with too few arguments or another key",
       {{{"config"}, 400}, {{"config", "margin"}, 400}, {{"config", "buttonnum"}, 400},
        {{"config", "deadzone", "5"}, 400}}},
      {"buttonnum is fixed while polling, margin is not",
       {{{"start"}, 204}, {{"config", "buttonnum", "5"}, 400}, {{"config", "buttonnum"}, 400},
        {{"config", "margin", "5"}, 204}, {{"stop"}, 204}, {{"config", "buttonnum", "5"}, 204}}},
      {"create refusals leave no trace",
       {{{"create"}, 400}, {{"create", "0"}, 400}, {{"create", "abc"}, 400}, {{"create", ""}, 400},
        {{"create", "1234", "0"}, 400}, {{"create", "@w"}, 204}, {{"create", "@w"}, 400}}},
      {"create during a run that began without a list",
       {{{"start"}, 204}, {{"create", "@w"}, 400}, {{"stop"}, 204}, {{"create", "@w"}, 204},
        {{"start"}, 204}, {{"create", "@w"}, 400}, {{"stop"}, 204}}},
  };
  AttachController(RestState());
  NotificationWindow window;
  for (const Script& script : scripts) {
    // Each script runs on a fresh instance.
    ASSERT_EQ(host_->Load("fresh"), TRUE);
    RunScript(script, window.HandleText(), [this](const auto& args) { return Execute(args); });
  }
}

TEST_F(CommandsTest, RefusedCreateOpensNoController) {
  AttachController(RestState());
  ASSERT_EQ(Execute({"create", "1234", "0"}), 400);
  ASSERT_EQ(Execute({"create", "abc"}), 400);
  EXPECT_TRUE(controller_->CallsOf(kVdiCreate).empty());
  // A handle with space, sign and trailing letters is read as 1234: accepted.
  ASSERT_EQ(Execute({"create", " +1234abc"}), 204);
  EXPECT_EQ(controller_->CallsOf(kVdiCreate).size(), 1u);
}

TEST_F(CommandsTest, OpenFailuresKeepTheWindowList) {
  struct Case {
    const char* what;
    std::function<void(VirtualController&)> script;
    int status;
  };
  const Case cases[] = {
      {"interface cannot be created", [](VirtualController& c) { c.FailCreate(E_FAIL); }, 400},
      {"enumeration fails",
       [](VirtualController& c) {
         c.AddController(L"pad", L"pad");
         c.FailEnum(E_FAIL);
       },
       500},
      {"no controller attached", [](VirtualController&) {}, 500},
  };
  NotificationWindow window;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    controller_->Reset();
    c.script(*controller_);
    ASSERT_EQ(host_->Load("fresh"), TRUE);
    EXPECT_EQ(Execute({"create", window.HandleText()}), c.status);
    EXPECT_EQ(Execute({"create", window.HandleText()}), 400) << "opened at most once per load";
    // The thread still runs and sends all-zero states to the recorded window.
    const std::size_t before = window.Count();
    ASSERT_EQ(Execute({"start"}), 204);
    ASSERT_TRUE(window.WaitForCount(before + 1));
    ASSERT_EQ(Execute({"stop"}), 204);
    const std::string text = window.Received()[before].bytes;
    for (int reference = 0; reference < 7 + 32; ++reference) {
      EXPECT_EQ(ReferenceValue(text, reference), 0) << reference;
    }
  }
}

}  // namespace
