#ifndef OE_TIMESTAMPCOUNTER_H_INCLUDED
#define OE_TIMESTAMPCOUNTER_H_INCLUDED

// The processor's time-stamp counter for the profiler: read directly where it
// is invariant (checked once with cpuid), so that a read costs a few
// nanoseconds; otherwise the monotonic clock in nanoseconds. The frequency of
// the counter is measured once against the monotonic clock.
//
// A hook may stand in for the source (tests step it by hand); it returns
// ticks at the frequency OEGetTimeStampFrequency reports.

#include <vellmark/platform/oe_export.h>

#if defined(__x86_64__) || defined(__i386__)
#include <x86intrin.h>
#endif

typedef unsigned long long (*bFTimeStampHook)();

enum bETimeStampSource : int
{
    bETimeStampSource_Unknown = 0, // not yet checked
    bETimeStampSource_Processor = 1,
    bETimeStampSource_Clock = 2,
    bETimeStampSource_Hook = 3,
};

// Read on every time stamp; constant-initialised, so valid during the static
// initialisation of any module.
extern OE_API bETimeStampSource g_eOETimeStampSource;

OE_API unsigned long long OEReadTimeStampSlow();      // every source but the processor's counter
OE_API unsigned long long OEGetTimeStampFrequency();   // ticks per second of the underlying source
OE_API void OESetTimeStampHook(bFTimeStampHook a_funcHook); // null restores the source

inline unsigned long long OEReadTimeStamp()
{
#if defined(__x86_64__) || defined(__i386__)
    if (g_eOETimeStampSource == bETimeStampSource_Processor) [[likely]]
        return __rdtsc();
#endif
    return OEReadTimeStampSlow();
}

#endif
