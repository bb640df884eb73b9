// The RAII owners: each frees what it holds exactly once, and put() never leaks.
#include <gtest/gtest.h>

#include <utility>

#include "frame/win32_owners.h"

namespace {

// A handle type whose closes are counted per value.
int g_closes[8];
struct CountingTraits {
  static int invalid() noexcept { return 0; }
  static void close(int value) noexcept { ++g_closes[value]; }
};
using CountingOwner = UniqueAny<int, CountingTraits>;

class UniqueAnyTest : public ::testing::Test {
 protected:
  void SetUp() override { std::fill(std::begin(g_closes), std::end(g_closes), 0); }
};

TEST_F(UniqueAnyTest, ClosesOnDestructionResetAndPutExactlyOnce) {
  {
    CountingOwner owner(1);
    owner.reset(2);
    EXPECT_EQ(g_closes[1], 1);
    *owner.put() = 3;  // put frees 2 before handing out the slot
    EXPECT_EQ(g_closes[2], 1);
    EXPECT_EQ(owner.get(), 3);
  }
  EXPECT_EQ(g_closes[3], 1);
  EXPECT_EQ(g_closes[0], 0);  // the "nothing held" value is never closed
}

TEST_F(UniqueAnyTest, MoveHandsOverAndReleaseGivesUpOwnership) {
  CountingOwner first(4);
  CountingOwner second(std::move(first));
  EXPECT_FALSE(first);
  EXPECT_EQ(second.get(), 4);
  CountingOwner third(5);
  third = std::move(second);  // frees 5, takes 4
  EXPECT_EQ(g_closes[5], 1);
  EXPECT_EQ(g_closes[4], 0);
  EXPECT_EQ(third.release(), 4);
  EXPECT_FALSE(third);
  third.reset();
  EXPECT_EQ(g_closes[4], 0);
}

TEST(UniqueHandleTest, ClosesTheRealHandle) {
  HANDLE raw;
  {
    UniqueHandle event(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    ASSERT_TRUE(event);
    raw = event.get();
    DWORD flags = 0;
    EXPECT_TRUE(GetHandleInformation(raw, &flags));
  }
  DWORD flags = 0;
  EXPECT_FALSE(GetHandleInformation(raw, &flags));  // closed by the owner
}

TEST(UniqueGlobalTest, FreesTheBlock) {
  UniqueGlobal block(GlobalAlloc(GMEM_FIXED, 16));
  ASSERT_TRUE(block);
  block.reset();
  EXPECT_FALSE(block);
}

// A COM object that counts its references.
struct CountedUnknown : IUnknown {
  ULONG refs = 1;
  STDMETHODIMP QueryInterface(REFIID, void** object) override {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return ++refs; }
  STDMETHODIMP_(ULONG) Release() override { return --refs; }
};

TEST(ComPtrTest, BalancesReferencesThroughCopyMovePutAndRelease) {
  CountedUnknown a, b;
  {
    ComPtr<IUnknown> owner;
    *owner.put() = &a;  // adopts the reference an out-parameter hands over
    EXPECT_EQ(a.refs, 1u);
    ComPtr<IUnknown> copy = owner;
    EXPECT_EQ(a.refs, 2u);
    copy = copy;  // self-assignment keeps the count
    EXPECT_EQ(a.refs, 2u);
    ComPtr<IUnknown> moved = std::move(copy);
    EXPECT_EQ(a.refs, 2u);
    *moved.put() = &b;  // put releases a first
    EXPECT_EQ(a.refs, 1u);
    IUnknown* detached = moved.release();
    EXPECT_EQ(detached, &b);
    EXPECT_EQ(b.refs, 1u);
  }
  EXPECT_EQ(a.refs, 0u);  // the last owner released it
  EXPECT_EQ(b.refs, 1u);  // released by nobody: it was detached
}

}  // namespace
