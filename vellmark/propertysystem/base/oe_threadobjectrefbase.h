#ifndef OE_THREADOBJECTREFBASE_H_INCLUDED
#define OE_THREADOBJECTREFBASE_H_INCLUDED

// bCThreadObjectRefBase: a reference-counted object that is also a worker
// thread (a concrete class supplies ThreadProc) and carries an ownership lock.
//
// Nothing here takes the ownership lock on its own: callers that share the
// object between threads serialise through TryToGetOwnership and
// ReleaseOwnership. A copy gets a lock and a thread of its own; the source's
// lock state and thread are never shared.
//
// Destruction order: the ownership lock, then the thread part (which waits up
// to 3,000 ms for a running thread), then the reference-counted part.

#include <vellmark/kernel/oe_criticalsection.h>
#include <vellmark/kernel/oe_thread.h>
#include <vellmark/propertysystem/base/oe_objectrefbase.h>

class OE_API bCThreadObjectRefBase : public bCObjectRefBase, public bCThreadWin32Ex
{
public:
    bCThreadObjectRefBase();
    bCThreadObjectRefBase(bCThreadObjectRefBase const & a_Source);
    bCThreadObjectRefBase & operator=(bCThreadObjectRefBase const & a_Source);
    ~bCThreadObjectRefBase() override;

public:
    bCCriticalSectionWin32 & GetCriticalSection() { return m_OwnershipLock; }
    bool TryToGetOwnership() { return m_OwnershipLock.TryAcquire(); } // never waits
    void ReleaseOwnership() { m_OwnershipLock.Release(); }

private:
    static constexpr unsigned long kOwnershipSpinCount = 4000;

private:
    bCCriticalSectionWin32 m_OwnershipLock;
};

#endif
