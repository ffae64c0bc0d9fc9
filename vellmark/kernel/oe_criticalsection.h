#ifndef OE_CRITICALSECTION_H_INCLUDED
#define OE_CRITICALSECTION_H_INCLUDED

// A re-entrant lock: the owner may acquire it again and must release it as
// often. The spin count is kept for the interface; the lock beneath decides
// how long to spin.

#include <vellmark/kernel/oe_types.h>

#include <atomic>
#include <mutex>
#include <thread>

class OE_API bCCriticalSectionWin32
{
public:
    bCCriticalSectionWin32();
    ~bCCriticalSectionWin32();
    bCCriticalSectionWin32(bCCriticalSectionWin32 const &) = delete;
    bCCriticalSectionWin32 & operator=(bCCriticalSectionWin32 const &) = delete;

public:
    void Acquire();
    void Release();
    bool TryAcquire();                          // true when entered
    void SetSpinCount(unsigned long a_uSpinCount);
    unsigned long GetSpinCount() const;
    unsigned long GetLockCount() const;         // the owner's recursion depth; 0 when free

private:
    std::recursive_mutex m_Mutex;
    std::atomic<std::thread::id> m_Owner;
    unsigned long m_uDepth;
    unsigned long m_uSpinCount;
};

#endif
