#include <vellmark/kernel/oe_eventwin32.h>
#include <vellmark/platform/oe_threading.h>

#include "kernel/oe_testworker.h"

#include <gtest/gtest.h>

#include <atomic>

using oetest::Worker;

namespace
{
    OEEvent * Handle(bCEventWin32 const & a_Event)
    {
        return static_cast<OEEvent *>(a_Event.GetHandle());
    }

    // Opens the protected life cycle to the tests.
    class bCTestEvent : public bCEventWin32
    {
    public:
        using bCEventWin32::Create;
        using bCEventWin32::Destroy;
    };
} // namespace

TEST(bCEventWin32, StartsNotSignalledAndASignalReleasesOneWait)
{
    bCEventWin32 Event;
    EXPECT_TRUE(Event.IsValid());
    ASSERT_NE(Event.GetHandle(), nullptr);
    EXPECT_FALSE(OEWaitForEvent(Handle(Event), 0));
    Event.Signal();
    Event.Signal(); // no count: still one release
    EXPECT_TRUE(OEWaitForEvent(Handle(Event), 0));
    EXPECT_FALSE(OEWaitForEvent(Handle(Event), 0));
    Event.Signal();
    Event.Unsignal();
    EXPECT_FALSE(OEWaitForEvent(Handle(Event), 0));
    Event.Signal();
    Event.WaitForSignal(-1); // signalled: returns and consumes
    EXPECT_FALSE(OEWaitForEvent(Handle(Event), 0));
}

// Of two threads waiting, through the handle and through WaitForSignal, a
// signal releases exactly one.
TEST(bCEventWin32, SignalWakesExactlyOneOfTwoWaiters)
{
    bCEventWin32 Event;
    std::atomic<int> iReleased{0};
    Worker A([&] {
        if (OEWaitForEvent(Handle(Event), oetest::g_iBoundMilliseconds))
            ++iReleased;
    });
    Worker B([&] {
        Event.WaitForSignal(-1);
        ++iReleased;
    });
    oetest::Moment();
    EXPECT_EQ(iReleased.load(), 0);
    Event.Signal();
    ASSERT_TRUE(oetest::WaitFor([&] { return iReleased.load() >= 1; }));
    oetest::Moment();
    EXPECT_EQ(iReleased.load(), 1);
    Event.Signal();
    ASSERT_TRUE(A.Join());
    ASSERT_TRUE(B.Join());
    EXPECT_EQ(iReleased.load(), 2);
}

TEST(bCEventWin32, PulseReleasesOnlyAWaiterPresentThen)
{
    bCEventWin32 Event;
    Event.Pulse(); // nobody waits: nothing is kept
    EXPECT_FALSE(OEWaitForEvent(Handle(Event), 0));

    std::atomic<bool> bReleased{false};
    Worker Waiter([&] { bReleased = OEWaitForEvent(Handle(Event), oetest::g_iBoundMilliseconds); });
    // The waiter may not be waiting yet when a pulse comes: pulse until it is released.
    ASSERT_TRUE(oetest::WaitFor([&] {
        Event.Pulse();
        return bReleased.load();
    }));
    ASSERT_TRUE(Waiter.Join());
    EXPECT_FALSE(OEWaitForEvent(Handle(Event), 0));
}

TEST(bCEventWin32, ManualResetPulseReleasesEveryWaiter)
{
    OEEvent * pEvent = OECreateEvent(true, false);
    std::atomic<int> iReleased{0};
    auto Wait = [&] {
        if (OEWaitForEvent(pEvent, oetest::g_iBoundMilliseconds))
            ++iReleased;
    };
    Worker A(Wait);
    Worker B(Wait);
    ASSERT_TRUE(oetest::WaitFor([&] {
        if (iReleased.load() < 2)
            OEPulseEvent(pEvent);
        return iReleased.load() == 2;
    }));
    ASSERT_TRUE(A.Join());
    ASSERT_TRUE(B.Join());
    EXPECT_FALSE(OEWaitForEvent(pEvent, 0));
    OESetEvent(pEvent); // manual reset: stays signalled
    EXPECT_TRUE(OEWaitForEvent(pEvent, 0));
    EXPECT_TRUE(OEWaitForEvent(pEvent, 0));
    OECloseEvent(pEvent);
}

TEST(bCEventWin32, WithoutHandleEveryOperationDoesNothing)
{
    bCTestEvent Event;
    Event.Destroy();
    EXPECT_FALSE(Event.IsValid());
    EXPECT_EQ(Event.GetHandle(), nullptr);
    Event.Signal();
    Event.Pulse();
    Event.Unsignal();
    Worker Waiter([&] { Event.WaitForSignal(-1); }); // returns at once without an event
    ASSERT_TRUE(Waiter.Join());
    EXPECT_TRUE(Event.Create());
    EXPECT_TRUE(Event.IsValid());
    EXPECT_FALSE(OEWaitForEvent(Handle(Event), 0));
}
