// The watch's log: one line per change, raw texts and unreadable ones shown
// once each, counts kept for the summary.
#include <gtest/gtest.h>

#include "notification_log.h"

namespace {

std::string StateText(int x, int button0) {
  return "NOTIFY SSTP/1.0\r\nSender: Tesmir\r\nEvent: OnTesmirState\r\nReference0: " + std::to_string(x) +
         "\r\nReference1: 0\r\nReference2: 0\r\nReference3: 0\r\nReference4: 0\r\nReference5: 0\r\n"
         "Reference6: -1\r\nReference7: " +
         std::to_string(button0) + "\r\nCharset: UTF-8\r\n\r\n" + std::string(1, '\0');
}

TEST(NotificationLog, OneLinePerChange) {
  NotificationLog log(false);
  EXPECT_EQ(log.Take(StateText(0, 0), 0.0),
            "[  0.000s] X     0  Y     0  Z     0  Rx     0  Ry     0  Rz     0  hat centred       no buttons down\n");
  EXPECT_EQ(log.Take(StateText(0, 0), 0.034), "") << "same state: nothing";
  EXPECT_NE(log.Take(StateText(0, 1), 0.068).find("] X     0 "), std::string::npos);
  EXPECT_NE(log.Take(StateText(0, 2), 0.102).find("held 0"), std::string::npos) << "pressed then held is a change";
  EXPECT_EQ(log.Take(StateText(0, 2), 0.136), "");
  EXPECT_NE(log.Take(StateText(-1000, 2), 1.5).find("[  1.500s] X -1000"), std::string::npos);
  EXPECT_EQ(log.received(), 6u);
  EXPECT_EQ(log.shown(), 4u);
  ASSERT_TRUE(log.latest().has_value());
  EXPECT_EQ(log.latest()->axes[0], -1000);
}

TEST(NotificationLog, UnreadableTextsShowOnceAndDoNotHideTheNextState) {
  NotificationLog log(false);
  log.Take(StateText(5, 0), 0.0);
  EXPECT_EQ(log.Take("SEND SSTP/1.0\r\n\r\n", 0.1), "[  0.100s] unreadable notification:\nSEND SSTP/1.0\\r\\n\n\\r\\n\n");
  EXPECT_EQ(log.Take("SEND SSTP/1.0\r\n\r\n", 0.2), "");
  EXPECT_NE(log.Take(StateText(5, 0), 0.3), "") << "the state is shown again after something else";
  EXPECT_EQ(log.latest()->axes[0], 5);
}

TEST(NotificationLog, RawShowsTheTextOncePerChange) {
  NotificationLog log(true);
  const std::string shown = log.Take(StateText(1, 0), 0.0);
  EXPECT_EQ(shown.rfind("[  0.000s] notification:\nNOTIFY SSTP/1.0\\r\\n\nSender: Tesmir\\r\\n\n", 0), 0u) << shown;
  EXPECT_NE(shown.find("Charset: UTF-8\\r\\n\n\\r\\n\n\\x00\n"), std::string::npos) << "the NUL the sender counted shows";
  EXPECT_EQ(log.Take(StateText(1, 0), 0.1), "");
  EXPECT_NE(log.Take(StateText(2, 0), 0.2), "");
}

}  // namespace
