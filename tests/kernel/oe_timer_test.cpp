#include <vellmark/kernel/oe_timer.h>

#include <vellmark/platform/oe_perfcounter.h>

#include "support/oe_messagerecorder.h"

#include <gtest/gtest.h>

// Time is stepped by hand through the performance counter's hook: no sleeping.
namespace
{
    unsigned long long s_u64FakeCounter = 0;

    unsigned long long ReadFakeCounter()
    {
        return s_u64FakeCounter;
    }

    class bCTimerTest : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            s_u64FakeCounter = 7000000000000ULL;
            OESetPerformanceCounterHook(&ReadFakeCounter);
        }
        void TearDown() override { OESetPerformanceCounterHook(nullptr); }

        static void Advance(unsigned long long a_u64Milliseconds) { s_u64FakeCounter += a_u64Milliseconds * 1000000ULL; }
        static float GetTime(bCTimer & a_Timer)
        {
            float fTime = -1.0f;
            a_Timer.GetTime(fTime);
            return fTime;
        }
    };
} // namespace

TEST_F(bCTimerTest, TimeBaseFollowsTheCounter)
{
    unsigned long const uStamp = bCTimer::GetTimeStamp();
    unsigned long long const u64Ticks = bCTimer::QueryPerformanceCounter();
    Advance(5);
    s_u64FakeCounter += 999999; // below a millisecond: the stamp keeps its value
    EXPECT_EQ(bCTimer::GetTimeStamp() - uStamp, 5u);
    EXPECT_EQ(bCTimer::QueryPerformanceCounter() - u64Ticks, 5999999u);
    EXPECT_EQ(bCTimer::QueryPerformanceFrequency(), 1000000000u);
}

TEST_F(bCTimerTest, MeasuresScaledRunningTime)
{
    struct bSCase
    {
        char const * m_pcName;
        float (*m_funcRun)(bCTimer &);
        float m_fExpected;
    };
    bSCase const arrCases[] = {
        {"paused after construction",
         [](bCTimer & a_Timer) {
             Advance(100);
             return GetTime(a_Timer);
         },
         0.0f},
        {"running",
         [](bCTimer & a_Timer) {
             a_Timer.Resume();
             Advance(100);
             return GetTime(a_Timer);
         },
         100.0f},
        {"double speed",
         [](bCTimer & a_Timer) {
             a_Timer.Adjust(2.0f);
             a_Timer.Resume();
             Advance(100);
             return GetTime(a_Timer);
         },
         200.0f},
        {"pause stops measuring",
         [](bCTimer & a_Timer) {
             a_Timer.Resume();
             Advance(50);
             a_Timer.Pause();
             Advance(1000);
             a_Timer.Resume();
             Advance(7);
             return GetTime(a_Timer);
         },
         57.0f},
        {"factor applies from the next addition",
         [](bCTimer & a_Timer) {
             a_Timer.Resume();
             Advance(100);
             GetTime(a_Timer);
             a_Timer.Adjust(3.0f);
             Advance(10);
             return GetTime(a_Timer);
         },
         130.0f},
        {"reset restarts from now",
         [](bCTimer & a_Timer) {
             a_Timer.Resume();
             Advance(100);
             a_Timer.Reset();
             Advance(20);
             return GetTime(a_Timer);
         },
         20.0f},
        {"set while paused",
         [](bCTimer & a_Timer) {
             a_Timer.Resume();
             Advance(100);
             a_Timer.Pause();
             a_Timer.Set(500.0f);
             Advance(100);
             a_Timer.Resume();
             Advance(1);
             return GetTime(a_Timer);
         },
         501.0f},
        {"second resume keeps the start",
         [](bCTimer & a_Timer) {
             a_Timer.Resume();
             Advance(40);
             a_Timer.Resume();
             Advance(2);
             return GetTime(a_Timer);
         },
         42.0f},
    };
    for (bSCase const & Case : arrCases)
    {
        SCOPED_TRACE(Case.m_pcName);
        bCTimer Timer;
        EXPECT_EQ(Case.m_funcRun(Timer), Case.m_fExpected);
    }
}

TEST_F(bCTimerTest, DifferenceAndLastTimeDoNotAddPendingTime)
{
    bCTimer Timer;
    Timer.Resume();
    Advance(30);
    float fDifference = 0, fLast = -1;
    Timer.GetTimeDifference(fDifference);
    Timer.GetLastTime(fLast);
    EXPECT_EQ(fDifference, 30.0f);
    EXPECT_EQ(fLast, 0.0f);
    Timer.Pause();
    Advance(30);
    Timer.GetTimeDifference(fDifference);
    EXPECT_EQ(fDifference, 30.0f); // pending, nothing added while paused
    EXPECT_EQ(GetTime(Timer), 30.0f);
    Timer.GetTimeDifference(fDifference);
    Timer.GetLastTime(fLast);
    EXPECT_EQ(fDifference, 0.0f);
    EXPECT_EQ(fLast, 30.0f);
}

TEST_F(bCTimerTest, StampsThatWrapStillGiveTheDifference)
{
    unsigned long const uNow = bCTimer::GetTimeStamp();
    s_u64FakeCounter += static_cast<unsigned long long>((0xFFFFFFFFul - 9ul - uNow) & 0xFFFFFFFFul) * 1000000ULL;
    ASSERT_EQ(bCTimer::GetTimeStamp(), 0xFFFFFFF6ul);
    bCTimer Timer;
    Timer.Resume();
    Advance(25);
    EXPECT_EQ(bCTimer::GetTimeStamp(), 15ul);
    EXPECT_EQ(GetTime(Timer), 25.0f);
}

TEST_F(bCTimerTest, CopyIsRefusedAssignmentCopies)
{
    bCTimer Source;
    Source.Resume();
    Advance(40);
    EXPECT_EQ(GetTime(Source), 40.0f);
    bCMessageRecorder Recorder;
    bCTimer Copy(Source);
    EXPECT_EQ(Recorder.GetAll(),
              "The method bCTimer [Copy constructor] detected an improper usage! \nHint:Copying forbidden! \n");
    Advance(10);
    EXPECT_EQ(GetTime(Copy), 0.0f); // a default timer: paused, nothing accumulated

    bCTimer Assigned;
    Assigned = Source;
    Advance(10);
    EXPECT_EQ(GetTime(Assigned), 60.0f); // running, from the source's last stamp
}
