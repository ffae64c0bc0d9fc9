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

TEST(bCDateTime, FileTimeIsFlooredToTwoSecondsAndComparedInThem)
{
    EXPECT_EQ(bCDateTime(MakeFileTime(30000000)).GetDateTime(), 20000000u);
    bCDateTime Time;
    Time = MakeFileTime(19999999);
    EXPECT_EQ(Time.GetDateTime(), 0u);
    Time.SetDateTime(30000000ULL); // ticks are stored unchanged
    EXPECT_EQ(Time.GetDateTime(), 30000000u);
    for (unsigned long long u64Ticks : {0x01D2345678901234ULL, ~0ULL})
    {
        bCDateTime Time(u64Ticks);
        _FILETIME FileTime = Time;
        EXPECT_EQ(FileTime.dwLowDateTime, static_cast<uint32_t>(u64Ticks));
        EXPECT_EQ(FileTime.dwHighDateTime, static_cast<uint32_t>(u64Ticks >> 32));
        EXPECT_EQ(bCDateTime(MakeFileTime(u64Ticks)).GetDateTime(), u64Ticks - u64Ticks % 20000000);
    }

    bCDateTime const Low(40000000ULL), High(59999999ULL), Next(60000000ULL);
    EXPECT_TRUE(Low == High && !(High == Next) && High != Next && High < Next && !(Low < High));
    EXPECT_TRUE(Low <= High && High >= Low && Next > High && !(Next <= High) && !(High >= Next));
    // A file stamp and the same moment at full resolution are equal.
    EXPECT_TRUE(bCDateTime(MakeFileTime(123456789012ULL)) == bCDateTime(123456789012ULL));
}

// Date texts are local time; the test pins the zone to UTC.
TEST(bCDateTimeText, FormatsLanguage0409LayoutsOverTheWholeFileTimeRange)
{
    char const * pcZone = std::getenv("TZ");
    std::string const strZone = pcZone ? pcZone : "";
    setenv("TZ", "UTC", 1);
    tzset();
    auto Ticks = [](long long a_iUnixSeconds) {
        return g_u64FileTimeUnixEpoch + static_cast<unsigned long long>(a_iUnixSeconds) * 10000000ULL;
    };
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
        {0ULL, pfnDate, "Monday, January 1, 1601"},
        {Ticks(951782400), pfnDate, "Tuesday, February 29, 2000"},
        {~0ULL, pfnDate, ""}, // beyond what the calendar converts
    };
    for (auto const & Case : Cases)
    {
        bCString strText("stale");
        (bCDateTime(Case.m_u64Ticks).*Case.m_pfnText)(strText);
        EXPECT_STREQ(strText.GetText(), Case.m_pcText) << Case.m_u64Ticks;
    }
    pcZone ? setenv("TZ", strZone.c_str(), 1) : unsetenv("TZ");
    tzset();
}
