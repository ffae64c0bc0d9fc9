#include <vellmark/propertysystem/base/oe_objectrefbase.h>

#include <vellmark/kernel/oe_stream.h>
#include <vellmark/propertysystem/objects/oe_propertyobjectbase.h>

namespace
{
    unsigned short const kVersion = 1;
    unsigned long const kNoNotification = 0xFFFFFFFFul;
} // namespace

bCObjectRefBase::bCObjectRefBase() : m_pPropertyObject(nullptr), m_uReferenceWord(1) {}

bCObjectRefBase::bCObjectRefBase(bCObjectRefBase const & a_Source) :
    bCObjectBase(a_Source), m_pPropertyObject(nullptr), m_uReferenceWord(1)
{
}

bCObjectRefBase & bCObjectRefBase::operator=(bCObjectRefBase const & a_Source)
{
    bCObjectBase::operator=(a_Source);
    m_pPropertyObject = a_Source.m_pPropertyObject;
    m_uReferenceWord = a_Source.m_uReferenceWord;
    return *this;
}

bCObjectRefBase::~bCObjectRefBase()
{
    m_pPropertyObject = nullptr;
}

unsigned short bCObjectRefBase::GetVersion() const
{
    return kVersion;
}

bool bCObjectRefBase::IsValid() const
{
    return (m_uReferenceWord & kCreatedFlag) != 0;
}

bEResult bCObjectRefBase::Write(bCOStream & a_Stream)
{
    a_Stream.Write(kVersion);
    return bEResult_Ok;
}

bEResult bCObjectRefBase::Read(bCIStream & a_Stream)
{
    unsigned short uVersion = 0;
    a_Stream.Read(uVersion);
    return bEResult_Ok;
}

void bCObjectRefBase::Destroy()
{
    if (!IsValid())
        return;
    m_uReferenceWord &= ~kCreatedFlag;
    bCObjectBase::Destroy();
}

bEResult bCObjectRefBase::Create()
{
    bCObjectBase::Create();
    m_uReferenceWord |= kCreatedFlag;
    return bEResult_Ok;
}

unsigned long bCObjectRefBase::AddReference()
{
    if (m_pPropertyObject)
        return m_pPropertyObject->AddReference();
    uint32_t const uCount = (m_uReferenceWord + 1) & kCountMask;
    m_uReferenceWord = (m_uReferenceWord & kCreatedFlag) | uCount;
    return uCount;
}

unsigned long bCObjectRefBase::ReleaseReference()
{
    if (m_pPropertyObject && m_pPropertyObject->GetReferenceCount() != 0)
        return m_pPropertyObject->ReleaseReference();
    uint32_t const uCount = m_uReferenceWord & kCountMask;
    if (uCount > 1)
    {
        m_uReferenceWord = (m_uReferenceWord & kCreatedFlag) | (uCount - 1);
        return uCount - 1;
    }
    m_uReferenceWord &= kCreatedFlag;
    delete this;
    return 0;
}

bool bCObjectRefBase::IsVirtualReferencingEnabled() const
{
    return true;
}

bEResult bCObjectRefBase::PostInitializeProperties()
{
    return bEResult_Ok;
}

unsigned long bCObjectRefBase::NotifyPropertyValueChangedEnter(char const *)
{
    return kNoNotification;
}

unsigned long bCObjectRefBase::NotifyPropertyValueChangedExit(char const *)
{
    return kNoNotification;
}

bool bCObjectRefBase::OnNotifyPropertyValueChangedEnterEx(char const *, bool)
{
    return true;
}

bool bCObjectRefBase::OnNotifyPropertyValueChangedExitEx(char const *, bool)
{
    return true;
}

void bCObjectRefBase::NotifyPropertyDeprecated(bCString const &, bCString const &, bCMemoryStream &, unsigned short) {}

bool bCObjectRefBase::NotifyPropertyValueChangedEnterEx(char const * a_pcName, bool a_bFlag)
{
    return OnNotifyPropertyValueChangedEnterEx(a_pcName, a_bFlag);
}

bool bCObjectRefBase::NotifyPropertyValueChangedExitEx(char const * a_pcName, bool a_bFlag)
{
    return OnNotifyPropertyValueChangedExitEx(a_pcName, a_bFlag);
}

void bCObjectRefBase::SetPropertyObject(bCPropertyObjectBase const * a_pPropertyObject)
{
    m_pPropertyObject = const_cast<bCPropertyObjectBase *>(a_pPropertyObject);
}

void bCObjectRefBase::Invalidate()
{
    m_pPropertyObject = nullptr;
    m_uReferenceWord = 0;
}

unsigned long bCObjectRefBase::AddVirtualReference()
{
    return IsVirtualReferencingEnabled() ? AddReference() : bCObjectRefBase::AddReference();
}

unsigned long bCObjectRefBase::ReleaseVirtualReference()
{
    return IsVirtualReferencingEnabled() ? ReleaseReference() : bCObjectRefBase::ReleaseReference();
}
