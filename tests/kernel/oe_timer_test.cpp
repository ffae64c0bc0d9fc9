#include <vellmark/kernel/oe_timer.h>

#include <vellmark/platform/oe_perfcounter.h>

#include "support/oe_messagerecorder.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

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

// Each case is a script: r resume, p pause, a<f> adjust, s<f> set, x reset, g read the time,
// +<ms> advance; the time read at the end is compared.
TEST_F(bCTimerTest, MeasuresScaledRunningTime)
{
    struct
    {
        char const * m_pcScript;
        float m_fExpected;
    } const arrCases[] = {
        {"+100", 0.0f},                // paused after construction
        {"a2 r +100", 200.0f},         // double speed
        {"r +50 p +1000 r +7", 57.0f}, // pause stops measuring
        {"r +100 g a3 +10", 130.0f},   // the factor applies from the next addition
        {"r +100 x +20", 20.0f},       // reset restarts from now
        {"r +100 p s500 +100 r +1", 501.0f},
        {"r +40 r +2", 42.0f}, // a second resume keeps the start
    };
    for (auto const & Case : arrCases)
    {
        SCOPED_TRACE(Case.m_pcScript);
        bCTimer Timer;
        std::istringstream Script(Case.m_pcScript);
        std::string strStep;
        while (Script >> strStep)
        {
            float const fValue = strStep.size() > 1 ? std::stof(strStep.substr(1)) : 0.0f;
            switch (strStep[0])
            {
            case 'r': Timer.Resume(); break;
            case 'p': Timer.Pause(); break;
            case 'a': Timer.Adjust(fValue); break;
            case 's': Timer.Set(fValue); break;
            case 'x': Timer.Reset(); break;
            case 'g': GetTime(Timer); break;
            case '+': Advance(static_cast<unsigned long long>(fValue)); break;
            }
        }
        EXPECT_EQ(GetTime(Timer), Case.m_fExpected);
    }
}

// The difference and the last time add no pending time. A copy is refused and starts as a default
// timer; an assignment copies, running from the source's last stamp.
TEST_F(bCTimerTest, DifferenceLastTimeCopyAssignmentAndTheTimeBase)
{
    bCTimer Source;
    Source.Resume();
    Advance(30);
    float fDifference = 0, fLast = -1;
    Source.Pause();
    Advance(30);
    Source.GetTimeDifference(fDifference);
    EXPECT_EQ(fDifference, 30.0f); // pending, nothing added while paused
    EXPECT_EQ(GetTime(Source), 30.0f);
    Source.GetTimeDifference(fDifference);
    Source.GetLastTime(fLast);
    EXPECT_EQ(fDifference, 0.0f);
    EXPECT_EQ(fLast, 30.0f);

    Source.Resume();
    Advance(10);
    GetTime(Source);
    bCMessageRecorder Recorder;
    bCTimer Copy(Source);
    EXPECT_EQ(Recorder.GetAll(),
              "The method bCTimer [Copy constructor] detected an improper usage! \nHint:Copying forbidden! \n");
    bCTimer Assigned;
    Assigned = Source;
    Advance(10);
    EXPECT_EQ(GetTime(Copy), 0.0f); // a default timer: paused, nothing accumulated
    EXPECT_EQ(GetTime(Assigned), 50.0f);

    // Stamps are whole milliseconds of the counter, and a timer measures across their wrap.
    unsigned long long const u64Ticks = bCTimer::QueryPerformanceCounter();
    EXPECT_EQ(bCTimer::QueryPerformanceFrequency(), 1000000000u);
    unsigned long const uNow = bCTimer::GetTimeStamp();
    s_u64FakeCounter += static_cast<unsigned long long>((0xFFFFFFFFul - 9ul - uNow) & 0xFFFFFFFFul) * 1000000ULL;
    s_u64FakeCounter += 999999; // below a millisecond: the stamp keeps its value
    ASSERT_EQ(bCTimer::GetTimeStamp(), 0xFFFFFFF6ul);
    EXPECT_EQ((bCTimer::QueryPerformanceCounter() - u64Ticks) % 1000000u, 999999u);
    bCTimer Timer;
    Timer.Resume();
    Advance(25);
    EXPECT_EQ(bCTimer::GetTimeStamp(), 15ul);
    EXPECT_EQ(GetTime(Timer), 25.0f);
}
