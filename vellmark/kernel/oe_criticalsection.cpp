#include <vellmark/kernel/oe_criticalsection.h>

#include <vellmark/kernel/oe_message.h>
#include <vellmark/platform/oe_threading.h>

// Members of an exported class may be interposed, so the compiler does not inline them into one
// another: the hot helpers live here instead.
namespace
{
    char const * const g_pcImproperUsage = "The method %s detected an improper usage! \nHint:%s ";

    inline bool IsOwner(std::atomic<uint32_t> const & a_uOwner)
    {
        return a_uOwner.load(std::memory_order_relaxed) == OEGetCurrentThreadId();
    }

    inline void Enter(std::mutex & a_Mutex, unsigned long a_uSpins)
    {
        while (a_uSpins-- > 0)
            if (a_Mutex.try_lock())
                return;
        a_Mutex.lock();
    }
} // namespace

bCCriticalSectionWin32::bCCriticalSectionWin32() : m_uOwner(0), m_uDepth(0), m_uSpinCount(0) {}

bCCriticalSectionWin32::~bCCriticalSectionWin32()
{
    if (m_uDepth.load(std::memory_order_relaxed) == 0)
        return;
    OE_MESSAGEF_WARN(g_pcImproperUsage, "bCCriticalSectionWin32::~bCCriticalSectionWin32",
                     "The critical section is destroyed while it is held.");
    // Destroying a locked mutex is undefined: the owner gives it back first.
    if (IsOwner(m_uOwner))
    {
        m_uDepth.store(0, std::memory_order_relaxed);
        m_uOwner.store(0, std::memory_order_relaxed);
        m_Mutex.unlock();
    }
}

void bCCriticalSectionWin32::Acquire()
{
    uint32_t const uSelf = OEGetCurrentThreadId();
    // Only this thread ever stores its own id, so a relaxed load cannot show it falsely.
    if (m_uOwner.load(std::memory_order_relaxed) != uSelf)
    {
        Enter(m_Mutex, m_uSpinCount.load(std::memory_order_relaxed));
        m_uOwner.store(uSelf, std::memory_order_relaxed);
    }
    m_uDepth.store(m_uDepth.load(std::memory_order_relaxed) + 1, std::memory_order_relaxed);
}

void bCCriticalSectionWin32::Release()
{
    if (!IsOwner(m_uOwner))
    {
        OE_MESSAGEF_WARN(g_pcImproperUsage, "bCCriticalSectionWin32::Release",
                         "The calling thread does not hold the critical section.");
        return;
    }
    unsigned long const uDepth = m_uDepth.load(std::memory_order_relaxed) - 1;
    m_uDepth.store(uDepth, std::memory_order_relaxed);
    if (uDepth != 0)
        return;
    m_uOwner.store(0, std::memory_order_relaxed);
    m_Mutex.unlock();
}

bool bCCriticalSectionWin32::TryAcquire()
{
    uint32_t const uSelf = OEGetCurrentThreadId();
    if (m_uOwner.load(std::memory_order_relaxed) != uSelf)
    {
        if (!m_Mutex.try_lock())
            return false;
        m_uOwner.store(uSelf, std::memory_order_relaxed);
    }
    m_uDepth.store(m_uDepth.load(std::memory_order_relaxed) + 1, std::memory_order_relaxed);
    return true;
}

void bCCriticalSectionWin32::SetSpinCount(unsigned long a_uSpinCount)
{
    m_uSpinCount.store(a_uSpinCount, std::memory_order_relaxed);
}

unsigned long bCCriticalSectionWin32::GetSpinCount() const
{
    return m_uSpinCount.load(std::memory_order_relaxed);
}

unsigned long bCCriticalSectionWin32::GetLockCount() const
{
    // Another thread sees the owner's depth as it stood a moment ago: good enough for diagnostics.
    return m_uDepth.load(std::memory_order_relaxed);
}

bool bCCriticalSectionWin32::IsHeldByCallingThread() const
{
    return IsOwner(m_uOwner);
}
