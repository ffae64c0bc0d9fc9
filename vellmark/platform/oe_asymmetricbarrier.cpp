#include <vellmark/platform/oe_asymmetricbarrier.h>

#include <atomic>

#include <linux/membarrier.h>
#include <sys/syscall.h>
#include <unistd.h>

#if defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define OE_BARRIER_UNDER_TSAN 1
#endif
#endif
#if defined(__SANITIZE_THREAD__)
#define OE_BARRIER_UNDER_TSAN 1
#endif

namespace
{
    enum : int
    {
        kUnknown = 0,
        kAvailable = 1,
        kUnavailable = 2,
    };

    std::atomic<int> s_iState{kUnknown};
    std::atomic<bool> s_bForcedOff{false};
    std::atomic<unsigned long long> s_uHeavyCount{0};

    [[maybe_unused]] long Membarrier(int a_iCommand)
    {
        return syscall(__NR_membarrier, a_iCommand, 0u, 0);
    }

    int Probe()
    {
#if defined(OE_BARRIER_UNDER_TSAN)
        return kUnavailable;
#else
        long const lCommands = Membarrier(MEMBARRIER_CMD_QUERY);
        if (lCommands < 0 || !(lCommands & MEMBARRIER_CMD_PRIVATE_EXPEDITED) ||
            !(lCommands & MEMBARRIER_CMD_REGISTER_PRIVATE_EXPEDITED))
            return kUnavailable;
        return Membarrier(MEMBARRIER_CMD_REGISTER_PRIVATE_EXPEDITED) == 0 ? kAvailable : kUnavailable;
#endif
    }
} // namespace

bool OEAsymmetricBarrierAvailable()
{
    if (s_bForcedOff.load(std::memory_order_relaxed)) [[unlikely]]
        return false;
    int iState = s_iState.load(std::memory_order_acquire);
    if (iState == kUnknown) [[unlikely]]
    {
        // Registering twice is harmless, so racing first callers need no lock.
        iState = Probe();
        s_iState.store(iState, std::memory_order_release);
    }
    return iState == kAvailable;
}

void OEAsymmetricBarrierHeavy()
{
    s_uHeavyCount.fetch_add(1, std::memory_order_relaxed);
#if !defined(OE_BARRIER_UNDER_TSAN)
    if (Membarrier(MEMBARRIER_CMD_PRIVATE_EXPEDITED) == 0) [[likely]]
        return;
    // A child of fork starts unregistered: register it, or take the slow
    // barrier that needs no registration.
    if (Membarrier(MEMBARRIER_CMD_REGISTER_PRIVATE_EXPEDITED) == 0 &&
        Membarrier(MEMBARRIER_CMD_PRIVATE_EXPEDITED) == 0)
        return;
    Membarrier(MEMBARRIER_CMD_GLOBAL);
#endif
}

unsigned long long OEAsymmetricBarrierHeavyCount()
{
    return s_uHeavyCount.load(std::memory_order_relaxed);
}

void OEAsymmetricBarrierForceUnavailable(bool a_bForce)
{
    s_bForcedOff.store(a_bForce, std::memory_order_relaxed);
}
