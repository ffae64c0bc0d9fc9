#include <vellmark/propertysystem/types/oe_propertyobjecttype.h>

#include <vellmark/kernel/oe_message.h>
#include <vellmark/kernel/oe_stream.h>
#include <vellmark/propertysystem/types/oe_propertytypebase.h>

void g_PropertyObjectTypeReadNotImplemented()
{
    OE_MESSAGEF_WARN("The method  %s was called, but has not yet been implemented!",
                     "bTPropertyObjectType<CLASS, BASECLASS>::Read");
}

void g_PropertyObjectTypeWriteImproper()
{
    g_PropertySystemImproperUsage("bTPropertyObjectType<CLASS, BASECLASS>::Write",
                                  "METHOD Read/Write not used for current implementation!");
}

void g_PropertyObjectTypeRefuseClone()
{
    g_PropertySystemImproperUsage("bTPropertyObjectType<CLASS, BASECLASS>::DoClone", g_pcPropertyCloneHint);
}

void g_PropertyObjectTypeRefuseCopy()
{
    g_PropertySystemImproperUsage("bTPropertyObjectType<CLASS, BASECLASS>::CopyFrom", g_pcPropertyCopyHint);
}

bCPropertyObjectTypeBase::bCPropertyObjectTypeBase(bool a_bPersistable) : m_bPersistable(a_bPersistable) {}

bCPropertyObjectTypeBase::bCPropertyObjectTypeBase() : m_bPersistable(true) {}

bCPropertyObjectTypeBase::bCPropertyObjectTypeBase(bCPropertyObjectTypeBase const & a_Source) :
    m_bPersistable(a_Source.m_bPersistable)
{
    g_PropertySystemImproperUsage("bCPropertyObjectTypeBase::bCPropertyObjectTypeBase(a_Source)",
                                  g_pcPropertyCopyConstructorHint);
}

bCPropertyObjectTypeBase::~bCPropertyObjectTypeBase()
{
    m_arrPropertyTypes.Destroy();
}

bCPropertyTypeBase * bCPropertyObjectTypeBase::FindPropertyTemplate(bCString const & a_strName) const
{
    for (bCPropertyTypeBase * pType : m_arrPropertyTypes)
        if (pType->GetPropertyName() == a_strName)
            return pType;
    return nullptr;
}

int bCPropertyObjectTypeBase::GetPropertyTemplateIndex(bCPropertyTypeBase const * a_pType) const
{
    if (a_pType->GetOwnerClassName() != GetClassName())
        return -1;
    for (int i = 0; i < m_arrPropertyTypes.GetCount(); ++i)
        if (m_arrPropertyTypes[i] == a_pType)
            return i;
    return -1;
}

bool bCPropertyObjectTypeBase::RegisterPropertyTemplate(bCPropertyTypeBase const * a_pType)
{
    if (!a_pType)
        return false;
    if (GetPropertyTemplateIndex(a_pType) != -1)
    {
        OE_MESSAGEF_WARN("__bCPropertyObjectTypeBase::RegisterPropertyTemplate - property '%s' with valuetype '%s' "
                         "can\xC2\xB4t be added. Already exist in list ! Can\xC2\xB4t be called through accessor during "
                         "runtime !!",
                         a_pType->GetPropertyName().GetText(), a_pType->GetValueTypeName().GetText());
        return false;
    }
    m_arrPropertyTypes.Add(const_cast<bCPropertyTypeBase *>(a_pType));
    OE_MESSAGEF_OK("bCPropertyObjectTypeBase::RegisterPropertyTemplate - property '%s' with valuetype '%s' added.",
                   a_pType->GetPropertyName().GetText(), a_pType->GetValueTypeName().GetText());
    return true;
}

bool bCPropertyObjectTypeBase::UnregisterPropertyTemplate(bCPropertyTypeBase const * a_pType)
{
    if (!a_pType)
        return false;
    int const iIndex = GetPropertyTemplateIndex(a_pType);
    if (iIndex == -1)
        return false;
    m_arrPropertyTypes.RemoveAt(iIndex);
    OE_MESSAGEF_OK("__bCPropertyObjectTypeBase::UnregisterPropertyTemplate - property '%s' with valuetype '%s' "
                   "removed.",
                   a_pType->GetPropertyName().GetText(), a_pType->GetValueTypeName().GetText());
    return true;
}

unsigned short bCPropertyObjectTypeBase::Read(bCIStream & a_Stream)
{
    unsigned short uVersion = 0;
    a_Stream.Read(uVersion);
    return uVersion;
}

void bCPropertyObjectTypeBase::Write(bCOStream & a_Stream)
{
    a_Stream.Write(static_cast<unsigned short>(1));
}

void bCPropertyObjectTypeBase::Destroy()
{
    m_arrPropertyTypes.Clear();
}

bCPropertyObjectTypeBase * bCPropertyObjectTypeBase::DoClone() const
{
    g_PropertySystemImproperUsage("bCPropertyObjectTypeBase::DoClone", g_pcPropertyCloneHint);
    return nullptr;
}

void bCPropertyObjectTypeBase::CopyFrom(bCPropertyObjectTypeBase const & a_Source)
{
    g_PropertySystemImproperUsage("bCPropertyObjectTypeBase::CopyFrom", g_pcPropertyCopyHint);
    m_bPersistable = a_Source.m_bPersistable;
}

bCIStream & bCPropertyObjectTypeBase::operator<<(bCIStream & a_Stream)
{
    Read(a_Stream);
    return a_Stream;
}

bCOStream & bCPropertyObjectTypeBase::operator>>(bCOStream & a_Stream)
{
    Write(a_Stream);
    return a_Stream;
}
