#include <vellmark/platform/oe_perfcounter.h>

#include <atomic>
#include <ctime>

namespace
{
    std::atomic<bFPerformanceCounterHook> s_funcHook{nullptr};
}

unsigned long long OEQueryPerformanceCounter()
{
    if (bFPerformanceCounterHook funcHook = s_funcHook.load(std::memory_order_acquire))
        return funcHook();
    timespec Now;
    clock_gettime(CLOCK_MONOTONIC, &Now);
    return static_cast<unsigned long long>(Now.tv_sec) * 1000000000ULL + static_cast<unsigned long long>(Now.tv_nsec);
}

unsigned long long OEQueryPerformanceFrequency()
{
    return 1000000000ULL;
}

void OESetPerformanceCounterHook(bFPerformanceCounterHook a_funcHook)
{
    s_funcHook.store(a_funcHook, std::memory_order_release);
}
