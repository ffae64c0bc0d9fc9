#include <vellmark/kernel/oe_thread.h>
#include <vellmark/platform/oe_threading.h>

#include "kernel/oe_testworker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <stdexcept>

namespace
{
    struct bSProcRecord
    {
        std::atomic<bool> m_bStarted{false};
        std::atomic<bool> m_bDone{false};
        std::atomic<uint32_t> m_uThreadId{0};
        void const * m_pArgument = nullptr;
        uintptr_t m_uOwner = 0;
        uint32_t m_uParam = 0;
        OEEvent * m_pRelease = nullptr; // the procedure waits for it
    };

    bSProcRecord * g_pRecord = nullptr;

    unsigned long RecordingProc(void * a_pContext)
    {
        auto const * pContext = static_cast<bCThreadWin32::bSThreadContext const *>(a_pContext);
        g_pRecord->m_pArgument = a_pContext;
        g_pRecord->m_uOwner = pContext->m_uOwner;
        g_pRecord->m_uParam = pContext->m_uParam;
        g_pRecord->m_uThreadId = OEGetCurrentThreadId();
        g_pRecord->m_bStarted = true;
        OEWaitForEvent(g_pRecord->m_pRelease, 20000);
        g_pRecord->m_bDone = true;
        return 7;
    }

    // Work of the tests: what it does is chosen per test; m_bRunning is readable for bounded waits.
    class bCTestThread : public bCThreadWin32Ex
    {
    public:
        enum class bEMode
        {
            Return,
            End,
            Throw,
            WaitForRelease,
        };

        bEMode m_eMode = bEMode::Return;
        std::atomic<int> m_iRuns{0};
        std::atomic<bool> m_bPassedEnd{false};
        std::atomic<bool> m_bRelease{false};
        std::atomic<uint32_t> m_uThreadId{0};

        ~bCTestThread() override
        {
            m_bRelease = true;
            oetest::WaitFor([this] { return !IsRunning(); });
        }
        bool IsRunning() const { return m_bRunning.load(); }
        bool WaitUntilFinished()
        {
            return oetest::WaitFor([this] { return !IsRunning(); });
        }

    protected:
        unsigned long ThreadProc() override
        {
            m_uThreadId = OEGetCurrentThreadId();
            ++m_iRuns;
            if (m_eMode == bEMode::End)
                Leave();
            if (m_eMode == bEMode::Throw)
                throw std::runtime_error("work failed");
            if (m_eMode == bEMode::WaitForRelease)
                oetest::WaitFor([this] { return m_bRelease.load(); });
            return 1;
        }

    private:
        void Leave() // a frame deeper than the body: EndThread leaves from anywhere inside the work
        {
            EndThread();
            m_bPassedEnd = true;
        }
    };
} // namespace

// Destroy waits its 3,000 ms for a procedure that does not end, then lets the thread run on.
TEST(bCThreadWin32, StartsTheProcedureWithTheObjectsCopyOfTheContextAndNiceValues)
{
    bSProcRecord Record;
    Record.m_pRelease = OECreateEvent(true, false);
    g_pRecord = &Record;
    {
        bCThreadWin32 Thread;
        EXPECT_FALSE(Thread.IsValid());
        bCThreadWin32::bSThreadContext const Context{0x1234, 5};
        ASSERT_TRUE(Thread.Create(Context, &RecordingProc));
        EXPECT_TRUE(Thread.IsValid());
        ASSERT_TRUE(oetest::WaitFor([&] { return Record.m_bStarted.load(); }));
        EXPECT_EQ(Record.m_pArgument, &Thread.GetContext());
        EXPECT_EQ(Record.m_uOwner, 0x1234u);
        EXPECT_EQ(Record.m_uParam, 5u);
        EXPECT_NE(Record.m_uThreadId.load(), OEGetCurrentThreadId());

        OEThread * pThread = static_cast<OEThread *>(Thread.GetHandle());
        int const iBase = OEGetBaseNiceValue();
        EXPECT_EQ(OEGetThreadNiceValue(pThread), iBase);
        Thread.SetPriority(bCThreadWin32::bEThreadPriority_BelowNormal);
        EXPECT_EQ(OEGetThreadNiceValue(pThread), std::min(iBase + 5, 19));
        Thread.SetPriority(bCThreadWin32::bEThreadPriority_Idle);
        EXPECT_EQ(OEGetThreadNiceValue(pThread), 19);

        Thread.Destroy();
        EXPECT_FALSE(Thread.IsValid());
        EXPECT_FALSE(Record.m_bDone.load());
        EXPECT_EQ(Thread.GetContext().m_uOwner + Thread.GetContext().m_uParam, 0u);
    }
    OESetEvent(Record.m_pRelease);
    ASSERT_TRUE(oetest::WaitFor([&] { return Record.m_bDone.load(); }));
    oetest::Moment(); // let the detached thread leave the procedure before the record goes
    OECloseEvent(Record.m_pRelease);
    g_pRecord = nullptr;
}

// Whether the work returns, ends its thread from a frame deeper down or lets an exception escape,
// it runs once, and finished work may start again: on a thread of its own, or without threads on
// the caller's thread before the start returns.
TEST(bCThreadWin32Ex, RunsTheWorkOnceWhicheverWayItEnds)
{
    using bEMode = bCTestThread::bEMode;
    for (bool bThreads : {true, false})
        for (bEMode eMode : {bEMode::Return, bEMode::End, bEMode::Throw})
        {
            SCOPED_TRACE(static_cast<int>(eMode) + (bThreads ? 0 : 10));
            bCThreadWin32Ex::EnableThreads(bThreads);
            bCTestThread Thread;
            Thread.m_eMode = eMode;
            EXPECT_TRUE(Thread.StartThread());
            ASSERT_TRUE(Thread.WaitUntilFinished());
            Thread.WaitIfThreadFinished();
            EXPECT_EQ(Thread.m_iRuns.load(), 1);
            EXPECT_FALSE(Thread.m_bPassedEnd.load());
            EXPECT_EQ(Thread.m_uThreadId.load() == OEGetCurrentThreadId(), !bThreads);
            ASSERT_TRUE(Thread.StartThread());
            ASSERT_TRUE(Thread.WaitUntilFinished());
            EXPECT_EQ(Thread.m_iRuns.load(), 2);
        }
    bCThreadWin32Ex::EnableThreads(true);

    // A second start while running is refused, and so is an end outside the work.
    bCTestThread Thread;
    EXPECT_FALSE(Thread.EndThread());
    Thread.m_eMode = bCTestThread::bEMode::WaitForRelease;
    ASSERT_TRUE(Thread.StartThread());
    EXPECT_FALSE(Thread.StartThread());
    Thread.m_bRelease = true;
    Thread.WaitIfThreadFinished(); // yields until the work has ended
    EXPECT_EQ(Thread.m_iRuns.load(), 1);
}
