#ifndef OE_CRITICALSECTION_H_INCLUDED
#define OE_CRITICALSECTION_H_INCLUDED

// A re-entrant lock: the owner may acquire it again and must release it as
// often. Re-entry only counts, it never touches the lock beneath. The spin
// count is how often a contended Acquire tries again before it blocks.
//
// Releasing a lock the calling thread does not hold, and destroying a lock that
// is held, are reported as improper usage; a lock its owner destroys is
// released first.

#include <vellmark/kernel/oe_types.h>

#include <atomic>
#include <cstdint>
#include <mutex>

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
    bool TryAcquire(); // true when entered
    void SetSpinCount(unsigned long a_uSpinCount);
    unsigned long GetSpinCount() const;
    unsigned long GetLockCount() const; // the owner's recursion depth; 0 when free
    bool IsHeldByCallingThread() const;

private:
    std::mutex m_Mutex;
    std::atomic<uint32_t> m_uOwner;      // thread id of the owner, 0 when free
    std::atomic<unsigned long> m_uDepth; // written by the owner only
    std::atomic<unsigned long> m_uSpinCount;
};

#endif
