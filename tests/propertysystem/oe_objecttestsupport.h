#ifndef OE_OBJECTTESTSUPPORT_H_INCLUDED
#define OE_OBJECTTESTSUPPORT_H_INCLUDED

// Shared by the tests of the object bases: objects that count their
// destructions, and a probe that tells whether an object's storage went back
// to the memory administration.

#include <vellmark/kernel/oe_basemem.h>
#include <vellmark/kernel/oe_mempool.h>
#include <vellmark/propertysystem/base/oe_objectrefbase.h>

#include <cstdint>

namespace
{
    // The reference word is private; tests that need a count near its limit
    // reach it the way an explicit instantiation may, without access checks.
    using FReferenceWord = uint32_t bCObjectRefBase::*;
    FReferenceWord GetReferenceWordMember();
    template <FReferenceWord MEMBER> struct bTReferenceWordAccess
    {
        friend FReferenceWord GetReferenceWordMember() { return MEMBER; }
    };
    template struct bTReferenceWordAccess<&bCObjectRefBase::m_uReferenceWord>;

    inline uint32_t & AccessReferenceWord(bCObjectRefBase & a_Object)
    {
        return a_Object.*GetReferenceWordMember();
    }
} // namespace

// A reference-counted object that counts how often one of its kind was destroyed.
class bCCountedObject : public bCObjectRefBase
{
public:
    ~bCCountedObject() override { ++ms_iDestructions; }

    using bCObjectRefBase::AddVirtualReference;
    using bCObjectRefBase::Invalidate;
    using bCObjectRefBase::ReleaseVirtualReference;
    using bCObjectRefBase::SetPropertyObject;

    static inline int ms_iDestructions = 0;
};

// An object as large as the memory pool's big block: the pool hands that block
// out once at a time, so a second request of that size gets the very address
// again exactly when the first block has been returned.
inline constexpr unsigned long kBigBlockObjectSize = bCMemPool::ms_uBigBlockMin + 64;

class bCBigObject : public bCCountedObject
{
public:
    bCBigObject() {} // leaves the payload untouched, so no page of it is used

protected:
    char m_arrPayload[kBigBlockObjectSize - sizeof(bCCountedObject)];
};

// True when a block of the big-block size, taken now, lands on a_pAddress,
// i.e. the object that lived there has returned its storage.
inline bool IsBigBlockFreeAt(void const * a_pAddress)
{
    bCMemoryAdmin & Admin = bCMemoryAdmin::GetInstance();
    void * pProbe = Admin.Malloc(kBigBlockObjectSize, "probe", __FILE__, __LINE__);
    bool const bSame = pProbe == a_pAddress;
    Admin.Free(pProbe);
    return bSame;
}

#endif
