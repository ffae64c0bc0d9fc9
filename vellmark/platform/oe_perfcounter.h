#ifndef OE_PERFCOUNTER_H_INCLUDED
#define OE_PERFCOUNTER_H_INCLUDED

// The high-resolution performance counter: CLOCK_MONOTONIC in nanoseconds, so
// it runs at 1 GHz. A hook may stand in for the clock (tests step it by hand);
// it returns ticks at the same frequency.

#include <vellmark/platform/oe_export.h>

typedef unsigned long long (*bFPerformanceCounterHook)();

OE_API unsigned long long OEQueryPerformanceCounter();
OE_API unsigned long long OEQueryPerformanceFrequency(); // 1,000,000,000
OE_API void OESetPerformanceCounterHook(bFPerformanceCounterHook a_funcHook); // null restores the clock

#endif
