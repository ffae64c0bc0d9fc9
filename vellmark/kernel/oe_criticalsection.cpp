#include <vellmark/kernel/oe_criticalsection.h>

bCCriticalSectionWin32::bCCriticalSectionWin32() :
    m_Owner(std::thread::id()),
    m_uDepth(0),
    m_uSpinCount(0)
{
}

bCCriticalSectionWin32::~bCCriticalSectionWin32() = default;

void bCCriticalSectionWin32::Acquire()
{
    m_Mutex.lock();
    m_Owner.store(std::this_thread::get_id(), std::memory_order_relaxed);
    ++m_uDepth;
}

void bCCriticalSectionWin32::Release()
{
    if (--m_uDepth == 0)
        m_Owner.store(std::thread::id(), std::memory_order_relaxed);
    m_Mutex.unlock();
}

bool bCCriticalSectionWin32::TryAcquire()
{
    if (!m_Mutex.try_lock())
        return false;
    m_Owner.store(std::this_thread::get_id(), std::memory_order_relaxed);
    ++m_uDepth;
    return true;
}

void bCCriticalSectionWin32::SetSpinCount(unsigned long a_uSpinCount)
{
    m_uSpinCount = a_uSpinCount;
}

unsigned long bCCriticalSectionWin32::GetSpinCount() const
{
    return m_uSpinCount;
}

unsigned long bCCriticalSectionWin32::GetLockCount() const
{
    // Only the owner may read its depth without a race; others see 0 or the
    // owner's depth as it stood, which is what a diagnostic value can offer.
    return m_Owner.load(std::memory_order_relaxed) == std::this_thread::get_id() ? m_uDepth : 0;
}
