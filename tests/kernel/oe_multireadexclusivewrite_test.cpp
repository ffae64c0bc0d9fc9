#include <vellmark/kernel/oe_multireadexclusivewrite.h>

#include "kernel/oe_testworker.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

using oetest::Actor;

namespace
{
    // Opens the lock's state to the tests; read it only while no other thread is inside the lock.
    class bCTestLock : public bCMultiReadExclusiveWriteWin32
    {
    public:
        uint32_t GetCapacity() const { return m_uTableCapacity; }
        int32_t GetReaderCount() const { return m_iReaderCount.load(); }
        int32_t GetSavedReaderCount() const { return m_iSavedReaderCount; }
        bool IsWriting() const { return m_bWriting.load(); }
        bool HasWaitingWriter() const { return m_uWaitingWriter.load() != 0; }
        bool IsOnlyReader() const { return WriterIsOnlyReader(); }
    };

    // Posts a step to an actor that raises the flag once the step returned.
    void PostThenRaise(Actor & a_Actor, std::function<void()> a_Step, std::atomic<bool> & a_bDone)
    {
        a_Actor.Post([a_Step, &a_bDone] {
            a_Step();
            a_bDone = true;
        });
    }
} // namespace

TEST(bCMultiReadExclusiveWriteWin32, ReadsAndWritesNestOnOneThread)
{
    bCTestLock Lock;
    EXPECT_EQ(Lock.GetCapacity(), 4u);
    EXPECT_FALSE(Lock.IsOnlyReader()); // no writer waits
    Lock.BeginRead();
    Lock.BeginRead();
    EXPECT_EQ(Lock.GetReaderCount(), 2);
    EXPECT_EQ(Lock.GetLockCount(), 0ul); // a reader holds the section only while it registers
    Lock.EndRead();
    Lock.EndRead();

    Lock.BeginWrite();
    Lock.BeginWrite();
    EXPECT_EQ(Lock.GetReaderCount(), 2); // the writer's depth
    EXPECT_EQ(Lock.GetLockCount(), 2ul);
    Lock.BeginRead(); // inside the own write: not counted
    EXPECT_EQ(Lock.GetReaderCount(), 2);
    Lock.EndRead();
    Lock.EndWrite();
    EXPECT_TRUE(Lock.IsWriting());
    Lock.EndWrite();
    EXPECT_FALSE(Lock.IsWriting());
    EXPECT_EQ(Lock.GetReaderCount(), 0);
    EXPECT_EQ(Lock.GetLockCount(), 0ul);
}

// A reader that writes waits for the reads of others only; old readers nest while it waits, new
// readers queue behind it. The wake-up that let the first writer in must not let the next writer
// past the read the first one kept.
TEST(bCMultiReadExclusiveWriteWin32, WritersWaitForTheReadsOfOthersWhileNewReadersQueue)
{
    bCTestLock Lock;
    Actor A, R, C, B;
    ASSERT_TRUE(A.Run([&] { Lock.BeginRead(); }));
    ASSERT_TRUE(R.Run([&] { Lock.BeginRead(); }));
    std::atomic<bool> bAWriting{false}, bCReading{false}, bBWriting{false};
    PostThenRaise(
        A, [&] { Lock.BeginWrite(); }, bAWriting);
    ASSERT_TRUE(oetest::WaitFor([&] { return Lock.HasWaitingWriter(); }));
    PostThenRaise(
        C, [&] { Lock.BeginRead(); }, bCReading);
    ASSERT_TRUE(R.Run([&] { Lock.BeginRead(); })); // an old reader is let through
    ASSERT_TRUE(R.Run([&] { Lock.EndRead(); }));
    oetest::Moment();
    EXPECT_FALSE(bAWriting.load()); // R still reads once
    EXPECT_FALSE(bCReading.load());
    ASSERT_TRUE(R.Run([&] { Lock.EndRead(); }));
    ASSERT_TRUE(A.WaitIdle());
    EXPECT_TRUE(bAWriting.load());
    EXPECT_EQ(Lock.GetSavedReaderCount(), 1); // A's own read, put aside
    oetest::Moment();
    EXPECT_FALSE(bCReading.load()); // the writer holds the section
    ASSERT_TRUE(A.Run([&] { Lock.EndWrite(); }));
    ASSERT_TRUE(C.WaitIdle());
    EXPECT_TRUE(bCReading.load());
    EXPECT_EQ(Lock.GetReaderCount(), 2); // A's read, back from the write, and C's

    PostThenRaise(
        B, [&] { Lock.BeginWrite(); }, bBWriting);
    ASSERT_TRUE(oetest::WaitFor([&] { return Lock.HasWaitingWriter(); }));
    ASSERT_TRUE(C.Run([&] { Lock.EndRead(); }));
    oetest::Moment();
    EXPECT_FALSE(bBWriting.load());
    ASSERT_TRUE(A.Run([&] { Lock.EndRead(); }));
    ASSERT_TRUE(B.WaitIdle());
    EXPECT_TRUE(bBWriting.load());
    ASSERT_TRUE(B.Run([&] { Lock.EndWrite(); }));
    EXPECT_EQ(Lock.GetReaderCount(), 0);
}

TEST(bCMultiReadExclusiveWriteWin32, TheFifthReaderGrowsTheTableByThree)
{
    bCTestLock Lock;
    std::vector<std::unique_ptr<Actor>> arrReaders;
    for (uint32_t uCapacity : {4u, 4u, 4u, 4u, 7u})
    {
        arrReaders.push_back(std::make_unique<Actor>());
        ASSERT_TRUE(arrReaders.back()->Run([&] { Lock.BeginRead(); }));
        EXPECT_EQ(Lock.GetCapacity(), uCapacity);
    }
    EXPECT_EQ(Lock.GetReaderCount(), 5);
    // Entries survive the growth: every reader finds its own again.
    for (auto & pReader : arrReaders)
        ASSERT_TRUE(pReader->Run([&] {
            Lock.BeginRead();
            Lock.EndRead();
            Lock.EndRead();
        }));
    EXPECT_EQ(Lock.GetReaderCount(), 0);
}

TEST(bCMultiReadExclusiveWriteWin32, UnlockingWhatIsNotHeldChangesNothing)
{
    bCTestLock Lock;
    Actor A, B;
    Lock.EndRead();  // holds nothing: reported, ignored
    Lock.EndWrite(); // likewise
    ASSERT_TRUE(A.Run([&] { Lock.BeginRead(); }));
    ASSERT_TRUE(B.Run([&] {
        Lock.EndRead(); // A's read is not B's
        Lock.EndWrite();
    }));
    EXPECT_EQ(Lock.GetReaderCount(), 1);
    ASSERT_TRUE(A.Run([&] { Lock.BeginWrite(); })); // the only reader is the writer itself
    ASSERT_TRUE(B.Run([&] { Lock.EndWrite(); }));   // not the writer: ignored
    EXPECT_TRUE(Lock.IsWriting());
    EXPECT_EQ(Lock.GetLockCount(), 1ul);
    ASSERT_TRUE(A.Run([&] {
        Lock.EndWrite();
        Lock.EndRead();
    }));
    EXPECT_FALSE(Lock.IsWriting());
    EXPECT_EQ(Lock.GetReaderCount(), 0);
}

TEST(bCMultiReadExclusiveWriteWin32, DestroyingWaitsForOthersButNotForTheOwnThread)
{
    auto * pLock = new bCMultiReadExclusiveWriteWin32;
    Actor A, D;
    ASSERT_TRUE(A.Run([&] { pLock->BeginRead(); }));
    std::atomic<bool> bDestroyed{false};
    PostThenRaise(
        D, [&] { delete pLock; }, bDestroyed);
    oetest::Moment();
    EXPECT_FALSE(bDestroyed.load());
    ASSERT_TRUE(A.Run([&] { pLock->EndRead(); }));
    ASSERT_TRUE(D.WaitIdle());
    EXPECT_TRUE(bDestroyed.load());
    // Reported; the own reads or writes do not block the implied write.
    for (bool bWrite : {false, true})
        ASSERT_TRUE(A.Run([bWrite] {
            auto * pOwn = new bCMultiReadExclusiveWriteWin32;
            for (int i = 0; i < 2; ++i)
                bWrite ? pOwn->BeginWrite() : pOwn->BeginRead();
            delete pOwn;
        }));
}
