#include <vellmark/propertysystem/objects/oe_propertyobjectbase.h>

#include <vellmark/kernel/oe_basemem.h>
#include <vellmark/kernel/oe_message.h>
#include <vellmark/kernel/oe_stream.h>
#include <vellmark/propertysystem/base/oe_objectrefbase.h>
#include <vellmark/propertysystem/base/oe_propertyid.h>

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

bCPropertyObjectBase::bCPropertyObjectBase(bCString const &) : m_uFlags(kPersistableFlag | (1u << kCountShift)) {}

bCPropertyObjectBase & bCPropertyObjectBase::operator=(bCPropertyObjectBase const & a_Source)
{
    if (&a_Source != this)
        CopyFrom(a_Source);
    return *this;
}

bCPropertyObjectBase::~bCPropertyObjectBase() {}

unsigned short bCPropertyObjectBase::Read(bCIStream & a_Stream)
{
    unsigned short uVersion = 0;
    a_Stream.Read(uVersion);
    return uVersion;
}

void bCPropertyObjectBase::Write(bCOStream & a_Stream)
{
    a_Stream.Write(ms_uVersion);
}

unsigned short bCPropertyObjectBase::ReadData(bCIStream & a_Stream, unsigned short a_uVersion)
{
    if (a_uVersion == ms_uFirstVersion)
    {
        bCString strName;
        a_Stream.Read(strName);
    }
    if (a_uVersion <= ms_uLastIDVersion)
    {
        bCPropertyID ID;
        ID.Read(a_Stream);
    }
    return a_uVersion;
}

void bCPropertyObjectBase::Destroy()
{
    Invalidate();
}

void bCPropertyObjectBase::Invalidate()
{
    SetFlag(kRootFlag | kEmbeddedFlag, false);
    SetFlag(kPersistableFlag, true);
}

bCPropertyObjectBase * bCPropertyObjectBase::DoClone() const
{
    OE_MESSAGEF_WARN("The method %s detected an improper usage! \nHint:%s", "bCPropertyObjectBase::DoClone",
                     "Pure virtual function call.\nIt is not allowed to make a clone of propertyobject.\nDo not call it "
                     "from derived class or change access !");
    return nullptr;
}

void bCPropertyObjectBase::CopyFrom(bCPropertyObjectBase const & a_Source)
{
    SetFlag(kPersistableFlag, a_Source.IsPersistable());
}

bCIStream & bCPropertyObjectBase::operator<<(bCIStream & a_Stream)
{
    Read(a_Stream);
    return a_Stream;
}

bCOStream & bCPropertyObjectBase::operator>>(bCOStream & a_Stream)
{
    Write(a_Stream);
    return a_Stream;
}

bCIStream & operator>>(bCIStream & a_Stream, bCPropertyObjectBase & a_Object)
{
    a_Object.Read(a_Stream);
    return a_Stream;
}

bCOStream & operator<<(bCOStream & a_Stream, bCPropertyObjectBase & a_Object)
{
    a_Object.Write(a_Stream);
    return a_Stream;
}

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

void bCPropertyObjectBase::DropBindingReference(bCObjectRefBase * a_pNative)
{
    uint32_t & uWord = a_pNative->m_uReferenceWord;
    uWord = (uWord & bCObjectRefBase::kCreatedFlag) | (((uWord & bCObjectRefBase::kCountMask) - 1) & bCObjectRefBase::kCountMask);
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
