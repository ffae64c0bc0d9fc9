#include <vellmark/kernel/oe_datetime.h>
#include <vellmark/platform/oe_time.h>

#include <gtest/gtest.h>

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
    EXPECT_TRUE(bCDateTime(40000000ULL) == bCDateTime(59999999ULL));
    EXPECT_FALSE(bCDateTime(59999999ULL) == bCDateTime(60000000ULL));
    EXPECT_TRUE(bCDateTime(59999999ULL) != bCDateTime(60000000ULL));
    EXPECT_TRUE(bCDateTime(59999999ULL) < bCDateTime(60000000ULL));
    EXPECT_FALSE(bCDateTime(40000000ULL) < bCDateTime(59999999ULL));
    EXPECT_TRUE(bCDateTime(40000000ULL) <= bCDateTime(59999999ULL));
    EXPECT_TRUE(bCDateTime(59999999ULL) >= bCDateTime(40000000ULL));
    EXPECT_TRUE(bCDateTime(60000000ULL) > bCDateTime(59999999ULL));
    // A file stamp and the same moment at full resolution are equal.
    EXPECT_TRUE(bCDateTime(MakeFileTime(123456789012ULL)) == bCDateTime(123456789012ULL));
}

TEST(bCDateTime, ArithmeticWrapsAt64Bits)
{
    bCDateTime Time(10ULL);
    Time += bCDateTime(5ULL);
    EXPECT_EQ(Time.GetDateTime(), 15u);
    Time -= bCDateTime(20ULL);
    EXPECT_EQ(Time.GetDateTime(), ~0ULL - 4);
    Time.Add(bCDateTime(5ULL));
    EXPECT_EQ(Time.GetDateTime(), 0u);
    Time.Sub(bCDateTime(1ULL));
    EXPECT_EQ(Time.GetDateTime(), ~0ULL);
    EXPECT_EQ((bCDateTime(~0ULL) + bCDateTime(2ULL)).GetDateTime(), 1u);
    EXPECT_EQ((bCDateTime(3ULL) - bCDateTime(5ULL)).GetDateTime(), ~0ULL - 1);
}

TEST(bCDateTime, ClearCopyAndAccess)
{
    bCDateTime Time(77ULL);
    bCDateTime Copy(Time);
    EXPECT_EQ(Copy.GetDateTime(), 77u);
    Time.AccessDateTime() = 99;
    EXPECT_EQ(Time.GetDateTime(), 99u);
    Time.CopyTo(Copy);
    EXPECT_EQ(Copy.GetDateTime(), 99u);
    Copy.Clear();
    EXPECT_EQ(Copy.GetDateTime(), 0u);
    Time.Init();
    EXPECT_EQ(Time.GetDateTime(), 0u);
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
