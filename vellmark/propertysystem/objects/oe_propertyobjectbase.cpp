#include <vellmark/propertysystem/objects/oe_propertyobjectbase.h>

#include <vellmark/kernel/oe_basemem.h>
#include <vellmark/propertysystem/base/oe_objectrefbase.h>

namespace
{
    char const * const kModule = "propertysystem/objects/oe_propertyobjectbase";
} // namespace

void * bCPropertyObjectBase::operator new(std::size_t a_uSize) noexcept
{
    return bCMemoryAdmin::GetInstance().NewObject(static_cast<unsigned long>(a_uSize), kModule, "bCPropertyObjectBase",
                                                  nullptr, __LINE__);
}

void * bCPropertyObjectBase::operator new(std::size_t a_uSize, char const * a_pcText1, char const * a_pcText2,
                                          char const * a_pcText3, int a_iLine) noexcept
{
    return bCMemoryAdmin::GetInstance().NewObject(static_cast<unsigned long>(a_uSize), a_pcText1, a_pcText2, a_pcText3,
                                                  a_iLine);
}

void bCPropertyObjectBase::operator delete(void * a_pPtr) noexcept
{
    bCMemoryAdmin::GetInstance().DeleteObject(a_pPtr);
}

void bCPropertyObjectBase::operator delete(void * a_pPtr, char const *, char const *, char const *, int) noexcept
{
    bCMemoryAdmin::GetInstance().DeleteObject(a_pPtr);
}

bCPropertyObjectBase::bCPropertyObjectBase() : m_uFlags(kPersistableFlag | (1u << kCountShift)) {}

bCPropertyObjectBase::bCPropertyObjectBase(bCPropertyObjectBase const &) :
    m_uFlags(kPersistableFlag | (1u << kCountShift))
{
}

bCPropertyObjectBase::~bCPropertyObjectBase() {}

void bCPropertyObjectBase::SetReferenceCount(uint32_t a_uCount)
{
    m_uFlags = (m_uFlags & ~kCountMask) | ((a_uCount << kCountShift) & kCountMask);
}

unsigned long bCPropertyObjectBase::AddReference()
{
    SetReferenceCount(static_cast<uint32_t>(GetReferenceCount()) + 1);
    return GetReferenceCount();
}

unsigned long bCPropertyObjectBase::ReleaseReference()
{
    uint32_t const uCount = static_cast<uint32_t>(GetReferenceCount());
    if (uCount > 1)
    {
        SetReferenceCount(uCount - 1);
        return uCount - 1;
    }
    SetReferenceCount(0);
    delete this;
    return 0;
}

void bCPropertyObjectBase::BindNativeObject(bCObjectRefBase * a_pNew, bCObjectRefBase *& a_pNative)
{
    if (a_pNew == a_pNative) // releasing it first would delete what is to be bound
        return;
    if (a_pNew)
        a_pNew->AddVirtualReference();
    ReleaseNativeObject(a_pNative);
    if (a_pNew)
        a_pNew->SetPropertyObject(this);
    a_pNative = a_pNew;
}

void bCPropertyObjectBase::ReleaseNativeObject(bCObjectRefBase *& a_pNative)
{
    bCObjectRefBase * pNative = a_pNative;
    if (!pNative)
        return;
    if (pNative->GetReferenceCount() == 1)
        pNative->Destroy();
    pNative->SetPropertyObject(nullptr);
    a_pNative = nullptr;
    pNative->ReleaseVirtualReference();
}
