#include <vellmark/kernel/oe_clock.h>

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

    class bCClockTest : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            s_u64FakeCounter = 9000000000000ULL;
            OESetPerformanceCounterHook(&ReadFakeCounter);
        }
        void TearDown() override { OESetPerformanceCounterHook(nullptr); }

        static void Advance(unsigned long long a_u64Milliseconds) { s_u64FakeCounter += a_u64Milliseconds * 1000000ULL; }
        static bSTimeAndDate Query(bCClock & a_Clock)
        {
            bSTimeAndDate Result;
            Result.m_u32Year = Result.m_u32Day = 12345;
            a_Clock.GetTimeAndDate(Result);
            return Result;
        }
        static void ExpectTime(bSTimeAndDate const & a_Time, uint32_t a_u32Year, uint32_t a_u32Day, float a_fSecond)
        {
            EXPECT_EQ(a_Time.m_u32Year, a_u32Year);
            EXPECT_EQ(a_Time.m_u32Day, a_u32Day);
            EXPECT_EQ(a_Time.m_fSecond, a_fSecond);
        }
    };
} // namespace

TEST_F(bCClockTest, CarriesSecondsIntoDaysAndYears)
{
    struct bSCase
    {
        bSClockAdjustment m_Adjustment;
        bSTimeAndDate m_Set;
        bSTimeAndDate m_Expected;
    };
    bSCase const arrCases[] = {
        {{1.0f, 86400, 365}, {7, 364, 86400.5f}, {8, 0, 0.5f}},
        {{1.0f, 86400, 365}, {0, 10, 86399.75f}, {0, 10, 86399.75f}},
        {{1.0f, 100, 10}, {2, 9, 250.25f}, {3, 1, 50.25f}},
        {{1.0f, 100, 10}, {0, 25, 0.0f}, {2, 5, 0.0f}},      // the day carries too
        {{1.0f, 0, 10}, {0, 25, 1000.0f}, {0, 25, 1000.0f}}, // no day length: nothing carries
    };
    for (bSCase const & Case : arrCases)
    {
        SCOPED_TRACE(Case.m_Set.m_fSecond);
        bCClock Clock;
        Clock.Adjust(Case.m_Adjustment);
        Clock.Set(Case.m_Set);
        Advance(5000); // paused: not counted
        ExpectTime(Query(Clock), Case.m_Expected.m_u32Year, Case.m_Expected.m_u32Day, Case.m_Expected.m_fSecond);
    }
}

// The first query after construction, Set or Pause restarts measuring; Resume does not, and the
// speed scales the seconds. Copies are refused, assignments copy.
TEST_F(bCClockTest, FirstQueryAfterConstructionSetOrPauseRestartsMeasuring)
{
    bCClock Clock;
    Clock.Resume();
    Advance(3000);
    ExpectTime(Query(Clock), 0, 0, 0.0f); // measuring starts here
    Advance(2000);
    ExpectTime(Query(Clock), 0, 0, 2.0f);
    Clock.Set({1, 2, 10.0f});
    Advance(4000);
    ExpectTime(Query(Clock), 1, 2, 10.0f);
    Advance(6000);
    Clock.Pause(); // the six seconds since the last query are dropped
    Clock.Adjust({60.0f, 86400, 365});
    ExpectTime(Query(Clock), 1, 2, 10.0f); // paused: only restarts measuring
    Advance(500);
    ExpectTime(Query(Clock), 1, 2, 10.0f);
    Clock.Resume();
    Advance(1000);
    // Measuring runs from the stamp of the first query while paused, so the
    // paused half second counts as well.
    ExpectTime(Query(Clock), 1, 2, 100.0f);

    // A copy is refused and starts paused; an assignment runs on from the source's last stamp.
    bCMessageRecorder Recorder;
    bCClock Copy(Clock);
    EXPECT_NE(Recorder.GetAll().find("bCClock [Copy constructor]"), std::string::npos);
    EXPECT_TRUE(Copy.IsPaused());
    bCClock Assigned;
    Assigned = Clock;
    Advance(1000);
    ExpectTime(Query(Assigned), 1, 2, 160.0f);
}
