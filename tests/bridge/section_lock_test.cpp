#include "bridge/section_lock.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

TEST(CSectionLock, GivesMutualExclusion) {
  CSectionLock lock;
  ASSERT_TRUE(lock.IsReady());
  // Unsynchronised read-modify-write cycles lose updates unless the lock works.
  volatile long counter = 0;
  constexpr int kThreads = 4;
  constexpr int kRounds = 20000;
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&] {
      for (int i = 0; i < kRounds; ++i) {
        SectionGuard guard(lock);
        counter = counter + 1;
      }
    });
  }
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(counter, kThreads * kRounds);
}

}  // namespace
