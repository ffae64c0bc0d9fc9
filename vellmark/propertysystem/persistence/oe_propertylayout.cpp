#include <vellmark/propertysystem/persistence/oe_propertylayout.h>

#include <vellmark/kernel/oe_erroradmin.h>
#include <vellmark/kernel/oe_stream.h>
#include <vellmark/propertysystem/factories/oe_propertyobjectsingleton.h>
#include <vellmark/propertysystem/types/oe_propertyobjecttypebase.h>

namespace
{
    constexpr unsigned short kLayoutVersion = 1;
    constexpr unsigned short kPropertyVersion = 30;
} // namespace

bCPropertyLayout::bCPropertyLayout() :
    m_uPropertyVersion(1), m_ePropertyType(bEPropertyType_EmptyLayout), m_pPropertyType(nullptr)
{
}

bCPropertyLayout::bCPropertyLayout(bCPropertyLayout const & a_Source) : bCPropertyLayout()
{
    CopyFrom(a_Source);
}

bCPropertyLayout & bCPropertyLayout::operator=(bCPropertyLayout const & a_Source)
{
    CopyFrom(a_Source);
    return *this;
}

bCPropertyLayout::~bCPropertyLayout() {}

void bCPropertyLayout::Destroy()
{
    m_uPropertyVersion = 1;
    m_strPropertyName.Clear();
    m_strPropertyValueTypeName.Clear();
    m_ePropertyType = bEPropertyType_EmptyLayout;
    m_pPropertyType = nullptr;
}

void bCPropertyLayout::Create()
{
    Destroy();
}

void bCPropertyLayout::CopyFrom(bCPropertyLayout const & a_Source)
{
    if (&a_Source == this)
        return;
    m_uPropertyVersion = a_Source.m_uPropertyVersion;
    m_strPropertyName = a_Source.m_strPropertyName;
    m_strPropertyValueTypeName = a_Source.m_strPropertyValueTypeName;
    m_ePropertyType = a_Source.m_ePropertyType;
    m_pPropertyType = a_Source.m_pPropertyType;
}

void bCPropertyLayout::AssignPropertyType(bCPropertyTypeBase const * a_pType)
{
    Create();
    if (!a_pType)
        return;
    m_pPropertyType = a_pType;
    m_ePropertyType = a_pType->GetPropertyType();
    m_strPropertyName = a_pType->GetPropertyName();
    m_strPropertyValueTypeName = a_pType->GetValueTypeName();
    m_uPropertyVersion = kPropertyVersion;
}

void bCPropertyLayout::Write(bCOStream & a_Stream)
{
    if (!m_pPropertyType)
        return;
    a_Stream.Write(kLayoutVersion);
    a_Stream.Write(m_uPropertyVersion);
    a_Stream.Write(static_cast<unsigned char>(m_ePropertyType & 0xFF));
    a_Stream.Write(m_strPropertyName);
    a_Stream.Write(m_strPropertyValueTypeName);
    a_Stream.Write(m_pPropertyType->GetOwnerClassName());
}

unsigned short bCPropertyLayout::Read(bCIStream & a_Stream)
{
    Create();
    unsigned short uLayoutVersion = 0;
    unsigned char uKind = 0;
    bCString strOwner;
    a_Stream.Read(uLayoutVersion);
    a_Stream.Read(m_uPropertyVersion);
    a_Stream.Read(uKind);
    m_ePropertyType = static_cast<bEPropertyType>(uKind);
    a_Stream.Read(m_strPropertyName);
    a_Stream.Read(m_strPropertyValueTypeName);
    a_Stream.Read(strOwner);
    bCPropertyObjectTypeBase * pClassType = bCPropertyObjectSingleton::GetInstance().FindTemplate(strOwner);
    bCPropertyTypeBase * pFoundPropertyType = pClassType ? pClassType->FindPropertyTemplate(m_strPropertyName) : nullptr;
    if (pFoundPropertyType && pFoundPropertyType->GetValueTypeName() != m_strPropertyValueTypeName)
        bCErrorAdmin::GetInstance().CallFatalError(
            "bCPropertyLayout::Read - Error in propertytype: valuetypes are not identical. Can not convert between "
            "different versions of valuetypes of same property !",
            "OEFalse == (pFoundPropertyType->GetValueTypeName() == this->m_strPropertyValueTypeName)",
            "propertysystem\\persistence\\oe_propertylayout", 333);
    m_pPropertyType = pFoundPropertyType;
    return m_uPropertyVersion;
}

bCIStream & bCPropertyLayout::operator<<(bCIStream & a_Stream)
{
    Read(a_Stream);
    return a_Stream;
}

bCOStream & bCPropertyLayout::operator>>(bCOStream & a_Stream)
{
    Write(a_Stream);
    return a_Stream;
}
