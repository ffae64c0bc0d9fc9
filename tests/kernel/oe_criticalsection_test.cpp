#include <vellmark/kernel/oe_criticalsection.h>

#include "kernel/oe_testworker.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <new>

using oetest::Worker;

TEST(bCCriticalSectionWin32, LockCountIsTheOwnersDepth)
{
    bCCriticalSectionWin32 Section;
    EXPECT_EQ(Section.GetLockCount(), 0ul);
    Section.Acquire();
    Section.Acquire();
    EXPECT_TRUE(Section.TryAcquire());
    EXPECT_EQ(Section.GetLockCount(), 3ul);
    EXPECT_TRUE(Section.IsHeldByCallingThread());

    unsigned long uSeenByOther = 99;
    bool bOtherHolds = true;
    Worker Other([&] {
        uSeenByOther = Section.GetLockCount();
        bOtherHolds = Section.IsHeldByCallingThread();
    });
    ASSERT_TRUE(Other.Join());
    EXPECT_EQ(uSeenByOther, 3ul);
    EXPECT_FALSE(bOtherHolds);

    Section.Release();
    EXPECT_EQ(Section.GetLockCount(), 2ul);
    Section.Release();
    Section.Release();
    EXPECT_FALSE(Section.IsHeldByCallingThread());
}

TEST(bCCriticalSectionWin32, OtherThreadsWaitOrFailToTryWhileTheOwnerHolds)
{
    bCCriticalSectionWin32 Section;
    Section.Acquire();
    std::atomic<int> iTried{-1};
    Worker Other([&] { iTried = Section.TryAcquire() ? 1 : 0; });
    ASSERT_TRUE(Other.Join());
    EXPECT_EQ(iTried.load(), 0);
    std::atomic<bool> bEntered{false};
    Worker Waiter([&] {
        Section.Acquire();
        bEntered = true;
        Section.Release();
        iTried = Section.TryAcquire() ? 1 : 0;
        if (iTried == 1)
            Section.Release();
    });
    oetest::Moment();
    EXPECT_FALSE(bEntered.load());
    Section.Release();
    ASSERT_TRUE(Waiter.Join());
    EXPECT_TRUE(bEntered.load());
    EXPECT_EQ(iTried.load(), 1);
}

TEST(bCCriticalSectionWin32, SerialisesTwoThreadsWithNestedLocking)
{
    bCCriticalSectionWin32 Section;
    Section.SetSpinCount(4000);
    EXPECT_EQ(Section.GetSpinCount(), 4000ul);
    long iCounter = 0; // deliberately plain: only the section protects it
    auto Work = [&] {
        for (int i = 0; i < 20000; ++i)
        {
            Section.Acquire();
            Section.Acquire();
            ++iCounter;
            Section.Release();
            ++iCounter;
            Section.Release();
        }
    };
    Worker A(Work);
    Worker B(Work);
    ASSERT_TRUE(A.Join());
    ASSERT_TRUE(B.Join());
    EXPECT_EQ(iCounter, 80000);
    EXPECT_EQ(Section.GetLockCount(), 0ul);
}

TEST(bCCriticalSectionWin32, ReleaseWithoutHoldingChangesNothing)
{
    bCCriticalSectionWin32 Section;
    Section.Release(); // free: reported, ignored
    EXPECT_EQ(Section.GetLockCount(), 0ul);
    EXPECT_TRUE(Section.TryAcquire());
    Section.Release();

    Section.Acquire();
    Section.Acquire();
    Worker Stranger([&] { Section.Release(); }); // not the owner: reported, ignored
    ASSERT_TRUE(Stranger.Join());
    EXPECT_EQ(Section.GetLockCount(), 2ul);
    EXPECT_TRUE(Section.IsHeldByCallingThread());
    Section.Release();
    Section.Release();
}

TEST(bCCriticalSectionWin32, OwnerDestroyingAHeldSectionGivesItBack)
{
    alignas(bCCriticalSectionWin32) unsigned char arrStorage[sizeof(bCCriticalSectionWin32)];
    auto * pSection = new (arrStorage) bCCriticalSectionWin32;
    pSection->Acquire();
    pSection->Acquire();
    pSection->~bCCriticalSectionWin32(); // reported; must not leave a locked mutex behind
    // A new section in the same place is free for every thread.
    pSection = new (arrStorage) bCCriticalSectionWin32;
    std::atomic<int> iResult{-1};
    Worker Other([&] {
        iResult = pSection->TryAcquire() ? 1 : 0;
        if (iResult == 1)
            pSection->Release();
    });
    ASSERT_TRUE(Other.Join());
    EXPECT_EQ(iResult.load(), 1);
    pSection->~bCCriticalSectionWin32();
}
