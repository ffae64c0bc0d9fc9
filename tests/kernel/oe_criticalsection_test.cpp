#include <vellmark/kernel/oe_criticalsection.h>

#include "kernel/oe_testworker.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <new>

using oetest::Worker;

// The owner nests; others see its depth, fail to try, wait, and cannot release it.
TEST(bCCriticalSectionWin32, OwnerNestsWhileOtherThreadsWaitOrFailToTryAndGivesItBack)
{
    bCCriticalSectionWin32 Section;
    Section.Release(); // free: reported, ignored
    EXPECT_EQ(Section.GetLockCount(), 0ul);
    Section.SetSpinCount(1); // a waiter spins once, then blocks
    EXPECT_EQ(Section.GetSpinCount(), 1ul);
    Section.Acquire();
    Section.Acquire();
    EXPECT_TRUE(Section.TryAcquire());
    EXPECT_TRUE(Section.IsHeldByCallingThread());

    unsigned long uSeenByOther = 99;
    std::atomic<int> iTried{-1};
    bool bOtherHolds = true;
    Worker Other([&] {
        uSeenByOther = Section.GetLockCount();
        bOtherHolds = Section.IsHeldByCallingThread();
        iTried = Section.TryAcquire() ? 1 : 0;
        Section.Release(); // not the owner: reported, ignored
    });
    ASSERT_TRUE(Other.Join());
    EXPECT_EQ(uSeenByOther, 3ul);
    EXPECT_FALSE(bOtherHolds);
    EXPECT_EQ(iTried.load(), 0);
    EXPECT_EQ(Section.GetLockCount(), 3ul);

    std::atomic<bool> bEntered{false};
    Worker Waiter([&] {
        Section.Acquire();
        bEntered = true;
        Section.Release();
        iTried = Section.TryAcquire() ? 1 : 0;
        if (iTried == 1)
            Section.Release();
    });
    Section.Release();
    EXPECT_EQ(Section.GetLockCount(), 2ul);
    Section.Release();
    oetest::Moment();
    EXPECT_FALSE(bEntered.load());
    Section.Release();
    EXPECT_FALSE(Section.IsHeldByCallingThread());
    ASSERT_TRUE(Waiter.Join());
    EXPECT_TRUE(bEntered.load());
    EXPECT_EQ(iTried.load(), 1);

    // The owner destroying a held section gives it back: a new section in the same place is free.
    alignas(bCCriticalSectionWin32) unsigned char arrStorage[sizeof(bCCriticalSectionWin32)];
    auto * pSection = new (arrStorage) bCCriticalSectionWin32;
    pSection->Acquire();
    pSection->Acquire();
    pSection->~bCCriticalSectionWin32(); // reported; must not leave a locked mutex behind
    pSection = new (arrStorage) bCCriticalSectionWin32;
    Worker Third([&] {
        iTried = pSection->TryAcquire() ? 1 : 0;
        if (iTried == 1)
            pSection->Release();
    });
    ASSERT_TRUE(Third.Join());
    EXPECT_EQ(iTried.load(), 1);
    pSection->~bCCriticalSectionWin32();
}

