#include <vellmark/propertysystem/types/oe_propertytypebase.h>

#include <vellmark/kernel/oe_erroradmin.h>
#include <vellmark/kernel/oe_message.h>
#include <vellmark/kernel/oe_stream.h>

char const * const g_pcPropertyCloneHint =
    "It is not allowed to make a clone of propertytype.\nDo not call it from derived class or change access !";
char const * const g_pcPropertyCopyHint =
    "It is not allowed to make a copy of propertytype.\nDo not call it from derived class or change access !";
char const * const g_pcPropertyCopyConstructorHint =
    "copy constructor should never called from this class.\nDo not call it from derived class or change access !";

void g_PropertySystemImproperUsage(char const * a_pcMethod, char const * a_pcHint)
{
    OE_MESSAGEF_WARN("The method %s detected an improper usage! \nHint:%s", a_pcMethod, a_pcHint);
}

bCPropertyEnumEntry::~bCPropertyEnumEntry() {}

bCPropertyTypeBase::bCPropertyTypeBase(bCString const & a_strName, bEPropertyType a_eType) :
    m_strPropertyName(a_strName), m_ePropertyType(a_eType), m_bReadOnly(false)
{
}

bCPropertyTypeBase::bCPropertyTypeBase(bCString const & a_strName, bCString const & a_strCategory,
                                       bEPropertyType a_eType, bool a_bReadOnly) :
    m_strPropertyName(a_strName), m_strPropertyCategory(a_strCategory), m_ePropertyType(a_eType),
    m_bReadOnly(a_bReadOnly)
{
}

bCPropertyTypeBase::bCPropertyTypeBase(bCString const & a_strName, bCString const & a_strCategory,
                                       bCString const & a_strDescription, bEPropertyType a_eType, bool a_bReadOnly) :
    m_strPropertyName(a_strName), m_strPropertyDescription(a_strDescription), m_strPropertyCategory(a_strCategory),
    m_ePropertyType(a_eType), m_bReadOnly(a_bReadOnly)
{
}

bCPropertyTypeBase::bCPropertyTypeBase() : m_ePropertyType(bEPropertyType_Normal), m_bReadOnly(false)
{
    g_PropertySystemImproperUsage(
        "bCPropertyTypeBase::bCPropertyTypeBase",
        "default constructor should never called from this class.\nDo not call it from derived class or change access !");
}

bCPropertyTypeBase::bCPropertyTypeBase(bCPropertyTypeBase const & a_Source) :
    m_ePropertyType(a_Source.m_ePropertyType), m_bReadOnly(false)
{
    g_PropertySystemImproperUsage("bCPropertyTypeBase::bCPropertyTypeBase(a_Source)", g_pcPropertyCopyConstructorHint);
    g_PropertySystemImproperUsage("bCPropertyTypeBase::CopyFrom", g_pcPropertyCopyHint);
}

bCPropertyTypeBase::~bCPropertyTypeBase() {}

bCPropertyID const & bCPropertyTypeBase::GetID() const
{
    if (!m_bHasID)
    {
        m_ID.CreateFromString(m_strPropertyName);
        m_bHasID = true;
    }
    return m_ID;
}

unsigned short bCPropertyTypeBase::Read(bCIStream & a_Stream)
{
    unsigned short uVersion = 0;
    a_Stream.Read(uVersion);
    return uVersion;
}

void bCPropertyTypeBase::Write(bCOStream & a_Stream)
{
    if (m_strPropertyName.IsEmpty())
        bCErrorAdmin::GetInstance().CallFatalError("bCPropertyTypeBase::Write",
                                                   "OEFalse == (OEFalse == this->m_strPropertyName.IsEmpty())",
                                                   "propertysystem\\types\\oe_propertytypebase", 404);
    a_Stream.Write(ms_uTypeVersion);
}

void bCPropertyTypeBase::Destroy() {}

void bCPropertyTypeBase::Create()
{
    Destroy();
}

bCPropertyTypeBase * bCPropertyTypeBase::DoClone() const
{
    g_PropertySystemImproperUsage("bCPropertyTypeBase::DoClone", g_pcPropertyCloneHint);
    return nullptr;
}

void bCPropertyTypeBase::CopyFrom(bCPropertyTypeBase const &)
{
    g_PropertySystemImproperUsage("bCPropertyTypeBase::CopyFrom", g_pcPropertyCopyHint);
}

bCIStream & bCPropertyTypeBase::operator<<(bCIStream & a_Stream)
{
    Read(a_Stream);
    return a_Stream;
}

bCOStream & bCPropertyTypeBase::operator>>(bCOStream & a_Stream)
{
    Write(a_Stream);
    return a_Stream;
}

bCIStream & operator>>(bCIStream & a_Stream, bCPropertyTypeBase & a_Type)
{
    a_Type.Read(a_Stream);
    return a_Stream;
}

bCOStream & operator<<(bCOStream & a_Stream, bCPropertyTypeBase & a_Type)
{
    a_Type.Write(a_Stream);
    return a_Stream;
}
