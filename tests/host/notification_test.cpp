// What the host window receives while the module polls a virtual controller.
#include "host/bridge_host_fixture.h"

#include <mmsystem.h>

namespace {

using NotificationTest = BridgeHostTest;

TEST_F(NotificationTest, WorkedExampleArrivesByteExactInItsEnvelope) {
  DIJOYSTATE2 pressedBefore = RestState();  // buttons 1 and 2 held at first
  pressedBefore.rgbButtons[1] = 0x80;
  pressedBefore.rgbButtons[2] = 0x80;
  const int pad = AttachController(pressedBefore);
  NotificationWindow window;
  ASSERT_EQ(Execute({"create", window.HandleText()}), 204);
  ASSERT_EQ(Execute({"config", "buttonnum", "4"}), 204);
  ASSERT_EQ(Execute({"start"}), 204);
  ASSERT_TRUE(window.WaitForCount(2));

  DIJOYSTATE2 now = RestState();
  now.lX = 500;
  now.lY = -150;
  now.lZ = 0;
  now.lRx = -1000;
  now.lRy = 201;
  now.lRz = -200;
  now.rgbButtons[0] = 0x80;
  now.rgbButtons[1] = 0x80;
  const std::size_t before = window.Count();
  controller_->SetState(pad, now);
  // The first frame that reads the new state compares it with the old one.
  const std::string expected =
      "NOTIFY SSTP/1.0\r\nSender: Tesmir\r\nEvent: OnTesmirState\r\n"
      "Reference0: 500\r\nReference1: 0\r\nReference2: 0\r\nReference3: -1000\r\n"
      "Reference4: 201\r\nReference5: 0\r\nReference6: -1\r\n"
      "Reference7: 1\r\nReference8: 2\r\nReference9: 3\r\nReference10: 0\r\n"
      "Charset: UTF-8\r\n\r\n";
  ASSERT_EQ(expected.size(), 248u);
  ASSERT_TRUE(window.WaitUntil([&](const std::vector<ReceivedCopyData>& all) {
    for (std::size_t i = before; i < all.size(); ++i) {
      if (ReferenceValue(all[i].bytes, 0) == 500) return true;
    }
    return false;
  }));
  EXPECT_EQ(Execute({"stop"}), 204);

  for (const ReceivedCopyData& message : window.Received()) {
    if (ReferenceValue(message.bytes, 0) != 500) continue;
    EXPECT_EQ(message.bytes, expected + '\0');
    EXPECT_EQ(message.cbData, 249u);
    EXPECT_EQ(message.dwData, 9801u);
    EXPECT_EQ(message.wParam, reinterpret_cast<WPARAM>(window.handle()));
    return;  // the first such frame is the one with the transitions
  }
}

TEST_F(NotificationTest, ButtonCountShapesTheText) {
  struct Case {
    const char* buttonnum;
    int buttonLines;
    std::size_t cbData;  // 0: not checked
  };
  const Case cases[] = {{"0", 0, 179}, {"200", 128, 0}, {"-5", 0, 179}, {"3", 3, 0}};
  AttachController(DIJOYSTATE2{});  // all zero, hat included
  NotificationWindow window;
  ASSERT_EQ(Execute({"create", window.HandleText()}), 204);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.buttonnum);
    ASSERT_EQ(Execute({"config", "buttonnum", c.buttonnum}), 204);
    const std::size_t before = window.Count();
    ASSERT_EQ(Execute({"start"}), 204);
    ASSERT_TRUE(window.WaitForCount(before + 1));
    ASSERT_EQ(Execute({"stop"}), 204);
    const ReceivedCopyData first = window.Received()[before];
    EXPECT_EQ(ReferenceCount(first.bytes), 7 + c.buttonLines);
    if (c.cbData != 0) {
      EXPECT_EQ(first.cbData, c.cbData);
    }
    if (c.buttonLines == 128) {
      EXPECT_EQ(ReferenceValue(first.bytes, 134), 0);
      EXPECT_EQ(ReferenceValue(first.bytes, 135), -9999);
    }
  }
}

// The codes of button 0 (Reference7) over the notifications from `from` on.
std::vector<int> ButtonZeroCodes(const NotificationWindow& window, std::size_t from) {
  std::vector<int> codes;
  const auto all = window.Received();
  for (std::size_t i = from; i < all.size(); ++i) codes.push_back(ReferenceValue(all[i].bytes, 7));
  return codes;
}

bool Contains(const std::vector<ReceivedCopyData>& all, std::size_t from, int code) {
  for (std::size_t i = from; i < all.size(); ++i) {
    if (ReferenceValue(all[i].bytes, 7) == code) return true;
  }
  return false;
}

TEST_F(NotificationTest, ButtonCodesFollowPressHoldAndRelease) {
  DIJOYSTATE2 held = RestState();
  held.rgbButtons[0] = 0x80;
  const DIJOYSTATE2 released = RestState();
  const int pad = AttachController(held);  // held down before the polling starts
  NotificationWindow window;
  ASSERT_EQ(Execute({"create", window.HandleText()}), 204);
  ASSERT_EQ(Execute({"start"}), 204);
  ASSERT_TRUE(window.WaitForCount(3));

  controller_->SetState(pad, released);
  ASSERT_TRUE(window.WaitUntil([](const auto& all) { return Contains(all, 0, 3); }));
  const std::size_t afterRelease = window.Count();
  ASSERT_TRUE(window.WaitForCount(afterRelease + 2));
  controller_->SetState(pad, held);
  ASSERT_TRUE(window.WaitUntil([&](const auto& all) { return Contains(all, afterRelease, 1); }));
  ASSERT_TRUE(window.WaitForCount(window.Count() + 2));
  ASSERT_EQ(Execute({"stop"}), 204);

  // 1, then 2 while held, 3 once on release, 0 while up, 1 again, then 2.
  std::vector<int> phases;
  for (int code : ButtonZeroCodes(window, 0)) {
    if (phases.empty() || phases.back() != code) phases.push_back(code);
  }
  EXPECT_EQ(phases, (std::vector<int>{1, 2, 3, 0, 1, 2}));
  const auto codes = ButtonZeroCodes(window, 0);
  for (std::size_t i = 1; i < codes.size(); ++i) {
    EXPECT_FALSE(codes[i] == 3 && codes[i - 1] == 3) << "a release is reported once";
    EXPECT_FALSE(codes[i] == 1 && codes[i - 1] == 1) << "a press is reported once";
  }

  // A restart begins from a cleared previous record: the held button is new again.
  const std::size_t beforeRestart = window.Count();
  ASSERT_EQ(Execute({"start"}), 204);
  ASSERT_TRUE(window.WaitForCount(beforeRestart + 2));
  ASSERT_EQ(Execute({"stop"}), 204);
  const auto restarted = ButtonZeroCodes(window, beforeRestart);
  EXPECT_EQ(restarted[0], 1);
  EXPECT_EQ(restarted[1], 2);
}

TEST_F(NotificationTest, FrameStartsAreAtLeast34msApart) {
  AttachController(RestState());
  NotificationWindow window;
  ASSERT_EQ(Execute({"create", window.HandleText()}), 204);
  constexpr std::size_t kFrames = 6;
  // Frame n starts no earlier than 34 * n ms after the first frame, which
  // starts after "start" was sent; each notification arrives after its frame
  // started. So arrival n - (time "start" was sent) >= 34 * n, whatever the
  // delays between a frame's start and its delivery.
  const DWORD startSent = ::timeGetTime();
  ASSERT_EQ(Execute({"start"}), 204);
  ASSERT_TRUE(window.WaitForCount(kFrames));
  ASSERT_EQ(Execute({"stop"}), 204);
  const auto received = window.Received();
  for (std::size_t n = 0; n < kFrames; ++n) {
    SCOPED_TRACE(n);
    EXPECT_GE(received[n].arrivalMs - startSent, 34u * n);
  }
}

TEST_F(NotificationTest, MarginChangesDuringPollingFromTheNextFrame) {
  DIJOYSTATE2 state = RestState();
  state.lX = 250;
  state.lY = -251;
  AttachController(state);
  NotificationWindow window;
  ASSERT_EQ(Execute({"create", window.HandleText()}), 204);
  ASSERT_EQ(Execute({"start"}), 204);
  ASSERT_TRUE(window.WaitForCount(1));
  EXPECT_EQ(Execute({"config", "buttonnum", "4"}), 400) << "fixed while polling";

  struct Case {
    const char* margin;
    int x, y;
  };
  const Case cases[] = {{"250", 0, -251}, {"1500", 0, 0}, {"-3", 250, -251}, {"249", 250, -251}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.margin);
    ASSERT_EQ(Execute({"config", "margin", c.margin}), 204);
    // A frame already past its margin read may still show the old value;
    // every frame that starts after the answer shows the new one.
    const std::size_t answered = window.Count();
    ASSERT_TRUE(window.WaitForCount(answered + 2));
    const std::string later = window.Received()[answered + 1].bytes;
    EXPECT_EQ(ReferenceValue(later, 0), c.x);
    EXPECT_EQ(ReferenceValue(later, 1), c.y);
  }
  ASSERT_EQ(Execute({"stop"}), 204);
  EXPECT_EQ(ReferenceCount(window.Received().back().bytes), 7 + 32) << "buttonnum kept";
}

TEST_F(NotificationTest, OnlyTheFirstWindowIsNotified) {
  AttachController(RestState());
  NotificationWindow first;
  NotificationWindow second;
  ASSERT_EQ(Execute({"create", first.HandleText(), second.HandleText()}), 204);
  ASSERT_EQ(Execute({"start"}), 204);
  ASSERT_TRUE(first.WaitForCount(3));
  ASSERT_EQ(Execute({"stop"}), 204);
  EXPECT_EQ(second.Count(), 0u);
}

}  // namespace
