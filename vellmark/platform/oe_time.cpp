#include <vellmark/platform/oe_time.h>

#include <cstdio>
#include <ctime>

namespace
{
    constexpr unsigned long long kTicksPerSecond = 10000000ULL;

    char const * const kDayNames[7] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    char const * const kMonthNames[12] = {"January", "February", "March",     "April",   "May",      "June",
                                          "July",    "August",   "September", "October", "November", "December"};

    // snprintf reports the length it wanted; a text that did not fit counts as failure.
    int Finish(int a_iWritten, int a_iMax)
    {
        if (a_iWritten < 0 || a_iWritten >= a_iMax)
            return 0;
        return a_iWritten + 1;
    }

    bool IsPlausible(_SYSTEMTIME const & a_Time)
    {
        return a_Time.wMonth >= 1 && a_Time.wMonth <= 12 && a_Time.wDayOfWeek <= 6;
    }
} // namespace

unsigned long long OEGetSystemTimeAsFileTime()
{
    timespec Now;
    clock_gettime(CLOCK_REALTIME, &Now);
    long long iTicks = static_cast<long long>(Now.tv_sec) * static_cast<long long>(kTicksPerSecond) + Now.tv_nsec / 100;
    return g_u64FileTimeUnixEpoch + static_cast<unsigned long long>(iTicks);
}

bool OEFileTimeToLocalSystemTime(unsigned long long a_u64Ticks, _SYSTEMTIME & a_Time)
{
    // The original platform refuses file times from 2^63 ticks up.
    if (a_u64Ticks >= (1ULL << 63))
        return false;
    long long iSeconds = static_cast<long long>(a_u64Ticks / kTicksPerSecond) -
                         static_cast<long long>(g_u64FileTimeUnixEpoch / kTicksPerSecond);
    time_t Seconds = static_cast<time_t>(iSeconds);
    tm Local;
    if (!localtime_r(&Seconds, &Local) || Local.tm_year + 1900 > 30827)
        return false;
    a_Time.wYear = static_cast<uint16_t>(Local.tm_year + 1900);
    a_Time.wMonth = static_cast<uint16_t>(Local.tm_mon + 1);
    a_Time.wDayOfWeek = static_cast<uint16_t>(Local.tm_wday);
    a_Time.wDay = static_cast<uint16_t>(Local.tm_mday);
    a_Time.wHour = static_cast<uint16_t>(Local.tm_hour);
    a_Time.wMinute = static_cast<uint16_t>(Local.tm_min);
    a_Time.wSecond = static_cast<uint16_t>(Local.tm_sec);
    a_Time.wMilliseconds = static_cast<uint16_t>((a_u64Ticks % kTicksPerSecond) / 10000);
    return true;
}

int OEGetDateFormat(_SYSTEMTIME const & a_Time, bEDateFormat a_eFormat, char * a_pcDest, int a_iMax)
{
    if (!a_pcDest || a_iMax <= 0 || !IsPlausible(a_Time))
        return 0;
    int iWritten;
    if (a_eFormat == bEDateFormat_Long)
        iWritten = std::snprintf(a_pcDest, static_cast<size_t>(a_iMax), "%s, %s %u, %04u", kDayNames[a_Time.wDayOfWeek],
                                 kMonthNames[a_Time.wMonth - 1], a_Time.wDay, a_Time.wYear);
    else
        iWritten = std::snprintf(a_pcDest, static_cast<size_t>(a_iMax), "%u/%u/%04u", a_Time.wMonth, a_Time.wDay,
                                 a_Time.wYear);
    return Finish(iWritten, a_iMax);
}

int OEGetTimeFormat(_SYSTEMTIME const & a_Time, char * a_pcDest, int a_iMax)
{
    if (!a_pcDest || a_iMax <= 0)
        return 0;
    unsigned uHour12 = a_Time.wHour % 12 == 0 ? 12u : a_Time.wHour % 12u;
    int iWritten = std::snprintf(a_pcDest, static_cast<size_t>(a_iMax), "%u:%02u:%02u %s", uHour12, a_Time.wMinute,
                                 a_Time.wSecond, a_Time.wHour < 12 ? "AM" : "PM");
    return Finish(iWritten, a_iMax);
}
