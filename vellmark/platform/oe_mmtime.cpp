#include <vellmark/platform/oe_mmtime.h>

#include <cstdint>
#include <time.h>

unsigned long OETimeGetTime()
{
    timespec Now{};
    clock_gettime(CLOCK_MONOTONIC, &Now);
    uint64_t const u64Milliseconds =
        static_cast<uint64_t>(Now.tv_sec) * 1000u + static_cast<uint64_t>(Now.tv_nsec) / 1000000u;
    return static_cast<uint32_t>(u64Milliseconds);
}
