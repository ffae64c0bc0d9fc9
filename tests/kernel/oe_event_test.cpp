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

TEST(bCEventWin32, StartsNotSignalledASignalReleasesOneWaitAndNoHandleDoesNothing)
{
    bCEventWin32 Event;
    EXPECT_FALSE(OEWaitForEvent(Handle(Event), 0));
    Event.Pulse(); // nobody waits: nothing is kept
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

    bCTestEvent Bare; // without handle every operation does nothing
    Bare.Destroy();
    EXPECT_FALSE(Bare.IsValid());
    Bare.Signal();
    Bare.Pulse();
    Bare.Unsignal();
    Worker Waiter([&] { Bare.WaitForSignal(-1); }); // returns at once without an event
    ASSERT_TRUE(Waiter.Join());
    EXPECT_TRUE(Bare.Create());
    EXPECT_TRUE(Bare.IsValid());
    EXPECT_FALSE(OEWaitForEvent(Handle(Bare), 0));
}

// Of two threads waiting, through the handle and through WaitForSignal, a signal releases exactly
// one, and a pulse the other; a pulse of a manual-reset event releases every waiter.
TEST(bCEventWin32, SignalAndPulseReleaseOneWaiterManualResetPulseEvery)
{
    bCEventWin32 Event;
    OEEvent * pManual = OECreateEvent(true, false);
    std::atomic<int> iReleased{0}, iManual{0};
    Worker A([&] { iReleased += OEWaitForEvent(Handle(Event), oetest::g_iBoundMilliseconds) ? 1 : 0; });
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
    // The waiter may not be waiting yet when a pulse comes: pulse until it is released.
    ASSERT_TRUE(oetest::WaitFor([&] {
        Event.Pulse();
        return iReleased.load() == 2;
    }));
    ASSERT_TRUE(A.Join() && B.Join());
    EXPECT_FALSE(OEWaitForEvent(Handle(Event), 0));

    auto Wait = [&] { iManual += OEWaitForEvent(pManual, oetest::g_iBoundMilliseconds) ? 1 : 0; };
    Worker C(Wait), D(Wait);
    ASSERT_TRUE(oetest::WaitFor([&] {
        if (iManual.load() < 2)
            OEPulseEvent(pManual);
        return iManual.load() == 2;
    }));
    ASSERT_TRUE(C.Join() && D.Join());
    EXPECT_FALSE(OEWaitForEvent(pManual, 0));
    OESetEvent(pManual); // manual reset: stays signalled
    EXPECT_TRUE(OEWaitForEvent(pManual, 0));
    EXPECT_TRUE(OEWaitForEvent(pManual, 0));
    OECloseEvent(pManual);
}

