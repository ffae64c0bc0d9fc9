#include <vellmark/platform/oe_timestampcounter.h>

#include <chrono>

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#endif

bETimeStampSource g_eOETimeStampSource = bETimeStampSource_Unknown;

namespace
{
    using bCSteadyClock = std::chrono::steady_clock;

    constexpr long long kCalibrationNanoseconds = 20000000; // 20 ms: below 1e-6 relative error from clock jitter

    bFTimeStampHook s_funcHook = nullptr;
    bETimeStampSource s_eSource = bETimeStampSource_Unknown; // the source without the hook
    unsigned long long s_u64CalibrationTicks = 0;
    long long s_i64CalibrationNanoseconds = 0;

    long long SteadyNanoseconds()
    {
        return std::chrono::duration_cast<std::chrono::nanoseconds>(bCSteadyClock::now().time_since_epoch()).count();
    }

    bool HasInvariantCounter()
    {
#if defined(__x86_64__) || defined(__i386__)
        unsigned uEax = 0, uEbx = 0, uEcx = 0, uEdx = 0;
        if (!__get_cpuid(0x80000000u, &uEax, &uEbx, &uEcx, &uEdx) || uEax < 0x80000007u)
            return false;
        __get_cpuid(0x80000007u, &uEax, &uEbx, &uEcx, &uEdx);
        return (uEdx & (1u << 8)) != 0;
#else
        return false;
#endif
    }

    unsigned long long ReadSource(bETimeStampSource a_eSource)
    {
#if defined(__x86_64__) || defined(__i386__)
        if (a_eSource == bETimeStampSource_Processor)
            return __rdtsc();
#endif
        (void)a_eSource;
        return static_cast<unsigned long long>(SteadyNanoseconds());
    }

    // Checked once, on the first time stamp of the process; the calibration
    // starts from the same moment.
    bETimeStampSource DetectSource()
    {
        if (s_eSource == bETimeStampSource_Unknown)
        {
            bETimeStampSource const eSource = HasInvariantCounter() ? bETimeStampSource_Processor : bETimeStampSource_Clock;
            s_i64CalibrationNanoseconds = SteadyNanoseconds();
            s_u64CalibrationTicks = ReadSource(eSource);
            s_eSource = eSource;
        }
        return s_eSource;
    }

    unsigned long long MeasureFrequency()
    {
        if (DetectSource() != bETimeStampSource_Processor)
            return 1000000000ULL;
        long long i64Nanoseconds;
        unsigned long long u64Ticks;
        do
        {
            i64Nanoseconds = SteadyNanoseconds();
            u64Ticks = ReadSource(bETimeStampSource_Processor);
        } while (i64Nanoseconds - s_i64CalibrationNanoseconds < kCalibrationNanoseconds);
        double const dTicks = static_cast<double>(u64Ticks - s_u64CalibrationTicks);
        return static_cast<unsigned long long>(dTicks * 1.0e9 /
                                               static_cast<double>(i64Nanoseconds - s_i64CalibrationNanoseconds));
    }
} // namespace

unsigned long long OEReadTimeStampSlow()
{
    if (g_eOETimeStampSource == bETimeStampSource_Hook)
        return s_funcHook();
    if (g_eOETimeStampSource == bETimeStampSource_Unknown)
        g_eOETimeStampSource = DetectSource();
    return ReadSource(g_eOETimeStampSource);
}

unsigned long long OEGetTimeStampFrequency()
{
    static unsigned long long const s_u64Frequency = MeasureFrequency();
    return s_u64Frequency;
}

void OESetTimeStampHook(bFTimeStampHook a_funcHook)
{
    bETimeStampSource const eSource = DetectSource();
    s_funcHook = a_funcHook;
    g_eOETimeStampSource = a_funcHook ? bETimeStampSource_Hook : eSource;
}
