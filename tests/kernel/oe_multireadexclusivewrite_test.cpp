#include <vellmark/kernel/oe_multireadexclusivewrite.h>

#include "kernel/oe_testworker.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

using oetest::Actor;
using oetest::Worker;

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
    EXPECT_EQ(Lock.GetReaderCount(), 0);

    Lock.BeginWrite();
    Lock.BeginWrite();
    EXPECT_TRUE(Lock.IsWriting());
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

TEST(bCMultiReadExclusiveWriteWin32, AReaderWritesWithoutWaitingForItself)
{
    bCTestLock Lock;
    Actor A;
    ASSERT_TRUE(A.Run([&] { Lock.BeginRead(); }));
    ASSERT_TRUE(A.Run([&] { Lock.BeginWrite(); })); // the only reader is the writer itself
    EXPECT_TRUE(Lock.IsWriting());
    EXPECT_EQ(Lock.GetSavedReaderCount(), 1);
    ASSERT_TRUE(A.Run([&] { Lock.EndWrite(); }));
    EXPECT_FALSE(Lock.IsWriting());
    EXPECT_EQ(Lock.GetReaderCount(), 1); // A still reads
    ASSERT_TRUE(A.Run([&] { Lock.EndRead(); }));
}

TEST(bCMultiReadExclusiveWriteWin32, AWriterWaitsForTheLastReadOfOthers)
{
    bCTestLock Lock;
    Actor A, B;
    ASSERT_TRUE(A.Run([&] {
        Lock.BeginRead();
        Lock.BeginRead();
    }));
    ASSERT_TRUE(B.Run([&] { Lock.BeginRead(); }));
    std::atomic<bool> bWriting{false};
    PostThenRaise(
        B, [&] { Lock.BeginWrite(); }, bWriting);
    oetest::Moment();
    EXPECT_FALSE(bWriting.load());
    ASSERT_TRUE(A.Run([&] { Lock.EndRead(); }));
    oetest::Moment();
    EXPECT_FALSE(bWriting.load()); // A still reads once
    ASSERT_TRUE(A.Run([&] { Lock.EndRead(); }));
    ASSERT_TRUE(B.WaitIdle());
    EXPECT_TRUE(bWriting.load());
    EXPECT_EQ(Lock.GetSavedReaderCount(), 1); // B's own read, put aside
    ASSERT_TRUE(B.Run([&] {
        Lock.EndWrite();
        Lock.EndRead();
    }));
    EXPECT_EQ(Lock.GetReaderCount(), 0);
}

// The wake-up that let the first writer in must not let the next writer past the read the first
// one kept.
TEST(bCMultiReadExclusiveWriteWin32, AWriterThatWaitedStillHoldsOffTheNextWriterWithItsRead)
{
    bCTestLock Lock;
    Actor A, R, B;
    ASSERT_TRUE(A.Run([&] { Lock.BeginRead(); }));
    ASSERT_TRUE(R.Run([&] { Lock.BeginRead(); }));
    std::atomic<bool> bAWriting{false};
    PostThenRaise(
        A, [&] { Lock.BeginWrite(); }, bAWriting);
    ASSERT_TRUE(oetest::WaitFor([&] { return Lock.HasWaitingWriter(); }));
    ASSERT_TRUE(R.Run([&] { Lock.EndRead(); }));
    ASSERT_TRUE(A.WaitIdle());
    EXPECT_TRUE(bAWriting.load());
    ASSERT_TRUE(A.Run([&] { Lock.EndWrite(); }));
    EXPECT_EQ(Lock.GetReaderCount(), 1); // A's read, back from the write

    std::atomic<bool> bBWriting{false};
    PostThenRaise(
        B, [&] { Lock.BeginWrite(); }, bBWriting);
    ASSERT_TRUE(oetest::WaitFor([&] { return Lock.HasWaitingWriter(); }));
    oetest::Moment();
    EXPECT_FALSE(bBWriting.load());
    ASSERT_TRUE(A.Run([&] { Lock.EndRead(); }));
    ASSERT_TRUE(B.WaitIdle());
    EXPECT_TRUE(bBWriting.load());
    ASSERT_TRUE(B.Run([&] { Lock.EndWrite(); }));
    EXPECT_EQ(Lock.GetReaderCount(), 0);
}

TEST(bCMultiReadExclusiveWriteWin32, NewReadersQueueBehindAWaitingWriterWhileOldReadersNest)
{
    bCTestLock Lock;
    Actor A, W, C;
    ASSERT_TRUE(A.Run([&] { Lock.BeginRead(); }));
    std::atomic<bool> bWriting{false};
    std::atomic<bool> bNewReader{false};
    PostThenRaise(
        W, [&] { Lock.BeginWrite(); }, bWriting);
    ASSERT_TRUE(oetest::WaitFor([&] { return Lock.HasWaitingWriter(); }));
    PostThenRaise(
        C, [&] { Lock.BeginRead(); }, bNewReader);
    ASSERT_TRUE(A.Run([&] { Lock.BeginRead(); })); // an old reader is let through
    oetest::Moment();
    EXPECT_FALSE(bNewReader.load());
    EXPECT_FALSE(bWriting.load());
    ASSERT_TRUE(A.Run([&] {
        Lock.EndRead();
        Lock.EndRead();
    }));
    ASSERT_TRUE(W.WaitIdle());
    EXPECT_TRUE(bWriting.load());
    oetest::Moment();
    EXPECT_FALSE(bNewReader.load()); // the writer holds the section
    ASSERT_TRUE(W.Run([&] { Lock.EndWrite(); }));
    ASSERT_TRUE(C.WaitIdle());
    EXPECT_TRUE(bNewReader.load());
    ASSERT_TRUE(C.Run([&] { Lock.EndRead(); }));
    EXPECT_EQ(Lock.GetReaderCount(), 0);
}

TEST(bCMultiReadExclusiveWriteWin32, TheFifthReaderGrowsTheTableByThree)
{
    bCTestLock Lock;
    std::vector<std::unique_ptr<Actor>> arrReaders;
    auto AddReader = [&] {
        arrReaders.push_back(std::make_unique<Actor>());
        return arrReaders.back()->Run([&] { Lock.BeginRead(); });
    };
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(AddReader());
    EXPECT_EQ(Lock.GetCapacity(), 4u);
    ASSERT_TRUE(AddReader());
    EXPECT_EQ(Lock.GetCapacity(), 7u);
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

TEST(bCMultiReadExclusiveWriteWin32, InterleavedReadersAndWritersSeeConsistentData)
{
    bCMultiReadExclusiveWriteWin32 Lock;
    long iFirst = 0, iSecond = 0; // deliberately plain: only the lock protects them
    std::atomic<int> iTorn{0};
    auto Read = [&] {
        Lock.BeginRead();
        if (iFirst != iSecond)
            ++iTorn;
        Lock.BeginRead(); // re-entrant read
        if (iFirst != iSecond)
            ++iTorn;
        Lock.EndRead();
        Lock.EndRead();
    };
    auto Write = [&] {
        Lock.BeginWrite();
        ++iFirst;
        Lock.BeginWrite(); // re-entrant write
        Lock.BeginRead();  // read inside the own write
        Lock.EndRead();
        ++iSecond;
        Lock.EndWrite();
        Lock.EndWrite();
    };
    int const iRounds = 300;
    Worker Reader([&] {
        for (int i = 0; i < iRounds * 4; ++i)
            Read();
    });
    Worker Writer([&] {
        for (int i = 0; i < iRounds; ++i)
        {
            Write();
            Read();
        }
    });
    ASSERT_TRUE(Reader.Join());
    ASSERT_TRUE(Writer.Join());
    EXPECT_EQ(iTorn.load(), 0);
    EXPECT_EQ(iFirst + iSecond, 2 * iRounds);
}

TEST(bCMultiReadExclusiveWriteWin32, UnlockingWhatIsNotHeldChangesNothing)
{
    bCTestLock Lock;
    Actor A, B;
    Lock.EndRead();  // holds nothing: reported, ignored
    Lock.EndWrite(); // likewise
    EXPECT_EQ(Lock.GetReaderCount(), 0);
    EXPECT_FALSE(Lock.IsWriting());

    ASSERT_TRUE(A.Run([&] { Lock.BeginRead(); }));
    ASSERT_TRUE(B.Run([&] {
        Lock.EndRead(); // A's read is not B's
        Lock.EndWrite();
    }));
    EXPECT_EQ(Lock.GetReaderCount(), 1);
    ASSERT_TRUE(A.Run([&] { Lock.EndRead(); }));

    ASSERT_TRUE(A.Run([&] { Lock.BeginWrite(); }));
    ASSERT_TRUE(B.Run([&] { Lock.EndWrite(); })); // not the writer: ignored
    EXPECT_TRUE(Lock.IsWriting());
    EXPECT_EQ(Lock.GetLockCount(), 1ul);
    ASSERT_TRUE(A.Run([&] { Lock.EndWrite(); }));
    EXPECT_FALSE(Lock.IsWriting());
    EXPECT_EQ(Lock.GetReaderCount(), 0);
    Lock.BeginWrite(); // the lock still works
    Lock.EndWrite();
}

TEST(bCMultiReadExclusiveWriteWin32, DestroyingWaitsForTheReadersOfOthers)
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
}

TEST(bCMultiReadExclusiveWriteWin32, DestroyingWhileTheOwnThreadHoldsItDoesNotDeadlock)
{
    Actor A;
    ASSERT_TRUE(A.Run([] {
        auto * pLock = new bCMultiReadExclusiveWriteWin32;
        pLock->BeginRead();
        pLock->BeginRead();
        delete pLock; // reported; the own reads do not block the implied write
    }));
    ASSERT_TRUE(A.Run([] {
        auto * pLock = new bCMultiReadExclusiveWriteWin32;
        pLock->BeginWrite();
        pLock->BeginWrite();
        delete pLock;
    }));
}
