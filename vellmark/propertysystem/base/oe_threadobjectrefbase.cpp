#include <vellmark/propertysystem/base/oe_threadobjectrefbase.h>

bCThreadObjectRefBase::bCThreadObjectRefBase()
{
    m_OwnershipLock.SetSpinCount(kOwnershipSpinCount);
}

// The thread part cannot be copied (a thread and a lock are not values): the
// copy starts idle, with a thread object and an ownership lock of its own.
bCThreadObjectRefBase::bCThreadObjectRefBase(bCThreadObjectRefBase const & a_Source) :
    bCObjectRefBase(a_Source), bCThreadWin32Ex()
{
    m_OwnershipLock.SetSpinCount(kOwnershipSpinCount);
}

// Only the reference-counted part is assigned; this object keeps its own
// thread and lock.
bCThreadObjectRefBase & bCThreadObjectRefBase::operator=(bCThreadObjectRefBase const & a_Source)
{
    bCObjectRefBase::operator=(a_Source);
    return *this;
}

bCThreadObjectRefBase::~bCThreadObjectRefBase() {}
