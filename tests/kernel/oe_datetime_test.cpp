#include <vellmark/kernel/oe_datetime.h>
#include <vellmark/platform/oe_time.h>

#include <vellmark/kernel/oe_string.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

namespace
{
    _FILETIME MakeFileTime(unsigned long long a_u64Ticks)
    {
        _FILETIME FileTime;
        FileTime.dwLowDateTime = static_cast<uint32_t>(a_u64Ticks);
        FileTime.dwHighDateTime = static_cast<uint32_t>(a_u64Ticks >> 32);
        return FileTime;
    }
} // namespace

TEST(bCDateTime, FileTimeIsFlooredToTwoSeconds)
{
    EXPECT_EQ(bCDateTime(MakeFileTime(30000000)).GetDateTime(), 20000000u);
    bCDateTime Time;
    Time.SetDateTime(MakeFileTime(0x123456789ABCDEFULL));
    EXPECT_EQ(Time.GetDateTime() % 20000000, 0u);
    EXPECT_EQ(Time.GetDateTime(), 0x123456789ABCDEFULL - 0x123456789ABCDEFULL % 20000000);
    Time = MakeFileTime(19999999);
    EXPECT_EQ(Time.GetDateTime(), 0u);
    Time.SetDateTime(30000000ULL); // ticks are stored unchanged
    EXPECT_EQ(Time.GetDateTime(), 30000000u);
    EXPECT_EQ(bCDateTime(59999999ULL).GetDateTime(), 59999999u);
}

TEST(bCDateTime, TicksRoundTripThroughFileTime)
{
    unsigned long long const arrTicks[] = {0, 1, 0xFFFFFFFFULL, 0x100000000ULL, 0x01D2345678901234ULL, ~0ULL};
    for (unsigned long long u64Ticks : arrTicks)
    {
        bCDateTime Time(u64Ticks);
        _FILETIME FileTime = Time;
        EXPECT_EQ(FileTime.dwLowDateTime, static_cast<uint32_t>(u64Ticks));
        EXPECT_EQ(FileTime.dwHighDateTime, static_cast<uint32_t>(u64Ticks >> 32));
        bCDateTime Back(MakeFileTime(u64Ticks));
        EXPECT_EQ(Back.GetDateTime(), u64Ticks - u64Ticks % 20000000);
        unsigned long long u64Out = 0;
        Time.GetDateTime(u64Out);
        EXPECT_EQ(u64Out, u64Ticks);
    }
}

TEST(bCDateTime, ComparesInWholeTwoSecondUnits)
{
    bCDateTime const Low(40000000ULL), High(59999999ULL), Next(60000000ULL);
    EXPECT_TRUE(Low == High && !(High == Next) && High != Next && High < Next && !(Low < High));
    EXPECT_TRUE(Low <= High && High >= Low && Next > High && !(Next <= High) && !(High >= Next));
    // A file stamp and the same moment at full resolution are equal.
    EXPECT_TRUE(bCDateTime(MakeFileTime(123456789012ULL)) == bCDateTime(123456789012ULL));
}

TEST(bCDateTime, ArithmeticWrapsAt64Bits)
{
    bCDateTime Time(10ULL);
    Time += bCDateTime(5ULL);
    Time -= bCDateTime(20ULL);
    EXPECT_EQ(Time.GetDateTime(), ~0ULL - 4);
    Time.Add(bCDateTime(5ULL));
    EXPECT_EQ(Time.GetDateTime(), 0u);
    Time.Sub(bCDateTime(1ULL));
    EXPECT_EQ(Time.GetDateTime(), ~0ULL);
    EXPECT_EQ((bCDateTime(~0ULL) + bCDateTime(2ULL)).GetDateTime(), 1u);
    EXPECT_EQ((bCDateTime(3ULL) - bCDateTime(5ULL)).GetDateTime(), ~0ULL - 1);
}

TEST(bCDateTime, UpdateTakesTheSystemTimeUnrounded)
{
    // 1 January 2020 in ticks; any clock of a running test machine is later.
    unsigned long long const u64Year2020 = 132223104000000000ULL;
    bCDateTime Before;
    Before.Update();
    bCDateTime After;
    After.Update();
    EXPECT_GT(Before.GetDateTime(), u64Year2020);
    EXPECT_GE(After.GetDateTime(), Before.GetDateTime());
    unsigned long long u64Platform = OEGetSystemTimeAsFileTime();
    EXPECT_GE(u64Platform, After.GetDateTime());
}

namespace
{
    // Date texts are local time; the tests pin the zone to UTC.
    class bCDateTimeText : public testing::Test
    {
    protected:
        void SetUp() override
        {
            char const * pcZone = std::getenv("TZ");
            m_bHadZone = pcZone != nullptr;
            if (m_bHadZone)
                m_strZone = pcZone;
            setenv("TZ", "UTC", 1);
            tzset();
        }
        void TearDown() override
        {
            if (m_bHadZone)
                setenv("TZ", m_strZone.c_str(), 1);
            else
                unsetenv("TZ");
            tzset();
        }

        // Ticks of a UTC calendar time.
        static unsigned long long Ticks(long long a_iUnixSeconds)
        {
            return g_u64FileTimeUnixEpoch + static_cast<unsigned long long>(a_iUnixSeconds) * 10000000ULL;
        }

    private:
        bool m_bHadZone = false;
        std::string m_strZone;
    };
} // namespace

TEST_F(bCDateTimeText, FormatsLanguage0409LayoutsOverTheWholeFileTimeRange)
{
    using FText = void (bCDateTime::*)(bCString &) const;
    FText const pfnDate = &bCDateTime::GetDateString;
    FText const pfnShort = &bCDateTime::GetShortDateString;
    FText const pfnTime = &bCDateTime::GetTimeString;
    struct
    {
        unsigned long long m_u64Ticks;
        FText m_pfnText;
        char const * m_pcText;
    } const Cases[] = {
        {Ticks(1166020142), pfnDate, "Wednesday, December 13, 2006"}, // 2006-12-13 14:29:02 UTC
        {Ticks(1166020142), pfnShort, "12/13/2006"},
        {Ticks(1166020142), pfnTime, "2:29:02 PM"},
        {Ticks(0), pfnTime, "12:00:00 AM"}, // midnight, on a twelve-hour clock
        {Ticks(12 * 3600 + 5), pfnTime, "12:00:05 PM"},
        {Ticks(11 * 3600 + 59 * 60 + 59), pfnTime, "11:59:59 AM"},
        {0ULL, pfnDate, "Monday, January 1, 1601"},
        {0ULL, pfnShort, "1/1/1601"},
        {Ticks(951782400), pfnDate, "Tuesday, February 29, 2000"},
        {~0ULL, pfnDate, ""}, // beyond what the calendar converts
    };
    for (auto const & Case : Cases)
    {
        bCString strText("stale");
        (bCDateTime(Case.m_u64Ticks).*Case.m_pfnText)(strText);
        EXPECT_STREQ(strText.GetText(), Case.m_pcText) << Case.m_u64Ticks;
    }
}
